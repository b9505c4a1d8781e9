#include "skin/form/ControlDiscovery.h"
#include "host/WideText.h"
#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinBoxH.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinCoolBar.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinRadioButton.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTabSheet.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include <algorithm>
#include <cctype>
#include <commctrl.h>

namespace {
std::string Upper(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}
std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = wchar_t(towlower(c));
  return s;
}
bool Named(const std::string& upperName, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return upperName == n; });
}
bool IsWindowed(const TControl& c) { return dynamic_cast<const TWinControl*>(&c) != nullptr; }
TWinControl* Windowed(TControl& c) { return dynamic_cast<TWinControl*>(&c); }

constexpr unsigned Need(TSkinControlType t) { return 1u << t; }
constexpr unsigned kNone = 0;

// Tests of the class table.
template <const char* Class>
bool Descends(const TControl& c, const std::string&) { return DescendsFrom(c, Class); }

constexpr char kCustomTabControl[] = "TCustomTabControl", kTabSheet[] = "TTabSheet",
               kCustomStatusBar[] = "TCustomStatusBar", kCustomPanel[] = "TCustomPanel", kButton[] = "TButton",
               kCustomEdit[] = "TCustomEdit", kCustomCheckBox[] = "TCustomCheckBox",
               kRadioButton[] = "TRadioButton", kCustomRadioGroup[] = "TCustomRadioGroup",
               kCustomGroupBox[] = "TCustomGroupBox", kTrackBar[] = "TTrackBar", kProgressBar[] = "TProgressBar",
               kHeaderControl[] = "THeaderControl", kToolBar[] = "TToolBar", kCoolBar[] = "TCoolBar",
               kScrollBox[] = "TScrollBox", kCustomComboBox[] = "TCustomComboBox",
               kCustomListView[] = "TCustomListView", kBitBtn[] = "TBitBtn", kSpeedButton[] = "TSpeedButton",
               kCustomListBox[] = "TCustomListBox", kCustomTreeView[] = "TCustomTreeView",
               kScrollBar[] = "TScrollBar", kDateTimePicker[] = "TDateTimePicker";

