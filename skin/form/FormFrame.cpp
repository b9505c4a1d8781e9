// Frame painting of the form skinner: frame widths from the skin's border
// images, the client area under them, the borders, the title with its text
// and caption buttons, and the window outline cut from the keyed borders.
#include "host/CallbackGuard.h"
#include "host/Forms.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/form/WinSysButton.h"
#include "skin/manager/SkinManage.h"
#include <algorithm>
#include <optional>

namespace {
// Caption text alignment of the title element.
enum TTitleAlign { taStart = 0, taCentre = 1, taEnd = 2 };
// How far a dialog's caption text moves left, into the room of the icon it lacks.
constexpr int kDialogIconRoom = 16;

int FrameCountOf(const TDataSkinObject& e) { return e.FrameCount < 1 ? 1 : e.FrameCount; }
int ImageWidth(const TDataSkinObject* e) { return HasImage(e) ? e->Image->Width() : 0; }
int ImageHeight(const TDataSkinObject* e) { return HasImage(e) ? e->Image->Height() : 0; }
}  // namespace

bool TWinSkinForm::WantsSkinFrame() const {
  const TSkinData& s = *SkinData;
  // A skin with no frame image at all leaves the system's frame.
  const bool frameImages = HasImage(s.FrameSideLeft.get()) || HasImage(s.FrameSideTop.get()) ||
                           HasImage(s.FrameSideRight.get()) || HasImage(s.FrameSideBottom.get());
  if (!s.Has(xcMainMenu) || !frameImages) return false;
  return !(FormKind == fkMDIChild && s.Has(xoMDIChildBorder));
}

void TWinSkinForm::SetupFrame() {
  if (SkinData->NoSkinLoaded) return;
  if (BorderKind == bkNoCaption) {
    BorderLeft = BorderTop = BorderRight = BorderBottom = MenuBarHeight = 0;
  } else {
    const TSkinData& s = *SkinData;
    BorderTop = s.FrameSideTop ? ImageHeight(s.FrameSideTop.get()) / FrameCountOf(*s.FrameSideTop) : 0;
    BorderLeft = s.FrameSideLeft ? ImageWidth(s.FrameSideLeft.get()) / FrameCountOf(*s.FrameSideLeft) : 0;
    BorderRight = s.FrameSideRight ? ImageWidth(s.FrameSideRight.get()) / FrameCountOf(*s.FrameSideRight) : 0;
    BorderBottom = s.FrameSideBottom ? ImageHeight(s.FrameSideBottom.get()) / FrameCountOf(*s.FrameSideBottom) : 0;
  }
  FreeCaptionButtons();
  for (const auto& element : SkinData->SysButtonElements) {
    auto button = std::make_unique<TWinSysButton>(this, element.get());
    button->Enabled = true;
    if (button->IsIcon()) {
      BuildIconBitmap();
      if (!HasImage(element.get())) {
        button->IconImage = std::make_unique<TBitmap>();
        button->IconImage->Assign(IconBitmap);
      }
      if (SkinData->AppIconBitmap.Empty()) SkinData->AppIconBitmap.Assign(IconBitmap);
    }
    CaptionButtons.push_back(std::move(button));
  }
}

void TWinSkinForm::FreeCaptionButtons() {
  HotObject = nullptr;
  CaptionButtons.clear();
}

