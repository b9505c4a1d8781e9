// Common controls: tab controls (with and without pages), status bar,
// progress bar, track bar and up-down.
#pragma once
#include "host/Controls.h"
#include "host/ImgList.h"
#include <memory>

class TPageControl;

// Where the tabs sit, and how they look.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// Posted by a page control to itself: the pages it was asked to release
// are freed once the message that asked has returned.
constexpr UINT CM_RELEASEPAGE = 0xB000 + 0x50;

// The system tab control under both kinds of tab control: tab position,
// style, rows and images, and the change event.
class TCustomTabControl : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCustomTabControl(TComponent* AOwner);

  TTabPosition GetTabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition v);
  TTabStyle GetStyle() const { return FStyle; }
  void SetStyle(TTabStyle v);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool v);
  // Not owned; it must outlive the control or be taken away first.
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* images);

  // The part of the client area the tabs leave free.
  RECT DisplayRect();
  // The selected tab changed by the user.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;
  // The user selected tab index.
  virtual void TabChanged(int /*index*/) {}
  // The image of tab index.
  virtual int TabImageIndex(int index) const { return index; }
  // Every tab of the window rewritten from the control's own data.
  virtual void UpdateTabs() {}
  void InsertTab(int index, const std::wstring& text);
  void SetTab(int index, const std::wstring& text);
  void DeleteTab(int index);
  void SelectTab(int index);

private:
  DWORD TabStyles() const;
  void StylesChanged();
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  bool FMultiLine = false;
  TImageList* FImages = nullptr;
};

// A row of tabs without pages: the application shows what a tab means.
class TTabControl : public TCustomTabControl {
public:
  DECLARE_CLASS_INFO
  explicit TTabControl(TComponent* AOwner);
  // The captions; after changing them, TabsChanged brings the window along.
  TStringList* GetTabs() const { return const_cast<TStringList*>(&FTabs); }
  void TabsChanged();
  int GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(int index);
  void Loaded() override;

protected:
  void TabChanged(int index) override;
  void UpdateTabs() override;

private:
  TStringList FTabs;
  int FTabIndex = -1;
};

class TTabSheet : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  void SetParent(TWinControl* parent) override;
  void SetText(const std::wstring& text) override;
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  // Erases with the page control's colour instead of its own.
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool v);
  TPageControl* PageControl() const { return FPageControl; }
  int PageIndex() const;

protected:
  void WndProc(TMessage& m) override;

private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  int FImageIndex = -1;
  bool FParentBackground = false;
};

class TPageControl : public TCustomTabControl {
public:
  DECLARE_CLASS_INFO
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  const std::vector<TTabSheet*>& Pages() const { return FPages; }
  int PageCount() const { return int(FPages.size()); }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  void Loaded() override;
  void AlignControls() override;

  // Pages register themselves when their parent is set, and leave when
  // they go.
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageChanged(TTabSheet* page);
  // Frees the page once the message being handled has returned, so a
  // handler of one of the control's own messages may ask for it.
  void ReleasePage(TTabSheet* page);

protected:
  void WndProc(TMessage& m) override;
  void TabChanged(int index) override;
  int TabImageIndex(int index) const override;
  void UpdateTabs() override;

private:
  void ResolveActivePage();
  void FreeReleasedPages();
  std::vector<TTabSheet*> FPages;
  std::vector<TTabSheet*> FReleased;  // pages of FPages waiting to be freed
  TTabSheet* FActivePage = nullptr;
  std::wstring FActivePageName;  // resolved once the description is read
};

class TCustomStatusBar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
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

// ---- Range controls: thin over the native controls. Each keeps its
// settings in fields until its window exists and from then on in the window,
// so reading a property gives what the control shows.

// Min, Max and Position, published; each control says how its window is
// told and asked.
class TRangeControl : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
  int GetMin() const;
  void SetMin(int v);
  int GetMax() const;
  void SetMax(int v);
  int GetPosition() const;
  void SetPosition(int v);

