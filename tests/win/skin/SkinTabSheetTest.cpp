// Tab sheets in the skin's face colour (native again when their
// ParentBackground had to be switched off), and page controls whose tabs
// are buttons painted from the skin's push-button frames.
#include "host/ComCtrls.h"
#include "host/StdCtrls.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTabSheet.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/TabSkinKit.h"
#include <commctrl.h>

using namespace tabkit;

namespace {
class SkinTabSheetTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadTestSkin(Data, TabSkin(0)));
    Form.SetBounds(0, 0, 400, 300);
    Pages = MakePages(Form, {});
  }
  TTabSheet* Sheet(bool parentBackground) {
    auto* sheet = new TTabSheet(&Form);
    sheet->SetText(L"Sheet");
    sheet->SetParentBackground(parentBackground);
    sheet->SetParent(Pages);
    Pages->SetActivePage(sheet);
    return sheet;
  }
  TLabel* Label(TTabSheet* sheet) {
    auto* label = new TLabel(&Form);
    label->SetTransparent(true);
    label->SetText(L"Label text");
    label->SetParent(sheet);
    label->SetBounds(10, 10, 100, 20);
    return label;
  }

  TSkinDrawUnit DrawUnit;
  TSkinData Data{nullptr};
  TForm Form{nullptr};
  TPageControl* Pages = nullptr;
};

std::unique_ptr<TBitmap> Printed(HWND wnd, UINT message) {
  RECT r;
  GetClientRect(wnd, &r);
  auto picture = std::make_unique<TBitmap>(r.right, r.bottom);
  picture->Canvas().BrushColor = kUnpainted;
  picture->Canvas().FillRect(r);
  SendMessageW(wnd, message, WPARAM(picture->Canvas().Handle()), message == WM_PRINT ? PRF_CLIENT : 0);
  return picture;
}
}  // namespace

TEST_F(SkinTabSheetTest, ASheetIsPaintedInTheFaceColourUnlessItsParentBackgroundWasSwitchedOff) {
  struct TCase {
    const char* What;
    bool ParentBackground;
    bool OwnsColour;
    int Mode;                  // the skinner's mode after attach
    const wchar_t* WhileSkinned;  // ParentBackground while skinned
    bool Skinned;              // painted by the skinner, not natively
  };
  const TCase cases[] = {
      {"a plain sheet", false, false, 0, L"False", true},
      {"a sheet on its parent's background whose colour is not owned", true, false, 0, L"True", true},
      {"a sheet whose ParentBackground had to be switched off", true, true, 1, L"False", false},
  };
  for (const TCase& c : cases) {
    // Printing a native sheet is up to the system; only a skinned one is printed here.
    for (UINT message : c.Skinned ? std::vector<UINT>{WM_PAINT, WM_PRINT} : std::vector<UINT>{WM_PAINT}) {
      SCOPED_TRACE(testing::Message() << c.What << ", message " << std::hex << message);
      TTabSheet* sheet = Sheet(c.ParentBackground);
      TLabel* label = Label(sheet);
      const TColor ownColour = sheet->GetColor();
      auto* skinner = new TSkinTabSheet(sheet);
      skinner->AttachControl(nullptr, &Data, c.OwnsColour, nullptr);
      EXPECT_EQ(skinner->Mode(), c.Mode);
      EXPECT_EQ(ReadEnumProp(sheet, "ParentBackground"), c.WhileSkinned);
      EXPECT_EQ(SendMessageW(sheet->Handle(), WM_SKIN_QUERY, 0, 0), 1);
      auto picture = Printed(sheet->Handle(), message);
      const RECT labelRect = label->BoundsRect();
      const RECT sheetRect{0, 0, picture->Width(), picture->Height()};
      const int outside = picture->Width() * picture->Height() -
                          (labelRect.right - labelRect.left) * (labelRect.bottom - labelRect.top);
      if (c.Skinned) {
        EXPECT_EQ(CountColour(*picture, sheetRect, kFace) - CountColour(*picture, labelRect, kFace), outside);
        // The label painted itself over the face.
        EXPECT_GT(CountColour(*picture, labelRect, kFace), 0);
        EXPECT_LT(CountColour(*picture, labelRect, kFace), (labelRect.right - labelRect.left) * 20);
      } else {
        EXPECT_EQ(picture->Pixel(sheetRect.right - 5, sheetRect.bottom - 5), kUnpainted);
      }
      skinner->Detach();
      EXPECT_EQ(sheet->GetParentBackground(), c.ParentBackground);
      EXPECT_EQ(sheet->GetColor(), ownColour);
      EXPECT_EQ(Printed(sheet->Handle(), WM_PAINT)->Pixel(sheetRect.right - 5, sheetRect.bottom - 5), kUnpainted);
      delete sheet;
    }
  }
}