void TWinSkinForm::BuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HICON icon = HICON(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = HICON(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
  // Attachment and activation both ask for it: the same icon is drawn once.
  if (IconBitmapSource && *IconBitmapSource == icon && IconBitmap.Width() == cx && IconBitmap.Height() == cy &&
      IconBitmap.PixelFormat() == pf16bit)
    return;
  IconBitmapSource = icon;
  IconBitmap.SetPixelFormat(pf16bit);
  IconBitmap.SetSize(cx, cy);
  if (IconBitmap.Empty()) return;
  IconBitmap.Canvas().BrushColor = kSkinKeyColour;
  IconBitmap.Canvas().FillRect({0, 0, cx, cy});
  if (!icon) return;
  TIconHandle copy(HICON(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
  if (copy) DrawIconEx(IconBitmap.Canvas().Handle(), 0, 0, copy.Get(), cx, cy, 0, nullptr, DI_NORMAL);
}

void TWinSkinForm::CalcClientArea(TMessage& m) {
  auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  const RECT proposed = p ? p->rgrc[0] : RECT{};
  CallDefault(m);
  if (!m.WParam || !p) {
    m.Result = 0;
    return;
  }
  if ((FormKind == fkMDIChild && WindowState != wsNormal) || BorderKind == bkNoCaption) {
    p->rgrc[1] = p->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  RECT w = proposed;
  if (p->lppos) w = {p->lppos->x, p->lppos->y, p->lppos->x + p->lppos->cx, p->lppos->y + p->lppos->cy};
  RECT client{w.left + BorderLeft, w.top + BorderTop + MenuBarHeight, w.right - BorderRight, w.bottom - BorderBottom};
  // A window smaller than its frame gets an empty client area, never an inverted one.
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  p->rgrc[0] = client;
  p->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::ResizeToFrame(bool fromWindowRect) {
  if (WindowState == wsMaximized) {
    RecalcFrame();
    return;
  }
  RECT client{};
  GetClientRect(Handle, &client);
  int clientWidth = client.right, clientHeight = client.bottom;
  auto* form = dynamic_cast<TForm*>(Form);
  if (!fromWindowRect && form && form->GetClientWidth() > 0 && form->GetClientHeight() > 0) {
    clientWidth = form->GetClientWidth();
    // The form's client height is below its menu bar, skinned or not.
    clientHeight = form->GetClientHeight();
  }
  int width = clientWidth + BorderLeft + BorderRight;
  const int height = clientHeight + BorderTop + BorderBottom + MenuBarHeight;
  if (IsDialog && !fromWindowRect) {
    // The caption must fit: widen the dialog and move its controls to the middle.
    std::wstring text(size_t(GetWindowTextLengthW(Handle)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(Handle, text.data(), int(text.size()))));
    {
      TWindowDC dc(Handle);
      TSelectObject font(dc.Get(), CaptionFont.Get());
      SIZE size{};
      GetTextExtentPoint32W(dc.Get(), text.c_str(), int(text.size()), &size);
      CaptionTextWidth = size.cx;
    }
    const int needed = SkinData->Title->LeftWidth + CaptionTextWidth + SkinData->Title->RightWidth;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        POINT at{r.left, r.top};
        ScreenToClient(Handle, &at);
        SetWindowPos(child, nullptr, at.x + shift, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
    }
  }
  SetWindowPos(Handle, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::WMNCPaint(TMessage& m) {
  CaptionStyle(true);
  if (SkinData->FramePaintEnabled) {
    if (IsMaximizedMDIChild() || BorderKind == bkNoCaption) {
      CallDefault(m);
      return;
    }
    PaintFrame(nullptr);
  }
  m.Result = 0;
}

void TWinSkinForm::WMNCActivate(TMessage& m) {
  Active = m.WParam != 0;
  HoverTimer->SetEnabled(Active);
  if (!Active) {
    HideHint();
    HoverTime = 0;
  }
  if (FormKind == fkMDIChild) CallDefault(m);
  if (!IsMaximizedMDIChild()) PaintFrame(nullptr);
  m.Result = 1;
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FrameSkinned || !SkinScratchBitmap() || (State != skActive && State != skReskinning) ||
      BorderKind == bkNoCaption || IsMaximizedMDIChild())
    return;
  std::optional<TWholeWindowDC> own;
  if (!dc) {
    own.emplace(Handle);
    dc = own->Get();
  }
  if (!dc) return;
  // A paint that fails is reported and the frame keeps its last picture.
  GuardCallback("frame paint", [&] {
    GetWindowRect(Handle, &WindowRect);
    const int W = WindowRect.right - WindowRect.left, H = WindowRect.bottom - WindowRect.top;
    PaintSize = {W, H};
    HotObject = nullptr;
    for (auto& b : CaptionButtons) b->ButtonState = nsNormal;
    if (WindowState == wsMinimized) {
      PaintTitle(dc);
    } else {
      PaintBorderPiece(bpLeft, {0, 0, BorderLeft, H}, dc);
      PaintBorderPiece(bpRight, {W - BorderRight, 0, W, H}, dc);
      PaintBorderPiece(bpBottom, {BorderLeft, H - BorderBottom, W - BorderRight, H}, dc);
      PaintTitle(dc);
      if (MenuBar) {
        MenuBar->PaintBar(dc);
      } else if (MenuBarHeight > 0) {
        RECT strip{BorderLeft, BorderTop, W - BorderRight, BorderTop + MenuBarHeight};
        FillRect(dc, &strip, SkinData->ButtonFaceBrush.Get());
      }
    }
  });
  HotObject = nullptr;
}

void TWinSkinForm::ForgetComposedFrame() {
  for (TComposedPiece& piece : ComposedPieces) piece = {};
  for (TComposedTitle& title : ComposedTitles) title.Shown = {};
}

void TWinSkinForm::PaintBorderPiece(TBorderPiece index, const RECT& r, HDC dc) {
  if (r.right < 0 || r.bottom < 0) return;
  TDataSkinObject* element = index == bpLeft    ? SkinData->FrameSideLeft.get()
                             : index == bpRight ? SkinData->FrameSideRight.get()
                             : index == bpTop   ? SkinData->FrameSideTop.get()
                                                : SkinData->FrameSideBottom.get();
  if (!HasImage(element)) return;
  const int frames = FrameCountOf(*element);
  const int frame = Active || frames == 1 ? 1 : 2;
  TComposedPiece& piece = ComposedPieces[size_t(index - bpLeft) * 2 + (frame == 1 ? 0 : 1)];
  const SIZE size{r.right - r.left, r.bottom - r.top};
  if (!piece.Bitmap || piece.Size.cx != size.cx || piece.Size.cy != size.cy || piece.Frame != frame) {
    piece.Bitmap =
        ComposeNineSlice(r, *element->Image, SkinMargins(*element), index >= bpTop, element->Tile != 1, frames, frame);
    piece.Size = size;
    piece.Frame = frame;
  }
  if (!piece.Bitmap || piece.Bitmap->Empty()) return;
  BitBlt(dc, r.left, r.top, piece.Bitmap->Width(), piece.Bitmap->Height(), piece.Bitmap->Canvas().Handle(), 0, 0,
         SRCCOPY);
}

void TWinSkinForm::PaintTitle(HDC dc) {
  const int W = WindowRect.right - WindowRect.left, H = WindowRect.bottom - WindowRect.top;
  RECT title;
  const int bufferHeight = WindowState == wsMinimized ? H : BorderTop;
  if (W <= 0 || bufferHeight <= 0) return;
  TTitleKey key{{W, bufferHeight}, Active, WindowState, CaptionText(), {}, TitleIcon()};
  for (size_t i = 0; i < CaptionButtons.size(); ++i) {
    const bool visible = IsButtonVisible(int(i));  // decides Enabled too
    key.Buttons.push_back(static_cast<unsigned char>((visible ? 1 : 0) | (CaptionButtons[i]->Enabled ? 2 : 0)));
  }
  TComposedTitle& composed = ComposedTitles[Active ? 1 : 0];
  TBitmap& titleBuffer = composed.Buffer;
  if (key == composed.Shown && titleBuffer.Width() == W && titleBuffer.Height() == bufferHeight) {
    BitBlt(dc, 0, 0, W, bufferHeight, titleBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (titleBuffer.Width() != W || titleBuffer.Height() != bufferHeight) titleBuffer.SetSize(W, bufferHeight);
  HDC buffer = titleBuffer.Canvas().Handle();
  if (WindowState == wsMinimized) {
    titleBuffer.Canvas().BrushColor = SkinData->SkinColours[3];
    titleBuffer.Canvas().FillRect({0, 0, W, H});
    title = {0, 0, W, BorderTop};
  } else {
    // The corners are the side pieces' tops (the buffer clips the rest).
    PaintBorderPiece(bpLeft, {0, 0, BorderLeft, H}, buffer);
    PaintBorderPiece(bpRight, {W - BorderRight, 0, W, H}, buffer);
    title = {BorderLeft, 0, W - BorderRight, BorderTop};
  }
  PaintBorderPiece(bpTop, title, buffer);
  PaintCaptionText(titleBuffer.Canvas(), title, key.Text);
  LayoutCaptionButtons();
  PaintCaptionButtons(buffer);
  BitBlt(dc, 0, 0, W, bufferHeight, buffer, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
  composed.Shown = std::move(key);
}

std::wstring TWinSkinForm::CaptionText() const {
  std::wstring text;
  if (UnicodeWindow) {
    text.resize(size_t(GetWindowTextLengthW(Handle)) + 1);
    text.resize(size_t(std::max(0, GetWindowTextW(Handle, text.data(), int(text.size())))));
  } else {
    char buffer[1001] = {};
    LRESULT n = SendMessageA(Handle, WM_GETTEXT, 1000, LPARAM(buffer));
    text = AnsiToWide(std::string(buffer, size_t(std::max<LRESULT>(0, std::min<LRESULT>(n, 1000)))));
  }
  return CaptionPrefix + text + CaptionSuffix;
}

void TWinSkinForm::PaintCaptionText(TCanvas& canvas, const RECT& T, const std::wstring& text) {
  HDC dc = canvas.Handle();
  const TDataSkinTitle& title = *SkinData->Title;

  int reserve = 0;
  for (auto& b : CaptionButtons)
    if (b->Element->Align == baRight && b->HasPicture() && b->Visible) reserve = std::max(reserve, b->Element->Xcoord);

  TSelectObject font(dc, CaptionFont.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Active ? SkinData->SkinColours[1] : SkinData->SkinColours[2]));

  RECT B = T;
  DrawTextWide(dc, text, &B, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  const int textHeight = B.bottom - B.top;
  const int w = (B.right - B.left) + title.TXTBackleft + title.TXTBackRight;
  B = {T.left, T.top, T.left + w, T.top + textHeight};
  const int TL = T.left, TR = T.right;
  int dx = 0;
  if (!RightToLeft) {
    if (title.TextAlignment == taStart) dx = title.LeftWidth;
    else if (title.TextAlignment == taCentre) dx = (TR - TL - w) / 2;
    else if (title.TextAlignment == taEnd) dx = TR - title.RightWidth - TL - w;
  } else {
    if (title.TextAlignment == taStart) dx = TR - reserve - TL - w;
    else if (title.TextAlignment == taCentre) dx = (TR - reserve - TL - w) / 2;
    else if (title.TextAlignment == taEnd) dx = title.LeftWidth;
  }
  const int dy = ((T.bottom - T.top) - textHeight) / 2 + title.TopHeight / 2;
  OffsetRect(&B, dx, dy);
  if (RightToLeft && dx < 1) B.left = title.LeftWidth;
  if (RightToLeft) {
    OffsetRect(&B, 10, 0);
  } else if (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_POPUP) {
    if (reserve > 5) B.right = std::min<LONG>(B.right, TR - reserve - 5);
  } else {
    B.right = std::min<LONG>(B.right, TR - title.RightWidth);
  }
  // Dialogs have no icon.
  if (BorderKind == bkDialog && title.TextAlignment == taStart) B.left -= kDialogIconRoom;
  TitleTextArea = B;

  if (HasImage(&title))
    DrawThreeSliceTiled(canvas, {B.left, T.top, B.right, T.bottom}, *title.Image,
                        {title.TXTBackleft, 0, title.TXTBackRight, 0}, true, true, 2, Active ? 1 : 2);
  B.left += title.TXTBackleft;
  B.right -= title.TXTBackRight;
  const UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  DrawTextWide(dc, text, &B, RightToLeft ? format | DT_RIGHT | DT_RTLREADING : format);
  TextRect = B;
  SetBkMode(dc, oldMode);
}

void TWinSkinForm::LayoutCaptionButtons() {
  const int W = PaintSize.cx;
  for (size_t i = 0; i < CaptionButtons.size(); ++i) {
    TWinSysButton& b = *CaptionButtons[i];
    IsButtonVisible(int(i));
    if (!b.Visible || !b.HasPicture()) continue;
    const TDataSkinSysButton& e = *b.Element;
    const int bw = b.Picture()->Width() / b.Frames(), bh = b.Picture()->Height();
    POINT at{0, 0};
    switch (e.Align) {
      case baLeft: at = {e.Xcoord, e.Ycoord}; break;
      case baRight: at = {W - e.Xcoord, e.Ycoord}; break;
      case baBeforeText: case baBeforeTextToo: at = {TitleTextArea.left - bw - e.Xcoord, e.Ycoord}; break;
      case baAfterText: case baAfterTextToo: at = {TitleTextArea.right + e.Xcoord, e.Ycoord}; break;
      case baMDIMenuBar: {
        const TDataSkinObject* bar = SkinData->MenuBarElement.get();
        at = {W - e.Xcoord - BorderRight - (HasImage(bar) ? bar->LeftWidth : 0), BorderTop + (MenuBarHeight - bh) / 2};
        break;
      }
      default: break;
    }
    b.Bounds = {at.x, at.y, at.x + bw, at.y + bh};
  }
}

void TWinSkinForm::PaintCaptionButtons(HDC dc) {
  for (auto& bp : CaptionButtons) {
    TWinSysButton& b = *bp;
    if (!b.Visible || !b.HasPicture() || b.Element->Align == baMDIMenuBar) continue;
    if (b.IsIcon()) {
      PaintCaptionIcon(dc, b.Bounds);
      continue;
    }
    const int frame = b.Frames() < nsDisabled || (Active && b.Enabled) ? nsNormal : nsDisabled;
    DrawFrameStretched(dc, b.Bounds, *b.Picture(), true, b.Frames(), frame);
  }
}

HICON TWinSkinForm::TitleIcon() const {
  HWND app = Application ? Application->Handle() : nullptr;
  HICON icon = app ? HICON(SendMessageW(app, WM_GETICON, ICON_SMALL, 0)) : nullptr;
  if (!icon && app) icon = HICON(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  return icon;
}

void TWinSkinForm::PaintCaptionIcon(HDC dc, const RECT& bounds) {
  // Scaling from the resource is costly: the skin component keeps the copy.
  if (const HICON copy = SkinData->ScaledIcon(TitleIcon(), SmallIconSize, SmallIconSize)) {
    const int y = (TextRect.top + TextRect.bottom) / 2 - SmallIconSize / 2;
    DrawIconEx(dc, 8, y, copy, SmallIconSize, SmallIconSize, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!IconBitmap.Empty()) DrawTransparent(dc, bounds, IconBitmap, kSkinKeyColour);
}

void TWinSkinForm::UpdateRegion(bool redraw) {
  if (State == skGone || !FrameSkinned) return;
  RECT wr{};
  GetWindowRect(Handle, &wr);
  const int W = wr.right - wr.left, H = wr.bottom - wr.top;
  if (W <= 0 || H <= 0 || (FormKind == fkMDIChild && WindowState != wsNormal)) return;
  if (W == RegionSize.cx && H == RegionSize.cy && FormKind != fkMDIChild && State != skReskinning) return;
  const TSkinData& s = *SkinData;
  auto trans = [](const std::unique_ptr<TDataSkinBorder>& e) { return e ? e->Trans : 0; };
  if (!trans(s.FrameSideLeft) && !trans(s.FrameSideRight) && !trans(s.FrameSideTop) && !trans(s.FrameSideBottom)) {
    TRegionHandle whole(CreateRectRgn(0, 0, W, H));
    // The window owns the region once it is given: it is never deleted here.
    if (SetWindowRgn(Handle, whole.Get(), redraw)) {
      whole.Release();
      RegionOwned = true;
    }
    return;
  }
  RegionSize = {W, H};
  TRegionHandle region(CreateRectRgn(BorderLeft, BorderTop, W - BorderRight, H - BorderBottom));
  if (BorderKind != bkNoCaption) {
    TBitmap scratch;
    auto shaped = [&](TBorderPiece index, int w, int h, int x, int y) {
      scratch.SetSize(w, h);
      scratch.Canvas().BrushColor = kSkinKeyColour;
      scratch.Canvas().FillRect({0, 0, w, h});
      PaintBorderPiece(index, {0, 0, w, h}, scratch.Canvas().Handle());
      return RegionFromBitmap(scratch, x, y, kSkinKeyColour, 1, 1, 1);
    };
    TRegionHandle left = s.FrameSideLeft && s.FrameSideLeft->Trans == 1 && H > 1 && BorderLeft > 0
                             ? shaped(bpLeft, BorderLeft, H, 0, 0)
                             : TRegionHandle(CreateRectRgn(0, 0, BorderLeft, H));
    TRegionHandle right = s.FrameSideRight && s.FrameSideRight->Trans == 1 && H > 1 && BorderRight > 0
                              ? shaped(bpRight, BorderRight, H, W - BorderRight, 0)
                              : TRegionHandle(CreateRectRgn(W - BorderRight, 0, W, H));
    const int midWidth = W - BorderLeft - BorderRight;
    TRegionHandle bottom = s.FrameSideBottom && s.FrameSideBottom->Trans == 1 && BorderBottom >= 2 && midWidth > 0
                               ? shaped(bpBottom, midWidth, BorderBottom, BorderLeft, H - BorderBottom)
                               : TRegionHandle(CreateRectRgn(BorderLeft, H - BorderBottom, W - BorderRight, H));
    TRegionHandle top = s.FrameSideTop && s.FrameSideTop->Trans == 1 && BorderTop > 1 && midWidth > 0
                            ? shaped(bpTop, midWidth, BorderTop, BorderLeft, 0)
                            : TRegionHandle(CreateRectRgn(BorderLeft, 0, W - BorderRight, BorderTop));
    HRGN parts[] = {left.Get(), right.Get(), top.Get(), bottom.Get()};
    for (HRGN part : parts)
      if (part) CombineRgn(region.Get(), region.Get(), part, RGN_OR);
  }
  if (SetWindowRgn(Handle, region.Get(), redraw)) {
    region.Release();
    RegionOwned = true;
  }
}

void TWinSkinForm::ClearRegion() {
  if (!RegionOwned) return;
  // The system frees the region it owned.
  SetWindowRgn(Handle, nullptr, FormKind == fkMDIChild);
  RegionOwned = false;
  RegionSize = {};
}
