// The class library's glyph buttons and the mouse's enter and leave: a
// parent tells its windowless children as the mouse moves over them, speed
// buttons press, click and stay down in a group, and bit buttons publish
// their glyph by name and read it from a stored description.
#include "host/Buttons.h"
#include "host/FormReader.h"
#include "host/Forms.h"
#include "tests/win/skin/BmpBuilder.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>
#include <string>
#include <windowsx.h>

namespace {

class HostButtons : public testing::Test {
protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    Form = new TForm(nullptr);
    Form->SetTag(99);  // never skinned by a manager another test left behind
    Form->SetBounds(120, 120, 300, 160);
    Form->Show();
  }
  void TearDown() override { delete Form; }

  TSpeedButton* AddSpeedButton(int left, const std::wstring& name) {
    auto* button = new TSpeedButton(Form);
    button->SetParent(Form);
    button->SetBounds(left, 10, 40, 30);
    button->SetName(name);
    return button;
  }
  // Keeps the class library's mouse notices a control hears.
  void Listen(TControl* control, const std::wstring& name) {
    control->WindowProc = [this, name, next = control->WindowProc](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER) Heard.push_back(name + L" enter");
      if (m.Msg == CM_MOUSELEAVE) Heard.push_back(name + L" leave");
      next(m);
    };
  }
  void MoveTo(int x, int y, WPARAM keys = 0) {
    POINT screen{x, y};
    ClientToScreen(Form->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(Form->Handle(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
  }
  void Click(TSpeedButton* button) {
    const LPARAM at = MAKELPARAM(button->GetLeft() + 5, button->GetTop() + 5);
    SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, at);
  }

  TForm* Form = nullptr;
  std::vector<std::wstring> Heard;
};

TEST_F(HostButtons, TheMouseEntersAndLeavesWindowlessChildrenAndTheWindow) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  TSpeedButton* b = AddSpeedButton(60, L"B");
  Listen(Form, L"form");
  Listen(a, L"A");
  Listen(b, L"B");
  MoveTo(15, 15);
  MoveTo(20, 20);  // still on A: nothing new
  MoveTo(65, 15);
  MoveTo(200, 100);
  SendMessageW(Form->Handle(), WM_MOUSELEAVE, 0, 0);
  const std::vector<std::wstring> expected{L"form enter", L"A enter", L"A leave", L"B enter", L"B leave",
                                           L"form leave"};
  EXPECT_EQ(Heard, expected);
}

TEST_F(HostButtons, LeavingTheWindowOverAChildLeavesTheChildFirst) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  Listen(Form, L"form");
  Listen(a, L"A");
  MoveTo(15, 15);
  SendMessageW(Form->Handle(), WM_MOUSELEAVE, 0, 0);
  const std::vector<std::wstring> expected{L"form enter", L"A enter", L"A leave", L"form leave"};
  EXPECT_EQ(Heard, expected);
}

TEST_F(HostButtons, AHiddenOrRemovedChildHearsNothingMore) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  Listen(a, L"A");
  MoveTo(15, 15);
  delete a;  // leaves the parent while the mouse is on it
  MoveTo(200, 100);
  TSpeedButton* b = AddSpeedButton(60, L"B");
  Listen(b, L"B");
  b->SetVisible(false);
  MoveTo(65, 15);
  const std::vector<std::wstring> expected{L"A enter"};
  EXPECT_EQ(Heard, expected);
}

TEST_F(HostButtons, ASpeedButtonClicksOnlyWhenReleasedOnIt) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  int clicks = 0;
  a->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
  MoveTo(200, 100, MK_LBUTTON);
  SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
  EXPECT_EQ(clicks, 0);
  Click(a);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(a->GetDown());  // no group: it never stays down
}

TEST_F(HostButtons, SpeedButtonsOfAGroupGoDownOneAtATime) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  TSpeedButton* b = AddSpeedButton(60, L"B");
  TSpeedButton* other = AddSpeedButton(110, L"other group");
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  other->SetGroupIndex(2);
  other->SetDown(true);
  Click(a);
  EXPECT_TRUE(a->GetDown());
  Click(b);
  EXPECT_TRUE(b->GetDown());
  EXPECT_FALSE(a->GetDown());
  EXPECT_TRUE(other->GetDown());
  Click(b);  // the last one down stays down
  EXPECT_TRUE(b->GetDown());
  b->SetAllowAllUp(true);
  Click(b);
  EXPECT_FALSE(b->GetDown());
}

TEST_F(HostButtons, AnUnskinnedSpeedButtonPaintsItselfThroughItsParent) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  a->ButtonGlyph().Glyph.Assign(*CoordBitmap(16, 16));
  const RECT client = Form->ClientRect();
  auto painted = Target(client.right, client.bottom);
  Form->Perform(WM_PAINT, WPARAM(painted->Canvas().Handle()), 0);
  // No caption: the glyph centred in 40 x 30 at (10, 10).
  EXPECT_EQ(painted->Pixel(10 + 12 + 3, 10 + 7 + 2), CoordColour(3, 2));
  EXPECT_EQ(painted->Pixel(10 + 12 + 15, 10 + 7), CoordColour(15, 0));
  // Its bottom-left colour is left out.
  EXPECT_NE(painted->Pixel(10 + 12, 10 + 7 + 15), CoordColour(0, 15));
  EXPECT_FALSE(a->CanvasLocked());
  EXPECT_EQ(a->Canvas().Handle(), nullptr);
}