// Actions shared by several rows.
template <class T>
void Make(TControlDiscovery& d, TControl& c) { d.Attach<T>(c); }
template <class T>
void MakeOwningColour(TControlDiscovery& d, TControl& c) { d.Attach<T>(c, true); }
void Children(TControlDiscovery& d, TControl& c) {
  if (TWinControl* w = Windowed(c)) d.DiscoverChildren(*w);
}
void PanelBox(TControlDiscovery& d, TControl& c) {
  Children(d, c);
  d.Attach<TSkinBox>(c, true);
}
void NavigatorBox(TControlDiscovery& d, TControl& c) {
  d.Attach<TSkinBox>(c, true);
  if (TWinControl* w = Windowed(c))
    for (TControl* child : std::vector<TControl*>(w->Controls())) d.SkinControl(*child, nullptr);
}
void EmbeddedForm(TControlDiscovery& d, TControl& c) {
  d.Attach<TSkinBox>(c, true);
  d.DiscoverComponents(c);
}
// A glyph button whose picture is the named graphic property.
template <class T, const char* GlyphProperty>
void MakeWithGlyphProperty(TControlDiscovery& d, TControl& c) {
  d.Attach<T>(c, false, [](T& s) { s.SetGlyphProperty(GlyphProperty); });
}
constexpr char kNoGlyphProperty[] = "", kPngImage[] = "PngImage";
template <const char* GlyphProperty>
void SpeedButton(TControlDiscovery& d, TControl& c) {
  auto* skinner = new TSkinSpeedButton(&c);
  skinner->SetGlyphProperty(GlyphProperty);
  skinner->AttachSpeedButton(&d.Form, &d.Data, &d.Form.SkinnerCanvas);
}
// A control of another component set that takes a glyph strip made from the skin.
template <int Mode>
void ObjImage(TControlDiscovery& d, TControl& c) {
  d.Attach<TSkinObjImage>(c, true, [](TSkinObjImage& s) { s.GlyphMode = Mode; });
}
// The buttons a group of buttons made get Plain, or, in a group of the
// component set whose buttons take glyph strips, a strip of GlyphMode. A
// button that already has a skinner keeps it.
template <class Plain, int GlyphMode>
void GroupButtons(TControlDiscovery& d, TControl& group) {
  TWinControl* w = Windowed(group);
  if (!w) return;
  const bool glyphs = Upper(group.ClassName()).find("TRZ") != std::string::npos;
  for (TControl* child : std::vector<TControl*>(w->Controls())) {
    if (!IsWindowed(*child) || d.IsSkinned(*child)) continue;
    if (glyphs)
      ObjImage<GlyphMode>(d, *child);
    else
      d.Attach<Plain>(*child);
  }
}
// A radio group's buttons, then the group itself in the skin's face.
void RadioGroup(TControlDiscovery& d, TControl& c) {
  GroupButtons<TSkinRadioButton, gmRadioGlyphs>(d, c);
  d.Attach<TSkinGroupBox>(c, true);
}
void GroupBox(TControlDiscovery& d, TControl& c) {
  Children(d, c);
  d.Attach<TSkinGroupBox>(c);
}
// A drop-down button of the bit-button kind gets the menu button's arrow.
void BitButton(TControlDiscovery& d, TControl& c) {
  if (_stricmp(c.ClassName().c_str(), "TcxButton") == 0 &&
      _wcsicmp(ReadEnumProp(&c, "Kind").c_str(), L"cxbkDropDownButton") == 0)
    d.Attach<TSkinMenuButton>(c);
  else
    d.Attach<TSkinBitButton>(c);
}
// A tab control without pages repaints its window-less children over the
// skin; a page control with button tabs is painted as buttons.
void TabControl(TControlDiscovery& d, TControl& c) {
  auto* pages = dynamic_cast<TPageControl*>(&c);
  if (!pages)
    d.Attach<TSkinTab>(c, false, [](TSkinTab& s) { s.SetMode(kTabControlMode); });
  else if (pages->GetStyle() != tsTabs)
    d.Attach<TSkinTabBtn>(c);
  else
    d.Attach<TSkinTab>(c);
}
// A control with its own scroll bars.
void Scrolled(TControlDiscovery& d, TControl& c) { d.Attach<TSkinScrollbar>(c); }
void ScrolledWithChildren(TControlDiscovery& d, TControl& c) {
  Scrolled(d, c);
  Children(d, c);
}
void SingleBar(TControlDiscovery& d, TControl& c) {
  d.Attach<TSkinScrollbar>(c, false, [](TSkinScrollbar& s) { s.SetMode(kSingleBarMode); });
}
// The children that have scroll bars of their own, not the control itself.
void EmbeddedBars(TControlDiscovery& d, TControl& c) {
  TWinControl* w = Windowed(c);
  if (!w) return;
  for (TControl* child : std::vector<TControl*>(w->Controls())) {
    TWinControl* scrolled = Windowed(*child);
    if (scrolled && scrolled->HandleAllocated() && !d.IsSkinned(*scrolled) &&
        (GetWindowLongPtrW(scrolled->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)))
      Scrolled(d, *scrolled);
  }
}
// A tool bar's drop-down menus and its Menu are drawn by the form skinner,
// as its popup menus are.
void ToolBar(TControlDiscovery& d, TControl& c) {
  TWinSkinForm& form = d.Form;
  const int disableTag = d.Data.GetDisableTag();
  d.Attach<TSkinToolBar>(c, false, [&form, disableTag](TSkinToolBar& s) {
    s.SkinMenuItems = [&form, disableTag](TMenu& menu, bool on) {
      if (!on || menu.GetTag() != disableTag) form.SkinMenuItems(menu, on);
    };
  });
}
// A control that shows a menu tree of its own: the form skinner draws the
// items, the control keeps its look.
void MenuCarrier(TControlDiscovery& d, TControl& c) {
  TMainMenu* menu = CarriedMenu(c);
  if (menu && menu->GetTag() != d.Data.GetDisableTag()) d.Form.SkinMenuTree(*menu);
}
void DCEdit(TControlDiscovery& d, TControl& c) {
  const int buttons = ReadIntProp(&c, "NumButtons");
  if (buttons == 0 && d.Allows(Need(xcEdit), false) && IsWindowed(c))
    d.AttachWindow<TSkinEdit>(Windowed(c)->Handle());
  else if (buttons == 1 && d.Allows(Need(xcCombo), false))
    d.Attach<TSkinComBox>(c);
}
}  // namespace

