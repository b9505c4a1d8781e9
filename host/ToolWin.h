// Tool bars and cool bars: a row of buttons over the system's tool bar
// (pictures from an image list, check and drop-down buttons, separators,
// custom-draw events), and the system's bar of bands that holds such rows.
#pragma once
#include "host/Controls.h"
#include "host/ImgList.h"
#include "host/Menus.h"
#include <functional>
#include <memory>
#include <vector>
#include <windows.h>
#include <commctrl.h>

class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

// What a custom-draw notification is about.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
// The state of a button being drawn, from the notification's CDIS_ bits.
enum TCustomDrawStateBit : unsigned {
  cdsSelected = 1,
  cdsGrayed = 2,
  cdsDisabled = 4,
  cdsChecked = 8,
  cdsFocused = 16,
  cdsDefault = 32,
  cdsHot = 64,
  cdsMarked = 128,
  cdsIndeterminate = 256,
};
using TCustomDrawState = unsigned;
// What the tool bar leaves out of a button it draws after the handler.
enum TTBCustomDrawFlagBit : unsigned {
  tbNoEdges = 1,
  tbHiliteHotTrack = 2,
  tbNoOffset = 4,
  tbNoMark = 8,
  tbNoEtchedEffect = 16,
};
using TTBCustomDrawFlags = unsigned;

// The whole bar, before the buttons; DefaultDraw false leaves the buttons out.
using TTBCustomDrawEvent = std::function<void(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw)>;
using TTBAdvancedCustomDrawEvent =
    std::function<void(TToolBar* Sender, const RECT& ARect, TCustomDrawStage Stage, bool& DefaultDraw)>;
// One button, before the bar draws it (at its bounds, on the bar's Canvas);
// DefaultDraw false: the handler drew all of it.
using TTBAdvancedCustomDrawBtnEvent =
    std::function<void(TToolBar* Sender, class TToolButton* Button, TCustomDrawState State, TCustomDrawStage Stage,
                       TTBCustomDrawFlags& Flags, bool& DefaultDraw)>;

// One button of a tool bar: its parent is the bar, which makes a native
// button for it. The caption is its Text.
class TToolButton : public TControl {
public:
  DECLARE_CLASS_INFO
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;
  void SetParent(TWinControl* parent) override;
  void SetText(const std::wstring& text) override;
  void SetEnabled(bool v) override;

  TToolButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TToolButtonStyle v);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  // A check button's state; the bar keeps it in step with the user's clicks.
  bool GetDown() const;
  void SetDown(bool v);
  // Not owned: shown below a drop-down button's arrow.
  TPopupMenu* DropdownMenu = nullptr;
  // The top item of the bar's Menu that the button stands for; set by the bar.
  TMenuItem* MenuItem() const { return FMenuItem; }

  TToolBar* ToolBar() const;
  // Its place on the bar, from 0; -1 off a bar.
  int Index() const;
  // What the bar's WM_COMMAND and notifications carry for it.
  int CommandId() const { return Index() + 1; }

private:
  friend class TToolBar;
  void Changed();
  TToolButtonStyle FStyle = tbsButton;
  int FImageIndex = -1;
  bool FDown = false;
  TMenuItem* FMenuItem = nullptr;
};

class TToolBar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  bool GetFlat() const { return FFlat; }
  void SetFlat(bool v);
  bool GetShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool v);
  // Not owned; it must outlive the bar or be taken away first.
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* images);

  // In their order on the bar.
  std::vector<TToolButton*> Buttons() const;
  int ButtonCount() const { return int(Buttons().size()); }
  TToolButton* ButtonOfCommand(int id) const;
  // A button's rectangle in the bar's client area (empty before the window).
  RECT ButtonRect(const TToolButton& button);
  // Makes the native buttons again from the TToolButtons.
  void UpdateButtons();
  // The DC being drawn on, while a custom-draw event runs.
  TCanvas& Canvas() { return FCanvas; }
  // Opens the button's drop-down menu below it; false when it has none.
  bool DropDown(TToolButton& button);
  // Not owned; it must outlive the bar or be taken away first. The bar
  // shows a button with its caption for every visible top item; a click
  // opens the item's sub-items below it, or runs the item when it has none.
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);
  // Opens the sub-items of the button's menu item below it; false when the
  // button stands for no item with sub-items.
  bool TrackMenu(TToolButton& button);

  TTBCustomDrawEvent OnCustomDraw;
  TTBAdvancedCustomDrawEvent OnAdvancedCustomDraw;
  TTBAdvancedCustomDrawBtnEvent OnAdvancedCustomDrawButton;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

private:
  DWORD BarStyles() const;
  void StylesChanged();
  LRESULT CustomDraw(NMTBCUSTOMDRAW& cd);
  LRESULT CustomDrawBar(NMTBCUSTOMDRAW& cd, TCustomDrawStage stage);
  LRESULT CustomDrawButton(NMTBCUSTOMDRAW& cd);
  void ButtonCommand(int id);
  void FreeMenuButtons();
  // Keeps the button pressed while its menu is open.
  template <class Show>
  void ShowBelow(TToolButton& button, Show show);
  bool FFlat = false;
  TMainMenu* FMenu = nullptr;
  std::vector<std::unique_ptr<TToolButton>> FMenuButtons;
  bool FShowCaptions = false;
  TImageList* FImages = nullptr;
  TCanvas FCanvas;
  bool FUpdating = false;
};

// One band of a cool bar: a caption, a control it holds, its colour and
// width, and whether it starts a new row.
class TCoolBand : public TPersistent {
public:
  DECLARE_CLASS_INFO
  explicit TCoolBand(class TCoolBar& bar) : FBar(bar) {}
  TWinControl* GetControl() const { return FControl; }
  void SetControl(TWinControl* control);
  std::wstring GetText() const { return FText; }
  void SetText(const std::wstring& v);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v);
  int GetWidth() const { return FWidth; }
  void SetWidth(int v);
  bool GetBreak() const { return FBreak; }
  void SetBreak(bool v);

private:
  void Changed();
  TCoolBar& FBar;
  TWinControl* FControl = nullptr;  // not owned
  std::wstring FText;
  TColor FColor = clBtnFace;
  int FWidth = 100;
  bool FBreak = true;
};

class TCoolBands : public TCollection {
public:
  DECLARE_CLASS_INFO
  explicit TCoolBands(TCoolBar& owner) : FOwner(owner) {}
  TPersistent* AddItem() override;
  TCoolBand* Add() { return static_cast<TCoolBand*>(AddItem()); }
  void ClearItems() override { FItems.clear(); }
  void ItemsChanged() override;
  int Count() const { return int(FItems.size()); }
  TCoolBand& operator[](int i) const { return *FItems.at(size_t(i)); }

private:
  TCoolBar& FOwner;
  std::vector<std::unique_ptr<TCoolBand>> FItems;
};

class TCoolBar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCoolBar(TComponent* AOwner);
  ~TCoolBar() override;
  TCoolBands* Bands() const { return const_cast<TCoolBands*>(&FBands); }
  // A band without a control takes the next windowed child not in a band.
  void Loaded() override;
  // Makes the native bands again from Bands.
  void UpdateBands();
  // One band's caption, colour, width or row changed.
  void BandChanged(const TCoolBand& band);
  // The colour the native band shows, as the system reports it.
  COLORREF NativeBandColour(int index);

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override { UpdateBands(); }

private:
  TCoolBands FBands{*this};
};