TEST_F(HostButtons, AnUnskinnedBitButtonDrawsItsGlyphWhenItsParentHandsThePaintingBack) {
  auto* button = new TBitBtn(Form);
  button->SetParent(Form);
  button->SetBounds(10, 10, 40, 40);
  button->ButtonGlyph().Glyph.Assign(*CoordBitmap(32, 16));
  button->ButtonGlyph().NumGlyphs = 2;
  auto painted = Target(40, 40);
  SendMessageW(button->Handle(), WM_PAINT, WPARAM(painted->Canvas().Handle()), 0);
  // No caption: the first image centred.
  EXPECT_EQ(painted->Pixel(12 + 3, 12 + 2), CoordColour(3, 2));
  EXPECT_EQ(painted->Pixel(12 + 15, 12 + 15), CoordColour(15, 15));
}

TEST_F(HostButtons, ACanvasLockLendsADcAndGivesTheOldOneBack) {
  TSpeedButton* a = AddSpeedButton(10, L"A");
  auto lent = Target(4, 4);
  {
    TControlCanvasLock outer(*a);
    ASSERT_TRUE(outer.HasDC());
    const HDC parentDC = a->Canvas().Handle();
    POINT origin{};
    GetViewportOrgEx(parentDC, &origin);
    EXPECT_EQ(origin.x, 10);
    EXPECT_EQ(origin.y, 10);
    {
      TControlCanvasLock inner(*a, lent->Canvas().Handle());
      EXPECT_EQ(a->Canvas().Handle(), lent->Canvas().Handle());
    }
    EXPECT_EQ(a->Canvas().Handle(), parentDC);
    TControlCanvasLock nested(*a);  // without a DC: the one lent already
    EXPECT_EQ(a->Canvas().Handle(), parentDC);
    EXPECT_TRUE(a->CanvasLocked());
  }
  EXPECT_FALSE(a->CanvasLocked());
  EXPECT_EQ(a->Canvas().Handle(), nullptr);
  TSpeedButton orphan(nullptr);
  TControlCanvasLock none(orphan);
  EXPECT_FALSE(none.HasDC());
}

TEST(HostBitButton, PublishesItsGlyphAsABitmapAndItsLayoutByName) {
  TBitBtn button(nullptr);
  TValue glyph;
  ASSERT_TRUE(GetPropValue(&button, "Glyph", glyph));
  ASSERT_EQ(glyph.Kind, TValue::vkObject);
  EXPECT_EQ(glyph.Object, &button.ButtonGlyph().Glyph);
  EXPECT_TRUE(glyph.Object->InheritsFrom(TGraphic::StaticClass()));
  EXPECT_TRUE(SetPropValue(&button, "Layout", TValue::Ident(L"blGlyphBottom")));
  EXPECT_EQ(button.ButtonGlyph().Layout, blGlyphBottom);
  EXPECT_TRUE(SetPropValue(&button, "NumGlyphs", TValue::Integer(0)));
  EXPECT_EQ(button.ButtonGlyph().NumGlyphs, 1);  // at least one image
  EXPECT_TRUE(SetPropValue(&button, "NumGlyphs", TValue::Integer(9)));
  EXPECT_EQ(button.ButtonGlyph().NumGlyphs, 4);
  TValue margin;
  ASSERT_TRUE(GetPropValue(&button, "Margin", margin));
  EXPECT_EQ(margin.Int, -1);
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) text += {digits[b >> 4], digits[b & 15]};
  return text;
}

TEST(HostBitButton, ReadsItsGlyphAndSettingsFromADescription) {
  TBmpBuilder bmp;
  bmp.Width = 6;
  bmp.Height = 3;
  bmp.Raw = [](int x, int y) { return uint32_t(x * 40) << 16 | uint32_t(y * 80); };
  std::vector<uint8_t> data = bmp.Bytes();
  const uint32_t size = uint32_t(data.size());
  data.insert(data.begin(), {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)});
  const std::string text = "object F: TForm\n  object B: TBitBtn\n    Caption = 'OK'\n    Default = True\n"
                           "    Layout = blGlyphTop\n    NumGlyphs = 2\n    Spacing = 7\n    Glyph.Data = {" +
                           Hex(data) + "}\n  end\n  object S: TSpeedButton\n    Flat = True\n    GroupIndex = 3\n"
                           "    Down = True\n    Glyph.Data = {" + Hex(data) + "}\n  end\nend\n";
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText(text, description, error)) << error.Message;
  TForm form(nullptr);
  ReadFormObject(form, description);
  auto* b = dynamic_cast<TBitBtn*>(form.FindComponent(L"B"));
  auto* s = dynamic_cast<TSpeedButton*>(form.FindComponent(L"S"));
  ASSERT_NE(b, nullptr);
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(b->GetDefault());
  EXPECT_EQ(b->ButtonGlyph().Layout, blGlyphTop);
  EXPECT_EQ(b->ButtonGlyph().NumGlyphs, 2);
  EXPECT_EQ(b->ButtonGlyph().Spacing, 7);
  for (TBitmap* glyph : {&b->ButtonGlyph().Glyph, &s->ButtonGlyph().Glyph}) {
    ASSERT_EQ(glyph->Width(), 6);
    ASSERT_EQ(glyph->Height(), 3);
    EXPECT_EQ(glyph->Pixel(5, 2), TColor(RGB(200, 0, 160)));
  }
  EXPECT_TRUE(s->GetFlat());
  EXPECT_TRUE(s->GetDown());
}

TEST(HostButton, DefaultIsTheSystemsDefaultStyle) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetDefault(true);
  const auto type = [button] { return GetWindowLongPtrW(button->Handle(), GWL_STYLE) & BS_TYPEMASK; };
  EXPECT_EQ(type(), BS_DEFPUSHBUTTON);
  button->SetDefault(false);
  EXPECT_EQ(type(), BS_PUSHBUTTON);
  auto* bit = new TBitBtn(&form);
  bit->SetParent(&form);
  bit->SetDefault(true);
  EXPECT_EQ(GetWindowLongPtrW(bit->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

}  // namespace
