#include "SkinManage.h"
#include "WinSkinData.h"
#include <algorithm>

std::unique_ptr<TSkinManage> SkinManager;

namespace {
// Set once the manager is gone: a hook still called then only passes calls on.
bool HooksDisabled = false;
DWORD HookWinVersion = 0;

LRESULT CALLBACK CbtHookProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code >= 0 && !HooksDisabled && SkinManager) {
    try {
      if (code == HCBT_ACTIVATE) {
        if (SkinManager->RunState == 0) SkinManager->RunState = 1;
        SkinManager->SkinWindow(HWND(wparam));
      }
    } catch (...) {
      // The hook runs inside the system's window code: nothing may unwind through it.
    }
  }
  return CallNextHookEx(SkinManager ? SkinManager->SkinHook : nullptr, code, wparam, lparam);
}
}  // namespace

bool IsWinNT() {
  static const bool nt = !(GetVersion() & 0x80000000u);
  return nt;
}

bool NotWinVista() {
  static const bool notVista = LOBYTE(LOWORD(GetVersion())) != 6;
  return notVista;
}

DWORD WinVersion() { return HookWinVersion; }

TSkinManage::TSkinManage() {
  HooksDisabled = false;
  ActionTimer.SetEnabled(false);
  ActionTimer.SetInterval(100);
  ActionTimer.OnTimer = [this](TObject* sender) { OnActionTimer(sender); };
}

TSkinManage::~TSkinManage() {
  RunState = 4;
  SkinningActive = false;
  ActionTimer.SetEnabled(false);
  if (SkinHook) UnhookWindowsHookEx(SkinHook);
  SkinHook = nullptr;
  HooksDisabled = true;
}

void TSkinManage::AddSkinData(TSkinData* data) {
  SkinDataList.push_back(data);
  if (!MainSkinData && data->GetSkinFormtype() == sfMainform) MainSkinData = data;
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
  SkinDataList.erase(std::remove(SkinDataList.begin(), SkinDataList.end(), data), SkinDataList.end());
  // Nothing may use a component after it is gone.
  if (MainSkinData == data) MainSkinData = nullptr;
  if (PendingSkinData == data) PendingSkinData = nullptr;
}

void TSkinManage::InstallHook() {
  HookWinVersion = GetVersion();
  HHOOK previous = SkinHook;
  SkinHook = SetWindowsHookExA(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
  // Only one hook per manager: a second skin component replaces the first.
  if (previous && SkinHook) UnhookWindowsHookEx(previous);
}

void TSkinManage::RequestAction(int action, int delay) {
  PendingAction = action;
  ActionTimer.SetInterval(delay);
  if (RunState == 0) {
    if (action == saSkin) SkinningActive = true;
    if (action == saUnskin) SkinningActive = false;
    return;
  }
  ActionTimer.SetEnabled(true);
}

bool TSkinManage::SkinWindow(HWND) {
  // Windows are admitted once form skinners exist; until then every window stays native.
  return false;
}

void TSkinManage::RefreshFormSkinners() {}

TSkinData* TSkinManage::FindSkinData(HWND wnd) const {
  for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
    if ((*it)->GetSkinFormtype() == sfOnlyThisForm && (*it)->OwnerWindow() == wnd) return *it;
  wchar_t name[101] = {};
  GetClassNameW(wnd, name, 101);
  std::wstring lower = name;
  for (wchar_t& c : lower) c = wchar_t(towlower(c));
  if (lower == L"tmessageform" || lower == L"#32770")
    for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
      if ((*it)->GetSkinFormtype() == sfDialog) return *it;
  for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
    if ((*it)->GetSkinFormtype() == sfMainform) return *it;
  return SkinDataList.empty() ? nullptr : SkinDataList.front();
}

void TSkinManage::OnActionTimer(TObject*) {
  ActionTimer.SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  if (PendingAction == saSkin) SkinningActive = true;
  if (PendingAction == saUnskin) SkinningActive = false;
  data->SkinChanged();
  PendingSkinData = nullptr;
}
