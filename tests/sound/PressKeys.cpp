// Starts the calculator as its own process and works its keypad as a user
// would, for the sound tests: each key is clicked with BM_CLICK, sent, so the
// call returns only when the key's handler (and so its sound) has finished.
//
//   PressKeys.exe <program.exe> <working folder> <action>...
//
// Actions, done in order:
//   key:<k>    click the key whose caption is k; ASCII names stand for the
//              other captions: "*" for "×", "/" for "÷", "<" for "←"
//   mouse:<k>  the same key clicked with the mouse: the pointer is moved onto
//              it and the left button pressed and released as input, so the
//              click goes the way a user's does (down, up, the click);
//              waits until the click is heard (see MouseClick)
//   text:<s>   put s into the display (WM_SETTEXT), as if typed
//   sleep:<ms> wait
// After each action the display text is printed ("display: <text>").
// At the end the window is closed and the program must end. Exit code 0 when
// every action was done; 2 for a usage error; 1 for anything else.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD Process = 0;
  HWND Window = nullptr;
};

std::wstring ClassOf(HWND wnd) {
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  return cls;
}

std::wstring TextOf(HWND wnd) {
  // WM_GETTEXT through SendMessageTimeout: never hangs on a busy window.
  wchar_t text[256] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXT, 256, LPARAM(text), SMTO_NORMAL, 60000, &ignored);
  return text;
}

BOOL CALLBACK FindMainWindow(HWND wnd, LPARAM param) {
  auto* f = reinterpret_cast<Found*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == f->Process && ClassOf(wnd) == L"TForm1" && IsWindowVisible(wnd)) {
    f->Window = wnd;
    return FALSE;
  }
  return TRUE;
}

struct ChildQuery {
  std::wstring Class;
  std::wstring Text;  // for buttons: the caption looked for
  HWND Window = nullptr;
};

BOOL CALLBACK FindChild(HWND wnd, LPARAM param) {
  auto* q = reinterpret_cast<ChildQuery*>(param);
  if (ClassOf(wnd) != q->Class || !IsWindowVisible(wnd)) return TRUE;
  if (q->Class == L"TEdit") {
    // The display is the edit the user can type into; the version box is read-only.
    if (GetWindowLongW(wnd, GWL_STYLE) & ES_READONLY) return TRUE;
  } else {
    wchar_t text[64] = {};
    GetWindowTextW(wnd, text, 64);
    if (q->Text != text) return TRUE;
  }
  q->Window = wnd;
  return FALSE;
}

HWND Child(HWND main, const std::wstring& cls, const std::wstring& text = L"") {
  ChildQuery q{cls, text, nullptr};
  EnumChildWindows(main, FindChild, LPARAM(&q));
  return q.Window;
}

std::wstring Widen(const char* s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0);
  std::wstring w(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, s, -1, w.data(), n);
  return w;
}

std::string Narrow(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
  return s;
}

HANDLE Program = nullptr;  // the calculator's process

// The recording of the program's sound, when the caller records it
// (PRESSKEYS_RECORDING, 16-bit samples, exact zeros for silence).
std::wstring RecordingPath() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableW(L"PRESSKEYS_RECORDING", path, MAX_PATH);
  return n > 0 && n < MAX_PATH ? path : L"";
}

long long FileSize(HANDLE file) {
  LARGE_INTEGER size{};
  return GetFileSizeEx(file, &size) ? size.QuadPart : -1;
}

// Waits until sound is recorded after the given offset: the handler is then
// playing its voice and takes no further input until it is done.
bool SoundAfter(HANDLE file, long long offset) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 60000) {
    long long size = FileSize(file);
    if (size > offset) {
      LARGE_INTEGER at{};
      at.QuadPart = offset;
      SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
      std::vector<short> samples(size_t(size - offset) / sizeof(short));
      DWORD read = 0;
      if (!samples.empty() && ReadFile(file, samples.data(), DWORD(samples.size() * sizeof(short)), &read, nullptr)) {
        for (size_t i = 0; i < read / sizeof(short); ++i)
          if (samples[i] != 0) return true;
        offset += read & ~DWORD(1);
      }
    }
    if (WaitForSingleObject(Program, 20) == WAIT_OBJECT_0) return false;
  }
  return false;
}

