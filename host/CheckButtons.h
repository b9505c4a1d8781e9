// Check boxes and radio buttons, thin over the system's button class: the
// window draws and reports clicks, the control keeps the state, so setting
// it and reading it never depend on whether the window exists yet.
#pragma once
#include "host/Controls.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The extended styles of a writing direction: right-to-left reading, and
// right alignment for a fully right-to-left control.
DWORD BiDiExStyle(TBiDiMode mode);

// A button with a mark beside its caption: which side the caption takes,
// and the writing direction, both kept in the window's styles.
class TButtonControl : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TButtonControl(TComponent* AOwner);
  // taRightJustify (the default): the caption right of the mark;
  // taLeftJustify: left of it. Right-to-left controls swap the sides.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  // The mark sits right of the caption (BS_RIGHTBUTTON).
  bool MarkAtRight() const;

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  // The button type of the system's class (BS_3STATE, BS_RADIOBUTTON).
  virtual DWORD ButtonType() const = 0;
  // The window's check state from the control's.
  virtual WPARAM CheckState() const = 0;
  void HandleCreated() override;
  // Sends the check state to the window, when there is one.
  void ShowCheckState();

private:
  void UpdateStyles();
  TAlignment FAlignment = taRightJustify;
};

class TCustomCheckBox : public TButtonControl {
public:
  DECLARE_CLASS_INFO
  using TButtonControl::TButtonControl;
  // A change raises OnClick (not while the control is being read).
  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState v);
  bool GetChecked() const { return FState == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  // A click may lead to the grayed state too.
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool v) { FAllowGrayed = v; }
  // The state a click leads to, in the system's order: unchecked, checked,
  // then grayed when allowed.
  void Toggle();

protected:
  DWORD ButtonType() const override { return BS_3STATE; }
  WPARAM CheckState() const override;
  void WndProc(TMessage& m) override;

private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
public:
  DECLARE_CLASS_INFO
  using TCustomCheckBox::TCustomCheckBox;
};

// Radio buttons with the same parent are one group: checking one unchecks
// the others, and the arrow keys move the check among them. The checked
// one is the group's tab stop.
class TRadioButton : public TButtonControl {
public:
  DECLARE_CLASS_INFO
  explicit TRadioButton(TComponent* AOwner);
  bool GetChecked() const { return FChecked; }
  // Checking raises OnClick (not while the control is being read).
  void SetChecked(bool v);
  // The radio buttons of the group, in tab order; with usable, only the
  // enabled and visible ones.
  std::vector<TRadioButton*> Group(bool usable) const;
  // The checked one is the group's tab stop; with none checked, the first.
  bool IsGroupTabStop() const;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  DWORD ButtonType() const override { return BS_RADIOBUTTON; }
  WPARAM CheckState() const override { return FChecked ? BST_CHECKED : BST_UNCHECKED; }
  void WndProc(TMessage& m) override;

private:
  // The next (or previous) one of the group gets the focus and the check.
  void MoveInGroup(bool forward);
  void TurnSiblingsOff();
  // Every one of the group takes the tab stop its state gives it.
  void UpdateGroupTabStops();
  bool FChecked = false;
};
