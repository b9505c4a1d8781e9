// Group boxes: containers that frame their controls under a caption; the
// radio group and the check group make their buttons themselves, one per
// line of Items, in columns.
#pragma once
#include "host/CheckButtons.h"

// The caption's left (or, right-to-left, right) end from the edge.
constexpr int kGroupCaptionIndent = 8;

class TCustomGroupBox : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCustomGroupBox(TComponent* AOwner);

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void FontChanged() override;
  // The face, an etched frame and the caption breaking its top line.
  void PaintWindow(HDC dc) override;
};

class TGroupBox : public TCustomGroupBox {
public:
  DECLARE_CLASS_INFO
  using TCustomGroupBox::TCustomGroupBox;
};

// A group box whose buttons are made from Items: after changing the items,
// ItemsChanged makes the buttons again. They follow the group's Enabled.
class TCustomButtonGroup : public TCustomGroupBox {
public:
  DECLARE_CLASS_INFO
  using TCustomGroupBox::TCustomGroupBox;
  TStringList* GetItems() const { return const_cast<TStringList*>(&FItems); }
  void ItemsChanged();
  // Buttons run down the columns, as many in each as the first needs.
  int GetColumns() const { return FColumns; }
  void SetColumns(int v);
  const std::vector<TButtonControl*>& Buttons() const { return FButtons; }
  // The button of an item; null for no item.
  TButtonControl* ButtonAt(int index) const;
  void SetEnabled(bool v) override;
  void Loaded() override;

protected:
  // A new button of the group (its caption and place are set after).
  virtual TButtonControl* NewButton() = 0;
  // The buttons were made again.
  virtual void ButtonsMade() {}
  void WndProc(TMessage& m) override;
  void FontChanged() override;
  int IndexOf(const TObject* button) const;

private:
  void ArrangeButtons();
  TStringList FItems;
  int FColumns = 1;
  std::vector<TButtonControl*> FButtons;
};

// One of its radio buttons is checked, ItemIndex (-1: none). A click on a
// button, or the arrow keys, change it and raise OnClick.
class TCustomRadioGroup : public TCustomButtonGroup {
public:
  DECLARE_CLASS_INFO
  using TCustomButtonGroup::TCustomButtonGroup;
  int GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(int v);
  TRadioButton* Button(int index) const;

protected:
  TButtonControl* NewButton() override;
  void ButtonsMade() override;

private:
  void ButtonChecked(TObject* sender);
  // The checked button is the tab stop; with none checked, the first.
  void UpdateTabStop();
  int FItemIndex = -1;
};

class TRadioGroup : public TCustomRadioGroup {
public:
  DECLARE_CLASS_INFO
  using TCustomRadioGroup::TCustomRadioGroup;
};

// Check boxes, each on its own; any change raises OnClick.
class TCheckGroup : public TCustomButtonGroup {
public:
  DECLARE_CLASS_INFO
  using TCustomButtonGroup::TCustomButtonGroup;
  TCheckBox* Button(int index) const;
  bool Checked(int index) const;
  void SetChecked(int index, bool v);

protected:
  TButtonControl* NewButton() override;
};
