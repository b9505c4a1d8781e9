#pragma once

#include <string>

// Reads the display text as an 80-bit extended value: optional spaces, an
// optional sign, digits with an optional ".", an optional exponent ("E"/"e",
// optional sign, digits read until the exponent reaches 500), optional
// spaces. Returns false for an empty text, a bare sign, any other character
// and a magnitude beyond the extended range (values too small become zero).
bool ParseNumber(const std::wstring& text, long double& value);

// The display text of a value: 15 significant digits (halves rounded away
// from zero), no trailing zeros, fixed notation for 0.0001 <= |value| < 1E15
// after rounding, otherwise "E" notation such as "1E15", "1.5E-7".
std::wstring FormatNumber(long double value);
