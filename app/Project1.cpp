// The program: the application object and its one form.
#include "HostClasses.h"
#include "Unit1.h"
#include "WinSkinData.h"
#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  TApplication application;
  try {
    RegisterHostClasses();
    RegisterSkinClasses();
    Application->Initialize();
    Application->SetTitle(L"计算器");
    Application->CreateForm(Form1);
    Application->Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), L"计算器", MB_ICONERROR);
    return 1;
  }
  return 0;
}
