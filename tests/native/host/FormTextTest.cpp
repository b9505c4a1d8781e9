#include "host/FormText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>

// Readable failure output for values.
static void PrintTo(const TFormValue& v, std::ostream* os) {
  *os << "kind " << v.Kind << " int " << v.Int << " float " << v.Float << " text '" << v.Text
      << "' items " << v.Items.size() << " bytes " << v.Bytes.size() << " collection "
      << v.Collection.size();
}

namespace {

TFormValue Int(long long n) {
  TFormValue v;
  v.Kind = TFormValue::vkInteger;
  v.Int = n;
  return v;
}

TFormValue Float(double x) {
  TFormValue v;
  v.Kind = TFormValue::vkFloat;
  v.Float = x;
  return v;
}

TFormValue Str(const std::string& s) {
  TFormValue v;
  v.Kind = TFormValue::vkString;
  v.Text = s;
  return v;
}

TFormValue Ident(const std::string& s) {
  TFormValue v;
  v.Kind = TFormValue::vkIdent;
  v.Text = s;
  return v;
}

TFormValue Set(std::vector<std::string> items) {
  TFormValue v;
  v.Kind = TFormValue::vkSet;
  v.Items = std::move(items);
  return v;
}

TFormValue Bin(std::vector<uint8_t> bytes) {
  TFormValue v;
  v.Kind = TFormValue::vkBinary;
  v.Bytes = std::move(bytes);
  return v;
}

TFormValue List(std::vector<std::string> items) {
  TFormValue v;
  v.Kind = TFormValue::vkList;
  v.Items = std::move(items);
  return v;
}

TFormValue Coll(std::vector<std::vector<TFormProperty>> items) {
  TFormValue v;
  v.Kind = TFormValue::vkCollection;
  v.Collection = std::move(items);
  return v;
}

TFormProperty Prop(const std::string& name, TFormValue value) {
  TFormProperty p;
  p.Name = name;
  p.Value = std::move(value);
  return p;
}

TFormObject Obj(const std::string& name, const std::string& cls, std::vector<TFormProperty> props,
                std::vector<TFormObject> children = {}) {
  TFormObject o;
  o.Name = name;
  o.ClassName = cls;
  o.Properties = std::move(props);
  o.Children = std::move(children);
  return o;
}

// Reads text that must be valid.
TFormObject Read(const std::string& text) {
  TFormObject root;
  TFormTextError error;
  EXPECT_TRUE(ReadFormText(text, root, error)) << "line " << error.Line << ": " << error.Message;
  return root;
}

std::string Repeat(const std::string& part, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += part;
  return text;
}

std::string Nest(int depth, const std::string& open, const std::string& middle, const std::string& close) {
  return Repeat(open, depth) + middle + Repeat(close, depth);
}

// ---------------------------------------------------------------- values

struct ValueCase {
  const char* Text;
  TFormValue Expected;
};

class FormTextValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FormTextValue, ParsesTo) {
  const ValueCase& c = GetParam();
  TFormObject root = Read(std::string("object F: TF\n  P = ") + c.Text + "\nend\n");
  ASSERT_EQ(root.Properties.size(), 1u);
  EXPECT_EQ(root.Properties[0].Name, "P");
  EXPECT_EQ(root.Properties[0].Value, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormTextValue,
    ::testing::Values(
        ValueCase{"869", Int(869)}, ValueCase{"-7", Int(-7)}, ValueCase{"0", Int(0)},
        ValueCase{"$FF00FF", Int(0xFF00FF)}, ValueCase{"$ff", Int(255)}, ValueCase{"-$10", Int(-16)},
        ValueCase{"9223372036854775807", Int(LLONG_MAX)},
        ValueCase{"-9223372036854775808", Int(LLONG_MIN)},
        ValueCase{"1.5", Float(1.5)}, ValueCase{"-0.25", Float(-0.25)},
        ValueCase{"2.5E3", Float(2500)}, ValueCase{"1e-2", Float(0.01)},
        ValueCase{"7e+1", Float(70)},
        ValueCase{"'MS Sans Serif'", Str("MS Sans Serif")}, ValueCase{"''", Str("")},
        ValueCase{"'It''s'", Str("It's")}, ValueCase{"''''", Str("'")},
        ValueCase{"'\xE8\xAF\xAD\xE9\x9F\xB3'", Str("\xE8\xAF\xAD\xE9\x9F\xB3")},
        ValueCase{"#65#66", Str("AB")}, ValueCase{"#$41", Str("A")},
        ValueCase{"'a'#13#10'b'", Str("a\r\nb")},
        ValueCase{"#35821#38899#35745#31639#22120",
                  Str("\xE8\xAF\xAD\xE9\x9F\xB3\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8")},
        ValueCase{"#233", Str("\xC3\xA9")}, ValueCase{"#1114111", Str("\xF4\x8F\xBF\xBF")},
        ValueCase{"#55357#56832", Str("\xF0\x9F\x98\x80")},
        ValueCase{"#0", Str(std::string(1, '\0'))},
        ValueCase{"'It''s'#13#10'next line' + \n    ' continued'",
                  Str("It's\r\nnext line continued")},
        ValueCase{"'a'\n  +\n  #66 + 'c'", Str("aBc")},
        ValueCase{"clBtnFace", Ident("clBtnFace")}, ValueCase{"True", Ident("True")},
        ValueCase{"FormCreate", Ident("FormCreate")},
        ValueCase{"Form2.Button1", Ident("Form2.Button1")},
        ValueCase{"[]", Set({})}, ValueCase{"[fsBold]", Set({"fsBold"})},
        ValueCase{"[ fsBold ,fsItalic,\n fsUnderline ]", Set({"fsBold", "fsItalic", "fsUnderline"})},
        ValueCase{"{}", Bin({})}, ValueCase{"{\n    0A0B0C0D\n    FF00}", Bin({10, 11, 12, 13, 255, 0})},
        ValueCase{"{ 0a f\n0 }", Bin({0x0A, 0xF0})},
        ValueCase{"()", List({})}, ValueCase{"(\n    'one'\n    'two')", List({"one", "two"})},
        ValueCase{"('a' + 'b' 'c' #33)", List({"ab", "c", "!"})},
        ValueCase{"<>", Coll({})},
        ValueCase{"<\n    item\n      Width = 50\n      Text = 'x'\n    end\n    item\n    end>",
                  Coll({{Prop("Width", Int(50)), Prop("Text", Str("x"))}, {}})},
        ValueCase{"<item Sub = <item X = 1 end> end>",
                  Coll({{Prop("Sub", Coll({{Prop("X", Int(1))}}))}})}));

// ---------------------------------------------------------------- structure

TEST(FormTextRead, SampleDescription) {
  const std::string text =
      "object Form1: TForm1\n"
      "  Left = 869\n"
      "  Caption = '\xE8\xAF\xAD\xE9\x9F\xB3\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8'\n"
      "  Font.Name = 'MS Sans Serif'\n"
      "  Font.Height = -7\n"
      "  Font.Style = [fsBold]\n"
      "  BorderIcons = []\n"
      "  OnCreate = FormCreate\n"
      "  object PageControl1: TPageControl\n"
      "    Align = alTop\n"
      "    object TabSheet1: TTabSheet\n"
      "      Caption = 'A'\n"
      "    end\n"
      "    object TabSheet2: TTabSheet\n"
      "    end\n"
      "  end\n"
      "  object StatusBar1: TStatusBar\n"
      "    Panels = <\n"
      "      item\n"
      "        Width = 50\n"
      "      end>\n"
      "  end\n"
      "end\n";
  TFormObject root = Read(text);
  TFormObject expected = Obj(
      "Form1", "TForm1",
      {Prop("Left", Int(869)),
       Prop("Caption", Str("\xE8\xAF\xAD\xE9\x9F\xB3\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8")),
       Prop("Font.Name", Str("MS Sans Serif")), Prop("Font.Height", Int(-7)),
       Prop("Font.Style", Set({"fsBold"})), Prop("BorderIcons", Set({})),
       Prop("OnCreate", Ident("FormCreate"))},
      {Obj("PageControl1", "TPageControl", {Prop("Align", Ident("alTop"))},
           {Obj("TabSheet1", "TTabSheet", {Prop("Caption", Str("A"))}), Obj("TabSheet2", "TTabSheet", {})}),
       Obj("StatusBar1", "TStatusBar", {Prop("Panels", Coll({{Prop("Width", Int(50))}}))})});
  EXPECT_TRUE(root == expected) << WriteFormText(root);

  // Lines point at the keyword or name.
  EXPECT_EQ(root.Line, 1);
  EXPECT_EQ(root.Properties[2].Line, 4);
  EXPECT_EQ(root.Children[0].Line, 9);
  EXPECT_EQ(root.Children[0].Children[1].Line, 14);
  EXPECT_EQ(root.Children[1].Properties[0].Line, 18);
  EXPECT_EQ(root.Children[1].Properties[0].Value.Collection[0][0].Line, 20);
}

TEST(FormTextRead, KeywordsIgnoreCaseAndLayoutIsFree) {
  TFormObject root = Read("\xEF\xBB\xBF" "OBJECT F : TF A=1 Object TButton\r\n\tEND B =\r\n 'x' End");
  TFormObject expected = Obj("F", "TF", {Prop("A", Int(1)), Prop("B", Str("x"))}, {Obj("", "TButton", {})});
  EXPECT_TRUE(root == expected) << WriteFormText(root);
}

TEST(FormTextRead, PropertyNamedLikeKeywordOfOtherBlock) {
  TFormObject root = Read("object F: TF\n  Item = 1\n  C = <item Object = 2 end>\nend");
  TFormObject expected =
      Obj("F", "TF", {Prop("Item", Int(1)), Prop("C", Coll({{Prop("Object", Int(2))}}))});
  EXPECT_TRUE(root == expected) << WriteFormText(root);
}

TEST(FormTextRead, NestingUpToTheLimitIsAccepted) {
  const int n = kFormTextMaxDepth;
  TFormObject root = Read(Nest(n, "object A: TA\n", "", "end\n"));
  int depth = 1;
  for (const TFormObject* o = &root; !o->Children.empty(); o = &o->Children[0]) ++depth;
  EXPECT_EQ(depth, n);

  // The root object is one level, so n - 1 nested items fit.
  TFormObject items = Read("object A: TA\n P = " + Nest(n - 1, "<item P = ", "0", " end>") + " end");
  EXPECT_EQ(items.Properties.size(), 1u);
}

TEST(FormTextRead, FailureLeavesRootUntouched) {
  TFormObject root = Obj("Keep", "TKeep", {Prop("X", Int(1))});
  const TFormObject before = root;
  TFormTextError error;
  EXPECT_FALSE(ReadFormText("object F: TF\n  X = 'a\nend\n", root, error));
  EXPECT_TRUE(root == before);
}

// ---------------------------------------------------------------- errors

struct ErrorCase {
  const char* Name;
  std::string Text;
  int Line;
  const char* Message;  // expected part of the message
};

class FormTextError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FormTextError, ReportsLine) {
  const ErrorCase& c = GetParam();
  TFormObject root;
  TFormTextError error;
  ASSERT_FALSE(ReadFormText(c.Text, root, error));
  EXPECT_EQ(error.Line, c.Line) << error.Message;
  EXPECT_NE(error.Message.find(c.Message), std::string::npos) << error.Message;
}

