#pragma once
#include <string>

// Text helpers for package names and INI text, which are ANSI bytes: only the
// ASCII letters change case, and trimming removes every byte of code 32 or less.
std::string TrimText(const std::string& text);
std::string LowerAscii(std::string text);
bool SameTextAscii(const std::string& a, const std::string& b);
