#include "AppSetup.h"
#include "Forms.h"
#include "HostClasses.h"
#include "WinSkinData.h"
#include <commctrl.h>

void PrepareApplication() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterHostClasses();
  RegisterSkinClasses();
  Application->Initialize();
  Application->SetTitle(L"计算器");
}
