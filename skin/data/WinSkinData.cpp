#include "skin/data/WinSkinData.h"
#include "host/Platform.h"
#include "skin/data/SkinLoad.h"
#include <algorithm>

namespace {
constexpr unsigned kDefaultSkinControls =
    ((1u << (xcFastReport + 1)) - 1) & ~SetOf({xcMenuItem, xcFastReport});
constexpr unsigned kDefaultOptions = SetOf({xoPreview, xoToolbarBK, xoCaptionButtonHint});

const std::vector<std::wstring> kControlTypeNames = {
    L"xcMainMenu", L"xcPopupMenu", L"xcMenuItem", L"xcToolbar", L"xcControlbar", L"xcCombo",
    L"xcCheckBox", L"xcRadioButton", L"xcProgress", L"xcScrollbar", L"xcEdit", L"xcButton",
    L"xcBitBtn", L"xcSpeedButton", L"xcSpin", L"xcPanel", L"xcGroupBox", L"xcStatusBar",
    L"xcTab", L"xcTrackBar", L"xcSystemMenu", L"xcFastReport"};
const std::vector<std::wstring> kOptionNames = {
    L"xoMDIScrollbar", L"xoMenuMerge", L"xoTransparent", L"xoPreview", L"xoParentBackGround",
    L"xoNoFocusRect", L"xoToolbarBK", L"xoToolbarButton", L"xoMDIChildBorder", L"xoMenuBG",
    L"xoCaptionButtonHint", L"xoFormScrollbar"};

template <class F>
F ProcAddress(HMODULE module, const char* name) {
  // Through the generic function type: the address is only typed here.
  return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

struct TUser32Optional {
  HMODULE Module = LoadLibraryA("user32.dll");
  decltype(&GetScrollBarInfo) ScrollBarInfo = ProcAddress<decltype(&GetScrollBarInfo)>(Module, "GetScrollBarInfo");
  decltype(&TrackMouseEvent) TrackMouse = ProcAddress<decltype(&TrackMouseEvent)>(Module, "TrackMouseEvent");
  ~TUser32Optional() {
    if (Module) FreeLibrary(Module);
  }
};
const TUser32Optional& User32Optional() {
  static const TUser32Optional functions;
  return functions;
}

bool StartsWith(const std::wstring& s, const wchar_t* prefix) { return s.rfind(prefix, 0) == 0; }

TSkinManagerLink* ManagerLink = nullptr;
}  // namespace

void SetSkinManagerLink(TSkinManagerLink* link) { ManagerLink = link; }
TSkinManagerLink* SkinManagerLink() { return ManagerLink; }

BOOL SkinGetScrollBarInfo(HWND wnd, LONG object, SCROLLBARINFO* info) {
  auto f = User32Optional().ScrollBarInfo;
  return f ? f(wnd, object, info) : FALSE;
}

bool HasGetScrollBarInfo() { return User32Optional().ScrollBarInfo != nullptr; }

void SkinTrackMouseLeave(HWND wnd) {
  if (auto f = User32Optional().TrackMouse) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, wnd, 0};
    f(&tme);
  }
}

std::wstring AnsiToWide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(size_t(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), out.data(), n);
  return out;
}

std::wstring CopyWidePrefix(const std::wstring& text, int count) {
  return count < 0 ? text : text.substr(0, size_t(count));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT* r, UINT format) {
  if (IsWinNT()) return DrawTextW(dc, text.c_str(), int(text.size()), r, format);
  int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(size_t(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), ansi.data(), n, nullptr, nullptr);
  return DrawTextA(dc, ansi.c_str(), -1, r, format);
}

