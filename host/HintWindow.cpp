#include "host/HintWindow.h"

DEFINE_CLASS_INFO(THintWindow, TWinControl, {})

namespace {
constexpr UINT kHintFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}

THintWindow::THintWindow(TComponent* AOwner) : TWinControl(AOwner) {
  FVisible = false;
  FColor = clSystemColor | COLOR_INFOBK;
  FFont.SetColor(clSystemColor | COLOR_INFOTEXT);
}

void THintWindow::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_POPUP | WS_BORDER;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  p.WndParent = nullptr;
  p.ClassStyle |= CS_SAVEBITS;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
  TWindowDC screen(nullptr);
  TSelectObject font(screen.Get(), FFont.Handle());
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(screen.Get(), text.c_str(), int(text.size()), &r, kHintFormat | DT_CALCRECT);
  // Room for the border and a little padding on each side.
  r.right += 6;
  r.bottom += 2;
  return r;
}

void THintWindow::ActivateHint(const RECT& r, const std::wstring& text) {
  SetText(text);
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  FVisible = true;
  SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  RECT r = ClientRect();
  canvas.BrushColor = FColor;
  canvas.FillRect(r);
  r.left += 2;
  canvas.Font().Assign(FFont);
  canvas.TextRect(r, FText, kHintFormat);
}
