#include "host/GroupBoxes.h"
#include <algorithm>

namespace {
int TextHeight(HDC dc, const TFont& font) {
  TSelectObject selected(dc, font.Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

int ScreenTextHeight(const TFont& font) {
  TWindowDC screen(nullptr);
  return TextHeight(screen.Get(), font);
}

constexpr int kMaxColumns = 16;
}  // namespace

// ---- TCustomGroupBox ----

DEFINE_CLASS_INFO(TCustomGroupBox, TWinControl, {})
DEFINE_COMPONENT_INFO(TGroupBox, TCustomGroupBox, {})

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomGroupBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  // Its controls are painted by themselves, and the dialog keys reach them.
  p.Style |= WS_CLIPCHILDREN;
  p.ExStyle |= WS_EX_CONTROLPARENT | BiDiExStyle(FBiDiMode);
}

void TCustomGroupBox::WndProc(TMessage& m) {
  if (m.Msg == CM_BIDIMODECHANGED && FHandle) {
    const LONG_PTR ex = GetWindowLongPtrW(FHandle, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_RTLREADING | WS_EX_RIGHT);
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE, ex | BiDiExStyle(FBiDiMode));
    Invalidate();
    return;
  }
  TWinControl::WndProc(m);
  if (m.Msg == WM_SETTEXT) Invalidate();
}

void TCustomGroupBox::FontChanged() {
  TWinControl::FontChanged();
  Invalidate();
}

void TCustomGroupBox::PaintWindow(HDC dc) {
  const RECT r = ClientRect();
  TCanvas canvas(dc);
  canvas.BrushColor = FColor;
  canvas.FillRect(r);
  canvas.Font().Assign(EffectiveFont());
  const int textHeight = TextHeight(dc, canvas.Font());
  RECT frame{r.left, r.top + textHeight / 2, r.right, r.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring caption = GetText();
  if (caption.empty()) return;
  const SIZE extent = canvas.TextExtent(caption);
  const LONG_PTR ex = FHandle ? GetWindowLongPtrW(FHandle, GWL_EXSTYLE) : 0;
  const int left = ex & WS_EX_RIGHT ? r.right - kGroupCaptionIndent - extent.cx : r.left + kGroupCaptionIndent;
  const RECT text{left, r.top, left + extent.cx, r.top + textHeight};
  canvas.FillRect(text);
  canvas.TextRect(text, caption, DT_SINGLELINE | (ex & WS_EX_RTLREADING ? DT_RTLREADING : 0));
}

// ---- TCustomButtonGroup ----

DEFINE_CLASS_INFO(TCustomButtonGroup, TCustomGroupBox, {})

void TCustomButtonGroup::ItemsChanged() {
  for (TButtonControl* button : std::exchange(FButtons, {})) delete button;
  for (const std::wstring& item : FItems.Items()) {
    TButtonControl* button = NewButton();
    button->SetText(item);
    button->SetEnabled(FEnabled);
    FButtons.push_back(button);
  }
  // Placed before their windows are made.
  ArrangeButtons();
  for (TButtonControl* button : FButtons) button->SetParent(this);
  ButtonsMade();
}

void TCustomButtonGroup::SetColumns(int v) {
  FColumns = std::clamp(v, 1, kMaxColumns);
  ArrangeButtons();
}

void TCustomButtonGroup::SetEnabled(bool v) {
  TCustomGroupBox::SetEnabled(v);
  for (TButtonControl* button : FButtons) button->SetEnabled(v);
}

void TCustomButtonGroup::Loaded() {
  // While still loading: making the buttons raises no click.
  ItemsChanged();
  TCustomGroupBox::Loaded();
}

void TCustomButtonGroup::WndProc(TMessage& m) {
  TCustomGroupBox::WndProc(m);
  if (m.Msg == WM_SIZE) ArrangeButtons();
}

void TCustomButtonGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

TButtonControl* TCustomButtonGroup::ButtonAt(int index) const {
  return index >= 0 && index < int(FButtons.size()) ? FButtons[size_t(index)] : nullptr;
}

int TCustomButtonGroup::IndexOf(const TObject* button) const {
  const auto at = std::find(FButtons.begin(), FButtons.end(), button);
  return at == FButtons.end() ? -1 : int(at - FButtons.begin());
}

void TCustomButtonGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  const int count = int(FButtons.size());
  const int columns = std::min(FColumns, count);
  const int perColumn = (count + columns - 1) / columns;
  const int textHeight = ScreenTextHeight(EffectiveFont());
  const RECT r = ClientRect();
  const int width = std::max(0, int(r.right - r.left - 10) / columns);
  // Under the caption, less a margin: the rest of a line's height split evenly.
  const int room = std::max(0, int(r.bottom - r.top) - textHeight - 5);
  const int height = room / perColumn;
  const int top = textHeight + 1 + (room % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    FButtons[size_t(i)]->SetBounds(i / perColumn * width + kGroupCaptionIndent, i % perColumn * height + top, width,
                                   height);
}

// ---- TCustomRadioGroup ----

DEFINE_CLASS_INFO(TCustomRadioGroup, TCustomButtonGroup, {})

DEFINE_COMPONENT_INFO(TRadioGroup, TCustomRadioGroup,
  {ObjProp("Items", &TRadioGroup::GetItems),
   IntProp("ItemIndex", &TRadioGroup::GetItemIndex, &TRadioGroup::SetItemIndex),
   IntProp("Columns", &TRadioGroup::GetColumns, &TRadioGroup::SetColumns)})

TRadioButton* TCustomRadioGroup::Button(int index) const { return static_cast<TRadioButton*>(ButtonAt(index)); }

TButtonControl* TCustomRadioGroup::NewButton() {
  auto* button = new TRadioButton(this);
  button->OnClick = [this](TObject* sender) { ButtonChecked(sender); };
  return button;
}

void TCustomRadioGroup::ButtonsMade() {
  const int index = std::exchange(FItemIndex, -1);
  if (TRadioButton* button = Button(index)) button->SetChecked(true);
}

void TCustomRadioGroup::ButtonChecked(TObject* sender) {
  FItemIndex = IndexOf(sender);
  if (!Loading()) Click();
}

void TCustomRadioGroup::SetItemIndex(int v) {
  if (Loading()) {
    FItemIndex = v;  // the buttons come with Loaded
    return;
  }
  const int last = int(Buttons().size()) - 1;
  v = std::clamp(v, -1, last);
  if (v == FItemIndex) return;
  if (TRadioButton* button = Button(v)) {
    button->SetChecked(true);
    return;
  }
  if (TRadioButton* button = Button(FItemIndex)) button->SetChecked(false);
  FItemIndex = -1;
}

// ---- TCheckGroup ----

DEFINE_COMPONENT_INFO(TCheckGroup, TCustomButtonGroup,
  {ObjProp("Items", &TCheckGroup::GetItems),
   IntProp("Columns", &TCheckGroup::GetColumns, &TCheckGroup::SetColumns)})

TCheckBox* TCheckGroup::Button(int index) const { return static_cast<TCheckBox*>(ButtonAt(index)); }

bool TCheckGroup::Checked(int index) const {
  const TCheckBox* button = Button(index);
  return button && button->GetChecked();
}

void TCheckGroup::SetChecked(int index, bool v) {
  if (TCheckBox* button = Button(index)) button->SetChecked(v);
}

TButtonControl* TCheckGroup::NewButton() {
  auto* button = new TCheckBox(this);
  button->OnClick = [this](TObject*) {
    if (!Loading()) Click();
  };
  return button;
}