TMainMenu* CarriedMenu(TPersistent& component) {
  return dynamic_cast<TMainMenu*>(ReadObjectProp(&component, "Menu", TPersistent::StaticClass()));
}

bool DescendsFrom(const TControl& control, const char* className) {
  for (const TClassInfo* c = &control.ClassType(); c; c = c->Parent)
    if (c->ClassName == className) return true;
  return false;
}

// The class table, read from the top. Rows whose Apply is null name kinds
// of control whose skinner is not built yet: they still end the walk, as
// they will once it is.
const std::vector<TClassRule>& ClassRules() {
  static const std::vector<TClassRule> rules = {
      {"tab control or page control", Descends<kCustomTabControl>, Need(xcTab), true, TabControl},
      {"old-style tab set", [](const TControl&, const std::string& n) { return n == "TTABSET"; }, Need(xcTab), true,
       Make<TSkinTab31>},
      {"tab sheet", Descends<kTabSheet>, Need(xcTab), true, Make<TSkinTabSheet>},
      {"tabbed notebook", [](const TControl&, const std::string& n) { return n == "TTABBEDNOTEBOOK"; }, Need(xcTab),
       true, Make<TSkinTab>},
      {"container of other controls", [](const TControl&, const std::string& n) { return n == "TMVCPANEL"; }, kNone,
       false, Children},
      {"up-down or spin button", [](const TControl&, const std::string& n) { return Named(n, {"TUPDOWN", "TSPINBUTTON"}); },
       Need(xcSpin), false, Make<TSkinUpDown>},
      {"media player", [](const TControl&, const std::string& n) { return n == "TMEDIAPLAYER"; }, Need(xcButton),
       false, Make<TSkinMP>},
      {"data navigator", [](const TControl&, const std::string& n) { return n == "TDBNAVIGATOR"; }, Need(xcPanel),
       false, NavigatorBox},
      {"check box with custom glyphs",
       [](const TControl&, const std::string& n) { return Named(n, {"TRZDBCHECKBOX", "TRZCHECKBOX"}); },
       Need(xcCheckBox), false, ObjImage<gmCheckGlyphs>},
      {"radio button with custom glyphs",
       [](const TControl&, const std::string& n) { return Named(n, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}); },
       Need(xcRadioButton), false, ObjImage<gmRadioGlyphs>},
      {"check box with a glyph property",
       [](const TControl&, const std::string& n) { return Named(n, {"TCXDBCHECKBOX", "TCXCHECKBOX"}); },
       Need(xcCheckBox), false, ObjImage<gmPropertiesGlyph>},
      {"status bar", Descends<kCustomStatusBar>, Need(xcStatusBar), false, Make<TSkinStatusBar>},
      {"wide-text combo box", [](const TControl&, const std::string& n) { return n == "TTNTCOMBOBOX"; },
       Need(xcCombo), false, Make<TSkinComBox>},
      {"rich edit", [](const TControl&, const std::string& n) { return n == "TRICHEDIT"; }, Need(xcScrollbar), false,
       Scrolled},
      {"rich edit or memo of data",
       [](const TControl&, const std::string& n) { return Named(n, {"TWWDBRICHEDIT", "TDXDBMEMO"}); },
       Need(xcScrollbar), false, Scrolled},
      {"panel", Descends<kCustomPanel>, Need(xcPanel), false, PanelBox},
      {"tree list or grid",
       [](const TControl&, const std::string& n) { return Named(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}); },
       Need(xcScrollbar), false, Scrolled},
      {"check box", Descends<kCustomCheckBox>, Need(xcCheckBox), false, Make<TSkinCheckBox>},
      {"radio group", Descends<kCustomRadioGroup>, Need(xcRadioButton), false, RadioGroup},
      {"group box", Descends<kCustomGroupBox>, Need(xcPanel), false, GroupBox},
      {"radio button", Descends<kRadioButton>, Need(xcRadioButton), false, Make<TSkinRadioButton>},
      {"track bar", Descends<kTrackBar>, Need(xcTrackBar), false, Make<TSkinTrackBar>},
      {"progress bar", Descends<kProgressBar>, Need(xcProgress), false, Make<TSkinProgress>},
      {"header", Descends<kHeaderControl>, Need(xcPanel), false, Make<TSkinHeader>},
      {"tool bar", Descends<kToolBar>, Need(xcToolbar), false, ToolBar},
      {"bar of bands", Descends<kCoolBar>, Need(xcToolbar), false, Make<TSkinCoolBar>},
      {"scrolling container", Descends<kScrollBox>, Need(xcScrollbar), false, Scrolled},
      {"scroll-bar control", Descends<kScrollBar>, Need(xcScrollbar), false, Make<TSkinScControl>},
      {"combo box", Descends<kCustomComboBox>, Need(xcCombo), false, Make<TSkinComBox>},
      {"date-time picker", Descends<kDateTimePicker>, Need(xcCombo), false, Make<TSkinDateTime>},
      {"list view", Descends<kCustomListView>, Need(xcScrollbar), false, Make<TSkinListView>},
      {"list box", Descends<kCustomListBox>, Need(xcScrollbar), false, Scrolled},
      {"tree view", Descends<kCustomTreeView>, Need(xcScrollbar), false, Scrolled},
      {"bit button", Descends<kBitBtn>, Need(xcBitBtn), false, Make<TSkinBitButton>},
      {"speed button", Descends<kSpeedButton>, Need(xcSpeedButton), false, SpeedButton<kNoGlyphProperty>},
      {"control with scroll bars",
       [](const TControl& c, const std::string&) {
         auto* w = dynamic_cast<const TWinControl*>(&c);
         return w && w->HandleAllocated() &&
                (GetWindowLongPtrW(const_cast<TWinControl*>(w)->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
       },
       Need(xcScrollbar), false, Scrolled},
      {"push button", Descends<kButton>, Need(xcButton), false, Make<TSkinButton>},
      {"edit", Descends<kCustomEdit>, Need(xcEdit), false, Make<TSkinEdit>},
      {"form inside a form",
       [](const TControl& c, const std::string& n) {
         return !Named(n, {"TDCEDIT", "TDCDBEDIT"}) && DescendsFrom(c, "TCustomForm");
       },
       kNone, false, EmbeddedForm},
      {"edit with buttons", [](const TControl&, const std::string& n) { return Named(n, {"TDCEDIT", "TDCDBEDIT"}); },
       kNone, false, DCEdit},
      {"control carrying a menu tree",
       [](const TControl& c, const std::string&) { return CarriedMenu(const_cast<TControl&>(c)) != nullptr; },
       kNone, false, MenuCarrier},
  };
  return rules;
}

