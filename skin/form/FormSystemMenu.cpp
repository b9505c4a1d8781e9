// The skinned system menu: a popup menu built from the window's own system
// menu each time it opens, whose items post their commands back as system
// commands once the menu has closed.
#include "host/Forms.h"
#include "host/Platform.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

namespace {
constexpr int kSysMenuTag = 33333;
// Image indices of the menu glyphs.
constexpr int kRestoreImage = 0, kMaximizeImage = 1, kMinimizeImage = 2, kCloseImage = 3;

// NT 4 had no usable system menu to copy: a fixed one stands in.
bool FixedSystemMenu() {
  return IsWinNT() && !VersionAtLeast(5, 0);
}
}  // namespace

void TWinSkinForm::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (DoubleClickTime < 0 || now - LastClickTime > DWORD(DoubleClickTime)) {
    if (SkinManager) SkinManager->MenuKind = mkSystemMenu;
    LastClickTime = now;
    BuildSystemMenu();
    // A window without a system menu shows none.
    SkinPopupItems(*SysMenuPopup);
    if (SysMenuPopup->Items.Count() > 0) SysMenuPopup->Popup(screen.x, screen.y);
    return;
  }
  // A second click within the double-click time.
  if (HotObject) {
    HoverTimer->SetEnabled(false);
    PostMessageW(Handle, WM_CLOSE, 0, 0);
  }
}

void TWinSkinForm::BuildSystemMenu() {
  if (!SysMenuPopup) {
    SysMenuPopup = std::make_unique<TPopupMenu>(nullptr);
    SysMenuPopup->SetTag(kSysMenuTag);
  }
  // Tracked by the application window, as any popup menu of the program:
  // the skinned window must not take it for one of its own drop-downs.
  if (!Application) SysMenuPopup->Window = Handle;
  // The window commands show the skin's glyphs, by their image indices.
  SysMenuPopup->Images = SkinData ? &SkinData->MenuGlyphs : nullptr;
  TMenuItem& items = SysMenuPopup->Items;
  items.Clear();
  const bool maxBox = BorderIcons & ciMaximizeBox, minBox = BorderIcons & ciMinimizeBox;

  if (FixedSystemMenu()) {
    auto add = [&](const wchar_t* caption, int tag, std::function<void()> run) {
      TMenuItem* item = items.Add(caption, tag);
      item->ImageIndex = tag;
      item->OnClick = [run](TObject*) { run(); };
      return item;
    };
    add(L" Restore ", 0, [this] { Restore(); });
    if (maxBox) add(L" Maximize ", 1, [this] { ToggleMaximize(); });
    if (minBox) add(L" Minimize ", 2, [this] { ToggleMinimize(); });
    items.Add(L"-", 100);
    add(L" Close ", 3, [this] {
      HoverTimer->SetEnabled(false);
      PostMessageW(Handle, WM_CLOSE, 0, 0);
    })->ShortCutText = L"ALT+F4";
    return;
  }

  if (!SystemMenu) return;
  const int count = GetMenuItemCount(SystemMenu);
  for (int i = 0; i < count; ++i) {
    char text[81] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(SystemMenu, UINT(i), TRUE, &info)) continue;
    // The system's text is ANSI; what follows a tab is its shortcut.
    std::string caption = (info.fType & MFT_SEPARATOR) || !text[0] ? "-" : text;
    std::string shortcut;
    if (size_t tab = caption.find('\t'); tab != std::string::npos) {
      shortcut = caption.substr(tab + 1);
      caption.resize(tab);
    }
    TMenuItem* item = items.Add(AnsiToWide(caption), int(info.wID));
    item->ShortCutText = AnsiToWide(shortcut);
    const WPARAM command = info.wID;
    item->OnClick = [this, command](TObject*) { PostMessageW(Handle, WM_SYSCOMMAND, command, 0); };
    switch (SysCommand(info.wID)) {
      case SC_SIZE:
      case SC_MOVE: item->Enabled = WindowState != wsMaximized; break;
      case SC_MINIMIZE:
        item->ImageIndex = kMinimizeImage;
        item->Enabled = WindowState != wsMinimized && minBox;
        break;
      case SC_MAXIMIZE:
        item->ImageIndex = kMaximizeImage;
        item->Enabled = WindowState != wsMaximized && maxBox;
        break;
      case SC_CLOSE: item->ImageIndex = kCloseImage; break;
      case SC_RESTORE:
        item->ImageIndex = kRestoreImage;
        item->Enabled = WindowState != wsNormal;
        break;
      default: break;
    }
    if (info.fState == (MFS_GRAYED | MFS_DISABLED)) item->Enabled = false;
    if (info.fState & MFS_CHECKED) item->Checked = true;
  }
}
