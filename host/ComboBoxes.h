// Combo boxes: the system's "COMBOBOX" in each of its styles, its rows kept
// with the control so they survive the window being made again.
#pragma once
#include "host/Classes.h"
#include "host/Controls.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCustomComboBox(TComponent* AOwner);

  TComboBoxStyle GetStyle() const { return FStyle; }
  // A new style makes the window again.
  void SetStyle(TComboBoxStyle v);
  // The rows; while the window exists, change them through AddItem/ClearItems.
  TStringList* GetItems() const { return const_cast<TStringList*>(&FItems); }
  void AddItem(const std::wstring& Text);
  void ClearItems();
  int GetItemIndex() const;
  void SetItemIndex(int v);
  // Rows the dropped-down list shows without scrolling.
  int GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int v);
  bool GetDroppedDown() const;
  void SetDroppedDown(bool v);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  int WindowHeight() const override;
  void WndProc(TMessage& m) override;

private:
  // The window's height is the closed box and its dropped-down list together;
  // newer combo boxes count rows instead, so they are told the rows too.
  void ApplyDropHeight();
  TComboBoxStyle FStyle = csDropDown;
  TStringList FItems;
  int FItemIndex = -1;
  int FDropDownCount = 8;
};

class TComboBox : public TCustomComboBox {
public:
  DECLARE_CLASS_INFO
  using TCustomComboBox::TCustomComboBox;
};
