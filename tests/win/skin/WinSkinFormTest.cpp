// The main window under its form skinner: frame geometry, frame pixels,
// outline, caption text and caption buttons, against the shipped skin.
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSysButton.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
class WinSkinFormTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Skinner = FindFormSkinner(Form->Handle());
    ASSERT_NE(Skinner, nullptr);
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
  }
  static int Across(const TDataSkinObject& e) { return e.Image->Width() / e.FrameCount; }
  static int Down(const TDataSkinObject& e) { return e.Image->Height() / e.FrameCount; }
  SIZE WindowSize() {
    RECT r;
    GetWindowRect(Form->Handle(), &r);
    return {r.right - r.left, r.bottom - r.top};
  }
  // The frame as the skinner paints it, into a bitmap of the window's size.
  std::unique_ptr<TBitmap> PaintedFrame() {
    SIZE s = WindowSize();
    auto bitmap = std::make_unique<TBitmap>(s.cx, s.cy);
    EXPECT_EQ(Form->Perform(WM_SKIN_PAINTDC, WPARAM(bitmap->Canvas().Handle()), SKIN_MAGIC), SKIN_MAGIC);
    return bitmap;
  }
  // A side border composed from its element, as the painter must show it.
  std::unique_ptr<TBitmap> Expected(TDataSkinBorder& e, const RECT& r, bool vertical, int frame) {
    return ComposeNineSlice(r, *e.Image, SkinMargins(e), vertical, e.Tile != 1, e.FrameCount, frame);
  }

  TWinSkinForm* Skinner = nullptr;
};
}  // namespace

TEST_F(WinSkinFormTest, FrameWidthsComeFromTheBorderImages) {
  EXPECT_EQ(Skinner->BorderLeft, Across(*Data->FrameSideLeft));
  EXPECT_EQ(Skinner->BorderRight, Across(*Data->FrameSideRight));
  EXPECT_EQ(Skinner->BorderTop, Down(*Data->FrameSideTop));
  EXPECT_EQ(Skinner->BorderBottom, Down(*Data->FrameSideBottom));
  EXPECT_EQ(Skinner->BorderKind, bkSingle);  // bsSingle: caption, no sizing frame
}

TEST_F(WinSkinFormTest, TheClientAreaKeepsItsSizeUnderTheSkinFrame) {
  RECT client;
  GetClientRect(Form->Handle(), &client);
  EXPECT_EQ(client.right, 394);
  EXPECT_EQ(client.bottom, 354);
  SIZE s = WindowSize();
  EXPECT_EQ(s.cx, 394 + Skinner->BorderLeft + Skinner->BorderRight);
  EXPECT_EQ(s.cy, 354 + Skinner->BorderTop + Skinner->BorderBottom);
  POINT origin{0, 0};
  ClientToScreen(Form->Handle(), &origin);
  RECT w;
  GetWindowRect(Form->Handle(), &w);
  EXPECT_EQ(origin.x - w.left, Skinner->BorderLeft);
  EXPECT_EQ(origin.y - w.top, Skinner->BorderTop);
}

TEST_F(WinSkinFormTest, CalcSizeWithoutRectanglesIsAnsweredZero) {
  RECT r{0, 0, 100, 100};
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_NCCALCSIZE, FALSE, LPARAM(&r)), 0);
}

TEST_F(WinSkinFormTest, SidesAreThoseOfTheActiveThenTheInactiveFrame) {
  SIZE s = WindowSize();
  const int H = s.cy, W = s.cx, BL = Skinner->BorderLeft, BR = Skinner->BorderRight, BB = Skinner->BorderBottom;
  for (int frame : {1, 2}) {
    SendMessageW(Form->Handle(), WM_NCACTIVATE, frame == 1, 0);
    EXPECT_EQ(Skinner->Active, frame == 1);
    std::unique_ptr<TBitmap> painted = PaintedFrame();
    auto left = Expected(*Data->FrameSideLeft, {0, 0, BL, H}, false, frame);
    auto right = Expected(*Data->FrameSideRight, {0, 0, BR, H}, false, frame);
    auto bottom = Expected(*Data->FrameSideBottom, {0, 0, W - BL - BR, BB}, true, frame);
    for (int y : {Skinner->BorderTop, H / 2, H - 3})
      for (int x = 0; x < BL; ++x) EXPECT_EQ(painted->Pixel(x, y), left->Pixel(x, y)) << frame << " " << x << "," << y;
    for (int x = 0; x < BR; ++x) EXPECT_EQ(painted->Pixel(W - BR + x, H / 2), right->Pixel(x, H / 2)) << frame;
    for (int y = 0; y < BB; ++y)
      EXPECT_EQ(painted->Pixel(BL + (W - BL - BR) / 2, H - BB + y), bottom->Pixel((W - BL - BR) / 2, y)) << frame;
  }
}

