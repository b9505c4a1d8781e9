#include "skin/manager/SkinManage.h"
#include "host/CallbackGuard.h"
#include "host/Platform.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinMessages.h"
#include <algorithm>

namespace {
// The drawing unit's state exists before the manager does, so that at
// program end it is destroyed after the manager gave its share back.
const bool DrawStateFirst = (InitSkinDraw(), DoneSkinDraw(), true);
}  // namespace

std::unique_ptr<TSkinManage> SkinManager;

namespace {
// Set once the manager is gone: a hook still called then only passes calls on.
bool HooksDisabled = false;
DWORD HookWinVersion = 0;
TFormSkinnerFactory FormSkinnerFactory;

// A form with this tag is never skinned, whatever the skin component's DisableTag says.
constexpr int kNeverSkinnedTag = 99;

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = wchar_t(towlower(c));
  return s;
}

// The hook's work; the hook runs inside the system's window code.
void OnCbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam);
    const CREATESTRUCTA* cs = create ? create->lpcs : nullptr;
    if (!cs) return;
    const HWND wnd = HWND(wparam);
    // A size grip made after its window was skinned gets its skinner now.
    if ((cs->style & SBS_SIZEGRIP) && ClassNameOf(wnd) == L"ScrollBar")
      if (TSkinnedWindow* parent = SkinManager->FindFormSkinner(cs->hwndParent)) parent->SkinChildWindow(wnd);
    if (!(cs->style & WS_CHILD) && ClassNameOf(wnd) == L"#32768") SkinManager->SkinPopupMenu(wnd);
    // MDI children are skinned as they are made, before their first activation.
    if (cs->dwExStyle & WS_EX_MDICHILD) SkinManager->SkinWindow(wnd);
  } else if (code == HCBT_DESTROYWND) {
    SkinManager->ReleasePopupMenu(HWND(wparam));
  } else if (code == HCBT_ACTIVATE) {
    if (SkinManager->RunState == rsIdle) SkinManager->RunState = rsRunning;
    SkinManager->SkinWindow(HWND(wparam));
  }
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code >= 0 && !HooksDisabled && SkinManager) GuardCallback("window hook", [=] { OnCbtHook(code, wparam, lparam); });
  return CallNextHookEx(SkinManager ? SkinManager->SkinHook : nullptr, code, wparam, lparam);
}
}  // namespace

std::wstring ClassNameOf(HWND wnd) {
  wchar_t name[101] = {};
  GetClassNameW(wnd, name, 101);
  return name;
}

DWORD WinVersion() { return HookWinVersion; }

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

TSkinManage::TSkinManage() {
  HooksDisabled = false;
  ActionTimer.SetEnabled(false);
  ActionTimer.SetInterval(100);
  ActionTimer.OnTimer = [this](TObject*) { RunPendingAction(); };
}

TSkinManage::~TSkinManage() {
  RunState = rsDestroying;
  SkinningActive = false;
  ActionTimer.SetEnabled(false);
  // Every window goes back to its own procedure before the hook goes.
  while (!FormSkinners.empty()) {
    TSkinnedWindow* skinner = FormSkinners.back();
    FormSkinners.pop_back();
    GuardCallback("manager shut-down", [skinner] { skinner->DetachOnDestroy(); });
    skinner->Release();
  }
  PopupSkinners.clear();  // each gives its window back its procedure
  SkinDataList.clear();
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
  // A skinner must not outlive the skin it paints with.
  PopupSkinners.erase(std::remove_if(PopupSkinners.begin(), PopupSkinners.end(),
                                     [data](const std::unique_ptr<TWinSkinPopMenu>& p) { return p->SkinData == data; }),
                      PopupSkinners.end());
  for (size_t i = FormSkinners.size(); i-- > 0;) {
    if (FormSkinners[i]->Skin() != data) continue;
    TSkinnedWindow* skinner = FormSkinners[i];
    FormSkinners.erase(FormSkinners.begin() + std::ptrdiff_t(i));
    DetachAndFree(skinner);
  }
}

