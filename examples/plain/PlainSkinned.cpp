// A plain Win32 program that wears a skin: its window, menu bar, controls and
// dialog are made with the system's own calls, and the skinning engine draws
// them all from a skin file.
//   PlainSkinned [SKINFILE]     (default: default.skn beside the program)
#include "PlainIds.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinEngine.h"
#include <commctrl.h>
#include <shellapi.h>
#include <string>

namespace {
HINSTANCE Instance;

HWND AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int cx, int cy,
                int id) {
  HWND wnd = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                             HMENU(INT_PTR(id)), Instance, nullptr);
  SendMessageW(wnd, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return wnd;
}

void AddItems(HWND wnd, UINT message, std::initializer_list<const wchar_t*> items) {
  for (const wchar_t* item : items) SendMessageW(wnd, message, 0, LPARAM(item));
}

void CreateControls(HWND wnd) {
  AddControl(wnd, L"Static", L"&Name:", 0, 12, 14, 60, 16, IDC_NONE);
  AddControl(wnd, L"Edit", L"Ada", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 76, 12, 220, 22, IDC_NAME);
  AddControl(wnd, L"Button", L"&Speak every key", WS_TABSTOP | BS_AUTOCHECKBOX, 12, 44, 160, 20, IDC_SPEAK);
  AddControl(wnd, L"Button", L"&Male voice", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 12, 68, 120, 20, IDC_MALE);
  AddControl(wnd, L"Button", L"&Female voice", BS_AUTORADIOBUTTON, 140, 68, 120, 20, IDC_FEMALE);
  CheckRadioButton(wnd, IDC_MALE, IDC_FEMALE, IDC_FEMALE);
  HWND rate = AddControl(wnd, L"ComboBox", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 12, 96, 160, 200,
                         IDC_RATE);
  AddItems(rate, CB_ADDSTRING, {L"Slow", L"Normal", L"Fast"});
  SendMessageW(rate, CB_SETCURSEL, 1, 0);
  HWND items = AddControl(wnd, L"ListBox", L"", WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 12, 128,
                          284, 90, IDC_ITEMS);
  AddItems(items, LB_ADDSTRING, {L"1 + 2 = 3", L"7 \u00d7 6 = 42", L"100 \u00f7 8 = 12.5", L"2 \u2212 5 = -3",
                                 L"0.1 + 0.2 = 0.3", L"9 \u00d7 9 = 81", L"3.3 + 0.7 = 4"});
  AddControl(wnd, L"Button", L"S&ettings...", WS_TABSTOP | BS_DEFPUSHBUTTON, 116, 230, 86, 26, IDC_SETTINGS);
  AddControl(wnd, L"Button", L"Close", WS_TABSTOP, 210, 230, 86, 26, IDCANCEL);
}

INT_PTR CALLBACK SettingsProc(HWND dlg, UINT msg, WPARAM wparam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      CheckDlgButton(dlg, IDC_SPEAK, BST_CHECKED);
      CheckRadioButton(dlg, IDC_MALE, IDC_FEMALE, IDC_MALE);
      AddItems(GetDlgItem(dlg, IDC_RATE), CB_ADDSTRING, {L"Slow", L"Normal", L"Fast"});
      SendDlgItemMessageW(dlg, IDC_RATE, CB_SETCURSEL, 1, 0);
      SetDlgItemTextW(dlg, IDC_FOLDER, L"C:\\Voices");
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(dlg, LOWORD(wparam));
      return TRUE;
  }
  return FALSE;
}

LRESULT CALLBACK MainProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CREATE:
      CreateControls(wnd);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_SETTINGS) DialogBoxW(Instance, MAKEINTRESOURCEW(IDD_SETTINGS), wnd, SettingsProc);
      if (LOWORD(wparam) == IDCANCEL) DestroyWindow(wnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

// The skin file named on the command line, or default.skn beside the program.
std::wstring SkinFile() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring file = count > 1 ? args[1] : L"";
  LocalFree(args);
  if (!file.empty()) return file;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  file = path;
  return file.substr(0, file.find_last_of(L'\\') + 1) + L"default.skn";
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  Instance = instance;
  InitCommonControls();

  // The engine: from here on every window of the program wears the skin.
  InitSkinEngine();
  TSkinData skin(nullptr);
  skin.SetSkinFile(SkinFile());
  skin.SetActive(true);

  WNDCLASSW wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"PlainSkinnedWindow";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Plain window, skinned", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX,
                             CW_USEDEFAULT, CW_USEDEFAULT, 320, 330, nullptr,
                             LoadMenuW(instance, MAKEINTRESOURCEW(IDM_MAIN)), instance, nullptr);
  ShowWindow(wnd, show);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(wnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}
