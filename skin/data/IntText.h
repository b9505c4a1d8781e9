#pragma once
#include <string>

// Converts an integer text: an optional sign, then decimal digits or "$"
// and hexadecimal digits. Decimal must fit a signed 32-bit integer;
// hexadecimal may use all 32 bits (so "$FFFFFFFF" is -1). Returns false
// for anything else, including an empty text.
bool TryParseInt(const std::string& text, int& value);