void TSkinManage::InstallHook() {
  HookWinVersion = GetVersion();
  HHOOK previous = SkinHook;
  SkinHook = SetWindowsHookExA(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
  // Only one hook per manager: a second skin component replaces the first.
  if (previous && SkinHook) UnhookWindowsHookEx(previous);
}

void TSkinManage::RequestAction(TSkinAction action, int delay) {
  PendingAction = action;
  ActionTimer.SetInterval(delay);
  if (RunState == rsIdle) {
    if (action == saSkin) SkinningActive = true;
    if (action == saUnskin) SkinningActive = false;
    return;
  }
  ActionTimer.SetEnabled(true);
}

bool TSkinManage::SkinWindow(HWND wnd) {
  if (!SkinningActive) return false;
  PurgeFormSkinners();
  if (!wnd || !IsWindow(wnd)) return false;
  if (SendMessageA(wnd, WM_SKIN_QUERY, 0, 0) == 1) return false;
  if (FindFormSkinner(wnd)) return false;

  TWinControl* form = nullptr;
  for (TForm* f : Screen().Forms())
    if (f->HandleAllocated() && f->Handle() == wnd) form = f;
  if (!form) form = FindControl(wnd);

  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  if (!Enumerating && (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) &&
      Lower(ClassNameOf(GetParent(wnd))) != L"mdiclient")
    return false;

  const std::wstring className = ClassNameOf(wnd);
  const bool ownModule = HINSTANCE(GetWindowLongPtrW(wnd, GWLP_HINSTANCE)) == ProgramInstance();
  if (!form && !ownModule && className != L"#32770") return false;

  RECT r{};
  GetWindowRect(wnd, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !(exStyle & WS_EX_MDICHILD)) return false;

  if (form && form->GetTag() == kNeverSkinnedTag) return false;
  if (className.find(L"TcxPopupEditPopupWindow") != std::wstring::npos ||
      className.find(L"TTERenderWindow") != std::wstring::npos || className == L"TApplication")
    return false;
  if (!AcceptWindowClass(wnd, className)) return false;

  TSkinData* data = FindSkinData(wnd);
  if (!data || data->NoSkinLoaded) return false;

  TSkinnedWindow* skinner = FormSkinnerFactory ? FormSkinnerFactory(wnd, form, className, data) : nullptr;
  if (!skinner) return false;
  FormSkinners.push_back(skinner);
  PostMessageA(wnd, WM_SKIN_START, 0, SKIN_START_PARAM);
  return true;
}

bool TSkinManage::AcceptWindowClass(HWND wnd, const std::wstring& className) const {
  if (!MainSkinData) return true;
  bool accept = true;
  const std::wstring lower = Lower(className);
  if (!MainSkinData->Has(xoPreview) && lower.find(L"preview") != std::wstring::npos) accept = false;
  if (className == L"#32770" && (GetWindowLongPtrW(wnd, GWL_STYLE) & DS_SETFOREGROUND)) accept = false;
  if (lower == L"tpopupdbtreeview") accept = false;
  MainSkinData->FormSkinDecision(wnd, className, accept);
  return accept;
}

void TSkinManage::RefreshFormSkinners() {
  for (TSkinnedWindow* skinner : FormSkinners)
    if (skinner->Skin() == PendingSkinData) skinner->FreeCaptionButtons();
}

TSkinData* TSkinManage::FindSkinData(HWND wnd) const {
  for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
    if ((*it)->GetSkinFormtype() == sfOnlyThisForm && (*it)->OwnerWindow() == wnd) return *it;
  const std::wstring lower = Lower(ClassNameOf(wnd));
  if (lower == L"tmessageform" || lower == L"#32770")
    for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
      if ((*it)->GetSkinFormtype() == sfDialog) return *it;
  for (auto it = SkinDataList.rbegin(); it != SkinDataList.rend(); ++it)
    if ((*it)->GetSkinFormtype() == sfMainform) return *it;
  return SkinDataList.empty() ? nullptr : SkinDataList.front();
}

TSkinnedWindow* TSkinManage::FindFormSkinner(HWND wnd) const {
  for (TSkinnedWindow* skinner : FormSkinners)
    if (skinner->WindowHandle() == wnd) return skinner;
  return nullptr;
}

void TSkinManage::RemoveFormSkinner(HWND wnd) {
  if (RunState == rsDestroying) return;
  auto it = std::find_if(FormSkinners.begin(), FormSkinners.end(),
                         [wnd](TSkinnedWindow* s) { return s->WindowHandle() == wnd; });
  if (it != FormSkinners.end()) FormSkinners.erase(it);
}

void TSkinManage::SkinPopupMenu(HWND wnd) {
  if (!SkinningActive || SendMessageA(wnd, WM_SKIN_QUERY, 0, 0) == 1) return;
  for (const auto& p : PopupSkinners)
    if (p->Handle == wnd) return;
  TSkinData* data = FindSkinData(wnd);
  if (!data || data->NoSkinLoaded) return;
  const bool allowed = MenuKind == mkContextMenu  ? data->Has(xcPopupMenu)
                       : MenuKind == mkMenuBar    ? data->Has(xcMainMenu) || data->Has(xcMenuItem)
                       : MenuKind == mkSystemMenu ? data->Has(xcSystemMenu)
                                                  : true;
  if (!allowed) return;
  auto skinner = std::make_unique<TWinSkinPopMenu>();
  skinner->Attach(wnd, data, nullptr);
  PopupSkinners.push_back(std::move(skinner));
}

bool TSkinManage::ReleasePopupMenu(HWND wnd) {
  bool released = false;
  for (auto it = PopupSkinners.begin(); it != PopupSkinners.end(); ++it)
    if ((*it)->Handle == wnd) {
      PopupSkinners.erase(it);  // detaches as it goes
      released = true;
      break;
    }
  if (PopupSkinners.empty()) MenuKind = mkContextMenu;
  return released;
}

void TSkinManage::AssignMenuToPopup(HMENU menu) {
  for (auto it = PopupSkinners.rbegin(); it != PopupSkinners.rend(); ++it)
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = menu;
      return;
    }
}

