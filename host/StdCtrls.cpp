#include "host/StdCtrls.h"

// ---- TButton ----

DEFINE_COMPONENT_INFO(TButton, TWinControl,
  {BoolProp("Default", &TButton::GetDefault, &TButton::SetDefault)})

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"BUTTON";
  p.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  FDefault = v;
  if (!FHandle) return;
  // An owner-drawn button has no default style: it shows the state itself.
  if ((GetWindowLongPtrW(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW)
    Invalidate();
  else
    SendMessageW(FHandle, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TEdit ----

DEFINE_CLASS_INFO(TCustomEdit, TWinControl, {})

DEFINE_COMPONENT_INFO(TEdit, TCustomEdit,
  {StrProp("Text", &TEdit::GetText, &TEdit::SetText),
   BoolProp("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly)})

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, v, 0);
}

void TEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | ES_LEFT | (FReadOnly ? ES_READONLY : 0);
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- TLabel ----

DEFINE_COMPONENT_INFO(TLabel, TGraphicControl,
  {BoolProp("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent),
   BoolProp("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize)})

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) { FClickOnMouseUp = true; }

void TLabel::SetText(const std::wstring& text) {
  TGraphicControl::SetText(text);
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  TWindowDC screen(nullptr);
  TCanvas canvas(screen.Get());
  canvas.Font().Assign(EffectiveFont());
  RECT r{0, 0, 0, 0};
  TSelectObject font(screen.Get(), canvas.Font().Handle());
  DrawTextW(screen.Get(), FText.c_str(), int(FText.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  SetBounds(FLeft, FTop, r.right, r.bottom);
}

void TLabel::Paint(TCanvas& canvas) {
  RECT r{0, 0, FWidth, FHeight};
  if (!FTransparent) {
    canvas.BrushColor = FParent ? FParent->GetColor() : FColor;
    canvas.FillRect(r);
  }
  canvas.Font().Assign(EffectiveFont());
  canvas.TextRect(r, FText, DT_LEFT | DT_TOP | DT_EXPANDTABS);
}
