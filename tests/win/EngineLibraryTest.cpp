// The engine as another program gets it: installed, found by find_package
// and linked into a plain Win32 program (examples/plain), which is driven
// here from outside. CTest builds that program before this suite runs.
#include "examples/plain/PlainIds.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/ChildProcess.h"
#include <gtest/gtest.h>

namespace {
bool Skinned(HWND wnd) {
  DWORD_PTR answer = 0;
  return wnd && SendMessageTimeoutW(wnd, WM_SKIN_QUERY, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) && answer == 1;
}

// Skinning follows activation by a timer, and the window's controls and
// menu bar follow the window: waits for done with a generous limit.
template <class F>
bool Becomes(F done) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 15000; Sleep(50))
    if (done()) return true;
  return done();
}

// The numbers of the window's controls that do not wear the skin.
std::string Unskinned(HWND wnd, std::initializer_list<int> ids) {
  std::string out;
  for (int id : ids)
    if (!Skinned(GetDlgItem(wnd, id))) out += std::to_string(id) + " ";
  return out;
}

HWND GroupBoxOf(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) return child;
  return nullptr;
}
}  // namespace

TEST(EngineLibrary, APlainProgramWearsTheSkinFileItNamesOnItsWindowControlsAndDialog) {
  const std::wstring exe = BuildDir() + L"\\engine-example\\PlainSkinned.exe";
  ASSERT_NE(GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES)
      << "the example is built by the CTest test EngineExampleBuild";
  TChildProcess program(exe, L"\"" + BuildDir() + L"\\app\\dark.skn\"");
  ASSERT_TRUE(program.Started());

  const HWND main = program.WaitForWindow(L"PlainSkinnedWindow");
  ASSERT_NE(main, nullptr) << "the window did not appear";
  ASSERT_TRUE(Becomes([main] { return Skinned(main); }));
  // The bar is drawn by the engine, which keeps the menu off the window.
  EXPECT_TRUE(Becomes([main] { return GetMenu(main) == nullptr; }));
  const auto controls = {IDC_NAME, IDC_SPEAK, IDC_MALE, IDC_FEMALE, IDC_RATE, IDC_SETTINGS, IDCANCEL};
  Becomes([&] { return Unskinned(main, controls).empty(); });
  EXPECT_EQ(Unskinned(main, controls), "");

  PostMessageW(main, WM_COMMAND, IDC_SETTINGS, 0);
  const HWND dialog = program.WaitForWindow(L"#32770");
  ASSERT_NE(dialog, nullptr) << "the dialog did not open";
  ASSERT_TRUE(Becomes([dialog] { return Skinned(dialog); }));
  const auto dialogControls = {IDC_SPEAK, IDC_MALE, IDC_RATE, IDC_FOLDER, IDOK, IDCANCEL};
  Becomes([&] { return Unskinned(dialog, dialogControls).empty(); });
  EXPECT_EQ(Unskinned(dialog, dialogControls), "");
  // A group box of a foreign dialog keeps its own look.
  const HWND group = GroupBoxOf(dialog);
  ASSERT_NE(group, nullptr);
  EXPECT_FALSE(Skinned(group));

  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(Becomes([dialog] { return !IsWindow(dialog); })) << "the dialog did not close";
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForExit(15000, code)) << "the program did not end";
  EXPECT_EQ(code, 0u);
}
