#include "host/Menus.h"
#include "host/Forms.h"

void TMenuItem::Click() {
  if (Enabled && OnClick) OnClick(this);
}

TMenuItem* TMenuItem::Add(const std::wstring& caption, int tag) {
  FItems.push_back(std::make_unique<TMenuItem>(nullptr));
  TMenuItem* item = FItems.back().get();
  item->Caption = caption;
  item->SetTag(tag);
  return item;
}

bool TPopupMenu::Popup(int x, int y) {
  TMenuHandle menu(CreatePopupMenu());
  if (!menu) return false;
  // Command identifiers are item positions + 1: 0 means nothing chosen.
  for (int i = 0; i < Items.Count(); ++i) {
    const TMenuItem& item = *Items.Items(i);
    UINT flags = item.IsLine() ? MF_SEPARATOR : MF_STRING;
    if (!item.Enabled) flags |= MF_GRAYED;
    if (item.Checked) flags |= MF_CHECKED;
    std::wstring text = item.Caption;
    if (!item.ShortCutText.empty()) text += L"\t" + item.ShortCutText;
    AppendMenuW(menu.Get(), flags, UINT_PTR(i + 1), text.c_str());
  }
  HWND window = Window ? Window : Application ? Application->Handle() : nullptr;
  FHandle = menu.Get();
  const int chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  FHandle = nullptr;
  if (chosen <= 0 || chosen > Items.Count()) return false;
  Items.Items(chosen - 1)->Click();
  return true;
}
