// TSkinGroupBox: the face, the rounded frame in the skin's shadow colour
// with its top line half a text line down, the caption breaking that line
// at the left or, right-to-left, at the right; the same frame over a bare
// group box's native picture; a radio group's buttons painted over it.
#include "host/GroupBoxes.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinRadioButton.h"
#include "tests/win/skin/ButtonSkinFixture.h"

namespace {

constexpr TColor kShadow = TColor(RGB(40, 50, 60));
constexpr int kGroupW = 160, kGroupH = 90;

class GroupBoxSkinTest : public ButtonSkinTest {
protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    Skin->SkinColours[scButtonShadow] = kShadow;
  }
  TGroupBox* AddGroup(const std::wstring& caption) {
    auto* group = Place(new TGroupBox(Form), caption, 10, 10, kGroupW, kGroupH);
    group->GetFont()->SetColor(clBlack);
    return group;
  }
  // The text's extent in the control's font, measured on the screen.
  static SIZE Extent(TControl* control, const std::wstring& text) {
    TWindowDC screen(nullptr);
    TSelectObject font(screen.Get(), control->EffectiveFont().Handle());
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), int(text.size()), &size);
    return size;
  }
  // The frame's top line: half the height of "0", less one.
  static int FrameTop(TControl* control) { return Extent(control, L"0").cy / 2 - 1; }
};

// The columns of row y that are not the shadow colour, between the corners.
std::vector<int> GapsInLine(const TBitmap& painted, int y) {
  std::vector<int> gaps;
  for (int x = 4; x < painted.Width() - 4; ++x)
    if (painted.Pixel(x, y) != kShadow) gaps.push_back(x);
  return gaps;
}

void ExpectFrameSidesAndFace(const TBitmap& painted, int top) {
  const int midY = (top + painted.Height()) / 2, midX = painted.Width() / 2;
  EXPECT_EQ(painted.Pixel(1, midY), kShadow);
  EXPECT_EQ(painted.Pixel(painted.Width() - 2, midY), kShadow);
  EXPECT_EQ(painted.Pixel(midX, painted.Height() - 2), kShadow);
  // Face outside the frame and inside it.
  EXPECT_EQ(painted.Pixel(0, midY), kFace);
  EXPECT_EQ(painted.Pixel(painted.Width() - 1, midY), kFace);
  EXPECT_EQ(painted.Pixel(midX, painted.Height() - 1), kFace);
  EXPECT_EQ(painted.Pixel(midX, midY), kFace);
}

TEST_F(GroupBoxSkinTest, TheCaptionBreaksTheTopLineEightPixelsFromTheLeft) {
  TGroupBox* group = AddGroup(L"Group");
  Attach<TSkinGroupBox>(group);
  const auto painted = Painted(group);
  const int top = FrameTop(group);
  ASSERT_GT(top, 0);
  EXPECT_EQ(painted->Pixel(kGroupW / 2, top - 1), kFace);
  ExpectFrameSidesAndFace(*painted, top);
  // The caption's background is the face: the line shows again after it.
  const std::vector<int> gaps = GapsInLine(*painted, top);
  ASSERT_FALSE(gaps.empty());
  EXPECT_EQ(gaps.front(), 8);
  EXPECT_EQ(gaps.back(), 8 + Extent(group, L"Group").cx - 1);
}

TEST_F(GroupBoxSkinTest, RightToLeftTheCaptionEndsEightPixelsFromTheRight) {
  TGroupBox* group = AddGroup(L"Group");
  group->SetBiDiMode(bdRightToLeft);
  ASSERT_TRUE(GetWindowLongPtrW(group->Handle(), GWL_EXSTYLE) & WS_EX_RIGHT);
  Attach<TSkinGroupBox>(group);
  const auto painted = Painted(group);
  const std::vector<int> gaps = GapsInLine(*painted, FrameTop(group));
  ASSERT_FALSE(gaps.empty());
  EXPECT_EQ(gaps.back(), kGroupW - 8 - 1);
  EXPECT_EQ(gaps.front(), kGroupW - 8 - Extent(group, L"Group").cx);
}

TEST_F(GroupBoxSkinTest, WithoutACaptionTheLineIsWhole) {
  TGroupBox* group = AddGroup(L"");
  Attach<TSkinGroupBox>(group);
  const auto painted = Painted(group);
  EXPECT_TRUE(GapsInLine(*painted, FrameTop(group)).empty());
  ExpectFrameSidesAndFace(*painted, FrameTop(group));
}

TEST_F(GroupBoxSkinTest, ABareGroupBoxGetsTheFrameOverItsNativePicture) {
  const HWND wnd = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 10, kGroupW, kGroupH,
                                   Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  // The brush loading a skin makes.
  Skin->ButtonFaceBrush.Reset(CreateSolidBrush(ColorToRGB(kFace)));
  auto* skinner = new TSkinGroupBox(nullptr);
  skinner->AttachWindow(wnd, Skin.get(), &Host, nullptr);
  EXPECT_EQ(skinner->Mode(), 0);
  auto painted = Target(kGroupW, kGroupH);
  SendMessageW(wnd, WM_PAINT, WPARAM(painted->Canvas().Handle()), 0);
  // The font the window paints with (none set: the system's).
  TWindowDC screen(nullptr);
  HFONT font = HFONT(SendMessageW(wnd, WM_GETFONT, 0, 0));
  TSelectObject selected(screen.Get(), font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT));
  SIZE zero{};
  GetTextExtentPoint32A(screen.Get(), "0", 1, &zero);
  const int top = zero.cy / 2 - 1;
  EXPECT_TRUE(GapsInLine(*painted, top).empty());
  EXPECT_EQ(painted->Pixel(1, (top + kGroupH) / 2), kShadow);
  // The native frame under it is wiped with the face.
  EXPECT_EQ(painted->Pixel(0, (top + kGroupH) / 2), kFace);
  EXPECT_EQ(painted->Pixel(kGroupW - 1, (top + kGroupH) / 2), kFace);
  skinner->Release();
  DestroyWindow(wnd);
}

TEST_F(GroupBoxSkinTest, ARadioGroupsButtonsShowTheirMarksOverTheGroup) {
  constexpr int kMark = 13;
  Skin->PushButtons->RadioImage = CoordBitmap(4 * kMark, kMark);
  Skin->PushButtons->RadioButtonFrame = 4;
  auto* group = Place(new TRadioGroup(Form), L"Choose", 10, 10, kGroupW, kGroupH);
  group->GetItems()->Add(L"One");
  group->GetItems()->Add(L"Two");
  group->ItemsChanged();
  group->SetItemIndex(1);
  for (TButtonControl* button : group->Buttons()) Attach<TSkinRadioButton>(button);
  Attach<TSkinGroupBox>(group);
  for (int i = 0; i < 2; ++i) {
    TButtonControl* button = group->Buttons()[size_t(i)];
    const auto painted = Painted(button);
    const int top = (button->GetHeight() - kMark) / 2;
    const int image = i == 1 ? 2 : 1;
    for (int dy = 0; dy < kMark; ++dy)
      for (int dx = 0; dx < kMark; ++dx)
        ASSERT_EQ(painted->Pixel(dx, top + dy), CoordColour((image - 1) * kMark + dx, dy)) << i;
  }
}

}  // namespace