const std::string kDeepObjects = Nest(kFormTextMaxDepth + 1, "object A: TA\n", "", "end\n");
const std::string kDeepItems =
    "object A: TA\n P =\n" + Nest(kFormTextMaxDepth, "<item\n P = ", "0", " end>") + "\nend";

INSTANTIATE_TEST_SUITE_P(
    Forms, FormTextError,
    ::testing::Values(
        ErrorCase{"Empty", "", 1, "'object' expected, found end of text"},
        ErrorCase{"NotObject", "\n form F: TF\nend", 2, "'object' expected, found 'form'"},
        ErrorCase{"UnterminatedString", "object F: TF\n  A = 1\n  Caption = 'abc\nend\n", 3,
                  "unterminated string"},
        ErrorCase{"StringAtEnd", "object F: TF\n  Caption = 'abc", 2, "unterminated string"},
        ErrorCase{"StringCrLf", "object F: TF\r\n  A = 1\r\n  B = 'x\r\nend\r\n", 3, "unterminated string"},
        ErrorCase{"MissingEnd", "object F: TF\n  object B: TB\n    Left = 1\n  end\n", 5,
                  "missing 'end' of object F begun on line 1"},
        ErrorCase{"MissingItemEnd", "object F: TF\n  P = <\n    item\n      A = 1\n", 5,
                  "missing 'end' of collection item begun on line 3"},
        ErrorCase{"BadHex", "object F: TF\n  S = {\n    0A0B\n    0C0G}\nend", 4,
                  "invalid 'G' in binary data"},
        ErrorCase{"OddHex", "object F: TF\n  S = {\n    0A0B\n    0C0}\nend", 4,
                  "odd number of hex digits"},
        ErrorCase{"UnterminatedBinary", "object F: TF\n  S = {\n    0A0B\nend", 2,
                  "unterminated binary data"},
        ErrorCase{"UnexpectedAfterValue", "object F: TF\n  A = 5\n  ]\nend", 3,
                  "property name or 'end' expected, found ']'"},
        ErrorCase{"MissingEquals", "object F: TF\n  A 5\nend", 2, "'=' after 'A' expected, found '5'"},
        ErrorCase{"MissingValue", "object F: TF\n  A = ;\nend", 2, "value expected, found ';'"},
        ErrorCase{"MissingClass", "object F:\n", 2, "class name expected, found end of text"},
        ErrorCase{"TextAfterRoot", "object F: TF\nend\nobject G: TG\nend", 3,
                  "unexpected 'o' after the end of the form"},
        ErrorCase{"ControlCharacter", std::string("object F: TF\n  A = 1\n") + '\0', 3,
                  "found character $00"},
        ErrorCase{"IntegerTooBig", "object F: TF\n  A = 9223372036854775808\nend", 2,
                  "integer out of range"},
        ErrorCase{"NegativeTooBig", "object F: TF\n  A = -$8000000000000001\nend", 2,
                  "integer out of range"},
        ErrorCase{"FloatTooBig", "object F: TF\n  A = 1e999\nend", 2, "number out of range"},
        ErrorCase{"LetterInNumber", "object F: TF\n  A = 12abc\nend", 2, "invalid number"},
        ErrorCase{"HexFloat", "object F: TF\n  A = $1.5\nend", 2, "invalid number"},
        ErrorCase{"MinusAlone", "object F: TF\n  A = -x\nend", 2, "digit expected, found 'x'"},
        ErrorCase{"CodeTooBig", "object F: TF\n  A = 'a'#1114112\nend", 2, "character code out of range"},
        ErrorCase{"CodeMissing", "object F: TF\n  A = 'a'#\nend", 2, "digit expected"},
        ErrorCase{"LoneHighSurrogate", "object F: TF\n  A = #55357'x'\nend", 2, "unpaired surrogate"},
        ErrorCase{"LoneLowSurrogate", "object F: TF\n  A = #56832\nend", 2, "unpaired surrogate"},
        ErrorCase{"PlusWithoutString", "object F: TF\n  A = 'a' +\n    5\nend", 3,
                  "string after '+' expected, found '5'"},
        ErrorCase{"SetWithoutComma", "object F: TF\n  A = [a b]\nend", 2, "',' or ']' expected, found 'b'"},
        ErrorCase{"SetWithNumber", "object F: TF\n  A = [a, 1]\nend", 2, "set element expected, found '1'"},
        ErrorCase{"ListWithNumber", "object F: TF\n  A = (\n    'a'\n    1)\nend", 4,
                  "string or ')' expected, found '1'"},
        ErrorCase{"CollectionWithoutItem", "object F: TF\n  A = <\n    thing\n  end>\nend", 3,
                  "'item' or '>' expected, found 'thing'"},
        ErrorCase{"TooDeepObjects", kDeepObjects, kFormTextMaxDepth + 1, "nesting deeper than 64"},
        ErrorCase{"TooDeepItems", kDeepItems, kFormTextMaxDepth + 2, "nesting deeper than 64"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.Name); });

