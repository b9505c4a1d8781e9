#pragma once
#include <string>
#include <string_view>

// Text helpers for package names and INI text, which are ANSI bytes: only the
// ASCII letters change case, and trimming removes every byte of code 32 or less.
std::string TrimText(const std::string& text);
// The same without a copy: the part of text that TrimText keeps.
std::string_view TrimView(std::string_view text);
std::string LowerAscii(std::string text);
bool SameTextAscii(std::string_view a, std::string_view b);
