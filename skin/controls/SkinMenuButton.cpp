#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinMenuButton, TSkinButton, {})

namespace {
constexpr SIZE kArrow{8, 3};

// Glyph, caption and arrow from left to right.
struct TMenuButtonLayout {
  POINT Glyph;
  RECT Caption;
  POINT Arrow;  // the arrow's centre
};

TMenuButtonLayout LayOut(int W, int H, SIZE G, SIZE T, int margin, int spacing) {
  if (margin == -1 && spacing == -1) {
    margin = (W - (G.cx + T.cx + kArrow.cx)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (W - (G.cx + 2 * spacing + T.cx + kArrow.cx)) / 2;
  } else if (spacing == -1) {
    spacing = ((W - 2 * margin - G.cx + kArrow.cx) - T.cx) / 2;
  }
  TMenuButtonLayout out;
  out.Glyph = {margin, (H - G.cy) / 2};
  const int x = margin + G.cx + spacing, y = (H - T.cy + 1) / 2;
  out.Caption = {x, y, x + T.cx, y + T.cy};
  out.Arrow = {x + 2 * spacing + T.cx, (H - kArrow.cy) / 2};
  return out;
}

void DrawArrow(HDC dc, POINT centre, TColor colour) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(colour)));
  TSelectObject selectedBrush(dc, brush.Get()), selectedPen(dc, pen.Get());
  const POINT corners[3] = {{centre.x, centre.y + 2}, {centre.x - 3, centre.y - 1}, {centre.x + 3, centre.y - 1}};
  Polygon(dc, corners, 3);
}
}  // namespace

int TSkinMenuButton::FrameFor(bool pressed, bool hot, bool focused, bool enabled) {
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  return focused || hot ? bfHot : bfNormal;
}

void TSkinMenuButton::PaintControl(HDC DC, const RECT& Rect) {
  if (!Element()) return;
  ReadState(false);
  const int frame = FrameFor(Pressed(), Hot(), FFocused, FEnabled);
  PrepareBuffer(Rect);
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  const int W = FBuffer.Width(), H = FBuffer.Height();
  TSelectObject windowFont(buffer, HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
  const TGlyphProps props = ReadGlyphProps(FControl);
  TSelectObject font(buffer, props.Font ? props.Font->Handle() : nullptr);
  DrawElement(buffer, {0, 0, W, H}, kButtonFrames, frame, *Element());

  // The whole glyph is one image.
  const SIZE G = props.Glyph ? SIZE{props.Glyph->Width(), props.Glyph->Height()} : SIZE{0, 0};
  FText = ReplaceFirst(FText, L"||", L"\r\n");
  RECT box{0, 0, W - G.cx - kArrow.cx, H};
  InflateRect(&box, -2, -2);
  const SIZE T = MeasureCaption(buffer, FText)(box);
  const TMenuButtonLayout layout = LayOut(W, H, G, T, props.Margin, props.Spacing);
  if (props.Glyph) DrawGlyph(FBuffer.Canvas(), layout.Glyph, 1, giImageUp, *props.Glyph);

  const TColor start = props.Font ? props.Font->GetColor() : clBtnText;
  SetTextColor(buffer, ColorToRGB(TextColour(frame, start, ncNormalFrameOnly, FEnabled)));
  DrawArrow(buffer, layout.Arrow, FEnabled ? clWindowText : clBtnShadow);
  const int mode = SetBkMode(buffer, TRANSPARENT);
  RECT caption = layout.Caption;
  DrawTextW(buffer, FText.c_str(), int(FText.size()), &caption, DT_WORDBREAK);
  SetBkMode(buffer, mode);
  DrawCaptionFocus(buffer, layout.Caption);
  BitBlt(DC, Rect.left, Rect.top, W, H, buffer, 0, 0, SRCCOPY);
}