const std::vector<TSkin3rdKind>& Skin3rdKinds() {
  static const std::vector<TSkin3rdKind> kinds = {
      {"combobox", Need(xcCombo), false, Make<TSkinComBox>},
      {"comboboxex", Need(xcCombo), false,
       [](TControlDiscovery& d, TControl& c) {
         d.Attach<TSkinComBox>(c, false, [](TSkinComBox& s) { s.ExMode = true; });
       }},
      {"edit", Need(xcEdit), false,
       [](TControlDiscovery& d, TControl& c) {
         // Only an edit with a border: its window and client areas differ.
         TWinControl* w = Windowed(c);
         if (!w) return;
         RECT wr, cr;
         GetWindowRect(w->Handle(), &wr);
         GetClientRect(w->Handle(), &cr);
         if (wr.right - wr.left != cr.right || wr.bottom - wr.top != cr.bottom) d.Attach<TSkinEdit>(c);
       }},
      {"radiobutton", Need(xcRadioButton), false, Make<TSkinRadioButton>},
      {"panel", Need(xcPanel), false,
       [](TControlDiscovery& d, TControl& c) {
         d.Attach<TSkinBox>(c, true)->SetPropertyWhileSkinned("Transparent", L"True");
       }},
      {"trackbar", Need(xcButton), false,
       [](TControlDiscovery& d, TControl& c) {
         d.Attach<TSkinTrackBar>(c)->SetPropertyWhileSkinned("Transparent", L"True");
       }},
      {"button", Need(xcButton), false, Make<TSkinButton>},
      {"datetimepicker", Need(xcCombo), false, Make<TSkinDateTime>},
      {"mediaplayer", Need(xcButton), false, Make<TSkinMP>},
      {"bitbtn", Need(xcButton), false, BitButton},
      {"pngbitbtn", Need(xcButton), false, MakeWithGlyphProperty<TSkinBitButton, kPngImage>},
      {"pngspeedbutton", Need(xcButton), false, SpeedButton<kPngImage>},
      {"menubtn", Need(xcButton), false, Make<TSkinMenuButton>},
      {"speedbutton", Need(xcSpeedButton), false, SpeedButton<kNoGlyphProperty>},
      {"tab", Need(xcTab), true, Make<TSkinTab>},
      {"progress", Need(xcProgress), false, Make<TSkinProgress>},
      {"scrollbar", Need(xcScrollbar), false, ScrolledWithChildren},
      {"singlescrollbar", Need(xcScrollbar), false, SingleBar},
      {"embedscrollbar", Need(xcScrollbar), false, EmbeddedBars},
      {"container", kNone, false, Children},
      {"groupbox", Need(xcGroupBox), false, MakeOwningColour<TSkinGroupBox>},
      {"advpagecontrol", Need(xcTab), false,
       [](TControlDiscovery& d, TControl& c) {
         d.Attach<TSkinAdvPage>(c, true, [](TSkinAdvPage& s) { s.PageMode = kAdvPageMode; });
       }},
      {"radiogroup", Need(xcGroupBox), false,
       [](TControlDiscovery& d, TControl& c) {
         if (d.Data.Has(xcRadioButton)) GroupButtons<TSkinRadioButton, gmRadioGlyphs>(d, c);
         d.Attach<TSkinGroupBox>(c, true);
       }},
      // Without xcPanel a check group is judged as a check box. Its buttons
      // follow xcRadioButton, as the radio group's do.
      {"checkgroup", Need(xcPanel), false,
       [](TControlDiscovery& d, TControl& c) {
         if (d.Data.Has(xcRadioButton)) GroupButtons<TSkinCheckBox, gmCheckGlyphs>(d, c);
         if (d.Data.Has(xcGroupBox)) d.Attach<TSkinGroupBox>(c, true);
       }},
      {"checkbox", Need(xcCheckBox), false, Make<TSkinCheckBox>},
  };
  return kinds;
}

