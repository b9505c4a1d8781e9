#include "host/FormText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

// Longest run of string text the writer puts on one line before a '+'.
constexpr size_t kStringChunk = 64;
// Bytes of binary data the writer puts on one line (64 hex digits).
constexpr size_t kBinaryChunk = 32;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(int c) { return IsIdentStart(c) || IsDigit(c); }
bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsHighSurrogate(unsigned long long c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(unsigned long long c) { return c >= 0xDC00 && c <= 0xDFFF; }

int DigitValue(int c, int base) {
  int d = -1;
  if (IsDigit(c)) d = c - '0';
  else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  return d < base ? d : -1;
}

// End of the dotted identifier ("Font.Name") that starts at pos; pos if none.
size_t ScanIdent(const std::string& s, size_t pos) {
  size_t end = pos;
  while (end < s.size() && IsIdentStart(static_cast<unsigned char>(s[end]))) {
    ++end;
    while (end < s.size() && IsIdentChar(static_cast<unsigned char>(s[end]))) ++end;
    if (end + 1 >= s.size() || s[end] != '.' || !IsIdentStart(static_cast<unsigned char>(s[end + 1])))
      break;
    ++end;
  }
  return end;
}

bool IsIdent(const std::string& s) { return !s.empty() && ScanIdent(s, 0) == s.size(); }

// Keywords of the format compare without regard to case.
bool SameWord(const std::string& word, const char* keyword) {
  size_t i = 0;
  for (; i < word.size() && keyword[i]; ++i) {
    char c = word[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != keyword[i]) return false;
  }
  return i == word.size() && !keyword[i];
}

std::string Describe(int c) {
  if (c < 0) return "end of text";
  if (c > ' ' && c < 127) return std::string("'") + static_cast<char>(c) + "'";
  const char* hex = "0123456789ABCDEF";
  return std::string("character $") + hex[c >> 4] + hex[c & 15];
}

void AppendUtf8(std::string& out, unsigned long long code) {
  auto put = [&out](unsigned long long bits) { out.push_back(static_cast<char>(bits)); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

struct TParseFailure {
  int Line;
  std::string Message;
};

// Recursive descent over the characters; whitespace and line breaks only
// separate tokens. Failures unwind as TParseFailure to ReadFormText.
class TFormReader {
 public:
  explicit TFormReader(const std::string& text) : Text(text) {
    if (Text.compare(0, 3, "\xEF\xBB\xBF") == 0) Pos = 3;
  }

  TFormObject ReadRoot() {
    SkipBlanks();
    int line = Line;
    std::string word = ReadIdent("'object'");
    if (!SameWord(word, "object")) Fail(line, "'object' expected, found '" + word + "'");
    TFormObject root = ReadObject(line, 1);
    SkipBlanks();
    if (Peek() >= 0) Fail(Line, "unexpected " + Describe(Peek()) + " after the end of the form");
    return root;
  }

 private:
  const std::string& Text;
  size_t Pos = 0;
  int Line = 1;

  int Peek(size_t ahead = 0) const {
    return Pos + ahead < Text.size() ? static_cast<unsigned char>(Text[Pos + ahead]) : -1;
  }

  void Advance() {
    if (Pos >= Text.size()) return;
    if (Text[Pos] == '\n') ++Line;
    ++Pos;
  }

  [[noreturn]] void Fail(int line, std::string message) const {
    throw TParseFailure{line, std::move(message)};
  }

  [[noreturn]] void Unexpected(const std::string& expected) const {
    Fail(Line, expected + " expected, found " + Describe(Peek()));
  }

  void CheckDepth(int depth, int line) const {
    if (depth > kFormTextMaxDepth)
      Fail(line, "nesting deeper than " + std::to_string(kFormTextMaxDepth) + " levels");
  }

  void SkipBlanks() {
    while (IsBlank(Peek())) Advance();
  }

  void Expect(char c, const std::string& expected) {
    if (Peek() != static_cast<unsigned char>(c)) Unexpected(expected);
    Advance();
  }

  std::string ReadIdent(const std::string& expected) {
    size_t end = ScanIdent(Text, Pos);
    if (end == Pos) Unexpected(expected);
    std::string word = Text.substr(Pos, end - Pos);
    Pos = end;
    return word;
  }

  // Next word of an object or item body; false at its "end".
  bool NextMember(std::string& word, int& line, const std::string& owner, int ownerLine) {
    SkipBlanks();
    if (Peek() < 0)
      Fail(Line, "missing 'end' of " + owner + " begun on line " + std::to_string(ownerLine));
    line = Line;
    word = ReadIdent("property name or 'end'");
    return !SameWord(word, "end");
  }

  TFormObject ReadObject(int line, int depth) {
    CheckDepth(depth, line);
    TFormObject obj;
    obj.Line = line;
    SkipBlanks();
    std::string first = ReadIdent("object name or class name");
    SkipBlanks();
    if (Peek() == ':') {
      Advance();
      SkipBlanks();
      obj.Name = std::move(first);
      obj.ClassName = ReadIdent("class name");
    } else {
      obj.ClassName = std::move(first);
    }
    const std::string owner = "object " + (obj.Name.empty() ? obj.ClassName : obj.Name);
    std::string word;
    int at = 0;
    while (NextMember(word, at, owner, line)) {
      if (SameWord(word, "object"))
        obj.Children.push_back(ReadObject(at, depth + 1));
      else
        obj.Properties.push_back(ReadProperty(std::move(word), at, depth));
    }
    return obj;
  }

  TFormProperty ReadProperty(std::string name, int line, int depth) {
    SkipBlanks();
    Expect('=', "'=' after '" + name + "'");
    TFormProperty prop;
    prop.Name = std::move(name);
    prop.Line = line;
    prop.Value = ReadValue(depth);
    return prop;
  }

  TFormValue ReadValue(int depth) {
    SkipBlanks();
    TFormValue value;
    int c = Peek();
    if (c == '\'' || c == '#') {
      value.Kind = TFormValue::vkString;
      value.Text = ReadString();
    } else if (IsDigit(c) || c == '-' || c == '$') {
      ReadNumber(value);
    } else if (IsIdentStart(c)) {
      value.Kind = TFormValue::vkIdent;
      value.Text = ReadIdent("identifier");
    } else if (c == '[') {
      value.Kind = TFormValue::vkSet;
      value.Items = ReadSet();
    } else if (c == '{') {
      value.Kind = TFormValue::vkBinary;
      value.Bytes = ReadBinary();
    } else if (c == '(') {
      value.Kind = TFormValue::vkList;
      value.Items = ReadList();
    } else if (c == '<') {
      value.Kind = TFormValue::vkCollection;
      value.Collection = ReadCollection(depth);
    } else {
      Unexpected("value");
    }
    return value;
  }

  // Reads digits of the base into value; false when value would exceed limit.
  bool ReadUnsigned(int base, unsigned long long limit, unsigned long long& value) {
    size_t start = Pos;
    bool fits = true;
    value = 0;
    for (int d; (d = DigitValue(Peek(), base)) >= 0; Advance()) {
      unsigned long long digit = static_cast<unsigned long long>(d);
      if (fits && value <= (limit - digit) / static_cast<unsigned long long>(base))
        value = value * static_cast<unsigned long long>(base) + digit;
      else
        fits = false;
    }
    if (Pos == start) Unexpected(base == 16 ? "hex digit" : "digit");
    return fits;
  }

  // Consumes a fraction and an exponent if present; true if there was either.
  bool SkipFloatTail() {
    bool isFloat = false;
    if (Peek() == '.' && IsDigit(Peek(1))) {
      isFloat = true;
      Advance();
      while (IsDigit(Peek())) Advance();
    }
    int sign = Peek(1) == '+' || Peek(1) == '-' ? 1 : 0;
    if ((Peek() == 'e' || Peek() == 'E') && IsDigit(Peek(1 + sign))) {
      isFloat = true;
      for (int i = 0; i <= sign; ++i) Advance();
      while (IsDigit(Peek())) Advance();
    }
    return isFloat;
  }

  void ReadNumber(TFormValue& value) {
    const int line = Line;
    const size_t start = Pos;
    const bool negative = Peek() == '-';
    if (negative) Advance();
    const unsigned long long limit =
        negative ? static_cast<unsigned long long>(LLONG_MAX) + 1 : static_cast<unsigned long long>(LLONG_MAX);
    unsigned long long magnitude = 0;
    bool fits;
    if (Peek() == '$') {
      Advance();
      fits = ReadUnsigned(16, limit, magnitude);
    } else {
      fits = ReadUnsigned(10, limit, magnitude);
      if (SkipFloatTail()) {
        value.Kind = TFormValue::vkFloat;
        auto result = std::from_chars(Text.data() + start, Text.data() + Pos, value.Float);
        if (result.ec != std::errc() || !std::isfinite(value.Float)) Fail(line, "number out of range");
        fits = true;
      }
    }
    if (IsIdentChar(Peek()) || Peek() == '.') Fail(line, "invalid number");
    if (!fits) Fail(line, "integer out of range");
    if (value.Kind == TFormValue::vkFloat) return;
    value.Kind = TFormValue::vkInteger;
    // Two's complement negation keeps LLONG_MIN representable.
    value.Int = static_cast<long long>(negative ? 0 - magnitude : magnitude);
  }

  // Quoted parts and #codes written together, joined across lines by '+'.
  std::string ReadString() {
    std::string text;
    ReadStringPart(text);
    for (;;) {
      SkipBlanks();
      if (Peek() != '+') return text;
      Advance();
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Unexpected("string after '+'");
      ReadStringPart(text);
    }
  }

  void ReadStringPart(std::string& text) {
    for (int c = Peek(); c == '\'' || c == '#'; c = Peek()) {
      if (c == '\'')
        ReadQuoted(text);
      else
        AppendUtf8(text, ReadCharCode());
    }
  }

  void ReadQuoted(std::string& text) {
    const int line = Line;
    Advance();
    for (;;) {
      int c = Peek();
      if (c < 0 || c == '\n' || c == '\r') Fail(line, "unterminated string");
      Advance();
      if (c == '\'') {
        if (Peek() != '\'') return;
        Advance();
      }
      text.push_back(static_cast<char>(c));
    }
  }

  // "#nnn" or "#$hhh": a Unicode code point; a UTF-16 surrogate pair written
  // as two codes is joined.
  unsigned long long ReadCharCode() {
    const int line = Line;
    unsigned long long code = ReadCodeNumber(line);
    if (IsHighSurrogate(code) && Peek() == '#') {
      unsigned long long low = ReadCodeNumber(line);
      if (IsLowSurrogate(low)) return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(code) || IsLowSurrogate(code)) Fail(line, "unpaired surrogate character code");
    return code;
  }

  unsigned long long ReadCodeNumber(int line) {
    Advance();  // '#'
    int base = 10;
    if (Peek() == '$') {
      base = 16;
      Advance();
    }
    unsigned long long code = 0;
    if (!ReadUnsigned(base, 0x10FFFF, code)) Fail(line, "character code out of range");
    return code;
  }

  std::vector<std::string> ReadSet() {
    Advance();  // '['
    std::vector<std::string> items;
    SkipBlanks();
    if (Peek() == ']') {
      Advance();
      return items;
    }
    for (;;) {
      SkipBlanks();
      items.push_back(ReadIdent("set element"));
      SkipBlanks();
      if (Peek() == ']') {
        Advance();
        return items;
      }
      Expect(',', "',' or ']'");
    }
  }

  std::vector<uint8_t> ReadBinary() {
    const int line = Line;
    Advance();  // '{'
    std::vector<uint8_t> bytes;
    size_t close = Text.find('}', Pos);
    if (close == std::string::npos) Fail(line, "unterminated binary data");
    bytes.reserve((close - Pos) / 2);
    int high = -1;
    for (int c; (c = Peek()) != '}'; Advance()) {
      if (IsBlank(c)) continue;
      int d = DigitValue(c, 16);
      if (d < 0) Fail(Line, "invalid " + Describe(c) + " in binary data");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<uint8_t>(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail(Line, "odd number of hex digits in binary data");
    Advance();  // '}'
    return bytes;
  }

  std::vector<std::string> ReadList() {
    Advance();  // '('
    std::vector<std::string> items;
    for (;;) {
      SkipBlanks();
      int c = Peek();
      if (c == ')') {
        Advance();
        return items;
      }
      if (c != '\'' && c != '#') Unexpected("string or ')'");
      items.push_back(ReadString());
    }
  }

  std::vector<std::vector<TFormProperty>> ReadCollection(int depth) {
    Advance();  // '<'
    std::vector<std::vector<TFormProperty>> items;
    for (;;) {
      SkipBlanks();
      if (Peek() == '>') {
        Advance();
        return items;
      }
      const int line = Line;
      std::string word = ReadIdent("'item' or '>'");
      if (!SameWord(word, "item")) Fail(line, "'item' or '>' expected, found '" + word + "'");
      items.push_back(ReadItem(line, depth + 1));
    }
  }

  std::vector<TFormProperty> ReadItem(int line, int depth) {
    CheckDepth(depth, line);
    std::vector<TFormProperty> props;
    std::string word;
    int at = 0;
    while (NextMember(word, at, "collection item", line)) props.push_back(ReadProperty(std::move(word), at, depth));
    return props;
  }
};

// Turns a tree into canonical text; refuses what would not read back.
class TFormWriter {
 public:
  std::string Write(const TFormObject& root) {
    WriteObject(root, 0, 1);
    return std::move(Out);
  }

 private:
  std::string Out;

  [[noreturn]] static void Refuse(const std::string& message) { throw std::invalid_argument(message); }

  static void CheckIdent(const std::string& s, const char* what) {
    if (!IsIdent(s)) Refuse(std::string(what) + " is not an identifier: '" + s + "'");
  }

  // A property may not be named like the word that ends (or, in an object,
  // opens) a block there.
  static void CheckPropertyName(const std::string& name, bool inObject) {
    CheckIdent(name, "property name");
    if (SameWord(name, "end") || (inObject && SameWord(name, "object")))
      Refuse("property name '" + name + "' is a keyword here");
  }

  void CheckDepth(int depth) const {
    if (depth > kFormTextMaxDepth)
      Refuse("nesting deeper than " + std::to_string(kFormTextMaxDepth) + " levels");
  }

  void Indent(int level) { Out.append(static_cast<size_t>(level) * 2, ' '); }

  void WriteObject(const TFormObject& obj, int level, int depth) {
    CheckDepth(depth);
    CheckIdent(obj.ClassName, "class name");
    Indent(level);
    Out += "object ";
    if (!obj.Name.empty()) {
      CheckIdent(obj.Name, "object name");
      Out += obj.Name;
      Out += ": ";
    }
    Out += obj.ClassName;
    Out += '\n';
    for (const TFormProperty& prop : obj.Properties) WriteProperty(prop, level + 1, depth, true);
    for (const TFormObject& child : obj.Children) WriteObject(child, level + 1, depth + 1);
    Indent(level);
    Out += "end\n";
  }

  void WriteProperty(const TFormProperty& prop, int level, int depth, bool inObject) {
    CheckPropertyName(prop.Name, inObject);
    Indent(level);
    Out += prop.Name;
    Out += " =";
    WriteValue(prop.Value, level, depth);
    Out += '\n';
  }

  void WriteValue(const TFormValue& value, int level, int depth) {
    switch (value.Kind) {
      case TFormValue::vkInteger:
        Out += ' ';
        Out += std::to_string(value.Int);
        return;
      case TFormValue::vkFloat:
        Out += ' ';
        WriteFloat(value.Float);
        return;
      case TFormValue::vkString:
        WriteStringValue(value.Text, level);
        return;
      case TFormValue::vkIdent:
        CheckIdent(value.Text, "identifier value");
        Out += ' ';
        Out += value.Text;
        return;
      case TFormValue::vkSet:
        WriteSet(value.Items);
        return;
      case TFormValue::vkBinary:
        WriteBinary(value.Bytes, level);
        return;
      case TFormValue::vkList:
        WriteList(value.Items, level);
        return;
      case TFormValue::vkCollection:
        WriteCollection(value.Collection, level, depth);
        return;
    }
    Refuse("unknown value kind " + std::to_string(static_cast<int>(value.Kind)));
  }

  void WriteFloat(double value) {
    if (!std::isfinite(value)) Refuse("a float that is not finite cannot be written");
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    // Without a point or exponent it would read back as an integer.
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    Out += text;
  }

  // The string as quoted runs and #codes, cut into lines of about
  // kStringChunk bytes, never inside a UTF-8 sequence.
  static std::vector<std::string> StringLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    bool quoted = false;
    auto setQuoted = [&line, &quoted](bool on) {
      if (quoted != on) line += '\'';
      quoted = on;
    };
    for (char ch : text) {
      unsigned char c = static_cast<unsigned char>(ch);
      bool continuation = (c & 0xC0) == 0x80;
      if (line.size() >= kStringChunk && !continuation) {
        setQuoted(false);
        lines.push_back(std::move(line));
        line.clear();
      }
      if (c < ' ' || c == 127) {
        setQuoted(false);
        line += '#';
        line += std::to_string(c);
      } else {
        setQuoted(true);
        line += ch;
        if (ch == '\'') line += '\'';
      }
    }
    setQuoted(false);
    if (line.empty() && lines.empty()) line = "''";
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
  }

  void WriteStringLines(const std::vector<std::string>& lines, int level) {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) {
        Out += " +\n";
        Indent(level);
      }
      Out += lines[i];
    }
  }

  void WriteStringValue(const std::string& text, int level) {
    std::vector<std::string> lines = StringLines(text);
    if (lines.size() == 1) {
      Out += ' ';
      Out += lines[0];
      return;
    }
    Out += '\n';
    Indent(level + 1);
    WriteStringLines(lines, level + 1);
  }

  void WriteSet(const std::vector<std::string>& items) {
    Out += " [";
    for (size_t i = 0; i < items.size(); ++i) {
      CheckIdent(items[i], "set element");
      if (i > 0) Out += ", ";
      Out += items[i];
    }
    Out += ']';
  }

  void WriteBinary(const std::vector<uint8_t>& bytes, int level) {
    static const char kHex[] = "0123456789ABCDEF";
    Out += " {";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % kBinaryChunk == 0) {
        Out += '\n';
        Indent(level + 1);
      }
      Out += kHex[bytes[i] >> 4];
      Out += kHex[bytes[i] & 15];
    }
    Out += '}';
  }

  void WriteList(const std::vector<std::string>& items, int level) {
    Out += " (";
    for (const std::string& item : items) {
      Out += '\n';
      Indent(level + 1);
      WriteStringLines(StringLines(item), level + 1);
    }
    Out += ')';
  }

  void WriteCollection(const std::vector<std::vector<TFormProperty>>& items, int level, int depth) {
    CheckDepth(depth + (items.empty() ? 0 : 1));
    Out += " <";
    for (const std::vector<TFormProperty>& item : items) {
      Out += '\n';
      Indent(level + 1);
      Out += "item\n";
      for (const TFormProperty& prop : item) WriteProperty(prop, level + 2, depth + 1, false);
      Indent(level + 1);
      Out += "end";
    }
    Out += '>';
  }
};

}  // namespace

