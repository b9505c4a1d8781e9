// Common controls: page control with tab sheets, status bar.
#pragma once
#include "host/Controls.h"
#include <memory>

class TPageControl;

// The ancestors that tell control kinds apart by class.
class TCustomTabControl : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
};
class TCustomStatusBar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
};

class TTabSheet : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TTabSheet(TComponent* AOwner);
  void SetParent(TWinControl* parent) override;
  void SetText(const std::wstring& text) override;
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v; }
  TPageControl* PageControl() const { return FPageControl; }

private:
  TPageControl* FPageControl = nullptr;
  int FImageIndex = -1;
};

class TPageControl : public TCustomTabControl {
public:
  DECLARE_CLASS_INFO
  explicit TPageControl(TComponent* AOwner);
  const std::vector<TTabSheet*>& Pages() const { return FPages; }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  void Loaded() override;
  void AlignControls() override;

  // Pages register themselves when their parent is set.
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageCaptionChanged(TTabSheet* page);

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

private:
  void ResolveActivePage();
  RECT DisplayRect();
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  std::wstring FActivePageName;  // resolved once the description is read
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TPersistent {
public:
  DECLARE_CLASS_INFO
  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  std::wstring GetText() const { return FText; }
  void SetText(const std::wstring& v) { FText = v; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; }
  TStatusPanelBevel GetBevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel v) { FBevel = v; }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode v) { FBiDiMode = v; }
  TStatusPanelStyle GetStyle() const { return FStyle; }
  void SetStyle(TStatusPanelStyle v) { FStyle = v; }

private:
  int FWidth = 50;
  std::wstring FText;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TBiDiMode FBiDiMode = bdLeftToRight;
  TStatusPanelStyle FStyle = psText;
};

class TStatusBar;
using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect)>;

class TStatusPanels : public TCollection {
public:
  DECLARE_CLASS_INFO
  explicit TStatusPanels(TStatusBar& owner) : FOwner(owner) {}
  TPersistent* AddItem() override;
  void ClearItems() override { FItems.clear(); }
  void ItemsChanged() override;
  int Count() const { return int(FItems.size()); }
  TStatusPanel& operator[](int i) { return *FItems.at(size_t(i)); }

private:
  TStatusBar& FOwner;
  std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

class TStatusBar : public TCustomStatusBar {
public:
  DECLARE_CLASS_INFO
  explicit TStatusBar(TComponent* AOwner);
  TStatusPanels* Panels() const { return const_cast<TStatusPanels*>(&FPanels); }
  bool GetSimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool v) { FSimplePanel = v; UpdatePanels(); }
  std::wstring GetSimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::wstring& v) { FSimpleText = v; UpdatePanels(); }
  // A size grip at the right end (before the window is made).
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool v) { FSizeGrip = v; }
  void UpdatePanels();
  // Draws an owner-drawn panel (Style psOwnerDraw) on Canvas.
  TDrawPanelEvent OnDrawPanel;
  // The DC an owner-drawn panel is drawn on, while OnDrawPanel runs.
  TCanvas& Canvas() { return FCanvas; }
  void DrawPanel(TStatusPanel& panel, HDC dc, const RECT& rect);

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override { UpdatePanels(); }
  void WndProc(TMessage& m) override;

private:
  TStatusPanels FPanels{*this};
  bool FSimplePanel = false;
  std::wstring FSimpleText;
  bool FSizeGrip = false;
  TCanvas FCanvas;
};
