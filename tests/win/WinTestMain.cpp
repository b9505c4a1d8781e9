// One application object for the whole test program, as in the calculator.
#include "host/Forms.h"
#include "host/HostClasses.h"
#include "skin/form/SkinEngine.h"
#include "tests/win/CallbackFailures.h"
#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  TApplication application;
  RegisterHostClasses();
  InitSkinEngine();
  application.Initialize();
  InstallCallbackFailureCheck();
  const int result = RUN_ALL_TESTS();
  return result != 0 ? result : UnexpectedCallbackFailures() != 0;
}
