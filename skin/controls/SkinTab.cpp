#include "skin/controls/SkinTab.h"
#include "host/Handles.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinPaint.h"
#include "skin/manager/SkinMessages.h"
#include <algorithm>
#include <commctrl.h>
#include <iterator>

DEFINE_CLASS_INFO(TSkinTab, TSkinControl, {})

namespace {
constexpr int kCloseBoxSize = 6;
constexpr int kCloseBoxInset = 2;

bool HasImage(const std::unique_ptr<TBitmap>& image) { return image && !image->Empty(); }

void Clear(TBitmap& bitmap) { bitmap.SetSize(0, 0); }
}  // namespace

TTabPosition TSkinTab::TabPositionFromStyle(LONG_PTR Style) {
  const bool vertical = Style & TCS_VERTICAL;
  // TCS_BOTTOM and TCS_RIGHT are one bit.
  if (Style & TCS_BOTTOM) return vertical ? tpRight : tpBottom;
  return vertical ? tpLeft : tpTop;
}

const TDataSkinBorder* TSkinTab::Tabs() const { return FSkinData ? FSkinData->Tabs.get() : nullptr; }

void TSkinTab::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FControl) return;
  FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  FCloseButtons = FControl->GetTag() == kCloseBoxTag && dynamic_cast<TPageControl*>(FControl) &&
                  ReadEnumProp(FControl, "TabPosition") == L"tpTop";
  PrepareImages();
  FindUpDown();
  FActive = true;
  FUnicodeTabs = IsWindowUnicode(FHandle);
}

void TSkinTab::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  TSkinControl::AttachWindow(Handle, SkinData, Form, Canvas);
  FFocused = GetFocus() == FHandle;
  FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  FText = ReadWindowText(FHandle);
  PrepareImages();
  FindUpDown();
  FActive = true;
  FUnicodeTabs = IsWindowUnicode(FHandle);
}

void TSkinTab::Detach() {
  if (DetachToNative(*this)) FUpDown.SwitchOff(FHandle);
}

void TSkinTab::SkinChanged() {
  // The images first, so the repaint shows the new skin.
  PrepareImages();
  TSkinControl::SkinChanged();
}

void TSkinTab::PrepareImages() {
  FTabPosition = TabPositionFromStyle(GetLong(FHandle, GWL_STYLE));
  // Nothing of an earlier skin stays.
  Clear(FTabImage);
  Clear(FPaneImage);
  const TDataSkinBorder* tabs = Tabs();
  if (!tabs) return;
  if (HasImage(tabs->Image)) CopyBitmap(*tabs->Image, FTabImage);
  if (tabs->Style == 0 && HasImage(tabs->SecondImage)) CopyBitmap(*tabs->SecondImage, FPaneImage);
  if (tabs->Style == 1 && FSkinData->TabPane && HasImage(FSkinData->TabPane->Image))
    CopyBitmap(*FSkinData->TabPane->Image, FPaneImage);
  for (TBitmap* image : {&FTabImage, &FPaneImage})
    if (!image->Empty()) image->SetPixelFormat(pf24bit);
  switch (FTabPosition) {
    case tpBottom:
      if (!FTabImage.Empty()) FlipBitmap(FTabImage);
      if (!FPaneImage.Empty()) FlipBitmap(FPaneImage);
      break;
    case tpLeft:
      if (!FPaneImage.Empty()) RotateBitmapLeft(FPaneImage);
      break;
    case tpRight:
      if (!FPaneImage.Empty()) RotateBitmapRight(FPaneImage);
      break;
    default: break;
  }
}

bool TSkinTab::FindUpDown() {
  const HWND upDown = FindUpDownChild(FHandle);
  FUpDown.Skin(upDown, Owner(), false, FSkinData, FForm, FCanvas);
  return upDown && (GetWindowLongPtrW(upDown, GWL_STYLE) & WS_VISIBLE);
}

