#include "host/Buttons.h"
#include <windowsx.h>

namespace {
// The glyph's published rows, the same for each kind of button.
template <class C>
std::vector<TPropInfo> WithGlyphProps(std::vector<TPropInfo> rows) {
  auto glyph = [](TPersistent& o) -> TButtonGlyph& { return static_cast<C&>(o).ButtonGlyph(); };
  auto changed = [](TPersistent& o) { static_cast<C&>(o).Invalidate(); };
  rows.push_back({"Glyph", [glyph](TPersistent& o) { return TValue::Obj(&glyph(o).Glyph); }, {}});
  rows.push_back({"NumGlyphs", [glyph](TPersistent& o) { return TValue::Integer(glyph(o).NumGlyphs); },
                  [glyph, changed](TPersistent& o, const TValue& v) {
                    glyph(o).NumGlyphs = v.Int < 1 ? 1 : v.Int > 4 ? 4 : int(v.Int);
                    changed(o);
                  }});
  rows.push_back({"Margin", [glyph](TPersistent& o) { return TValue::Integer(glyph(o).Margin); },
                  [glyph, changed](TPersistent& o, const TValue& v) {
                    glyph(o).Margin = int(v.Int);
                    changed(o);
                  }});
  rows.push_back({"Spacing", [glyph](TPersistent& o) { return TValue::Integer(glyph(o).Spacing); },
                  [glyph, changed](TPersistent& o, const TValue& v) {
                    glyph(o).Spacing = int(v.Int);
                    changed(o);
                  }});
  static const std::vector<std::wstring> layouts{L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"};
  rows.push_back({"Layout", [glyph](TPersistent& o) { return TValue::Ident(layouts.at(size_t(glyph(o).Layout))); },
                  [glyph, changed](TPersistent& o, const TValue& v) {
                    for (size_t i = 0; i < layouts.size(); ++i)
                      if (_wcsicmp(layouts[i].c_str(), v.Str.c_str()) == 0) glyph(o).Layout = TButtonLayout(i);
                    changed(o);
                  }});
  return rows;
}

bool IsGlyphData(const std::string& name) { return _stricmp(name.c_str(), "Glyph.Data") == 0; }

SIZE CaptionSize(HDC dc, const std::wstring& caption) {
  RECT t{0, 0, 0, 0};
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), int(caption.size()), &t, DT_CALCRECT | DT_SINGLELINE);
  return {t.right, t.bottom};
}
}  // namespace

// ---- TButtonGlyph ----

void TButtonGlyph::Draw(TCanvas& canvas, const RECT& r, const std::wstring& caption, TGlyphImage image, bool enabled,
                        int offset) const {
  const HDC dc = canvas.Handle();
  TSelectObject font(dc, canvas.Font().Handle());
  std::unique_ptr<TBitmap> picture = Glyph.Empty() ? nullptr : CutImage(Glyph, NumGlyphs, image);
  const SIZE g = picture ? SIZE{picture->Width(), picture->Height()} : SIZE{0, 0};
  const SIZE t = CaptionSize(dc, caption);
  const bool across = Layout == blGlyphLeft || Layout == blGlyphRight;
  const int gap = g.cx && t.cx ? (Spacing < 0 ? 4 : Spacing) : 0;
  const int w = r.right - r.left, h = r.bottom - r.top;
  // Along the layout: from the glyph's edge; across it: centred.
  const int room = across ? w : h, glyphLength = across ? g.cx : g.cy, textLength = across ? t.cx : t.cy;
  const int margin = Margin < 0 ? (room - glyphLength - gap - textLength) / 2 : Margin;
  const bool glyphFirst = Layout == blGlyphLeft || Layout == blGlyphTop;
  const int glyphAt = glyphFirst ? margin : room - margin - glyphLength;
  const int textAt = glyphFirst ? margin + glyphLength + gap : glyphAt - gap - textLength;
  POINT gp = across ? POINT{glyphAt, (h - g.cy) / 2} : POINT{(w - g.cx) / 2, glyphAt};
  POINT tp = across ? POINT{textAt, (h - t.cy) / 2} : POINT{(w - t.cx) / 2, textAt};
  const int dx = r.left + offset, dy = r.top + offset;
  if (picture) {
    picture->SetAutoTransparent();
    canvas.Draw(gp.x + dx, gp.y + dy, *picture);
  }
  if (caption.empty()) return;
  RECT text{tp.x + dx, tp.y + dy, tp.x + dx + t.cx, tp.y + dy + t.cy};
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF colour = SetTextColor(dc, ColorToRGB(enabled ? canvas.Font().GetColor() : clBtnShadow));
  DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE);
  SetTextColor(dc, colour);
  SetBkMode(dc, mode);
}

bool TButtonGlyph::ReadData(const std::vector<uint8_t>& data) {
  constexpr size_t kLength = 4;
  return data.size() > kLength && Glyph.LoadFromBuffer(data.data() + kLength, data.size() - kLength);
}

// ---- TBitBtn ----