TEST_F(WinSkinFormTest, TheTitleBackgroundIsTheTopBorderRightOfTheText) {
  SIZE s = WindowSize();
  std::unique_ptr<TBitmap> painted = PaintedFrame();
  const int BL = Skinner->BorderLeft, BR = Skinner->BorderRight, width = s.cx - BL - BR;
  // Parallel test programs share one desktop: the window may have lost activation.
  auto top = Expected(*Data->FrameSideTop, {0, 0, width, Skinner->BorderTop}, true, Skinner->Active ? 1 : 2);
  // Between the caption text and the right end: nothing but the title image.
  const int x = (Skinner->TitleTextArea.right + s.cx - BR) / 2;
  ASSERT_GT(x, Skinner->TitleTextArea.right);
  for (int y = 0; y < Skinner->BorderTop; ++y) EXPECT_EQ(painted->Pixel(x, y), top->Pixel(x - BL, y)) << y;
}

TEST_F(WinSkinFormTest, CaptionTextStartsAtTheSkinsTextShift) {
  const TDataSkinTitle& title = *Data->Title;
  ASSERT_EQ(title.TextAlignment, 0);
  PaintedFrame();
  EXPECT_EQ(Skinner->TitleTextArea.left, Skinner->BorderLeft + title.LeftWidth);
  EXPECT_EQ(Skinner->TextRect.left, Skinner->TitleTextArea.left + title.TXTBackleft);
  EXPECT_LE(Skinner->TitleTextArea.right, WindowSize().cx - Skinner->BorderRight - title.RightWidth);
}

TEST_F(WinSkinFormTest, TheOutlineLeavesOutTheKeyedCorners) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Form->Handle(), region), ERROR);
  SIZE s = WindowSize();
  TDataSkinBorder& left = *Data->FrameSideLeft;
  ASSERT_EQ(left.Trans, 1);
  auto composed = Expected(left, {0, 0, Skinner->BorderLeft, s.cy}, false, 1);
  EXPECT_EQ(PtInRegion(region, 0, 0) != 0, composed->Pixel(0, 0) != kSkinKeyColour);
  EXPECT_EQ(PtInRegion(region, 0, s.cy / 2) != 0, composed->Pixel(0, s.cy / 2) != kSkinKeyColour);
  EXPECT_TRUE(PtInRegion(region, s.cx / 2, s.cy / 2));
  EXPECT_FALSE(PtInRegion(region, s.cx, s.cy / 2));
  DeleteObject(region);
}

TEST_F(WinSkinFormTest, WithoutBorderIconsOnlyTheIconButtonShows) {
  PaintedFrame();
  ASSERT_EQ(Skinner->CaptionButtons.size(), Data->SysButtonElements.size());
  EXPECT_EQ(Skinner->BorderIcons & (ciMaximizeBox | ciMinimizeBox | ciContextHelp | ciSystemMenu), 0u);
  for (size_t i = 0; i < Skinner->CaptionButtons.size(); ++i) {
    TWinSysButton& b = *Skinner->CaptionButtons[i];
    const int action = b.Element->Action;
    EXPECT_EQ(b.Visible, action == 3) << i;
    if (action == 1 || action == 2) {
      EXPECT_FALSE(b.Enabled) << i;
    }
  }
}