bool TSkinTab::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      HandlePaint(*this, Message);
      return false;
    case WM_LBUTTONDOWN:
      // A click on a close box never reaches the native tabs.
      if (FCloseButtons && HitCloseBox(Message)) {
        Message.Result = 0;
        return false;
      }
      break;
    default: break;
  }
  return TSkinControl::BeforeMessage(Message);
}

bool TSkinTab::HitCloseBox(const TMessage& Message) {
  const POINT p{LOWORD(Message.LParam), HIWORD(Message.LParam)};
  // The form's answer may repaint the tabs, which refills the boxes.
  const std::vector<RECT> boxes = FCloseRects;
  const std::shared_ptr<const bool> alive = AliveFlag();
  bool hit = false;
  for (size_t i = 0; i < boxes.size() && *alive; ++i) {
    if (!PtInRect(&boxes[i], p)) continue;
    hit = true;
    AskToClose(int(i));
  }
  return hit;
}

void TSkinTab::AskToClose(int index) {
  auto* pages = dynamic_cast<TPageControl*>(FControl);
  const HWND form = FForm ? FForm->FormWindow() : nullptr;
  // Only a form window that is there can answer; without one the page stays.
  if (!pages || index >= pages->PageCount() || !form || !IsWindow(form)) return;
  TTabSheet* page = pages->Pages()[size_t(index)];
  const std::shared_ptr<const bool> alive = AliveFlag();
  const LRESULT answer = SendMessageW(form, WM_SKIN_TABCLOSE, WPARAM(FHandle), LPARAM(index));
  // The form may have freed the control, or pages of it, meanwhile: the page
  // is looked for, never touched, until it is known to be there. It is freed
  // only after this click has returned.
  if (!*alive || answer != 0) return;
  const std::vector<TTabSheet*>& left = pages->Pages();
  if (std::find(left.begin(), left.end(), page) != left.end()) pages->ReleasePage(page);
}

RECT TSkinTab::PageRect(const RECT& whole) const {
  RECT page = whole;
  SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  InflateRect(&page, 4, 4);
  switch (FTabPosition) {
    case tpTop: ++page.top; break;
    case tpBottom: --page.bottom; break;
    case tpLeft: ++page.left; break;
    case tpRight: --page.right; break;
  }
  return page;
}

RECT TSkinTab::StripRect(const RECT& whole, const RECT& page) const {
  switch (FTabPosition) {
    case tpBottom: return {whole.left, page.bottom, whole.right, whole.bottom};
    case tpLeft: return {whole.left, whole.top, page.left, whole.bottom};
    case tpRight: return {page.right, whole.top, whole.right, whole.bottom};
    default: return {whole.left, whole.top, whole.right, page.top};
  }
}

RECT TSkinTab::ToStrip(const RECT& t, const RECT& whole, const RECT& page) const {
  const int w = FStrip.Width();
  switch (FTabPosition) {
    case tpBottom: return {t.left, t.top - page.bottom - 1, t.right, t.bottom - page.bottom - 1};
    case tpLeft: return {w - t.bottom, t.left, w - t.top, t.right};
    case tpRight: return {t.top - 1, whole.right - t.right, t.bottom - 1, whole.right - t.left};
    default: return {t.left, t.top + 1, t.right, t.bottom + 1};
  }
}

void TSkinTab::PaintControl(HDC DC, const RECT& Rect) {
  FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  // Boxes are only where this paint puts them.
  FCloseRects.clear();
  const RECT page = PageRect(Rect);
  const TDataSkinBorder* tabs = Tabs();
  if (tabs && HasImage(tabs->Image)) PaintStrip(DC, Rect, page);
  PaintPane(DC, page);
  if (FControl && FMode == kTabControlMode) FControl->PaintControls(DC, Rect);
}

