// The calculator's window with and without its skin: the time of a full
// frame repaint, and of the start-up from process start to the first painted
// frame. The start-up runs this program again in child mode, several times
// for each kind; the child answers its time in its exit code.
// Prints milliseconds and ratios; no pass or fail.
#include "app/AppSetup.h"
#include "app/Unit1.h"
#include "bench/win/BenchTiming.h"
#include "skin/data/SkinLoad.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/WinSkinIni.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The form from its stored description: the built one carries the skin, the
// unskinned one is the description before the skin was packed into it.
TForm1* MakeForm(bool skinned) {
  auto* form = new TForm1(Application);
  form->Platform.PlayVoiceFile = [](const std::wstring&) {};
  form->ReadState(skinned ? L"" : L"UNSKINNED");
  return form;
}

// Milliseconds since this process was created.
double MsSinceCreation() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(created)) / 10000;
}

// Child mode: milliseconds from this process's creation to its first frame;
// with phases, where they went, on the standard output.
int StartUp(bool skinned, bool phases) {
  const double entered = Now();
  TApplication application;
  PrepareApplication();
  const double prepared = Now();
  TForm1* form = MakeForm(skinned);
  const double read = Now();
  form->Show();
  const double shown = Now();
  const HWND wnd = form->Handle();
  // Skinned, the frame is first painted after the skinner's activation.
  for (int i = 0; i < 2000; ++i) {
    Application->ProcessMessages();
    TWinSkinForm* skinner = FindFormSkinner(wnd);
    if (!skinned || (skinner && skinner->Activated)) break;
    Sleep(1);
  }
  Application->ProcessMessages();
  UpdateWindow(wnd);
  const double painted = Now();
  const int ms = int(MsSinceCreation());
  if (phases)
    std::printf("  %-8s to main %4.0f ms, application %5.1f, description read %5.1f, shown %5.1f, first frame %5.1f\n",
                skinned ? "skinned" : "native", ms - (painted - entered) * 1000, (prepared - entered) * 1000,
                (read - prepared) * 1000, (shown - read) * 1000, (painted - shown) * 1000);
  delete form;
  SkinManager.reset();
  return ms;
}

// Runs this program in child mode with the arguments; its exit code, or -1.
double StartUpChild(const std::wstring& arguments) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" " + arguments;
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return -1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return double(code);
}

double MedianStartUp(bool skinned, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = StartUpChild(skinned ? L"--startup skinned" : L"--startup native");
    if (ms < 0) return -1;
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Where the stored skin's loading goes: expanding and reading the package,
// the INI text, the elements with their derived images, and the checks
// (every image decoded once before anything is taken) as the rest of the
// whole load.
void SkinLoadBreakdown(const std::vector<uint8_t>& package) {
  const double read = MsPerCall([&] { TSkinReader().Load(package.data(), package.size()); });
  TSkinReader reader;
  reader.Load(package.data(), package.size());
  std::vector<uint8_t> text;
  reader.FindByPart(".ini", text);
  const double iniMs = MsPerCall([&] { TQuickIni().LoadFromStream(text.data(), text.size()); });
  TQuickIni ini;
  ini.LoadFromStream(text.data(), text.size());
  const double build = MsPerCall([&] {
    TSkinState skin;
    BuildSkin(skin, reader, ini);
  });
  const double whole = MsPerCall([&] {
    TSkinState skin;
    LoadSkinFromStream(skin, package);
  });
  std::printf("skin loading   expand+read %.2f ms   ini %.2f ms   elements %.2f ms   checks %.2f ms   whole %.2f ms\n",
              read, iniMs, build, whole - read - iniMs - build, whole);
}

void FrameRepaint() {
  TApplication application;
  PrepareApplication();
  TForm1* form = MakeForm(true);
  form->Show();
  for (int i = 0; i < 200 && !FindFormSkinner(form->Handle()); ++i) {
    Application->ProcessMessages();
    Sleep(5);
  }
  Application->ProcessMessages();
  const HWND wnd = form->Handle();
  auto repaint = [wnd] { SendMessageW(wnd, WM_NCPAINT, 1, 0); };
  // A frame that changes each time: the title is composed again.
  auto toggle = [wnd, active = false]() mutable { SendMessageW(wnd, WM_NCACTIVATE, active = !active, 0); };
  const double skinned = MsPerCall(repaint);
  const double skinnedToggle = MsPerCall(toggle);
  // The same window with skinning switched off: the system paints its frame.
  auto* data = dynamic_cast<TSkinData*>(form->FindComponent(L"SkinData1"));
  data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  Application->ProcessMessages();
  const double native = MsPerCall(repaint);
  const double nativeToggle = MsPerCall(toggle);
  std::printf("frame repaint  skinned %8.3f ms   native %8.3f ms   ratio %5.2f\n", skinned, native, skinned / native);
  std::printf("activation     skinned %8.3f ms   native %8.3f ms   ratio %5.2f\n", skinnedToggle, nativeToggle,
              skinnedToggle / nativeToggle);
  // Last: thousands of skins made and freed slow the painting down under Wine.
  SkinLoadBreakdown(data->SkinStream().Bytes());
  delete form;
  SkinManager.reset();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strncmp(argv[1], "--startup", 9) == 0)
      return StartUp(std::strcmp(argv[2], "skinned") == 0, std::strcmp(argv[1], "--startup-phases") == 0);
    FrameRepaint();
    const int runs = 7;
    const double skinned = MedianStartUp(true, runs), native = MedianStartUp(false, runs);
    std::printf("start-up       skinned %8.0f ms   native %8.0f ms   ratio %5.2f   (median of %d)\n", skinned, native,
                skinned / native, runs);
    std::fflush(stdout);
    // One more run of each kind, telling its phases.
    StartUpChild(L"--startup-phases skinned");
    StartUpChild(L"--startup-phases native");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_frame: %s\n", e.what());
    return 1;
  }
  return 0;
}
