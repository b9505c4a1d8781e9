// Reader and writer of stored form descriptions: the UTF-8 text of nested
// "object Name: TClass ... end" blocks from which forms are created.
// Portable: no Windows headers, so it is tested and fuzzed natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TFormProperty;

struct TFormValue {
  enum TKind { vkInteger, vkFloat, vkString, vkIdent, vkSet, vkBinary, vkList, vkCollection };
  TKind Kind = vkInteger;
  long long Int = 0;                                   // vkInteger
  double Float = 0;                                    // vkFloat
  std::string Text;                                    // vkString (UTF-8), vkIdent
  std::vector<std::string> Items;                      // vkSet elements, vkList strings
  std::vector<uint8_t> Bytes;                          // vkBinary
  std::vector<std::vector<TFormProperty>> Collection;  // vkCollection: one property list per item
};

struct TFormProperty {
  std::string Name;  // may be dotted, e.g. "Font.Name"
  TFormValue Value;
  int Line = 0;      // where the name stands in the text; 0 for built trees
};

struct TFormObject {
  std::string Name;       // may be empty ("object TClass")
  std::string ClassName;
  std::vector<TFormProperty> Properties;  // in text order
  std::vector<TFormObject> Children;      // in text order
  int Line = 0;           // line of the "object" keyword
};

struct TFormTextError {
  int Line = 0;           // 1-based
  std::string Message;
};

// Deepest nesting of objects and collection items the reader and writer accept.
constexpr int kFormTextMaxDepth = 64;

// Parses a whole description. On failure returns false, fills error and
// leaves root untouched.
bool ReadFormText(const std::string& text, TFormObject& root, TFormTextError& error);

// Canonical text that reads back to an equal tree: two-space indentation,
// decimal integers, long strings split with '+', binary data 64 hex digits a
// line. Throws std::invalid_argument for a tree the format cannot hold (a name
// that is not an identifier, a non-finite float, nesting deeper than
// kFormTextMaxDepth).
std::string WriteFormText(const TFormObject& root);

// Equality by content; Line fields are ignored and a value compares only the
// fields its Kind uses.
bool operator==(const TFormValue& a, const TFormValue& b);
bool operator==(const TFormProperty& a, const TFormProperty& b);
bool operator==(const TFormObject& a, const TFormObject& b);
inline bool operator!=(const TFormValue& a, const TFormValue& b) { return !(a == b); }
inline bool operator!=(const TFormProperty& a, const TFormProperty& b) { return !(a == b); }
inline bool operator!=(const TFormObject& a, const TFormObject& b) { return !(a == b); }
