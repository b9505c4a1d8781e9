// Every kind of control the skinning engine skins, page by page, in the
// states a user meets: for tests, screenshots and skin authors.
//   SkinGallery [--skin FILE] [--page N] [--native] [--dialog] [--more-dialog] [--mdi]
#include "gallery/GalleryForm.h"
#include "gallery/GalleryMDI.h"
#include "gallery/GalleryMoreDialog.h"
#include "host/HostClasses.h"
#include "host/WideText.h"
#include "skin/form/SkinEngine.h"
#include <commctrl.h>
#include <shellapi.h>

namespace {
std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.push_back(words[i]);
  LocalFree(words);
  return args;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TGalleryOptions options;
  std::wstring error;
  if (!ParseGalleryOptions(Arguments(), options, error)) {
    MessageBoxW(nullptr, error.c_str(), L"Skin Gallery", MB_ICONERROR);
    return 2;
  }
  TApplication application;
  try {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterHostClasses();
    InitSkinEngine();
    Application->Initialize();
    Application->SetTitle(L"Skin Gallery");
    Application->CreateForm(GalleryForm);
    GalleryForm->Apply(options);
    GalleryForm->Show();
    if (options.Dialog) GalleryForm->OpenForeignDialog();
    if (options.MoreDialog) OpenMoreDialog(GalleryForm->Handle());
    if (options.MDI) OpenMDIWindow(true);
    Application->Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), L"Skin Gallery", MB_ICONERROR);
    return 1;
  }
  return 0;
}
