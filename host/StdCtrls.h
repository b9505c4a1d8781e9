// Buttons, edits, memos, list boxes, scroll bars and labels.
#pragma once
#include "host/Classes.h"
#include "host/Controls.h"

class TButton : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TButton(TComponent* AOwner);
  // The button drawn as the one Enter presses (the system's default style).
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool v);

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  bool FDefault = false;
};

class TCustomEdit : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
};

class TEdit : public TCustomEdit {
public:
  DECLARE_CLASS_INFO
  explicit TEdit(TComponent* AOwner);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);

protected:
  void CreateParams(TCreateParams& p) override;

private:
  bool FReadOnly = false;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit with the system's own scroll bars, as ScrollBars asks.
class TMemo : public TCustomEdit {
public:
  DECLARE_CLASS_INFO
  explicit TMemo(TComponent* AOwner);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  // Takes effect when the window is made.
  void SetScrollBars(TScrollStyle v) { FScrollBars = v; }
  // The text, one row a line; read back from the window while it has one.
  TStringList* GetLines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& p) override;

private:
  TScrollStyle FScrollBars = ssNone;
  mutable TStringList FLines;
};

class TCustomListBox : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCustomListBox(TComponent* AOwner);
  TStringList* GetItems() const { return const_cast<TStringList*>(&FItems); }
  // Gives the window the rows of Items again.
  void ItemsChanged();
  int GetItemIndex() const;
  void SetItemIndex(int v);
  int GetTopIndex() const;
  void SetTopIndex(int v);
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;

private:
  TStringList FItems;
  int FItemIndex = -1;
  int FTopIndex = 0;
};

class TListBox : public TCustomListBox {
public:
  DECLARE_CLASS_INFO
  using TCustomListBox::TCustomListBox;
};

enum TScrollBarKind { sbHorizontal, sbVertical };

// The system's scroll-bar control. The position follows the arrows, the
// track and the thumb as the system reports them (reflected by the parent).
class TScrollBar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TScrollBar(TComponent* AOwner);
  TScrollBarKind GetKind() const { return FKind; }
  // Takes effect when the window is made.
  void SetKind(TScrollBarKind v) { FKind = v; }
  int GetMin() const { return FMin; }
  void SetMin(int v) { SetParams(FPosition, v, FMax); }
  int GetMax() const { return FMax; }
  void SetMax(int v) { SetParams(FPosition, FMin, v); }
  int GetPosition() const { return FPosition; }
  void SetPosition(int v) { SetParams(v, FMin, FMax); }
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int v);
  int GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(int v) { FSmallChange = v; }
  int GetLargeChange() const { return FLargeChange; }
  void SetLargeChange(int v) { FLargeChange = v; }
  // Position clamped to the range less the page; a range whose end is
  // before its start is taken as empty at its start.
  void SetParams(int position, int min, int max);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

private:
  void UpdateScrollInfo();
  // The position a scroll request of the system asks for.
  int RequestedPosition(WORD code) const;
  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0;
  int FSmallChange = 1, FLargeChange = 1;
};

class TLabel : public TGraphicControl {
public:
  DECLARE_CLASS_INFO
  explicit TLabel(TComponent* AOwner);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; Invalidate(); }
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { FAutoSize = v; AdjustBounds(); }
  void SetText(const std::wstring& text) override;
  void Loaded() override;
  void Paint(TCanvas& canvas) override;

protected:
  void FontChanged() override;

private:
  // With AutoSize the label is as large as its text in its font.
  void AdjustBounds();

  bool FTransparent = false;
  bool FAutoSize = true;
};