TEST(FormTextRead, HostileNestingFailsCleanly) {
  TFormObject root;
  TFormTextError error;
  EXPECT_FALSE(ReadFormText("object A: TA P = " + Repeat("<item P = ", 100000), root, error));
  EXPECT_FALSE(ReadFormText(Repeat("object A: TA ", 100000), root, error));
  EXPECT_NE(error.Message.find("nesting"), std::string::npos) << error.Message;
}

// ---------------------------------------------------------------- writing

TEST(FormTextWrite, CanonicalLayout) {
  TFormObject root = Obj(
      "Form1", "TForm1",
      {Prop("Left", Int(869)), Prop("Caption", Str("\xE8\xAF\xAD\xE9\x9F\xB3")),
       Prop("Font.Style", Set({"fsBold", "fsItalic"})), Prop("BorderIcons", Set({})),
       Prop("Hint", Str("It's\r\nnext\x7f")), Prop("Lines.Strings", List({"one", "two"})),
       Prop("Panels", Coll({{Prop("Width", Int(50))}})), Prop("Empty", Coll({})),
       Prop("Data", Bin({0x0A, 0xFB})), Prop("Ratio", Float(1.5)), Prop("Whole", Float(100))},
      {Obj("Button1", "TButton", {Prop("OnClick", Ident("Button1Click"))}), Obj("", "TTimer", {})});
  const std::string expected =
      "object Form1: TForm1\n"
      "  Left = 869\n"
      "  Caption = '\xE8\xAF\xAD\xE9\x9F\xB3'\n"
      "  Font.Style = [fsBold, fsItalic]\n"
      "  BorderIcons = []\n"
      "  Hint = 'It''s'#13#10'next'#127\n"
      "  Lines.Strings = (\n"
      "    'one'\n"
      "    'two')\n"
      "  Panels = <\n"
      "    item\n"
      "      Width = 50\n"
      "    end>\n"
      "  Empty = <>\n"
      "  Data = {\n"
      "    0AFB}\n"
      "  Ratio = 1.5\n"
      "  Whole = 100.0\n"
      "  object Button1: TButton\n"
      "    OnClick = Button1Click\n"
      "  end\n"
      "  object TTimer\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(WriteFormText(root), expected);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(FormTextWrite, BinaryHas64HexDigitsPerLine) {
  std::vector<uint8_t> bytes(100);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  std::vector<std::string> lines = SplitLines(WriteFormText(Obj("F", "TF", {Prop("S", Bin(bytes))})));
  // object, "S = {", 3 full lines of 32 bytes, one of 4 bytes and '}', end
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "  S = {");
  for (int i = 2; i < 5; ++i) EXPECT_EQ(lines[i].size(), 4u + 64u) << lines[i];
  EXPECT_EQ(lines[5], "    A0A7AEB5}");
}

