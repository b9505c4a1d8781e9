// The built program itself: started as its own process, as a user would.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {
std::wstring ProgramPath() {
  // The test program lives in <build>/tests/win, the calculator in <build>/app.
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path.resize(path.rfind(L'\\'));
  path.resize(path.rfind(L'\\'));
  path.resize(path.rfind(L'\\'));
  return path + L"\\app\\VoiceCalc.exe";
}

struct FindState {
  DWORD Process;
  HWND Found;
  const wchar_t* ClassName;
};

BOOL CALLBACK FindWindowOfProcess(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<FindState*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  wchar_t cls[64];
  GetClassNameW(wnd, cls, 64);
  if (pid == s->Process && wcscmp(cls, s->ClassName) == 0 && IsWindowVisible(wnd)) {
    s->Found = wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindButton(HWND wnd, LPARAM param) {
  wchar_t text[64];
  GetWindowTextW(wnd, text, 64);
  if (wcscmp(text, L"退出") == 0) {
    *reinterpret_cast<HWND*>(param) = wnd;
    return FALSE;
  }
  return TRUE;
}

std::wstring VersionString(const std::wstring& file, const wchar_t* key) {
  DWORD handle = 0, size = GetFileVersionInfoSizeW(file.c_str(), &handle);
  std::string data(size, '\0');
  if (!size || !GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return L"";
  wchar_t* value = nullptr;
  UINT length = 0;
  std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
  if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return L"";
  return value;
}
}  // namespace

TEST(Program, CarriesVersionAndCommonControlsManifest) {
  std::wstring exe = ProgramPath();
  EXPECT_EQ(VersionString(exe, L"FileVersion"), L"1.0.20101209");
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                   SizeofResource(module, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14)), nullptr);  // RT_GROUP_ICON
  FreeLibrary(module);
}

TEST(Program, ExitButtonEndsTheProgram) {
  std::wstring exe = ProgramPath();
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + exe + L"\"";
  ASSERT_TRUE(CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  FindState state{pi.dwProcessId, nullptr, L"TForm1"};
  for (int i = 0; i < 300 && !state.Found; ++i) {
    Sleep(50);
    EnumWindows(FindWindowOfProcess, LPARAM(&state));
  }
  ASSERT_NE(state.Found, nullptr) << "the main window did not appear";
  wchar_t caption[64] = {};
  GetWindowTextW(state.Found, caption, 64);
  EXPECT_STREQ(caption, L"语音计算器1.0.20101209");

  HWND exitButton = nullptr;
  EnumChildWindows(state.Found, FindButton, LPARAM(&exitButton));
  ASSERT_NE(exitButton, nullptr);
  PostMessageW(exitButton, BM_CLICK, 0, 0);
  DWORD waited = WaitForSingleObject(pi.hProcess, 15000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  EXPECT_EQ(waited, WAIT_OBJECT_0) << "the program did not end";
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