TBitmap* TSkinManage::FindPopupBitmap(HMENU menu) const {
  for (const auto& p : PopupSkinners)
    if (p->MenuHandle == menu) return &p->FrameBitmap;
  return nullptr;
}

void TSkinManage::SetMDIMaximized(bool value) {
  if (value == MDIMaximized) return;
  MDIMaximized = value;
  if (MainSkinData && MainSkinData->Has(xoMDIChildBorder)) return;
  for (TSkinnedWindow* skinner : FormSkinners) skinner->MDIMaximizedChanged(value);
}

void TSkinManage::PurgeFormSkinners() {
  if (RunState == rsDestroying) return;
  // Every skinner takes itself off this list when freed, so each entry is a
  // live object: only the ones whose window is gone are dropped.
  for (size_t i = FormSkinners.size(); i-- > 0;) {
    TSkinnedWindow* skinner = FormSkinners[i];
    if (!skinner->WindowGone()) continue;
    FormSkinners.erase(FormSkinners.begin() + std::ptrdiff_t(i));
    skinner->Release();
  }
}

void TSkinManage::SkinForm(TWinControl* form) {
  if (!form || !form->HandleAllocated()) return;
  HWND wnd = form->Handle();
  if (IsWindowVisible(wnd) && !(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) SkinWindow(wnd);
}

void TSkinManage::DetachAndFree(TSkinnedWindow* skinner) {
  HWND wnd = skinner->WindowHandle();
  GuardCallback("skinning off", [skinner] { skinner->Detach(); });
  if (wnd && IsWindow(wnd)) {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
  skinner->Release();
}

void TSkinManage::RunPendingAction() {
  ActionTimer.SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  const TSkinAction action = PendingAction;
  if (data->GetSkinFormtype() == sfOnlyThisForm) {
    if (action == saSkin) {
      SkinningActive = true;
      Enumerating = true;
      const std::vector<TForm*> forms = Screen().Forms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (*it == data->Owner()) {
          SkinForm(*it);
          break;
        }
      Enumerating = false;
    } else if (action == saUnskin) {
      SkinningActive = false;
      PurgeFormSkinners();
      for (size_t i = FormSkinners.size(); i-- > 0;) {
        if (FormSkinners[i]->Skin() != data) continue;
        TSkinnedWindow* skinner = FormSkinners[i];
        FormSkinners.erase(FormSkinners.begin() + std::ptrdiff_t(i));
        DetachAndFree(skinner);
        break;
      }
    } else if (action == saSkinChanged) {
      PurgeFormSkinners();
      for (TSkinnedWindow* skinner : FormSkinners)
        if (skinner->Skin() == data) {
          skinner->TakeNewFrame();
          skinner->Reskin();
          break;
        }
    }
  } else {
    if (action == saSkin) {
      SkinningActive = true;
      Enumerating = true;
      PurgeFormSkinners();
      const std::vector<TForm*> forms = Screen().Forms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) SkinForm(*it);
      Enumerating = false;
    } else if (action == saUnskin) {
      SkinningActive = false;
      PurgeFormSkinners();
      while (!FormSkinners.empty()) {
        TSkinnedWindow* skinner = FormSkinners.front();
        FormSkinners.erase(FormSkinners.begin());
        DetachAndFree(skinner);
      }
    } else if (action == saSkinChanged) {
      PurgeFormSkinners();
      // Every window has its new frame metrics before any is re-skinned.
      const std::vector<TSkinnedWindow*> skinners = FormSkinners;
      for (TSkinnedWindow* skinner : skinners)
        if (skinner->Skin() == data) skinner->TakeNewFrame();
      for (TSkinnedWindow* skinner : skinners)
        if (skinner->Skin() == data) skinner->Reskin();
    }
  }
  data->SkinChanged();
  PendingSkinData = nullptr;
}

void SetFormSkinnerFactory(TFormSkinnerFactory factory) { FormSkinnerFactory = std::move(factory); }

namespace {
// The skin component's requests, as the manager carries them out.
class TManagerLink final : public TSkinManagerLink {
public:
  void SkinDataLoaded(TSkinData& data) override {
    if (!SkinManager) SkinManager = std::make_unique<TSkinManage>();
    SkinManager->AddSkinData(&data);
    if (data.GetSkinFormtype() != sfMainform) {
      SkinManager->SkinningActive = true;
      // Counting components up would reach "being destroyed" with the fourth.
      if (SkinManager->RunState == rsIdle) SkinManager->RunState = rsRunning;
      auto* form = dynamic_cast<TForm*>(data.Owner());
      if (form && data.GetActive()) SkinManager->SkinWindow(form->Handle());
      return;
    }
    SkinManager->InstallHook();
    if (data.GetActive()) SkinManager->RequestAction(saSkin, 250);
  }

  void SkinDataDestroyed(TSkinData& data) override {
    if (SkinManager) SkinManager->RemoveSkinData(&data);
  }

  void ActiveChanged(TSkinData& data) override {
    const bool active = data.GetActive();
    if (!SkinManager) return;
    switch (data.GetSkinFormtype()) {
      case sfMainform:
        if (active && data.NoSkinLoaded) return;
        SkinManager->PendingSkinData = &data;
        SkinManager->RequestAction(active ? saSkin : saUnskin, 250);
        if (active) SkinManager->RunState = rsRunning;
        return;
      case sfOnlyThisForm:
        SkinManager->PendingSkinData = &data;
        if (active && data.NoSkinLoaded) return;
        SkinManager->RequestAction(active ? saSkin : saUnskin, 250);
        return;
      default:
        return;  // dialog and library components only follow new skins
    }
  }

  void SkinReplaced(TSkinData& data) override {
    if (!SkinManager) data.Loaded();
    if (!SkinManager) return;
    SkinManager->PendingSkinData = &data;
    SkinManager->RefreshFormSkinners();
    if (SkinManager->RunState == rsRunning) SkinManager->RequestAction(saSkinChanged, 250);
  }
};
TManagerLink ManagerLinkInstance;
}  // namespace

void InstallSkinManager() { SetSkinManagerLink(&ManagerLinkInstance); }