// A left click at the centre of the window, as input. Returns once the click
// is heard: the click handler speaks synchronously, so from then on the
// program takes the next input only after the voice has played. (The system's
// idle wait is no help: under Wine it reports a busy program as idle.) Only
// for keys that speak, and only while the sound is recorded.
bool MouseClick(HWND main, HWND target) {
  std::wstring recording = RecordingPath();
  if (recording.empty()) {
    std::fprintf(stderr, "PressKeys: mouse clicks need PRESSKEYS_RECORDING\n");
    return false;
  }
  HANDLE file = CreateFileW(recording.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "PressKeys: cannot read the recording (error %lu)\n", GetLastError());
    return false;
  }
  long long offset = FileSize(file) & ~1LL;
  RECT r;
  GetWindowRect(target, &r);
  SetForegroundWindow(main);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  bool heard = SendInput(2, input, sizeof(INPUT)) == 2 && offset >= 0 && SoundAfter(file, offset);
  CloseHandle(file);
  return heard;
}

std::wstring Caption(const std::wstring& name) {
  if (name == L"*") return L"\u00d7";
  if (name == L"/") return L"\u00f7";
  if (name == L"<") return L"\u2190";
  return name;
}

bool Act(HWND main, const std::string& action) {
  size_t colon = action.find(':');
  std::string verb = action.substr(0, colon);
  std::wstring arg = colon == std::string::npos ? L"" : Widen(action.c_str() + colon + 1);
  DWORD_PTR ignored = 0;
  if (verb == "key" || verb == "mouse") {
    HWND button = Child(main, L"TButton", Caption(arg));
    if (!button) {
      std::fprintf(stderr, "PressKeys: no key \"%s\"\n", Narrow(Caption(arg)).c_str());
      return false;
    }
    if (verb == "mouse" && !MouseClick(main, button)) {
      std::fprintf(stderr, "PressKeys: the mouse click on \"%s\" was not heard\n", Narrow(Caption(arg)).c_str());
      return false;
    }
    // Sent, not posted: returns when the handler, sound included, is done.
    if (verb == "key" && !SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &ignored)) {
      std::fprintf(stderr, "PressKeys: key \"%s\" did not return\n", Narrow(Caption(arg)).c_str());
      return false;
    }
  } else if (verb == "text") {
    HWND edit = Child(main, L"TEdit");
    if (!edit || !SendMessageTimeoutW(edit, WM_SETTEXT, 0, LPARAM(arg.c_str()), SMTO_NORMAL, 60000, &ignored)) {
      std::fprintf(stderr, "PressKeys: could not type into the display\n");
      return false;
    }
  } else if (verb == "sleep") {
    Sleep(DWORD(_wtoi(arg.c_str())));
  } else {
    std::fprintf(stderr, "PressKeys: unknown action \"%s\"\n", action.c_str());
    return false;
  }
  HWND edit = Child(main, L"TEdit");
  std::printf("%s -> display: %s\n", action.c_str(), edit ? Narrow(TextOf(edit)).c_str() : "(none)");
  std::fflush(stdout);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: PressKeys.exe <program.exe> <working folder> <action>...\n");
    return 2;
  }
  std::wstring exe = argv[1], folder = argv[2];
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    std::fprintf(stderr, "PressKeys: cannot start the program (error %lu)\n", GetLastError());
    return 1;
  }
  Program = pi.hProcess;
  Found found{pi.dwProcessId, nullptr};
  for (int i = 0; i < 600 && !found.Window; ++i) {  // up to 30 s on a busy machine
    if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0) break;
    EnumWindows(FindMainWindow, LPARAM(&found));
  }
  bool ok = found.Window != nullptr;
  if (!ok) std::fprintf(stderr, "PressKeys: the main window did not appear\n");
  if (ok) {
    for (int i = 3; i < argc && ok; ++i) ok = Act(found.Window, Narrow(argv[i]));
    PostMessageW(found.Window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "PressKeys: the program did not end; stopping it\n");
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    ok = false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ok ? 0 : 1;
}
