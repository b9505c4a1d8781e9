#pragma once
#include <string>
#include <vector>

// Splits text into lines ending at CR, LF or CR LF. A final line break adds
// no empty line; empty lines in between are kept.
std::vector<std::string> SplitLines(const std::string& text);
