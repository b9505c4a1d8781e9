// The class-library layer: properties by name and the form reader's errors.
#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/Platform.h"
#include "host/StdCtrls.h"
#include <gtest/gtest.h>

TEST(PropertiesByName, SetAndGetWhatAClassPublishes) {
  TButton button(nullptr);
  EXPECT_TRUE(SetPropValue(&button, "Caption", TValue::String(L"读")));
  EXPECT_EQ(button.GetText(), L"读");
  EXPECT_TRUE(SetPropValue(&button, "font.height", TValue::Integer(-24)));  // names ignore case
  EXPECT_EQ(button.GetFont()->GetHeight(), -24);
  EXPECT_FALSE(button.GetParentFont());
  TValue tag;
  EXPECT_TRUE(SetPropValue(&button, "Tag", TValue::Integer(99)));
  ASSERT_TRUE(GetPropValue(&button, "Tag", tag));
  EXPECT_EQ(tag.Int, 99);
}

TEST(PropertiesByName, UnpublishedPropertyIsLeftAlone) {
  TLabel label(nullptr);
  TButton button(nullptr);
  EXPECT_TRUE(IsPublishedProp(&label, "Transparent"));
  EXPECT_TRUE(SetPropValue(&label, "Transparent", TValue::Bool(true)));
  EXPECT_TRUE(label.GetTransparent());
  EXPECT_FALSE(IsPublishedProp(&button, "Transparent"));
  EXPECT_FALSE(SetPropValue(&button, "Transparent", TValue::Bool(true)));
  EXPECT_FALSE(SetPropValue(&button, "Font.Nothing", TValue::Integer(1)));
}

struct BadDescription {
  const char* Text;
  const char* Message;  // part of the error
};

class FormReaderErrors : public testing::TestWithParam<BadDescription> {};

TEST_P(FormReaderErrors, NameTheLineAndTheFault) {
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText(GetParam().Text, description, error)) << error.Message;
  TForm form(nullptr);
  try {
    ReadFormObject(form, description);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().Message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Reader, FormReaderErrors, testing::Values(
    BadDescription{"object F: TForm\n  object B: TNoSuchButton\n  end\nend\n", "line 2: class TNoSuchButton"},
    BadDescription{"object F: TForm\n  Left = 1\n  Colour = clRed\nend\n", "line 3: property Colour"},
    BadDescription{"object F: TForm\n  OnCreate = NoSuchHandler\nend\n", "line 2: event handler NoSuchHandler"},
    BadDescription{"object F: TForm1\nend\n", "describes TForm1, not TForm"},
    BadDescription{"object F: TForm\n  Data = {00FF}\nend\n", "line 2: no binary property Data"}));

TEST(FormReader, CallsLoadedOnceEverythingIsRead) {
  struct TProbe : TButton {
    using TButton::TButton;
    void Loaded() override {
      TButton::Loaded();
      SiblingSeen = Owner()->FindComponent(L"Later") != nullptr;
    }
    bool SiblingSeen = false;
  };
  static TClassInfo probeClass{"TProbe", &TButton::StaticClass(), {},
                               [](TComponent* owner) -> TComponent* { return new TProbe(owner); }};
  RegisterComponentClass(probeClass);
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText("object F: TForm\n  object First: TProbe\n  end\n  object Later: TButton\n  end\nend\n",
                           description, error));
  TForm form(nullptr);
  ReadFormObject(form, description);
  auto* first = dynamic_cast<TProbe*>(form.FindComponent(L"First"));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->SiblingSeen);
  EXPECT_FALSE(first->Loading());
}

TEST(Label, AutoSizeFollowsTheTextAndCanBeSwitchedOff) {
  TLabel label(nullptr);
  label.SetText(L"官方网站");
  int shortWidth = label.GetWidth();
  EXPECT_GT(shortWidth, 0);
  EXPECT_GT(label.GetHeight(), 0);
  label.SetText(L"官方网站 http://www.example.com/");
  EXPECT_GT(label.GetWidth(), shortWidth);
  label.SetAutoSize(false);
  label.SetWidth(40);
  label.SetText(L"官方网站 http://www.example.com/ and more");
  EXPECT_EQ(label.GetWidth(), 40);
}

TEST(WindowsVersion, AtLeastComparesTheMajorAndMinorPair) {
  struct TRow {
    TWindowsVersion Running;
    int Major, Minor;
    bool AtLeast;
  };
  const TRow rows[] = {
      {{6, 0}, 6, 0, true},   {{6, 1}, 6, 0, true},  {{6, 0}, 6, 1, false},
      {{10, 0}, 6, 0, true},  {{5, 1}, 6, 0, false}, {{4, 10}, 5, 0, false},
      {{5, 0}, 4, 10, true},  {{4, 0}, 5, 0, false},
  };
  for (const TRow& r : rows)
    EXPECT_EQ(VersionAtLeast(r.Running, r.Major, r.Minor), r.AtLeast)
        << r.Running.Major << "." << r.Running.Minor << " >= " << r.Major << "." << r.Minor;
}
