// The calculator with a command line on standard input, to watch the skin
// engine change its look at run time (and to take screenshots of it):
//   skin <file>   load a skin file into the running form
//   off | on      switch skinning off or on
//   inactive      activate another window, so the calculator is inactive
//   active        activate the calculator again
//   box <text>    show a message box of the program (closed with "close")
//   menu          open a context menu over the display (closed with "close")
//   sysmenu       open the calculator's system menu, as Alt+Space does
//   close         close the message box or the menu
//   where <key>   the screen point at the middle of the key with that caption
//                 ("at X Y"), for a pointer driven from outside
//   quit
// Every command is answered with "done" once its messages have been handled.
#include "app/AppSetup.h"
#include "app/Unit1.h"
#include "host/Menus.h"
#include "host/WideText.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

namespace {
constexpr UINT WM_DEMO_COMMAND = WM_APP + 1;
HWND CommandWindow = nullptr;
HWND OtherWindow = nullptr;

void Pump(int ms) {
  const DWORD end = GetTickCount() + DWORD(ms);
  while (GetTickCount() < end) {
    Application->ProcessMessages();
    Sleep(10);
  }
}

void Run(TForm1& form, const std::string& line) {
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent(L"SkinData1"));
  const std::string verb = line.substr(0, line.find(' '));
  const std::string arg = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
  auto runAction = [] {
    if (!SkinManager) return;
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
  };
  if (verb == "skin" && data) {
    data->SetSkinFile(Utf8ToWide(arg));
    runAction();
  } else if ((verb == "off" || verb == "on") && data) {
    data->SetActive(verb == "on");
    runAction();
  } else if (verb == "inactive") {
    if (!OtherWindow)
      OtherWindow = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_BORDER | WS_VISIBLE, 900, 700, 200, 100,
                                    nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(OtherWindow);
    SetActiveWindow(OtherWindow);
  } else if (verb == "active") {
    SetForegroundWindow(form.Handle());
    SetActiveWindow(form.Handle());
  } else if (verb == "box") {
    std::puts("done");
    std::fflush(stdout);
    MessageBoxW(form.Handle(), Utf8ToWide(arg).c_str(), L"语音计算器", MB_OK | MB_ICONINFORMATION);
    return;  // answered before the box's own loop runs
  } else if (verb == "menu" || verb == "sysmenu") {
    std::puts("done");
    std::fflush(stdout);
    if (verb == "sysmenu") {
      SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
      return;
    }
    TPopupMenu popup(nullptr);
    for (const wchar_t* caption : {L"复制", L"粘贴", L"-", L"清除"}) popup.Items.Add(caption, 0);
    RECT r;
    GetWindowRect(form.Edit1->Handle(), &r);
    popup.Popup(r.left + 20, r.bottom);
    return;
  } else if (verb == "where") {
    for (TComponent* c : form.Components()) {
      auto* key = dynamic_cast<TButton*>(c);
      if (!key || key->GetText() != Utf8ToWide(arg)) continue;
      RECT r;
      GetWindowRect(key->Handle(), &r);
      std::printf("at %ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
      break;
    }
  } else if (verb == "close") {
    EndMenu();
    if (HWND box = FindWindowW(L"#32770", L"语音计算器")) PostMessageW(box, WM_COMMAND, IDOK, 0);
  } else if (verb == "quit") {
    PostQuitMessage(0);
    Application->Terminate();
  } else {
    std::printf("unknown command: %s\n", line.c_str());
  }
  Pump(400);
  std::puts("done");
  std::fflush(stdout);
}

LRESULT CALLBACK CommandProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_DEMO_COMMAND) {
    std::unique_ptr<std::string> line(reinterpret_cast<std::string*>(lparam));
    Run(*reinterpret_cast<TForm1*>(wparam), *line);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}
}  // namespace

int main() {
  TApplication application;
  try {
    PrepareApplication();
    TForm1* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    Pump(500);
    WNDCLASSW wc{};
    wc.lpfnWndProc = CommandProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinDemoCommands";
    RegisterClassW(&wc);
    // A message-only window: its messages are also dispatched inside modal loops.
    CommandWindow = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                    nullptr);
    std::puts("ready");
    std::fflush(stdout);
    std::thread reader([form] {
      for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        PostMessageW(CommandWindow, WM_DEMO_COMMAND, WPARAM(form), LPARAM(new std::string(line)));
        if (line == "quit") return;
      }
      PostMessageW(CommandWindow, WM_DEMO_COMMAND, WPARAM(form), LPARAM(new std::string("quit")));
    });
    Application->Run();
    reader.join();
    SkinManager.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_demo: %s\n", e.what());
    return 1;
  }
  return 0;
}
