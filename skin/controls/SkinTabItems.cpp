#include "skin/controls/SkinTabItems.h"
#include <commctrl.h>

namespace {
constexpr int kCaptionChars = 80;
constexpr UINT kItemMask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;

void ReadItem(HWND tab, int index, bool unicode, TTabDraw& draw) {
  if (unicode) {
    wchar_t text[kCaptionChars + 1] = {};
    TCITEMW item{kItemMask};
    item.pszText = text;
    item.cchTextMax = kCaptionChars;
    if (!SendMessageW(tab, TCM_GETITEMW, WPARAM(index), LPARAM(&item))) return;
    draw.Caption = text;
    draw.ImageIndex = item.iImage;
    return;
  }
  char text[kCaptionChars + 1] = {};
  TCITEMA item{kItemMask};
  item.pszText = text;
  item.cchTextMax = kCaptionChars;
  if (!SendMessageA(tab, TCM_GETITEMA, WPARAM(index), LPARAM(&item))) return;
  wchar_t wide[kCaptionChars + 1] = {};
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide, kCaptionChars);
  draw.Caption = wide;
  draw.ImageIndex = item.iImage;
}
}  // namespace

TTabRow ReadTabRow(HWND Tab, bool Unicode) {
  TTabRow row;
  row.Count = int(SendMessageW(Tab, TCM_GETITEMCOUNT, 0, 0));
  row.Images = HIMAGELIST(SendMessageW(Tab, TCM_GETIMAGELIST, 0, 0));
  const int focus = int(SendMessageW(Tab, TCM_GETCURFOCUS, 0, 0));
  for (int i = 0; i < row.Count; ++i) {
    TTabDraw draw;
    draw.Index = i;
    ReadItem(Tab, i, Unicode, draw);
    if (!SendMessageW(Tab, TCM_GETITEMRECT, WPARAM(i), LPARAM(&draw.Rect))) continue;
    draw.Frame = i == focus ? tfFocused : tfNormal;
    row.Tabs.push_back(std::move(draw));
  }
  return row;
}

void AssignControlFont(TCanvas& Canvas, const TSkinControl& Skinner) {
  if (Skinner.Control()) {
    Canvas.Font().Assign(Skinner.Control()->EffectiveFont());
    return;
  }
  HFONT font = HFONT(SendMessageW(Skinner.WindowHandle(), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (!GetObjectW(font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT), sizeof lf, &lf)) return;
  Canvas.Font().SetName(lf.lfFaceName);
  Canvas.Font().SetHeight(lf.lfHeight);
  Canvas.Font().SetCharset(lf.lfCharSet);
  Canvas.Font().SetStyle(lf.lfWeight >= FW_BOLD ? 1u << fsBold : 0);
}

bool DetachToNative(TSkinControl& Skinner) {
  const bool wasActive = Skinner.Active();
  Skinner.TSkinControl::Detach();
  const HWND wnd = Skinner.WindowHandle();
  if (!wasActive || Skinner.Status() == ssWindowGone || !wnd) return false;
  InvalidateRect(wnd, nullptr, TRUE);
  return true;
}