DEFINE_COMPONENT_INFO(TBitBtn, TButton, (WithGlyphProps<TBitBtn>({
  TPropInfo{"Images", [](TPersistent& o) { return TValue::Obj(static_cast<TBitBtn&>(o).GetImages()); }, {}},
  IntProp("ImageIndex", &TBitBtn::GetImageIndex, &TBitBtn::SetImageIndex),
  IntProp("DisabledIndex", &TBitBtn::GetDisabledIndex, &TBitBtn::SetDisabledIndex)})))

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

bool TBitBtn::ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) {
  return IsGlyphData(name) ? FGlyph.ReadData(data) : TButton::ReadBinaryProperty(name, data);
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  // The parent hands the painting back (CN_DRAWITEM).
  p.Style = (p.Style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED, focused = item.itemState & ODS_FOCUS;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  if (FDefault || focused) {
    TBrushHandle black(CreateSolidBrush(0));
    FrameRect(item.hDC, &r, black.Get());
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  TCanvas canvas(item.hDC);
  canvas.Font().Assign(EffectiveFont());
  const int offset = pushed ? 1 : 0;
  if (FGlyph.Glyph.Empty() && FImages && FImageIndex >= 0) {
    const int index = !enabled && FDisabledIndex >= 0 ? FDisabledIndex : FImageIndex;
    FImages->Draw(item.hDC, r.left + 4 + offset, (r.top + r.bottom - FImages->Height()) / 2 + offset, index,
                  enabled || FDisabledIndex >= 0);
  }
  FGlyph.Draw(canvas, r, GetText(), !enabled ? giDisabled : pushed ? giDown : giUp, enabled, offset);
  if (focused) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(item.hDC, &r);
  }
}

// ---- TSpeedButton ----

DEFINE_COMPONENT_INFO(TSpeedButton, TGraphicControl, (WithGlyphProps<TSpeedButton>({
  BoolProp("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat),
  BoolProp("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown),
  IntProp("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex),
  BoolProp("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp),
  BoolProp("Transparent", &TSpeedButton::GetTransparent, &TSpeedButton::SetTransparent)})))

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 23, 22); }

bool TSpeedButton::ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) {
  return IsGlyphData(name) ? FGlyph.ReadData(data) : TGraphicControl::ReadBinaryProperty(name, data);
}

void TSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown || (FDown && !FAllowAllUp)) return;
  FDown = v;
  FState = v ? bsExclusive : bsUp;
  if (v) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (!FParent || FGroupIndex == 0) return;
  for (TControl* c : FParent->Controls()) {
    auto* other = dynamic_cast<TSpeedButton*>(c);
    if (!other || other == this || other->FGroupIndex != FGroupIndex || !other->FDown) continue;
    other->FDown = false;
    other->FState = bsUp;
    other->Invalidate();
  }
}

bool TSpeedButton::Inside(LPARAM point) const {
  const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
  return x >= 0 && y >= 0 && x < FWidth && y < FHeight;
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TGraphicControl::WndProc(m);
      if (!FEnabled) return;
      if (!FDown) {
        FState = bsDown;
        Invalidate();
      }
      FDragging = true;
      return;
    case WM_MOUSEMOVE:
      TGraphicControl::WndProc(m);
      MouseMoved(m.LParam);
      return;
    case WM_LBUTTONUP:
      TGraphicControl::WndProc(m);
      MouseReleased(m.LParam);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FMouseInControl = m.Msg == CM_MOUSEENTER;
      if (FFlat) Invalidate();
      return;
    default:
      TGraphicControl::WndProc(m);
      return;
  }
}

void TSpeedButton::MouseMoved(LPARAM point) {
  if (!FDragging) return;
  const TState state = Inside(point) && !FDown ? bsDown : FDown ? bsExclusive : bsUp;
  if (state == FState) return;
  FState = state;
  Invalidate();
}

void TSpeedButton::MouseReleased(LPARAM point) {
  if (!FDragging) return;
  FDragging = false;
  const bool click = Inside(point);
  if (FGroupIndex == 0 || !click) {
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  } else {
    SetDown(!FDown);
  }
  if (click) Click();
}

void TSpeedButton::Paint(TCanvas& canvas) {
  const HDC dc = canvas.Handle();
  RECT r{0, 0, FWidth, FHeight};
  if (!FEnabled)
    FState = bsDisabled;
  else if (FState == bsDisabled)
    FState = FDown ? bsExclusive : bsUp;
  const bool pushed = FState == bsDown || FState == bsExclusive;
  if (!FFlat) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  } else {
    if (!FTransparent || pushed) {
      canvas.BrushColor = clBtnFace;
      canvas.FillRect(r);
    }
    if (pushed || (FMouseInControl && FEnabled)) DrawEdge(dc, &r, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  canvas.Font().Assign(EffectiveFont());
  const TGlyphImage image = FState == bsDisabled ? giDisabled
                            : FState == bsDown   ? giDown
                            : FState == bsExclusive ? giExclusive
                                                    : giUp;
  FGlyph.Draw(canvas, r, FText, image, FEnabled, pushed ? 1 : 0);
}
