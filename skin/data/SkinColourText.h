// The skin's colour texts: three decimal numbers (red, green, blue) with any
// other characters between them, for example "227 238 253".
#pragma once
#include <cstdint>
#include <string>

// The colour (red in the low byte) of text, or defaultColour when the text is
// empty after trimming. Each maximal run of digits is a number and every
// other character separates; the first three numbers give red, green and
// blue, each modulo 256, and missing ones are 0. A number with nothing after
// it counts only as the third, so "255" alone is black. A run of digits too
// large for a signed 32-bit integer is not taken, nor is anything after it.
int32_t SkinColourFromText(const std::string& text, int32_t defaultColour);
