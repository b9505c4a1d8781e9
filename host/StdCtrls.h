// Buttons, edits and labels.
#pragma once
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