// True if no UTF-8 sequence is cut at either end of the line.
bool WholeUtf8(const std::string& line) {
  for (size_t i = 0; i < line.size();) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (n == 0 || i + n > line.size()) return false;
    i += n;
  }
  return true;
}

TEST(FormTextWrite, LongStringsAreSplitBetweenCharacters) {
  std::string chinese = "a";  // shifts the characters against the line length
  for (int i = 0; i < 60; ++i) chinese += "\xE8\xAF\xAD";
  TFormObject root = Obj("F", "TF", {Prop("A", Str(std::string(150, 'a'))), Prop("B", Str(chinese)),
                                     Prop("L", List({chinese, "x"}))});
  std::string text = WriteFormText(root);
  std::vector<std::string> lines = SplitLines(text);
  EXPECT_GT(lines.size(), 10u);
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 80u) << line;
    EXPECT_TRUE(WholeUtf8(line)) << line;
  }
  TFormObject back = Read(text);
  EXPECT_TRUE(back == root) << text;
}

struct RefusalCase {
  const char* Name;
  TFormObject Root;
};

class FormTextRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FormTextRefusal, Throws) { EXPECT_THROW(WriteFormText(GetParam().Root), std::invalid_argument); }

TFormObject DeepObjects(int depth) {
  TFormObject root = Obj("A", "TA", {});
  for (int i = 1; i < depth; ++i) root = Obj("A", "TA", {}, {root});
  return root;
}