TEST_F(WinSkinFormTest, ASizeableFormShowsCloseMaximizeAndMinimize) {
  TForm* form = ShowSecondForm();
  TWinSkinForm* skinner = FindFormSkinner(form->Handle());
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->BorderKind, bkSizeable);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  TBitmap painted(r.right - r.left, r.bottom - r.top);
  form->Perform(WM_SKIN_PAINTDC, WPARAM(painted.Canvas().Handle()), SKIN_MAGIC);
  for (auto& b : skinner->CaptionButtons) {
    const int action = b->Element->Action;
    if (action == 0 || action == 1 || action == 2) {
      EXPECT_TRUE(b->Visible) << action;
      EXPECT_TRUE(b->Enabled) << action;
      // Align 1: Xcoord pixels from the right edge to the button's left side.
      EXPECT_EQ(b->Bounds.left, (r.right - r.left) - b->Element->Xcoord) << action;
      EXPECT_EQ(b->Bounds.top, b->Element->Ycoord) << action;
    }
    if (action == 4) {
      EXPECT_FALSE(b->Visible);
    }
  }
  delete form;
}

TEST_F(WinSkinFormTest, ReleasingAwayFromThePressedCloseButtonKeepsTheWindow) {
  TForm* form = ShowSecondForm();
  HWND wnd = form->Handle();
  TWinSkinForm* skinner = FindFormSkinner(wnd);
  ASSERT_NE(skinner, nullptr);
  SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);  // hover needs an active window
  SendMessageW(wnd, WM_NCPAINT, 1, 0);
  TWinSysButton* close = nullptr;
  for (auto& b : skinner->CaptionButtons)
    if (b->Element->Action == 0) close = b.get();
  ASSERT_NE(close, nullptr);
  ASSERT_TRUE(close->Visible);
  RECT w;
  GetWindowRect(wnd, &w);
  auto at = [&](int x, int y) { return MAKELPARAM(w.left + x, w.top + y); };
  const int cx = (close->Bounds.left + close->Bounds.right) / 2, cy = (close->Bounds.top + close->Bounds.bottom) / 2;

  SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, at(cx, cy));
  EXPECT_EQ(skinner->HotObject, close);
  EXPECT_EQ(close->ButtonState, nsPressed);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, at(40, cy));
  EXPECT_EQ(skinner->HotObject, nullptr);
  SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, at(40, cy));
  Application->ProcessMessages();
  EXPECT_TRUE(IsWindow(wnd));

  SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, at(cx, cy));
  SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, at(cx, cy));
  Application->ProcessMessages();
  EXPECT_FALSE(IsWindow(wnd));
  delete form;
}

TEST_F(WinSkinFormTest, MouseMovesOnAnInactiveWindowChangeNoButton) {
  TForm* form = ShowSecondForm();
  HWND wnd = form->Handle();
  TWinSkinForm* skinner = FindFormSkinner(wnd);
  ASSERT_NE(skinner, nullptr);
  SendMessageW(wnd, WM_NCPAINT, 1, 0);
  TWinSysButton* button = skinner->CaptionButtons.front().get();
  ASSERT_TRUE(button->Visible);
  RECT w;
  GetWindowRect(wnd, &w);
  const LPARAM over = MAKELPARAM(w.left + button->Bounds.left + 2, w.top + button->Bounds.top + 2);
  SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, over);
  EXPECT_EQ(skinner->HotObject, nullptr);
  EXPECT_EQ(button->ButtonState, nsNormal);
  SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, over);
  EXPECT_EQ(skinner->HotObject, button);
  EXPECT_EQ(button->ButtonState, nsHot);
  delete form;
}

