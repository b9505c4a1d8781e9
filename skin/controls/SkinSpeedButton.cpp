#include "skin/controls/SkinSpeedButton.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinSpeedButton, TSkinBitButton, {})

namespace {
bool IsFalse(const std::wstring& value) { return _wcsicmp(value.c_str(), L"false") == 0; }

// Sets a flag for one scope, also when painting throws.
class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
};
}  // namespace

TSkinSpeedButton::TSkinSpeedButton(TComponent* AOwner) : TSkinBitButton(AOwner) {}

TGraphicControl* TSkinSpeedButton::Button() const { return dynamic_cast<TGraphicControl*>(FGraphicControl); }

void TSkinSpeedButton::AttachSpeedButton(TSkinnerHost* Form, TSkinData* SkinData, TCanvas* Canvas) {
  if (FAttached) return;
  auto* button = dynamic_cast<TGraphicControl*>(Owner());
  if (!button) return;  // only a windowless button paints through its canvas
  FSkinData = SkinData;
  FCanvas = Canvas;
  FForm = Form;
  FGraphicControl = button;
  LinkControl(*button);
  ReadTransparent(*button);
  FAttached = true;
  FStatus = ssAttached;
  button->Invalidate();
}

int TSkinSpeedButton::FrameFor(bool pressed, bool hot, bool enabled, bool down) {
  if (down) return bfPressed;
  if (!enabled) return bfDisabled;
  return pressed ? bfPressed : hot ? bfHot : bfNormal;
}

int TSkinSpeedButton::GlyphImageFor(int frame, bool down) {
  return down ? giImageDown : TSkinBitButton::GlyphImageFor(frame);
}

bool TSkinSpeedButton::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (Message.WParam) PaintWindow(HDC(Message.WParam));
      Message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button takes its own press first.
      CallDefault(Message);
      SetMouseBit(msPressed, true);
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      return true;  // the button clicks itself
    default:
      return TSkinBitButton::BeforeMessage(Message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case WM_NCDESTROY:
    case CM_RELEASE:
      UnlinkControl();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) {
        SetMouseBit(msPressed, Message.Msg == WM_KEYDOWN);
        PaintWindow(nullptr);
      }
      break;
    case WM_LBUTTONUP:
      SetMouseBit(msPressed, false);
      PaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
      SetMouseBit(msHot, true);
      PaintWindow(nullptr);
      break;
    case CM_MOUSELEAVE:
      // Leaving while pressed cancels the press.
      FMouseState = 0;
      if (FGraphicControl && FGraphicControl->GetVisible()) PaintWindow(nullptr);
      break;
    default:
      TSkinBitButton::AfterMessage(Message);
      break;
  }
}

void TSkinSpeedButton::PaintWindow(HDC DC) {
  TGraphicControl* button = Button();
  if (!button) return;
  TControlCanvasLock lock(*button, DC);
  if (lock.HasDC()) Paint(lock.Canvas());
}

void TSkinSpeedButton::Paint(TCanvas& Target) {
  TGraphicControl* button = Button();
  if (FPainting || !button || !Element() || IsFalse(ReadEnumProp(button, "Visible"))) return;
  TFlagScope painting(FPainting);
  const int W = button->GetWidth(), H = button->GetHeight();
  if (W < 1 || H < 1) return;
  Compose(*button, W, H);
  if (!FBuffer.Empty()) BitBlt(Target.Handle(), 0, 0, W, H, FBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinSpeedButton::Compose(TControl& button, int W, int H) {
  const bool enabled = IsTrue(ReadEnumProp(&button, "Enabled")), down = IsTrue(ReadEnumProp(&button, "Down"));
  const int frame = FrameFor(Pressed(), Hot(), enabled, down);
  FText = ReadTextProp(&button, "Caption");
  const TGlyphProps props = ReadGlyphProps(&button);
  const bool flat = IsTrue(ReadEnumProp(&button, "Flat"));
  // A buffer that cannot be made gives up this paint.
  PrepareBuffer({0, 0, W, H});
  if (FBuffer.Empty()) return;
  TCanvas& canvas = FBuffer.Canvas();
  const HDC buffer = canvas.Handle();
  TSelectObject font(buffer, props.Font ? props.Font->Handle() : nullptr);
  if (frame == bfPressed || frame == bfHot || !flat) DrawElement(buffer, {0, 0, W, H}, kButtonFrames, frame, *Element());

  TGraphic* graphic = FGlyphProperty.empty() ? nullptr : ReadGraphicProp(&button, FGlyphProperty);
  const SIZE glyph = !FGlyphProperty.empty() ? (graphic ? SIZE{graphic->Width(), graphic->Height()} : SIZE{0, 0})
                     : props.Glyph           ? props.GlyphSize()
                                             : SIZE{0, 0};
  const TColor start = props.Font ? props.Font->GetColor() : clBtnText;
  if (glyph.cx * glyph.cy == 0) {
    SetTextColor(buffer, ColorToRGB(TextColour(frame, start, ncEveryFrame, enabled)));
    DrawButtonCaption(buffer, {0, 0, W, H}, DT_CENTER);
    return;
  }
  const TGlyphLayout layout = CalcGlyphLayout(
      {W, H, glyph, props.Margin, props.Spacing, props.Place, false, lrSpeedButton}, MeasureCaption(buffer, FText));
  if (graphic)
    graphic->Draw(canvas, layout.Glyph.x, layout.Glyph.y);
  else
    DrawGlyph(canvas, layout.Glyph, props.NumGlyphs, GlyphImageFor(frame, down), *props.Glyph);
  SetTextColor(buffer, ColorToRGB(TextColour(frame, start, ncNormalFrameOnly, enabled)));
  const int mode = SetBkMode(buffer, TRANSPARENT);
  RECT caption = layout.Caption;
  DrawTextW(buffer, FText.c_str(), int(FText.size()), &caption, BiDiTextFlags(*this, layout.Flags));
  SetBkMode(buffer, mode);
}
