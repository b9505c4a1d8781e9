// The skin component: carries one skin (stored with the form or read from a
// skin file), owns the skin state loading produces, holds the user's skinning
// settings and switches skinning on and off through the skin manager.
#pragma once
#include "host/Classes.h"
#include "host/Forms.h"
#include "host/HintWindow.h"
#include "host/ImgList.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/SkinIniNames.h"
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TSkinControlType {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
enum TSkinOption {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint, xoFormScrollbar
};
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

template <class E>
constexpr unsigned SetOf(std::initializer_list<E> members) {
  unsigned bits = 0;
  for (E m : members) bits |= 1u << m;
  return bits;
}

class TSkinData;

using TOnFormSkin = std::function<void(TObject* Sender, const std::wstring& aName, bool& DoSkin)>;
using TOnSkinForm = std::function<void(TObject* Sender, HWND ahwnd, const std::wstring& aName)>;
// Asked for each control that control discovery finds on a form; a handler
// may hand back its own skinner for the control in SkinnedControl.
using TOnSkinControl = std::function<void(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                                          const std::wstring& ControlClass, TComponent*& SkinnedControl)>;

// The skin state loading fills; painters read it directly.
struct TSkinState {
  std::string SkinName;
  std::unique_ptr<TDataSkinBorder> FrameSideLeft, FrameSideRight, FrameSideTop, FrameSideBottom;
  std::unique_ptr<TDataSkinButton> PushButtons;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinBorder> ProgressBar;
  std::unique_ptr<TDataSkinObject> ProgressChunk, MenuBarElement, GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges, TabPane, ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages, Headerbar, MenuItem, MenuBackground, Scrollbar,
      HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb, TrackThumbHorz, TrackThumbVert, TrackThumbLeft,
      TrackThumbRight, TrackThumbUp, TrackThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
  std::unique_ptr<TDataSkinObject> Track, TrackVert, ComboxArrow, Toolbar;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtonElements;
  std::array<TColor, 19> SkinColours{};
  std::array<bool, 19> ColourGiven{};
  std::vector<TColor> ExtraColours;
  std::array<TColor, 10> CustomColours{};
  TBrushHandle ButtonFaceBrush;
  bool NoSkinLoaded = true;
};

class TSkinData : public TComponent, public TSkinState {
public:
  DECLARE_CLASS_INFO
  static constexpr const wchar_t* kVersion = L"5.40.07.15";

  explicit TSkinData(TComponent* AOwner);
  ~TSkinData() override;

  // Published settings.
  bool GetActive() const { return FActive; }
  void SetActive(bool v);
  int GetDisableTag() const { return FDisableTag; }
  void SetDisableTag(int v) { FDisableTag = v; }
  unsigned SkinControls = 0;  // set of TSkinControlType
  unsigned Options = 0;       // set of TSkinOption
  unsigned GetSkinControls() const { return SkinControls; }
  void SetSkinControls(unsigned v) { SkinControls = v; }
  unsigned GetOptions() const { return Options; }
  void SetOptions(unsigned v) { Options = v; }
  bool Has(TSkinControlType t) const { return (SkinControls >> t) & 1; }
  bool Has(TSkinOption o) const { return (Options >> o) & 1; }
  TStringList* GetSkin3rd() const { return const_cast<TStringList*>(&FSkin3rd); }
  std::wstring GetSkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::wstring& path);
  std::wstring GetSkinStore() const { return L"(none)"; }
  TSkinFormType GetSkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType t) { FSkinFormtype = t; }
  bool MenuUpdate = true;
  bool MenuMerge = false;
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm, OnAfterSkinForm;

  // The compressed package of the current skin.
  const TMemoryStream& SkinStream() const { return FSkinStream; }
  bool ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) override;
  // 4-byte length, then the package: the form description's form of it.
  std::vector<uint8_t> WriteSkinStream() const;
  void Loaded() override;

  // Decides whether a window of className may be skinned; keeps DoSkin as it came otherwise.
  void FormSkinDecision(HWND wnd, const std::wstring& className, bool& DoSkin);
  void SkinChanged();
  void ShowCaptionHint(const RECT& r, const std::wstring& text);
  void HideCaptionHint();
  // The hint window of the caption buttons, and whether it is showing.
  THintWindow& CaptionHint() { return FCaptionHint; }
  bool CaptionHintShowing() const { return FHintShowing; }
  HWND OwnerWindow() const;

  TImageList MenuGlyphs;
  TFontHandle SystemCaptionFont;
  // The application's small icon, 24 bits per pixel, magenta where the icon
  // is see-through (Transparent, TransparentColor $FF00FF).
  TBitmap AppIconBitmap;
  // The icon scaled from its resource to cx by cy, kept for the icon last
  // asked for: scaling is costly, and this component's icon bitmap and the
  // title of every window it skins draw the same application icon.
  HICON ScaledIcon(HICON icon, int cx, int cy);
  SIZE MaximizedSize{};
  bool FramePaintEnabled = true;
  HWND LastFormSkinWindow = nullptr;

private:
  bool LoadSkin();
  void MakeAppIconBitmap();
  bool FActive = false;
  int FDisableTag = 99;
  TStringList FSkin3rd;
  std::wstring FSkinFile;
  TSkinFormType FSkinFormtype = sfMainform;
  TMemoryStream FSkinStream;
  THintWindow FCaptionHint{nullptr};
  HICON FScaledSource = nullptr;
  SIZE FScaledSize{};
  TIconHandle FScaledIcon;
  bool FHintShowing = false;
};

// What the skin component tells the process-wide skin manager. The manager
// lives in a higher layer and installs itself here; without it a component
// loads its skin and skins nothing.
class TSkinManagerLink {
public:
  // The component finished reading its description.
  virtual void SkinDataLoaded(TSkinData& data) = 0;
  virtual void SkinDataDestroyed(TSkinData& data) = 0;
  // Active was written at run time (the component holds the new value).
  virtual void ActiveChanged(TSkinData& data) = 0;
  // A skin file replaced the skin at run time.
  virtual void SkinReplaced(TSkinData& data) = 0;

protected:
  ~TSkinManagerLink() = default;
};
void SetSkinManagerLink(TSkinManagerLink* link);
TSkinManagerLink* SkinManagerLink();

// Makes the skin component known to the form reader.
void RegisterSkinClasses();

// Optional user32 functions, looked up once: absent on older systems.
BOOL SkinGetScrollBarInfo(HWND wnd, LONG object, SCROLLBARINFO* info);
bool HasGetScrollBarInfo();
void SkinTrackMouseLeave(HWND wnd);

// Text helpers of the painters.
std::wstring AnsiToWide(const std::string& text);
std::wstring CopyWidePrefix(const std::wstring& text, int count);
int DrawTextWide(HDC dc, const std::wstring& text, RECT* r, UINT format);

// The rows "class name=kind" a new component maps foreign control classes with.
const std::vector<std::wstring>& DefaultSkin3rd();