namespace {
// Where the frame paint puts a caption button: Xcoord from the right edge of
// a window W wide, Ycoord from the top, one frame of its image in size.
RECT RightAlignedButton(const TDataSkinSysButton& e, int W) {
  const int w = e.Image->Width() / e.FrameCount, h = e.Image->Height();
  return {W - e.Xcoord, e.Ycoord, W - e.Xcoord + w, e.Ycoord + h};
}

// The close, maximize and minimize buttons of a window as painted now.
std::vector<RECT> PaintedCaptionButtons(TWinSkinForm& skinner) {
  RECT w;
  GetWindowRect(skinner.Handle, &w);
  TBitmap painted(w.right - w.left, w.bottom - w.top);
  SendMessageW(skinner.Handle, WM_SKIN_PAINTDC, WPARAM(painted.Canvas().Handle()), SKIN_MAGIC);
  std::vector<RECT> bounds;
  for (auto& b : skinner.CaptionButtons) {
    const int action = b->Element->Action;
    if (action != caClose && action != caMaximize && action != caMinimize) continue;
    EXPECT_TRUE(b->Visible) << action;
    EXPECT_EQ(b->Element->Align, baRight) << action;
    const RECT expected = RightAlignedButton(*b->Element, w.right - w.left);
    EXPECT_TRUE(EqualRect(&b->Bounds, &expected)) << action << " at " << b->Bounds.left << "," << b->Bounds.top
                                                  << "-" << b->Bounds.right << "," << b->Bounds.bottom;
    bounds.push_back(b->Bounds);
  }
  EXPECT_EQ(bounds.size(), 3u);
  return bounds;
}
}  // namespace

TEST_F(WinSkinFormTest, TheDarkSkinGivesANewFrameAndKeepsTheClientArea) {
  TForm* second = ShowSecondForm();
  TWinSkinForm* secondSkinner = FindFormSkinner(second->Handle());
  ASSERT_NE(secondSkinner, nullptr);
  const TFrameWidths before = SkinFrame(*Data);
  const std::vector<RECT> buttonsBefore = PaintedCaptionButtons(*secondSkinner);
  const SIZE secondClient = ClientSize(second->Handle());

  SwitchSkin(skinload::BuiltSkinFile(L"dark.skn"));
  const TFrameWidths after = SkinFrame(*Data);
  // Every side and every caption button differs between the two skins, so a
  // window that kept the old frame set-up shows here.
  for (size_t i = 0; i < 4; ++i) EXPECT_NE(after[i], before[i]) << i;
  for (TWinSkinForm* skinner : {Skinner, secondSkinner}) {
    EXPECT_EQ((TFrameWidths{skinner->BorderLeft, skinner->BorderTop, skinner->BorderRight, skinner->BorderBottom}),
              after);
    EXPECT_EQ(WornFrame(skinner->Handle), after);
    EXPECT_EQ(skinner->CaptionButtons.size(), Data->SysButtonElements.size());
  }
  EXPECT_EQ(ClientSize(Form->Handle()), (SIZE{394, 354}));
  EXPECT_EQ(ClientSize(second->Handle()), secondClient);
  const std::vector<RECT> buttonsAfter = PaintedCaptionButtons(*secondSkinner);
  for (size_t i = 0; i < std::min(buttonsBefore.size(), buttonsAfter.size()); ++i) {
    EXPECT_NE(buttonsAfter[i].left, buttonsBefore[i].left) << i;
    EXPECT_NE(buttonsAfter[i].top, buttonsBefore[i].top) << i;
    EXPECT_NE(buttonsAfter[i].right - buttonsAfter[i].left, buttonsBefore[i].right - buttonsBefore[i].left) << i;
    EXPECT_NE(buttonsAfter[i].bottom - buttonsAfter[i].top, buttonsBefore[i].bottom - buttonsBefore[i].top) << i;
  }
  EXPECT_EQ(Form->GetColor(), Data->SkinColours[3]);
  delete second;
}

TEST_F(WinSkinFormTest, AReskinnedDialogKeepsItsClientAreaUnderTheNewFrame) {
  const HWND dialog = MakeForeignDialog(0);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(SkinManager->SkinWindow(dialog));
  Application->ProcessMessages();
  ASSERT_EQ(FindFormSkinner(dialog)->State, skActive);
  EXPECT_EQ(WornFrame(dialog), SkinFrame(*Data));
  const SIZE client = ClientSize(dialog);

  SwitchSkin(skinload::BuiltSkinFile(L"dark.skn"));
  EXPECT_EQ(WornFrame(dialog), SkinFrame(*Data));
  EXPECT_EQ(ClientSize(dialog), client);
  DestroyWindow(dialog);
}
