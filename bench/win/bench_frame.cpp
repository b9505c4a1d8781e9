// The calculator's window with and without its skin: the time of a full
// frame repaint, and of the start-up from process start to the first painted
// frame. The start-up runs this program again in child mode, several times
// for each kind; the child answers its phases on its standard output.
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
#include <stdexcept>
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

// Where one start-up went, in milliseconds.
struct TStartUp {
  double ToMain = 0, Application = 0, Read = 0, Shown = 0, Frame = 0;
  double Total() const { return ToMain + Application + Read + Shown + Frame; }
  // From the form description being read to the first frame: what the skin adds to.
  double Span() const { return Read + Shown + Frame; }
};

// Child mode: the phases from this process's creation to its first frame on
// the standard output, as numbers, or with phases, as a line to read.
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
  const double ms = MsSinceCreation();
  const TStartUp s{ms - (painted - entered) * 1000, (prepared - entered) * 1000, (read - prepared) * 1000,
                   (shown - read) * 1000, (painted - shown) * 1000};
  if (phases)
    std::printf("  %-8s to main %4.0f ms, application %5.1f, description read %5.1f, shown %5.1f, first frame %5.1f\n",
                skinned ? "skinned" : "native", s.ToMain, s.Application, s.Read, s.Shown, s.Frame);
  else
    std::printf("%f %f %f %f %f\n", s.ToMain, s.Application, s.Read, s.Shown, s.Frame);
  std::fflush(stdout);
  delete form;
  SkinManager.reset();
  return 0;
}

// Closes a handle when it goes.
struct THandleCloser {
  HANDLE Handle;
  ~THandleCloser() {
    if (Handle) CloseHandle(Handle);
  }
};

// Runs this program in child mode with the arguments; what it wrote to its
// standard output (the phases line goes to ours when out is null).
bool StartUpChild(const std::wstring& arguments, std::string* out = nullptr) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" " + arguments;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (out && !CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
  THandleCloser reader{readEnd}, writer{writeEnd};
  if (readEnd) SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{sizeof si};
  if (out) {
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return false;
  THandleCloser process{pi.hProcess}, thread{pi.hThread};
  if (out) {
    // Only the child holds the write end now: the reads end with its output.
    CloseHandle(writeEnd);
    writer.Handle = nullptr;
    char buffer[256];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) out->append(buffer, n);
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  return true;
}

// The phases of one start-up of a kind, or false when the child failed.
bool StartUpOnce(bool skinned, std::vector<TStartUp>& runs) {
  std::string out;
  TStartUp s;
  if (!StartUpChild(skinned ? L"--startup skinned" : L"--startup native", &out) ||
      std::sscanf(out.c_str(), "%lf %lf %lf %lf %lf", &s.ToMain, &s.Application, &s.Read, &s.Shown, &s.Frame) != 5)
    return false;
  runs.push_back(s);
  return true;
}

double Median(const std::vector<TStartUp>& runs, double (*of)(const TStartUp&)) {
  std::vector<double> values;
  for (const TStartUp& s : runs) values.push_back(of(s));
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
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
    // Alternately, so that a machine getting busier weighs on both kinds alike.
    std::vector<TStartUp> skinned, native;
    for (int i = 0; i < runs; ++i)
      if (!StartUpOnce(true, skinned) || !StartUpOnce(false, native))
        throw std::runtime_error("a start-up child failed");
    auto line = [&](const char* what, double (*of)(const TStartUp&)) {
      const double s = Median(skinned, of), n = Median(native, of);
      std::printf("  %-36s skinned %7.1f ms   native %7.1f ms   skin %+6.1f ms\n", what, s, n, s - n);
    };
    const double total = Median(skinned, [](const TStartUp& s) { return s.Total(); }),
                 nativeTotal = Median(native, [](const TStartUp& s) { return s.Total(); });
    std::printf("start-up       skinned %8.0f ms   native %8.0f ms   ratio %5.2f   (median of %d)\n", total,
                nativeTotal, total / nativeTotal, runs);
    const double span = Median(skinned, [](const TStartUp& s) { return s.Span(); }),
                 nativeSpan = Median(native, [](const TStartUp& s) { return s.Span(); });
    std::printf("description read to first frame   skinned %7.1f ms   native %7.1f ms   ratio %5.2f   skin %+6.1f ms\n",
                span, nativeSpan, span / nativeSpan, span - nativeSpan);
    line("to main", [](const TStartUp& s) { return s.ToMain; });
    line("application", [](const TStartUp& s) { return s.Application; });
    line("description read (with the skin)", [](const TStartUp& s) { return s.Read; });
    line("shown (attach, activation, paint)", [](const TStartUp& s) { return s.Shown; });
    line("first frame after show", [](const TStartUp& s) { return s.Frame; });
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
