#include "app/AppSetup.h"
#include "host/Forms.h"
#include "host/HostClasses.h"
#include "skin/form/SkinEngine.h"
#include <commctrl.h>

void PrepareApplication() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterHostClasses();
  InitSkinEngine();
  Application->Initialize();
  Application->SetTitle(L"计算器");
}