const TClassRule* FindClassRule(const TControl& control) {
  const std::string upper = Upper(control.ClassName());
  for (const TClassRule& rule : ClassRules())
    if (rule.Test(control, upper)) return &rule;
  return nullptr;
}

std::wstring Skin3rdKindOf(const std::vector<std::wstring>& rows, const std::string& className) {
  const std::wstring key = Lower(Utf8ToWide(className)) + L"=";
  // Asked for every control of a form: no row is copied unless it matches.
  auto startsWithKey = [&key](const std::wstring& row) {
    if (row.size() < key.size()) return false;
    for (size_t i = 0; i < key.size(); ++i)
      if (wchar_t(towlower(row[i])) != key[i]) return false;
    return true;
  };
  for (const std::wstring& row : rows)
    if (startsWithKey(row)) return Lower(row.substr(key.size(), 50));
  return L"";
}

namespace {
bool IsButton(const std::wstring& n) { return n == L"button"; }
bool OwnerDrawn(LONG_PTR s) { return (s & BS_OWNERDRAW) == BS_OWNERDRAW; }
bool CheckStyle(LONG_PTR s) {
  return (s & BS_AUTOCHECKBOX) == BS_AUTOCHECKBOX || (s & BS_CHECKBOX) || (s & BS_3STATE) == BS_3STATE;
}
bool RadioStyle(LONG_PTR s) { return (s & BS_AUTORADIOBUTTON) == BS_AUTORADIOBUTTON || (s & BS_RADIOBUTTON); }
void StaysNative(TControlDiscovery&, HWND) {}
void FacePanel(TControlDiscovery& d, HWND wnd) {
  if (TWinControl* panel = FindControl(wnd)) panel->SetColor(d.Data.SkinColours[3]);
}
template <class T>
void MakeFor(TControlDiscovery& d, HWND wnd) { d.AttachWindow<T>(wnd); }
}  // namespace