bool ReadFormText(const std::string& text, TFormObject& root, TFormTextError& error) {
  try {
    root = TFormReader(text).ReadRoot();
    return true;
  } catch (const TParseFailure& failure) {
    error.Line = failure.Line;
    error.Message = failure.Message;
    return false;
  }
}

std::string WriteFormText(const TFormObject& root) { return TFormWriter().Write(root); }

bool operator==(const TFormValue& a, const TFormValue& b) {
  if (a.Kind != b.Kind) return false;
  switch (a.Kind) {
    case TFormValue::vkInteger:
      return a.Int == b.Int;
    case TFormValue::vkFloat:
      return a.Float == b.Float;
    case TFormValue::vkString:
    case TFormValue::vkIdent:
      return a.Text == b.Text;
    case TFormValue::vkSet:
    case TFormValue::vkList:
      return a.Items == b.Items;
    case TFormValue::vkBinary:
      return a.Bytes == b.Bytes;
    case TFormValue::vkCollection:
      return a.Collection == b.Collection;
  }
  return false;
}

bool operator==(const TFormProperty& a, const TFormProperty& b) {
  return a.Name == b.Name && a.Value == b.Value;
}

bool operator==(const TFormObject& a, const TFormObject& b) {
  return a.Name == b.Name && a.ClassName == b.ClassName && a.Properties == b.Properties &&
         a.Children == b.Children;
}
