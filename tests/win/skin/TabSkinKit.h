// What the tab skinner tests share: a skin whose tab frames tell their
// frame and their top from their bottom, a stand-in for the form skinner,
// the up-down skinners made for the arrows, and pictures of a control as
// its skinner paints it.
#pragma once
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/draw/SkinScratch.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/TestSkinnerHost.h"
#include <algorithm>
#include <memory>
#include <vector>

namespace tabkit {

using namespace skinload;

// Frame f of the "Tabs" strip: its upper half TabTop(f), its lower half
// TabBottom(f) (frames from 1).
inline TColor TabTop(int frame) { return TColor(RGB(40 * frame, 100, 20)); }
inline TColor TabBottom(int frame) { return TColor(RGB(40 * frame, 20, 160)); }
// The "Tabs" border image: upper half PaneTop, lower half PaneBottom.
const TColor kPaneTop = TColor(RGB(200, 200, 0)), kPaneBottom = TColor(RGB(0, 200, 200));
const TColor kTabPane = TColor(RGB(120, 60, 200));
// Caption colours of the normal and the focused frame.
const TColor kNormalText = TColor(RGB(250, 0, 0)), kFocusedText = TColor(RGB(0, 0, 250));
const TColor kFace = TColor(RGB(30, 40, 50));
// What a picture holds where nothing painted.
const TColor kUnpainted = TColor(RGB(1, 2, 3));
constexpr int kFrameSize = 20;

// A skin with the "Tabs" element (frames 20 x 20, no margins, opaque), its
// border image, "Tab.Pane", and extra INI text.
inline TTestSkin TabSkin(int style, const std::string& extraIni = "") {
  TTestSkin skin;
  skin.Add("tabs.bmp", Bmp24(5 * kFrameSize, kFrameSize,
                             [](int x, int y) {
                               const int frame = x / kFrameSize + 1;
                               return y < kFrameSize / 2 ? TabTop(frame) : TabBottom(frame);
                             }))
      .Add("border.bmp", Bmp24(kFrameSize, kFrameSize,
                               [](int, int y) { return y < kFrameSize / 2 ? kPaneTop : kPaneBottom; }))
      .Add("pane.bmp", SolidBmp(12, 12, kTabPane));
  skin.Ini = "[Colours]\r\nButtonFace=30 40 50\r\n"
             "[Tabs]\r\nImage=tabs.bmp\r\nBorder=border.bmp\r\nStyle=" + std::to_string(style) +
             "\r\nTrans=0\r\nTile=0\r\nNormalColour2=250 0 0\r\nMouseOverColour2=0 0 250\r\n"
             "[Tab.Pane]\r\nImage=pane.bmp\r\nLeftWidth=4\r\nTopHeight=4\r\nRightWidth=4\r\nBottomHeight=4\r\n" +
             extraIni;
  return skin;
}

// The up-down skinners a control owns: the ones its skinner made for its arrows.
inline std::vector<TSkinUpDown*> UpDownSkinnersOf(const TComponent& owner) {
  std::vector<TSkinUpDown*> found;
  for (TComponent* c : owner.Components())
    if (auto* s = dynamic_cast<TSkinUpDown*>(c)) found.push_back(s);
  return found;
}

// A 200 pixel high page control on the form with one sheet per caption,
// the form owning everything.
inline TPageControl* MakePages(TForm& form, std::initializer_list<const wchar_t*> captions,
                               TTabPosition position = tpTop, TTabStyle style = tsTabs, int width = 300) {
  auto* pages = new TPageControl(&form);
  pages->SetTabPosition(position);
  pages->SetStyle(style);
  pages->SetParent(&form);
  pages->SetBounds(0, 0, width, 200);
  for (const wchar_t* caption : captions) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetText(caption);
    sheet->SetParent(pages);
  }
  return pages;
}

// The window as its skinner paints it into a picture that held kUnpainted.
inline std::unique_ptr<TBitmap> PaintOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  TCanvas& canvas = picture->Canvas();
  canvas.BrushColor = kUnpainted;
  canvas.FillRect({0, 0, picture->Width(), picture->Height()});
  SendMessageW(wnd, WM_PAINT, WPARAM(canvas.Handle()), 0);
  return picture;
}

// How many pixels of the area have exactly the colour.
inline int CountColour(const TBitmap& picture, const RECT& area, TColor colour) {
  int n = 0;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, picture.Height()); ++y)
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, picture.Width()); ++x)
      n += picture.Pixel(x, y) == colour;
  return n;
}

// The smallest rectangle around the pixels of the colour in the area
// (empty when there are none).
inline RECT BoundsOfColour(const TBitmap& picture, const RECT& area, TColor colour) {
  RECT b{area.right, area.bottom, area.left, area.top};
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, picture.Height()); ++y)
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, picture.Width()); ++x)
      if (picture.Pixel(x, y) == colour) {
        b.left = std::min<LONG>(b.left, x);
        b.top = std::min<LONG>(b.top, y);
        b.right = std::max<LONG>(b.right, x + 1);
        b.bottom = std::max<LONG>(b.bottom, y + 1);
      }
  return b.right > b.left ? b : RECT{};
}

// Handles every message waiting, until done() holds or five seconds pass.
template <class Done>
bool PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < 5000) {
    Application->ProcessMessages();
    if (!done()) Sleep(1);
  }
  return done();
}

}  // namespace tabkit