// The rules for the child windows of a foreign window, read from the top.
const std::vector<TWindowRule>& WindowRules() {
  static const std::vector<TWindowRule> rules = {
      {"owner-drawn, group-box or bitmap button",
       [](const std::wstring& n, LONG_PTR s) {
         return IsButton(n) && (OwnerDrawn(s) || (s & BS_GROUPBOX) == BS_GROUPBOX || (s & BS_BITMAP));
       },
       kNone, false, StaysNative},
      {"check box", [](const std::wstring& n, LONG_PTR s) { return IsButton(n) && CheckStyle(s); }, Need(xcCheckBox),
       false, MakeFor<TSkinCheckBox>},
      {"radio button", [](const std::wstring& n, LONG_PTR s) { return IsButton(n) && RadioStyle(s); },
       Need(xcRadioButton), false, MakeFor<TSkinRadioButton>},
      {"push button", [](const std::wstring& n, LONG_PTR) { return IsButton(n); }, Need(xcButton), false,
       MakeFor<TSkinButton>},
      {"simple combo box", [](const std::wstring& n, LONG_PTR s) { return n == L"combobox" && (s & 3) == CBS_SIMPLE; },
       kNone, false, StaysNative},
      {"combo box", [](const std::wstring& n, LONG_PTR) { return n == L"combobox"; }, Need(xcCombo), false,
       MakeFor<TSkinComBox>},
      {"extended combo box", [](const std::wstring& n, LONG_PTR) { return n == L"comboboxex32"; }, Need(xcCombo),
       false,
       [](TControlDiscovery& d, HWND wnd) {
         if (const HWND combo = GetTopWindow(wnd)) d.AttachWindow<TSkinComBox>(combo);
       }},
      // A plain scroll bar is one whatever its tab stop; only a size box
      // or grip is left to the size-grip rule.
      {"scroll-bar control",
       [](const std::wstring& n, LONG_PTR s) { return n == L"scrollbar" && !(s & (SBS_SIZEBOX | SBS_SIZEGRIP)); },
       Need(xcScrollbar), false, MakeFor<TSkinScControl>},
      {"size grip", [](const std::wstring& n, LONG_PTR s) { return n == L"scrollbar" && !(s & WS_TABSTOP); }, kNone,
       false, MakeFor<TSkinSizer>},
      {"tree view", [](const std::wstring& n, LONG_PTR) { return n == L"systreeview32"; }, kNone, false, StaysNative},
      {"dialog page", [](const std::wstring& n, LONG_PTR s) { return n == L"#32770" && !(s & WS_TABSTOP); }, kNone,
       false,
       [](TControlDiscovery& d, HWND wnd) {
         d.DiscoverWindows(wnd);
         d.AttachWindow<TSkinBoxH>(wnd);
       }},
      {"panel of the class library",
       [](const std::wstring& n, LONG_PTR) {
         return n == L"tpanel" || n == L"ttntpanel.unicodeclass" || n == L"ttntsilentpaintpanel.unicodeclass";
       },
       kNone, false,
       [](TControlDiscovery& d, HWND wnd) {
         d.DiscoverWindows(wnd);
         FacePanel(d, wnd);
       }},
      {"check box of the class library", [](const std::wstring& n, LONG_PTR) { return n == L"tcheckbox"; },
       Need(xcCheckBox), false, MakeFor<TSkinCheckBox>},
      {"combo box of the class library", [](const std::wstring& n, LONG_PTR) { return n == L"tcombobox"; },
       Need(xcCombo), false, MakeFor<TSkinComBox>},
      {"button of the class library", [](const std::wstring& n, LONG_PTR) { return n == L"tbutton"; }, Need(xcButton),
       false, MakeFor<TSkinButton>},
      {"progress bar of the class library", [](const std::wstring& n, LONG_PTR) { return n == L"tprogressbar"; },
       kNone, false, MakeFor<TSkinProgress>},
      {"panel painting nothing", [](const std::wstring& n, LONG_PTR) { return n == L"tsilentpaintpanel"; }, kNone,
       false, FacePanel},
      {"tab control",
       [](const std::wstring& n, LONG_PTR s) { return n == L"systabcontrol32" && !(s & TCS_OWNERDRAWFIXED); },
       Need(xcTab), true, MakeFor<TSkinTab>},
      {"tool bar", [](const std::wstring& n, LONG_PTR) { return n == L"toolbarwindow32"; }, kNone, false,
       MakeFor<TSkinBoxH>},
      // Any list box: it takes its bar off its style while it has no use for
      // it, and the panels wait hidden until it comes back.
      {"list box", [](const std::wstring& n, LONG_PTR) { return n == L"listbox"; }, Need(xcScrollbar), false,
       MakeFor<TSkinScrollbarH>},
      {"multi-line edit with scroll bars",
       [](const std::wstring& n, LONG_PTR s) {
         return n == L"edit" && (s & ES_MULTILINE) && (s & (WS_VSCROLL | WS_HSCROLL));
       },
       Need(xcScrollbar), false, MakeFor<TSkinScrollbarH>},
      {"edit", [](const std::wstring& n, LONG_PTR) { return n == L"edit"; }, Need(xcEdit), false, MakeFor<TSkinEdit>},
      // The common controls of the system, by their class names.
      {"status bar", [](const std::wstring& n, LONG_PTR) { return n == L"msctls_statusbar32"; }, Need(xcStatusBar),
       false, MakeFor<TSkinStatusBar>},
      {"up-down", [](const std::wstring& n, LONG_PTR) { return n == L"msctls_updown32"; }, Need(xcSpin), false,
       MakeFor<TSkinUpDown>},
      {"progress bar", [](const std::wstring& n, LONG_PTR) { return n == L"msctls_progress32"; }, Need(xcProgress),
       false, MakeFor<TSkinProgress>},
      {"track bar", [](const std::wstring& n, LONG_PTR) { return n == L"msctls_trackbar32"; }, Need(xcTrackBar),
       false, MakeFor<TSkinTrackBar>},
  };
  return rules;
}

