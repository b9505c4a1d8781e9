#include "gallery/GalleryStandIns.h"
#include "host/CheckButtons.h"
#include <array>
#include <windowsx.h>

DEFINE_CLASS_INFO(TGlyphToggle, TWinControl,
  {BoolProp("Checked", &TGlyphToggle::GetChecked, &TGlyphToggle::SetChecked)})
DEFINE_CLASS_INFO(TCustomGlyphToggle, TGlyphToggle,
  {ObjProp("CustomGlyphs", &TCustomGlyphToggle::GetCustomGlyphs),
   BoolProp("UseCustomGlyphs", &TCustomGlyphToggle::GetUseCustomGlyphs, &TCustomGlyphToggle::SetUseCustomGlyphs),
   IntProp("TransparentColor", &TCustomGlyphToggle::GetTransparentColor, &TCustomGlyphToggle::SetTransparentColor)})
DEFINE_COMPONENT_INFO(TRzCheckBox, TCustomGlyphToggle, {})
DEFINE_COMPONENT_INFO(TRzRadioButton, TCustomGlyphToggle, {})
DEFINE_CLASS_INFO(TcxCheckBoxProperties, TPersistent, {ObjProp("Glyph", &TcxCheckBoxProperties::GetGlyph)})
DEFINE_COMPONENT_INFO(TcxCheckBox, TGlyphToggle, {ObjProp("Properties", &TcxCheckBox::GetProperties)})
DEFINE_COMPONENT_INFO(TRzCheckGroup, TGroupBox, {})
DEFINE_COMPONENT_INFO(TRzRadioGroup, TGroupBox, {})
DEFINE_COMPONENT_INFO(TPngBitBtn, TBitBtn, {ObjProp("PngImage", &TPngBitBtn::GetPngImage)})
DEFINE_COMPONENT_INFO(TcxButton, TButton,
  {EnumProp("Kind", &TcxButton::GetKind, &TcxButton::SetKind,
            {L"cxbkStandard", L"cxbkDropDown", L"cxbkDropDownButton"})})
DEFINE_COMPONENT_INFO(TRzMenuButton, TButton, {})
DEFINE_COMPONENT_INFO(TOwnLookButton, TButton, {})
DEFINE_COMPONENT_INFO(TAdvPageControl, TPageControl, {})
DEFINE_COMPONENT_INFO(TDBNavigator, TCustomPanel, {})
DEFINE_COMPONENT_INFO(TDCEdit, TWinControl,
  {IntProp("NumButtons", &TDCEdit::GetNumButtons, &TDCEdit::SetNumButtons)})
DEFINE_COMPONENT_INFO(TEmbeddedForm, TCustomForm, {})
DEFINE_COMPONENT_INFO(TMenuBarStrip, TWinControl, {ObjProp("Menu", &TMenuBarStrip::GetMenu)})

void RegisterStandInClasses() {
  for (const TClassInfo* c :
       {&TRzCheckBox::StaticClass(), &TRzRadioButton::StaticClass(), &TcxCheckBox::StaticClass(),
        &TRzCheckGroup::StaticClass(), &TRzRadioGroup::StaticClass(), &TPngBitBtn::StaticClass(),
        &TcxButton::StaticClass(), &TRzMenuButton::StaticClass(), &TOwnLookButton::StaticClass(),
        &TAdvPageControl::StaticClass(), &TDBNavigator::StaticClass(), &TDCEdit::StaticClass(),
        &TEmbeddedForm::StaticClass(), &TMenuBarStrip::StaticClass()})
    RegisterComponentClass(*c);
}

// ---- TGlyphToggle ----

namespace {
constexpr int kBoxSize = 13, kBoxGap = 4;

// Frame i of a strip of frames side by side, its key colour left out.
void DrawFrame(TCanvas& canvas, TBitmap& strip, int frames, int frame, int x, int y, TColor key) {
  const int width = strip.Width() / frames, height = strip.Height();
  TBitmap one(width, height);
  BitBlt(one.Canvas().Handle(), 0, 0, width, height, strip.Canvas().Handle(), frame * width, 0, SRCCOPY);
  canvas.DrawKeyed({x, y, x + width, y + height}, one, key);
}
}  // namespace