TEST_F(SkinTabSheetTest, ASkinnedSheetErasesWithTheFaceBrush) {
  TTabSheet* sheet = Sheet(false);
  (new TSkinTabSheet(sheet))->AttachControl(nullptr, &Data, false, nullptr);
  RECT r;
  GetClientRect(sheet->Handle(), &r);
  TBitmap picture(r.right, r.bottom);
  picture.Canvas().BrushColor = kUnpainted;
  picture.Canvas().FillRect(r);
  EXPECT_EQ(SendMessageW(sheet->Handle(), WM_ERASEBKGND, WPARAM(picture.Canvas().Handle()), 0), 1);
  EXPECT_EQ(CountColour(picture, r, kFace), r.right * r.bottom);
}

namespace {
TColor ButtonFrame(int frame) { return TColor(RGB(60 + 30 * frame, 140, 90)); }
const TColor kPressedText = TColor(RGB(0, 200, 0));

TTestSkin ButtonTabsSkin(bool pressedColour) {
  TTestSkin skin = TabSkin(0, "[Buttons]\r\nBitmap=buttons.bmp\r\nNormalColour2=250 0 0\r\n" +
                                  std::string(pressedColour ? "PressedColour2=0 200 0\r\n" : ""));
  skin.Add("buttons.bmp", StripBmp(16, 16, {ButtonFrame(1), ButtonFrame(2), ButtonFrame(3), ButtonFrame(4),
                                             ButtonFrame(5)}));
  return skin;
}
}  // namespace

TEST_F(SkinTabSheetTest, ButtonTabsShowTheButtonFramesAndAFrameWithoutItsColourKeepsTheLastOne) {
  struct TCase {
    const char* What;
    bool PressedColour;
    TColor FocusedInk;
  };
  for (const TCase& c : {TCase{"without a pressed colour", false, kNormalText},
                         TCase{"with a pressed colour", true, kPressedText}}) {
    SCOPED_TRACE(c.What);
    ASSERT_TRUE(LoadTestSkin(Data, ButtonTabsSkin(c.PressedColour)));
    TPageControl* pages = MakePages(Form, {L"One", L"Two", L"Three"}, tpTop, tsButtons);
    const HWND tabs = pages->Handle();
    ASSERT_TRUE(GetWindowLongPtrW(tabs, GWL_STYLE) & TCS_BUTTONS);
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    (new TSkinTabBtn(pages))->AttachControl(nullptr, &Data, false, nullptr);
    auto picture = PaintOf(tabs);
    for (int i = 0; i < 3; ++i) {
      RECT tab{};
      SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&tab));
      OffsetRect(&tab, 0, 1);
      const bool focused = i == 1;
      EXPECT_EQ(picture->Pixel(tab.left + 2, tab.top + 2), ButtonFrame(focused ? 2 : 1)) << i;
      const TColor ink = focused ? c.FocusedInk : kNormalText;
      EXPECT_GT(CountColour(*picture, tab, ink), 0) << i;
      EXPECT_EQ(CountColour(*picture, tab, ink == kNormalText ? kPressedText : kNormalText), 0) << i;
    }
    delete pages;
  }
}
