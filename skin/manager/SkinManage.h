// The one process-wide skin manager: registry of skin components, the
// window-creation hook, and the deferred switch-on, switch-off and new-skin
// actions the skin components request.
#pragma once
#include "ExtCtrls.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class TSkinData;

// Platform facts, read once.
bool IsWinNT();
bool NotWinVista();
DWORD WinVersion();  // GetVersion, as read when the hook was installed

enum TSkinAction { saNone = 0, saSkin = 1, saUnskin = 2, saSkinChanged = 3 };

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
  void RequestAction(int action, int delay);
  bool SkinWindow(HWND wnd);
  void RefreshFormSkinners();
  TSkinData* FindSkinData(HWND wnd) const;

  TTimer ActionTimer{nullptr};
  std::vector<TSkinData*> SkinDataList;
  bool SkinningActive = false;
  bool Enumerating = false;
  int RunState = 0;  // 0 nothing active yet, 1 running, 4 being destroyed
  int MenuKind = 0;
  int PendingAction = saNone;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;
  HHOOK SkinHook = nullptr;

private:
  void OnActionTimer(TObject* sender);
};

// The manager, made by the first skin component that finishes loading.
extern std::unique_ptr<TSkinManage> SkinManager;