TControlDiscovery::TControlDiscovery(TWinSkinForm& form, TSkinData& data) : Form(form), Data(data) {}

template <class T>
T* TControlDiscovery::Attach(TControl& control, bool ownsColor, const std::function<void(T&)>& prepare) {
  auto* skinner = new T(&control);
  if (prepare) prepare(*skinner);
  AttachSkinner(*skinner, ownsColor);
  return skinner;
}

template <class T>
T* TControlDiscovery::AttachWindow(HWND wnd) {
  auto* skinner = new T(&Form);
  AttachWindowSkinner(*skinner, wnd);
  return skinner;
}

void TControlDiscovery::AttachSkinner(TSkinControl& skinner, bool ownsColor) {
  skinner.AttachControl(&Form, &Data, ownsColor, &Form.SkinnerCanvas);
}

void TControlDiscovery::AttachWindowSkinner(TSkinControl& skinner, HWND wnd) {
  skinner.AttachWindow(wnd, &Data, &Form, &Form.SkinnerCanvas);
}

bool TControlDiscovery::Allows(unsigned needs, bool needsTabs) const {
  if ((Data.SkinControls & needs) != needs) return false;
  return !needsTabs || HasImage(Data.Tabs.get());
}

bool TControlDiscovery::IsSkinned(const TControl& control) const {
  auto* w = dynamic_cast<const TWinControl*>(&control);
  if (w && w->HandleAllocated() && SendMessageW(const_cast<TWinControl*>(w)->Handle(), WM_SKIN_QUERY, 0, 0) == 1)
    return true;
  return Form.FindControlSkinner(control) != nullptr;
}

void TControlDiscovery::DiscoverForm(TWinControl& form) {
  Form.FreeGoneControlSkinners();
  DiscoverComponents(form);
  std::vector<TWinControl*> tabOrder;
  form.GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->GetTag() == Data.GetDisableTag()) continue;
    if (SendMessageW(control->Handle(), WM_SKIN_QUERY, 0, 0) == 1) continue;
    SkinControl(*control, &form);
  }
}