TFormObject DeepItems(int depth) {
  TFormValue value = Int(0);
  for (int i = 1; i < depth; ++i) value = Coll({{Prop("P", value)}});
  return Obj("A", "TA", {Prop("P", value)});
}

INSTANTIATE_TEST_SUITE_P(
    Trees, FormTextRefusal,
    ::testing::Values(
        RefusalCase{"NoClass", Obj("F", "", {})}, RefusalCase{"SpaceInName", Obj("My Form", "TF", {})},
        RefusalCase{"EmptyProperty", Obj("F", "TF", {Prop("", Int(1))})},
        RefusalCase{"PropertyEnd", Obj("F", "TF", {Prop("End", Int(1))})},
        RefusalCase{"PropertyObject", Obj("F", "TF", {Prop("object", Int(1))})},
        RefusalCase{"ItemPropertyEnd", Obj("F", "TF", {Prop("C", Coll({{Prop("end", Int(1))}}))})},
        RefusalCase{"DigitIdent", Obj("F", "TF", {Prop("A", Ident("1abc"))})},
        RefusalCase{"TrailingDot", Obj("F", "TF", {Prop("Font.", Int(1))})},
        RefusalCase{"BadSetElement", Obj("F", "TF", {Prop("A", Set({"a b"}))})},
        RefusalCase{"NaN", Obj("F", "TF", {Prop("A", Float(std::nan("")))})},
        RefusalCase{"Infinity", Obj("F", "TF", {Prop("A", Float(-HUGE_VAL))})},
        RefusalCase{"DeepObjects", DeepObjects(kFormTextMaxDepth + 1)},
        RefusalCase{"DeepItems", DeepItems(kFormTextMaxDepth + 1)}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.Name); });

