// A program of the build started as its own process, as a user would, and
// its windows found from outside.
#pragma once
#include "host/Handles.h"
#include <string>
#include <windows.h>

// The build folder: the test program lives in <build>/tests/win.
inline std::wstring BuildDir() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  for (int up = 0; up < 3; ++up) path.resize(path.rfind(L'\\'));
  return path;
}

struct TProcessWindowSearch {
  DWORD Process;
  const wchar_t* ClassName;
  HWND Found;
};

inline BOOL CALLBACK MatchProcessWindow(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<TProcessWindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  wchar_t cls[64];
  GetClassNameW(wnd, cls, 64);
  if (owner != s->Process || wcscmp(cls, s->ClassName) != 0 || !IsWindowVisible(wnd)) return TRUE;
  s->Found = wnd;
  return FALSE;
}

// The visible top-level window of class className that process pid owns, or null.
inline HWND FindProcessWindow(DWORD pid, const wchar_t* className) {
  TProcessWindowSearch search{pid, className, nullptr};
  EnumWindows(MatchProcessWindow, LPARAM(&search));
  return search.Found;
}

// Owns the process; one still running when the test ends is ended.
class TChildProcess {
public:
  TChildProcess(const std::wstring& exe, const std::wstring& arguments) {
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION info{};
    std::wstring cmd = L"\"" + exe + L"\" " + arguments;
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info)) return;
    FProcess.Reset(info.hProcess);
    CloseHandle(info.hThread);  // only the process is waited for
    FId = info.dwProcessId;
  }
  ~TChildProcess() {
    if (FProcess && WaitForSingleObject(FProcess.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(FProcess.Get(), 1);
  }
  bool Started() const { return bool(FProcess); }
  // Waits (at most limitMs) for a visible window of the class; null if none came.
  HWND WaitForWindow(const wchar_t* className, DWORD limitMs = 15000) const {
    const DWORD start = GetTickCount();
    for (;;) {
      if (HWND wnd = FindProcessWindow(FId, className)) return wnd;
      if (GetTickCount() - start > limitMs) return nullptr;
      Sleep(50);
    }
  }
  // Whether the process ended within limitMs, and with which code.
  bool WaitForExit(DWORD limitMs, DWORD& code) const {
    if (WaitForSingleObject(FProcess.Get(), limitMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(FProcess.Get(), &code) != 0;
  }

private:
  TKernelHandle FProcess;
  DWORD FId = 0;
};
