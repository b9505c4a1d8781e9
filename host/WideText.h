// Conversions between the UTF-8 of stored texts and the UTF-16 of the W APIs.
#pragma once
#include <string>

std::wstring Utf8ToWide(const std::string& s);
std::string WideToUtf8(const std::wstring& s);