TGlyphToggle::TGlyphToggle(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FClickOnMouseUp = true;
}

void TGlyphToggle::SetChecked(bool v) {
  if (FChecked == v) return;
  FChecked = v;
  Invalidate();
  if (!v || !IsRadio() || !FParent) return;
  for (TControl* c : FParent->Controls())
    if (c != this && c->ClassType().InheritsFrom(ClassType())) static_cast<TGlyphToggle*>(c)->SetChecked(false);
}

void TGlyphToggle::Click() {
  SetChecked(IsRadio() || !FChecked);
  TWinControl::Click();
}

int TGlyphToggle::GlyphFrame() const { return FrameOf(FChecked, FPressed, FEnabled); }

void TGlyphToggle::SetPressed(bool v) {
  if (FPressed == v) return;
  FPressed = v;
  Invalidate();
}

void TGlyphToggle::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;  // painted whole in PaintWindow
      return;
    case WM_LBUTTONDOWN:
      SetPressed(true);
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      SetPressed(false);
      break;
  }
  TWinControl::WndProc(m);
}

// The parent's background shows around the box and the caption, as that set
// draws them: the parent erases into this control's DC at its own origin.
void TGlyphToggle::PaintBackground(HDC dc) {
  if (!FParent || !FParent->HandleAllocated()) return;
  POINT origin;
  OffsetViewportOrgEx(dc, -FLeft, -FTop, &origin);
  SendMessageW(FParent->Handle(), WM_ERASEBKGND, WPARAM(dc), 0);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void TGlyphToggle::PaintWindow(HDC dc) {
  const RECT r = ClientRect();
  TCanvas canvas(dc);
  canvas.BrushColor = FParent ? FParent->GetColor() : FColor;
  canvas.FillRect(r);
  PaintBackground(dc);
  const int top = (r.bottom - kBoxSize) / 2;
  int textLeft = kBoxSize + kBoxGap;
  if (TBitmap* strip = Strip(); strip && !strip->Empty()) {
    DrawFrame(canvas, *strip, StripFrames(), GlyphFrame(), 0, (r.bottom - strip->Height()) / 2, StripKey());
    textLeft = strip->Width() / StripFrames() + kBoxGap;
  } else {
    RECT box{0, top, kBoxSize, top + kBoxSize};
    const UINT kind = IsRadio() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     kind | (FChecked ? DFCS_CHECKED : 0) | (FPressed ? DFCS_PUSHED : 0) | (FEnabled ? 0 : DFCS_INACTIVE));
  }
  canvas.Font().Assign(EffectiveFont());
  if (!FEnabled) canvas.Font().SetColor(clSystemColor | COLOR_GRAYTEXT);
  canvas.TextRect({textLeft, 0, r.right, r.bottom}, FText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

// ---- the strips' owners ----

void TCustomGlyphToggle::SetUseCustomGlyphs(bool v) {
  FUseCustomGlyphs = v;
  Invalidate();
}

void TCustomGlyphToggle::SetTransparentColor(int v) {
  FKey = TColor(v);
  Invalidate();
}

TBitmap* TCustomGlyphToggle::Strip() { return FUseCustomGlyphs ? &FGlyphs : nullptr; }

int TRzCheckBox::FrameOf(bool checked, bool pressed, bool enabled) const {
  return (checked ? 1 : 0) + (!enabled ? 6 : pressed ? 3 : 0);
}

int TRzRadioButton::FrameOf(bool checked, bool pressed, bool enabled) const {
  return (checked ? 1 : 0) + (!enabled ? 4 : pressed ? 2 : 0);
}

TBitmap* TcxCheckBox::Strip() { return FProperties.GetGlyph(); }

int TcxCheckBox::FrameOf(bool checked, bool pressed, bool) const { return (checked ? 1 : 0) + (pressed ? 3 : 0); }

// ---- TDBNavigator ----

TDBNavigator::TDBNavigator(TComponent* AOwner) : TCustomPanel(AOwner) {
  SetBevelOuter(bvNone);
  static const std::array<const wchar_t*, 6> kCaptions = {L"|<", L"<", L">", L">|", L"+", L"-"};
  for (const wchar_t* caption : kCaptions) {
    auto* button = new TSpeedButton(this);
    button->SetText(caption);
    button->SetParent(this);
    FButtons.push_back(button);
  }
}

void TDBNavigator::SetBounds(int left, int top, int width, int height) {
  TCustomPanel::SetBounds(left, top, width, height);
  const int count = int(FButtons.size());
  for (int i = 0; i < count; ++i) {
    const int x = width * i / count;
    FButtons[i]->SetBounds(x, 0, width * (i + 1) / count - x, height);
  }
}

// ---- TDCEdit ----

TDCEdit::TDCEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TDCEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | ES_LEFT;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- TEmbeddedForm ----

TEmbeddedForm::TEmbeddedForm(TComponent* AOwner) : TCustomForm(AOwner) {
  auto* label = new TLabel(this);
  label->SetText(L"Name:");
  label->SetBounds(8, 12, 40, 16);
  label->SetParent(this);
  auto* edit = new TEdit(this);
  edit->SetName(L"EmbeddedName");
  edit->SetText(L"A form inside a form");
  edit->SetBounds(52, 8, 130, 22);
  edit->SetParent(this);
  auto* check = new TCheckBox(this);
  check->SetName(L"EmbeddedRemember");
  check->SetText(L"Remember");
  check->SetBounds(8, 38, 100, 20);
  check->SetParent(this);
  auto* button = new TButton(this);
  button->SetName(L"EmbeddedApply");
  button->SetText(L"Apply");
  button->SetBounds(107, 36, 75, 24);
  button->SetParent(this);
}

void TEmbeddedForm::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  canvas.BrushColor = FColor;
  canvas.FillRect(ClientRect());
}

// ---- TMenuBarStrip ----

namespace {
constexpr int kStripItemWidth = 70;
}

void TMenuBarStrip::SetMenu(TMainMenu* menu) {
  FMenu = menu;
  Invalidate();
}

std::vector<TMenuItem*> TMenuBarStrip::TopItems() const {
  std::vector<TMenuItem*> items;
  if (FMenu)
    for (int i = 0; i < FMenu->Items.Count(); ++i)
      if (FMenu->Items.Items(i)->Visible) items.push_back(FMenu->Items.Items(i));
  return items;
}

RECT TMenuBarStrip::ItemRect(int index) {
  const RECT r = ClientRect();
  if (index < 0 || index >= int(TopItems().size())) return {};
  return {index * kStripItemWidth, 0, (index + 1) * kStripItemWidth, r.bottom};
}

bool TMenuBarStrip::OpenItem(int index) {
  const std::vector<TMenuItem*> items = TopItems();
  if (!FMenu || !HandleAllocated() || index < 0 || index >= int(items.size())) return false;
  RECT r = ItemRect(index);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&r), 2);
  // Its messages go to the form, which passes owner-drawn items on.
  return FMenu->Popup(*items[size_t(index)], r.left, r.bottom, GetAncestor(FHandle, GA_ROOT));
}

void TMenuBarStrip::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN) {
    OpenItem(GET_X_LPARAM(m.LParam) / kStripItemWidth);
    return;
  }
  TWinControl::WndProc(m);
}

void TMenuBarStrip::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  canvas.BrushColor = FColor;
  canvas.FillRect(ClientRect());
  canvas.Font().Assign(EffectiveFont());
  const std::vector<TMenuItem*> items = TopItems();
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i]->Enabled) canvas.Font().SetColor(clSystemColor | COLOR_GRAYTEXT);
    canvas.TextRect(ItemRect(int(i)), items[i]->Caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.Font().Assign(EffectiveFont());
  }
}