TEST(FormTextWrite, DeepestTreesRoundTrip) {
  for (const TFormObject& root : {DeepObjects(kFormTextMaxDepth), DeepItems(kFormTextMaxDepth)}) {
    TFormObject back = Read(WriteFormText(root));
    EXPECT_TRUE(back == root);
  }
}

// ---------------------------------------------------------------- round trip

TEST(FormTextRoundTrip, EveryKindReadsBackEqual) {
  std::mt19937 random(12345);
  std::vector<uint8_t> skin(300 * 1024);
  for (uint8_t& b : skin) b = static_cast<uint8_t>(random());
  std::string allBytes;
  for (int c = 1; c < 256; ++c) allBytes += static_cast<char>(c);
  allBytes += '\0';

  TFormObject root = Obj(
      "Form1", "TForm1",
      {Prop("Left", Int(869)), Prop("Min", Int(LLONG_MIN)), Prop("Max", Int(LLONG_MAX)),
       Prop("Ratio", Float(1.5)), Prop("Big", Float(1e20)), Prop("Tiny", Float(5e-324)),
       Prop("Third", Float(1.0 / 3)), Prop("Negative", Float(-2.0)),
       Prop("Caption", Str("\xE8\xAF\xAD\xE9\x9F\xB3\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8")),
       Prop("Quotes", Str("'It''s' '")), Prop("Empty", Str("")), Prop("Controls", Str("\t\r\n\x7f")),
       Prop("AllBytes", Str(allBytes)), Prop("Long", Str(std::string(1000, 'x') + "'#+")),
       Prop("Color", Ident("clBtnFace")), Prop("Font.Style", Set({"fsBold", "fsItalic"})),
       Prop("BorderIcons", Set({})), Prop("SkinStream", Bin(skin)), Prop("None", Bin({})),
       Prop("Lines.Strings", List({"one", "", "'q'", std::string(200, 'y')})), Prop("NoLines", List({})),
       Prop("Panels", Coll({{Prop("Width", Int(50)), Prop("Text", Str("x"))},
                            {},
                            {Prop("Sub", Coll({{Prop("Bevel", Ident("pbNone"))}}))}})),
       Prop("NoPanels", Coll({}))},
      {Obj("PageControl1", "TPageControl", {Prop("Align", Ident("alTop"))},
           {Obj("TabSheet1", "TTabSheet", {Prop("Caption", Str("A"))})}),
       Obj("", "TXPManifest", {})});

  const std::string text = WriteFormText(root);
  TFormObject back = Read(text);
  EXPECT_TRUE(back == root);
  // Canonical: writing what was read gives the same text.
  EXPECT_EQ(WriteFormText(back), text);
}

TEST(FormTextRoundTrip, OneMegabyteBinary) {
  std::vector<uint8_t> bytes(1 << 20);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
  TFormObject root = Obj("F", "TSkinData", {Prop("SkinStream", Bin(bytes))});
  TFormObject back = Read(WriteFormText(root));
  EXPECT_TRUE(back == root);
}

TEST(FormTextEquality, ComparesOnlyWhatTheKindUses) {
  TFormValue a = Int(5);
  TFormValue b = Int(5);
  b.Text = "ignored";
  b.Float = 2;
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(Int(5) == Int(6));
  EXPECT_FALSE(Str("5") == Ident("5"));
  EXPECT_FALSE(Set({"a"}) == List({"a"}));
  EXPECT_FALSE(Bin({1}) == Bin({2}));
  EXPECT_FALSE(Coll({{Prop("A", Int(1))}}) == Coll({{Prop("A", Int(2))}}));
  TFormProperty p = Prop("A", Int(1));
  TFormProperty q = p;
  q.Line = 9;
  EXPECT_TRUE(p == q);
  EXPECT_FALSE(Obj("F", "TF", {}) == Obj("F", "TG", {}));
  EXPECT_FALSE(Obj("F", "TF", {}, {Obj("", "TA", {})}) == Obj("F", "TF", {}));
}

}  // namespace
