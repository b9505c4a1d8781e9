#pragma once
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// Splits text into lines ending at CR, LF or CR LF. A final line break adds
// no empty line; empty lines in between are kept. Stops after maxLines + 1
// lines, so a caller with a limit can tell that there were more without
// paying for all of them.
std::vector<std::string> SplitLines(const std::string& text,
                                    size_t maxLines = std::numeric_limits<size_t>::max() - 1);