protected:
  // Range and position to the window, after the other settings.
  void HandleCreated() override;
  virtual void SendRange() = 0;
  virtual void SendPosition() = 0;
  virtual void ReadRange(int& low, int& high) const = 0;
  virtual int ReadPosition() const = 0;
  int FMin = 0, FMax = 100, FPosition = 0;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TRangeControl {
public:
  DECLARE_CLASS_INFO
  explicit TProgressBar(TComponent* AOwner);
  int GetStep() const { return FStep; }
  void SetStep(int v);
  TProgressBarOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation v);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool v);
  // Advances by Step; past Max it starts again from Min, as the native bar does.
  void StepIt();

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void SendRange() override;
  void SendPosition() override;
  void ReadRange(int& low, int& high) const override;
  int ReadPosition() const override;

private:
  DWORD StyleBits() const;
  int FStep = 10;
  TProgressBarOrientation FOrientation = pbHorizontal;
  bool FSmooth = false;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TRangeControl {
public:
  DECLARE_CLASS_INFO
  explicit TTrackBar(TComponent* AOwner);
  int GetFrequency() const { return FFrequency; }
  void SetFrequency(int v);
  int GetSelStart() const;
  void SetSelStart(int v);
  int GetSelEnd() const;
  void SetSelEnd(int v);
  TTrackBarOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation v);
  TTickMark GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark v);
  TTickStyle GetTickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle v);

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void SendRange() override;
  void SendPosition() override;
  void ReadRange(int& low, int& high) const override;
  int ReadPosition() const override;

private:
  DWORD StyleBits() const;
  int FFrequency = 1, FSelStart = 0, FSelEnd = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
};

enum TUDOrientation { udHorizontal, udVertical };
// AllowChange comes in true; a handler that clears it keeps the position.
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TRangeControl {
public:
  DECLARE_CLASS_INFO
  explicit TUpDown(TComponent* AOwner);
  int GetIncrement() const { return FIncrement; }
  void SetIncrement(int v);
  TUDOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation v);
  // The control whose text shows the position; the up-down stays where it
  // was placed. Read back from the window once it exists, so a buddy whose
  // window is gone reads as none.
  TWinControl* GetAssociate() const;
  void SetAssociate(TWinControl* v);
  void Loaded() override;

  // Before every change by the arrows or keys; OnClick follows a change
  // allowed (the position then still is the old one).
  TUDChangingEvent OnChanging;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;
  void SendRange() override;
  void SendPosition() override;
  void ReadRange(int& low, int& high) const override;
  int ReadPosition() const override;

private:
  void SetBuddy();
  void SetAssociateByName(const std::wstring& name);
  void ResolveAssociate();
  int FIncrement = 1;
  TUDOrientation FOrientation = udVertical;
  TWinControl* FAssociate = nullptr;
  std::wstring FAssociateName;  // resolved once the description is read
};

// ---- Date-time picker: a date or a time in the system's picker, the date
// with its drop-down calendar.
enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TDateTimePicker(TComponent* AOwner);
  TDateTimeKind GetKind() const { return FKind; }
  void SetKind(TDateTimeKind v);
  TDTDateFormat GetDateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat v);
  // A check box before the value; unchecked, the picker holds no value.
  // Takes effect when the window is made.
  bool GetShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool v) { FShowCheckbox = v; }
  bool GetChecked() const;
  void SetChecked(bool v);
  // The value (today, now, until set); an unchecked picker keeps it for
  // when it is checked again.
  SYSTEMTIME GetDateTime() const;
  void SetDateTime(const SYSTEMTIME& v);
  // The value's date as "YYYY-MM-DD" and time as "HH:MM:SS", as form
  // descriptions store them; text in another form is refused and changes nothing.
  std::wstring GetDateText() const;
  void SetDateText(const std::wstring& text);
  std::wstring GetTimeText() const;
  void SetTimeText(const std::wstring& text);
  // The user changed the value or the check box.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

private:
  DWORD StyleBits() const;
  void SendValue();
  TDateTimeKind FKind = dtkDate;
  TDTDateFormat FDateFormat = dfShort;
  bool FShowCheckbox = false;
  bool FChecked = true;
  SYSTEMTIME FDateTime{};
};