void TControlDiscovery::DiscoverComponents(TComponent& owner) {
  // A skinner made on the way becomes a component too: walk a copy.
  for (TComponent* c : std::vector<TComponent*>(owner.Components()))
    if (auto* control = dynamic_cast<TControl*>(c)) SkinControl(*control, &owner);
}

void TControlDiscovery::DiscoverChildren(TWinControl& parent) {
  for (TControl* child : std::vector<TControl*>(parent.Controls())) SkinControl(*child, &parent);
}

void TControlDiscovery::SkinControl(TControl& control, TComponent* parent) {
  const std::string upper = Upper(control.ClassName());
  if (control.GetTag() == Data.GetDisableTag()) {
    // The buttons of a group left native stay native too.
    const std::wstring lower = Lower(Utf8ToWide(control.ClassName()));
    TWinControl* group = Windowed(control);
    if (group && (lower.find(L"radiogroup") != std::wstring::npos || lower.find(L"checkgroup") != std::wstring::npos))
      for (TControl* child : group->Controls()) child->SetTag(Data.GetDisableTag());
    return;
  }
  if (!control.Parent() || IsSkinned(control)) return;
  if (TWinControl* w = Windowed(control)) {
    try {
      w->HandleNeeded();
    } catch (const std::exception&) {
      return;  // a control whose window cannot be made is skipped
    }
  }
  if (Data.OnSkinControl) {
    TComponent* chosen = nullptr;
    Data.OnSkinControl(&Form, &Data, dynamic_cast<TControl*>(parent), &control, Utf8ToWide(upper), chosen);
    if (chosen) {
      auto* skinner = dynamic_cast<TSkinControl*>(chosen);
      if (skinner && !Form.HasControlSkinner(*skinner)) AttachSkinner(*skinner, skinner->OwnsColor());
      if (DescendsFrom(control, "TCustomPanel")) Children(*this, control);
      return;
    }
  }
  if (MapSkin3rd(upper, control)) return;
  if (Named(upper, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) return;
  const TClassRule* rule = FindClassRule(control);
  if (rule && rule->Apply && Allows(rule->Needs, rule->NeedsTabs)) rule->Apply(*this, control);
}

bool TControlDiscovery::MapSkin3rd(const std::string& upperName, TControl& control) {
  const std::wstring kind = Skin3rdKindOf(Data.GetSkin3rd()->Items(), upperName);
  if (kind.empty()) return false;
  if (kind == L"nil") return true;
  for (const TSkin3rdKind& k : Skin3rdKinds())
    if (kind == Utf8ToWide(k.Kind)) {
      if (k.Apply && Allows(k.Needs, k.NeedsTabs)) k.Apply(*this, control);
      break;
    }
  return true;
}

void TControlDiscovery::DiscoverWindows(HWND wnd) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(wnd); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
  for (HWND child : children) SkinWindowControl(child);
}

void TControlDiscovery::SkinWindowControl(HWND wnd) {
  if (!wnd || Form.FindWindowSkinner(wnd)) return;
  const std::wstring name = Lower(ClassNameOf(wnd));
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  for (const TWindowRule& rule : WindowRules())
    if (rule.Test(name, style)) {
      if (rule.Apply && Allows(rule.Needs, rule.NeedsTabs)) rule.Apply(*this, wnd);
      return;
    }
}

void TControlDiscovery::ReplaceScrollbarSkinner(HWND wnd) {
  const auto& skinners = Form.ControlSkinners;
  auto it = std::find_if(skinners.rbegin(), skinners.rend(), [wnd](TSkinControl* s) { return s->WindowHandle() == wnd; });
  auto* old = it != skinners.rend() ? dynamic_cast<TSkinScrollbar*>(*it) : nullptr;
  TWinControl* control = old ? old->Control() : nullptr;
  if (!control) return;
  if (old->Status() != ssWindowGone) old->Detach();
  old->Release();
  auto* skinner = new TSkinScrollbar(control);
  skinner->AttachScrolled(control, &Data, &Form, &Form.SkinnerCanvas);
}