DEFINE_COMPONENT_INFO(TSkinData, TComponent,
  {BoolProp("Active", &TSkinData::GetActive, &TSkinData::SetActive),
   IntProp("DisableTag", &TSkinData::GetDisableTag, &TSkinData::SetDisableTag),
   SetOfProp("SkinControls", &TSkinData::GetSkinControls, &TSkinData::SetSkinControls, kControlTypeNames),
   SetOfProp("Options", &TSkinData::GetOptions, &TSkinData::SetOptions, kOptionNames),
   StringListProp("Skin3rd", &TSkinData::GetSkin3rd),
   StrProp("SkinFile", &TSkinData::GetSkinFile, &TSkinData::SetSkinFile),
   TPropInfo{"SkinStore", [](TPersistent& o) { return TValue::String(static_cast<TSkinData&>(o).GetSkinStore()); },
             [](TPersistent&, const TValue&) {}},
   EnumProp("SkinFormtype", &TSkinData::GetSkinFormtype, &TSkinData::SetSkinFormtype,
            {L"sfMainform", L"sfOnlyThisForm", L"sfDialog", L"sfDLL"}),
   TPropInfo{"Version", [](TPersistent&) { return TValue::String(TSkinData::kVersion); },
             [](TPersistent&, const TValue&) {}},
   TPropInfo{"MenuUpdate", [](TPersistent& o) { return TValue::Bool(static_cast<TSkinData&>(o).MenuUpdate); },
             [](TPersistent& o, const TValue& v) { static_cast<TSkinData&>(o).MenuUpdate = v.AsBool(); }},
   TPropInfo{"MenuMerge", [](TPersistent& o) { return TValue::Bool(static_cast<TSkinData&>(o).MenuMerge); },
             [](TPersistent& o, const TValue& v) { static_cast<TSkinData&>(o).MenuMerge = v.AsBool(); }},
   EventProp("OnFormSkin", &TSkinData::OnFormSkin),
   EventProp("OnSkinChanged", &TSkinData::OnSkinChanged),
   EventProp("OnSkinControl", &TSkinData::OnSkinControl),
   EventProp("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm),
   EventProp("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)})

void RegisterSkinClasses() { RegisterComponentClass(TSkinData::StaticClass()); }

TSkinData::TSkinData(TComponent* AOwner) : TComponent(AOwner) {
  for (const std::wstring& row : DefaultSkin3rd()) FSkin3rd.Add(row);
  PushButtons = std::make_unique<TDataSkinButton>(L"Buttons");
  FrameSideLeft = std::make_unique<TDataSkinBorder>(L"Left");
  FrameSideRight = std::make_unique<TDataSkinBorder>(L"Right");
  FrameSideTop = std::make_unique<TDataSkinBorder>(L"Top");
  FrameSideBottom = std::make_unique<TDataSkinBorder>(L"Bottom");
  Title = std::make_unique<TDataSkinTitle>(L"Title");
  SkinControls = kDefaultSkinControls;
  Options = kDefaultOptions;
  AppIconBitmap.SetPixelFormat(pf24bit);
  MenuGlyphs.LoadFromResource(GetModuleHandleW(nullptr), L"FACETTEMENU", 16, RGB(255, 255, 255));
  MaximizedSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

TSkinData::~TSkinData() {
  if (ManagerLink) ManagerLink->SkinDataDestroyed(*this);
}

bool TSkinData::ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) {
  if (name != "SkinStream") return false;
  int32_t length = 0;
  if (data.size() >= 4) length = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                                         uint32_t(data[3]) << 24);
  // A length the data does not hold is damage: nothing is read, as for no skin.
  if (length <= 0 || size_t(length) > data.size() - 4) return true;
  FSkinStream.Clear();
  FSkinStream.Write(data.data() + 4, size_t(length));
  LoadSkin();
  return true;
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const {
  const uint32_t n = uint32_t(FSkinStream.Size());
  std::vector<uint8_t> out(4 + FSkinStream.Bytes().size());
  for (int i = 0; i < 4; ++i) out[size_t(i)] = uint8_t(n >> (8 * i));
  std::copy(FSkinStream.Bytes().begin(), FSkinStream.Bytes().end(), out.begin() + 4);
  return out;
}

bool TSkinData::LoadSkin() { return LoadSkinFromStream(*this, FSkinStream.Bytes()); }

HWND TSkinData::OwnerWindow() const {
  auto* form = dynamic_cast<TForm*>(Owner());
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (!HasGetScrollBarInfo()) SkinControls &= ~SetOf({xcScrollbar});

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  SystemCaptionFont.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));

  // An active main-form component without a skin has nothing to show.
  if (FSkinFormtype == sfMainform && FActive && NoSkinLoaded) FActive = false;
  if (ManagerLink) ManagerLink->SkinDataLoaded(*this);
  if (FSkinFormtype != sfMainform) return;
  if (Has(xcMainMenu))
    SkinControls &= ~SetOf({xcMenuItem});
  else
    SkinControls &= ~SetOf({xcSystemMenu});
  MakeAppIconBitmap();
}

void TSkinData::MakeAppIconBitmap() {
  constexpr TColor kKeyColour = 0xFF00FF;
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  AppIconBitmap.SetPixelFormat(pf24bit);
  AppIconBitmap.SetSize(cx, cy);
  AppIconBitmap.Transparent = true;
  AppIconBitmap.TransparentColor = kKeyColour;
  if (AppIconBitmap.Empty()) return;
  AppIconBitmap.Canvas().BrushColor = kKeyColour;
  AppIconBitmap.Canvas().FillRect({0, 0, cx, cy});
  HWND app = Application ? Application->Handle() : nullptr;
  HICON icon = app ? HICON(SendMessageW(app, WM_GETICON, ICON_SMALL, 0)) : nullptr;
  if (!icon && app) icon = HICON(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  if (HICON copy = ScaledIcon(icon, cx, cy))
    DrawIconEx(AppIconBitmap.Canvas().Handle(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
}

HICON TSkinData::ScaledIcon(HICON icon, int cx, int cy) {
  if (!icon) return nullptr;
  if (icon != FScaledSource || cx != FScaledSize.cx || cy != FScaledSize.cy) {
    FScaledIcon.Reset(HICON(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
    FScaledSource = icon;
    FScaledSize = {cx, cy};
  }
  return FScaledIcon.Get();
}

void TSkinData::SetActive(bool v) {
  if (v == FActive) return;
  FActive = v;
  if (!Loading() && ManagerLink) ManagerLink->ActiveChanged(*this);
}

void TSkinData::SetSkinFile(const std::wstring& path) {
  FSkinFile = path;
  TMemoryStream file;
  // A missing file is ignored: the current skin stays in force.
  if (path.empty() || !file.LoadFromFile(path)) return;
  // A refused package keeps the stored one, so nothing of the current skin is lost.
  if (!LoadSkinFromStream(*this, file.Bytes())) return;
  FSkinStream = std::move(file);
  if (!Loading() && ManagerLink) ManagerLink->SkinReplaced(*this);
}

void TSkinData::FormSkinDecision(HWND wnd, const std::wstring& className, bool& DoSkin) {
  LastFormSkinWindow = wnd;
  if (OnFormSkin) {
    OnFormSkin(this, className, DoSkin);
    return;
  }
  if (className == L"SysMonthCal32") DoSkin = false;
  if (StartsWith(className, L"Tfr") && Has(xcFastReport)) DoSkin = false;
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShowCaptionHint(const RECT& r, const std::wstring& text) {
  if (!Has(xoCaptionButtonHint) || FHintShowing) return;
  RECT hint = FCaptionHint.CalcHintRect(500, text);
  OffsetRect(&hint, r.left, r.top);
  FCaptionHint.ActivateHint(hint, text);
  FHintShowing = true;
}

void TSkinData::HideCaptionHint() {
  if (!FHintShowing) return;
  if (FCaptionHint.HandleAllocated()) ShowWindow(FCaptionHint.Handle(), SW_HIDE);
  FHintShowing = false;
}
