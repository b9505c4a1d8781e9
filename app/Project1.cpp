// The program: the application object and its one form.
#include "app/AppSetup.h"
#include "app/Unit1.h"
#include "host/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication application;
  try {
    PrepareApplication();
    Application->CreateForm(Form1);
    Application->Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), L"计算器", MB_ICONERROR);
    return 1;
  }
  return 0;
}
