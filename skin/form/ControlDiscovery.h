// Which skinner each control of a skinned window gets. A class-library form
// is walked through its components and child controls and each control is
// judged by its class, its class name and the skin component's Skin3rd
// rows; a foreign window is walked through its child windows, judged by
// class name and style. Each walk is a table read from the top: the first
// rule whose test holds decides, and the SkinControls member it needs
// switches it on or off.
#pragma once
#include "host/Controls.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class TSkinControl;
class TSkinData;
class TWinSkinForm;

class TControlDiscovery;
using TRuleAction = void (*)(TControlDiscovery& discovery, TControl& control);

// One rule for class-library controls.
struct TClassRule {
  const char* What;  // how the rule reads
  bool (*Test)(const TControl& control, const std::string& upperName);
  unsigned Needs;    // SkinControls members, every one needed
  bool NeedsTabs;    // the skin must have its Tabs element
  TRuleAction Apply;  // null: no skinner of that kind is built yet
};

// One kind of the Skin3rd rows ("class name=kind").
struct TSkin3rdKind {
  const char* Kind;  // lower case
  unsigned Needs;
  bool NeedsTabs;
  TRuleAction Apply;
};

// One rule for the child windows of a foreign window.
struct TWindowRule {
  const char* What;
  bool (*Test)(const std::wstring& lowerClassName, LONG_PTR style);
  unsigned Needs;
  bool NeedsTabs;
  void (*Apply)(TControlDiscovery& discovery, HWND wnd);  // null: no skinner of that kind is built yet
};

const std::vector<TClassRule>& ClassRules();
const std::vector<TWindowRule>& WindowRules();
const std::vector<TSkin3rdKind>& Skin3rdKinds();
// The first rule whose test holds for the control, or null.
const TClassRule* FindClassRule(const TControl& control);
// The kind a Skin3rd list gives a class name ("" when no row names it).
std::wstring Skin3rdKindOf(const std::vector<std::wstring>& rows, const std::string& className);
// True when the control's class is, or descends from, the class of that name.
bool DescendsFrom(const TControl& control, const char* className);
class TMainMenu;
// The main menu a component publishes as its Menu (a tool bar's, and the
// like), or null.
TMainMenu* CarriedMenu(TPersistent& component);

class TControlDiscovery {
public:
  TControlDiscovery(TWinSkinForm& form, TSkinData& data);

  // The entry for a class-library form, run at activation.
  void DiscoverForm(TWinControl& form);
  void DiscoverComponents(TComponent& owner);
  void DiscoverChildren(TWinControl& parent);
  void SkinControl(TControl& control, TComponent* parent);
  // The Skin3rd rules; true when a row named the class.
  bool MapSkin3rd(const std::string& upperName, TControl& control);
  // A foreign window's children.
  void DiscoverWindows(HWND wnd);
  void SkinWindowControl(HWND wnd);
  bool IsSkinned(const TControl& control) const;
  // The scroll-bar skinner of the window, the latest one, replaced by a new
  // one for the same control (whose window may be new).
  void ReplaceScrollbarSkinner(HWND wnd);
  bool Allows(unsigned needs, bool needsTabs) const;

  // Makes a skinner of class T owned by the control, lets prepare set it
  // up, and attaches it (the rule actions, all in ControlDiscovery.cpp).
  template <class T>
  T* Attach(TControl& control, bool ownsColor = false, const std::function<void(T&)>& prepare = {});
  // The same for a bare window, owned by the form skinner.
  template <class T>
  T* AttachWindow(HWND wnd);

  TWinSkinForm& Form;
  TSkinData& Data;

private:
  void AttachSkinner(TSkinControl& skinner, bool ownsColor);
  void AttachWindowSkinner(TSkinControl& skinner, HWND wnd);
};
