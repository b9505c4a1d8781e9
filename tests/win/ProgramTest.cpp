// The built program itself: started as its own process, as a user would.
#include "tests/win/ChildProcess.h"
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {
std::wstring ProgramPath() { return BuildDir() + L"\\app\\VoiceCalc.exe"; }

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
  TChildProcess program(ProgramPath(), L"");
  ASSERT_TRUE(program.Started());
  const HWND main = program.WaitForWindow(L"TForm1");
  ASSERT_NE(main, nullptr) << "the main window did not appear";
  wchar_t caption[64] = {};
  GetWindowTextW(main, caption, 64);
  EXPECT_STREQ(caption, L"语音计算器1.0.20101209");

  HWND exitButton = nullptr;
  EnumChildWindows(main, FindButton, LPARAM(&exitButton));
  ASSERT_NE(exitButton, nullptr);
  PostMessageW(exitButton, BM_CLICK, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForExit(15000, code)) << "the program did not end";
  EXPECT_EQ(code, 0u);
}
