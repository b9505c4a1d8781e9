// Two-colour gradients painted one pixel line at a time, with a small
// round-robin cache of computed gradients: the same toolbar and panel
// gradients are painted over and over.
#pragma once
#include "host/Graphics.h"
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// A broken precondition, named by unit and line as the skin code has always
// reported it.
class EAssertionFailed : public std::logic_error {
public:
  EAssertionFailed(const char* source, int line)
      : std::logic_error("Assertion failure (" + std::string(source) + ", line " + std::to_string(line) + ")"),
        Source(source), Line(line) {}
  std::string Source;
  int Line;
};

// 16 gradients of one colour per pixel line, overwritten round-robin.
struct TGradientCache {
  static constexpr int SlotCount = 16;
  std::array<std::vector<TColor>, SlotCount> Slots;
  int WritePosition = 0;
  int Users = 0;  // of InitGradientCache
};

TGradientCache& GradientCache();
// Reference-counted: the last DoneGradientCache empties the cache.
void InitGradientCache();
void DoneGradientCache();

// Slot index of a cached gradient of count colours from start to end, or -1.
// Throws EAssertionFailed for a count of 0 or less.
int FindGradient(int count, TColor start, TColor end);
// Computes the gradient into the next slot and returns its index. Channels
// step by truncating integer division, so a falling channel may end one
// short of end's value. Throws EAssertionFailed for a count of 0 or less.
int MakeGradient(int count, TColor start, TColor end);
// FindGradient, else MakeGradient.
int GetGradient(int count, TColor start, TColor end);

// Paints the gradient over rect, colour 0 at the top (vertical) or left edge
// and the last at the other, but only the lines inside the DC's clip box:
// a clipped part keeps the colours it has in the full gradient.
void FillGradient(HDC dc, const RECT& rect, TColor startColour, bool vertical, TColor endColour);