void TSkinTab::PaintStrip(HDC DC, const RECT& whole, const RECT& page) {
  const RECT s = StripRect(whole, page);
  const int w = s.right - s.left, h = s.bottom - s.top;
  const TTabRow row = ReadTabRow(FHandle, FUnicodeTabs);
  FCloseRects.assign(size_t(row.Count), RECT{});
  if (w <= 0 || h <= 0) return;
  const bool turned = FTabPosition == tpLeft || FTabPosition == tpRight;
  FStrip.SetPixelFormat(pf24bit);
  FStrip.SetSize(turned ? h : w, turned ? w : h);
  TCanvas& canvas = FStrip.Canvas();
  FillParentColor(canvas.Handle(), {0, 0, FStrip.Width(), FStrip.Height()});
  AssignControlFont(canvas, *this);
  const TDataSkinBorder& tabs = *Tabs();
  for (const TTabDraw& tab : row.Tabs) {
    const RECT t = ToStrip(tab.Rect, whole, page);
    DrawTab(canvas.Handle(), t, tab.Frame);
    if (FCloseButtons) DrawCloseBox(t, tab.Index);
    canvas.Font().SetColor(TColor(ColorToRGB(tab.Frame == tfFocused ? tabs.MouseOverColour2 : tabs.NormalColour2)));
    DrawImageText(*this, canvas, t, 1, tab.Caption, tab.ImageIndex, row.Images, FEnabled);
  }
  if (FTabPosition == tpRight) RotateBitmapRight(FStrip);
  if (FTabPosition == tpLeft) RotateBitmapLeft(FStrip);
  if (FindUpDown())
    BlitAroundUpDown(DC, s);
  else
    BitBlt(DC, s.left, s.top, FStrip.Width(), FStrip.Height(), FStrip.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinTab::PaintPane(HDC DC, const RECT& page) {
  const TDataSkinBorder* tabs = Tabs();
  if (!tabs || FPaneImage.Empty()) return;
  const TDataSkinObject* pane = FSkinData->TabPane.get();
  const RECT margins = tabs->Style != 0 ? (pane ? SkinMargins(*pane) : RECT{}) : kBorderPaneMargins;
  try {
    DrawSkinElement(DC, page, FPaneImage, margins, false, false, false, 1, 1);
  } catch (const std::exception&) {
    // The native page area stays.
  }
}

void TSkinTab::DrawTab(HDC DC, const RECT& Rect, int Frame) {
  const TDataSkinBorder& tabs = *Tabs();
  if (Rect.right <= Rect.left || Rect.bottom <= Rect.top) return;
  DrawSkinElement(DC, Rect, FTabImage, SkinMargins(tabs), false, tabs.Tile == 1, tabs.Trans == 1, tabs.FrameCount,
                  Frame);
}

void TSkinTab::DrawCloseBox(const RECT& Rect, int Index) {
  const HDC dc = FStrip.Canvas().Handle();
  const int x1 = Rect.right - kCloseBoxSize - kCloseBoxInset, y1 = Rect.top + kCloseBoxInset;
  const int x2 = Rect.right - kCloseBoxInset, y2 = Rect.top + kCloseBoxInset + kCloseBoxSize;
  const POINT outline[] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}, {x2, y2}};
  Polyline(dc, outline, int(std::size(outline)));
  MoveToEx(dc, x2, y1, nullptr);
  LineTo(dc, x1, y2);
  if (Index >= 0 && size_t(Index) < FCloseRects.size()) FCloseRects[size_t(Index)] = {x1, y1, x2, y2};
}

void TSkinTab::BlitAroundUpDown(HDC DC, const RECT& Rect) {
  RECT upDown, control;
  const HWND wnd = FUpDown.Window() ? FUpDown.Window() : FindUpDownChild(FHandle);
  GetWindowRect(wnd, &upDown);
  GetWindowRect(FHandle, &control);
  OffsetRect(&upDown, -control.left, -control.top);
  TSavedDC saved(DC);
  ExcludeClipRect(DC, upDown.left, upDown.top, upDown.right, upDown.bottom);
  BitBlt(DC, Rect.left, Rect.top, FStrip.Width(), FStrip.Height(), FStrip.Canvas().Handle(), 0, 0, SRCCOPY);
}
