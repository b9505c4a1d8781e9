// The one process-wide skin manager: registry of skin components and of the
// form skinners it made, the window-creation hook with the admission rules,
// and the deferred switch-on, switch-off and new-skin actions the skin
// components request.
#pragma once
#include "host/ExtCtrls.h"
#include "skin/draw/SkinScratch.h"
#include "skin/manager/SkinnedWindow.h"
#include "skin/manager/WinSkinPopMenu.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class TSkinData;
class TWinControl;

DWORD WinVersion();  // GetVersion, as read when the hook was installed
// The program's own module, compared with a window's GWLP_HINSTANCE.
HINSTANCE ProgramInstance();
// A window's class name, 100 characters at most.
std::wstring ClassNameOf(HWND wnd);

enum TSkinAction { saNone = 0, saSkin = 1, saUnskin = 2, saSkinChanged = 3 };

enum TRunState {
  rsIdle = 0,        // no window activated or skinned yet
  rsRunning = 1,
  rsDestroying = 4,  // the manager is being destroyed
};

// The kind of popup menu expected next.
enum TMenuKind { mkContextMenu = 0, mkMenuBar = 1, mkSystemMenu = 2 };

class TSkinManage {
public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void AddSkinData(TSkinData* data);
  void RemoveSkinData(TSkinData* data);
  void InstallHook();
  // Runs action (1 skin, 2 unskin, 3 skin changed) delay ms later; before the
  // first window is active, 1 and 2 only switch skinning on or off.
  void RequestAction(TSkinAction action, int delay);
  // Gives the window a form skinner if every admission rule holds.
  bool SkinWindow(HWND wnd);
  bool AcceptWindowClass(HWND wnd, const std::wstring& className) const;
  void RefreshFormSkinners();
  TSkinData* FindSkinData(HWND wnd) const;

  TSkinnedWindow* FindFormSkinner(HWND wnd) const;
  // Drops the skinner from the registry without freeing it.
  void RemoveFormSkinner(HWND wnd);
  // Frees the skinners whose window is gone.
  void PurgeFormSkinners();
  // Popup-menu windows: skinned when made, if the skin component allows
  // the kind of menu expected (MenuKind); released when destroyed.
  void SkinPopupMenu(HWND wnd);
  bool ReleasePopupMenu(HWND wnd);
  // The menu a popup window shows, given to the newest skinner without one.
  void AssignMenuToPopup(HMENU menu);
  TBitmap* FindPopupBitmap(HMENU menu) const;

  // MDI children shown maximized keep no region of their own.
  void SetMDIMaximized(bool value);
  // What the action timer runs: the pending action, at once.
  void RunPendingAction();

  // The shared scratch bitmap lives as long as skinning can happen.
  TSkinDrawUnit DrawUnit;
  TTimer ActionTimer{nullptr};
  // Skinners of foreign windows are owned here; those of class-library forms
  // belong to their form and take themselves off this list when freed.
  std::vector<TSkinnedWindow*> FormSkinners;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> PopupSkinners;
  std::vector<TSkinData*> SkinDataList;
  bool SkinningActive = false;
  bool Enumerating = false;
  TRunState RunState = rsIdle;
  TMenuKind MenuKind = mkContextMenu;
  bool MDIMaximized = false;
  HWND MDIClientHandle = nullptr;
  TWinControl* MDIParentForm = nullptr;
  TSkinAction PendingAction = saNone;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;
  HHOOK SkinHook = nullptr;

private:
  void SkinForm(TWinControl* form);
  void DetachAndFree(TSkinnedWindow* skinner);
};

// The manager, made by the first skin component that finishes loading.
extern std::unique_ptr<TSkinManage> SkinManager;

// Lets skin components reach the manager (see TSkinManagerLink).
void InstallSkinManager();
