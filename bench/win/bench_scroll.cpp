// A 1,000-line list box scrolled by the wheel from top to bottom and back,
// with its bar native and with the skin's panel over it: every notch is
// handled and everything it made dirty painted before the next. The skin is
// the build's default skin file (or the one named on the command line).
// Prints milliseconds per run and the ratio; no pass or fail.
#include "bench/win/BenchTiming.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"
#include "host/WideText.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/WinSkinData.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kLines = 1000;
constexpr int kRounds = 3;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The form skinner as the list's skinner sees it: only its registry.
class TBenchHost : public TSkinnerHost {
public:
  bool AddControlSkinner(TSkinControl* skinner) override {
    if (std::find(Skinners.begin(), Skinners.end(), skinner) != Skinners.end()) return true;
    Skinners.push_back(skinner);
    return false;
  }
  void RemoveControlSkinner(TSkinControl* skinner) override {
    Skinners.erase(std::remove(Skinners.begin(), Skinners.end(), skinner), Skinners.end());
  }
  HWND FormWindow() const override { return nullptr; }
  bool FormActive() const override { return true; }
  std::vector<TSkinControl*> Skinners;
};

void PaintEverything() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

int TopIndex(HWND list) { return int(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }

// One notch at a time to the last line and back to the first.
void WheelThrough(HWND list) {
  RECT r;
  GetWindowRect(list, &r);
  const LPARAM at = MAKELPARAM(r.left + 10, r.top + 10);
  for (int delta : {-WHEEL_DELTA, WHEEL_DELTA}) {
    for (int notch = 0; notch < kLines; ++notch) {
      const int before = TopIndex(list);
      SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
      PaintEverything();
      if (TopIndex(list) == before) break;
    }
  }
}

std::wstring DefaultSkin() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  // <build>/bench/win/bench_scroll.exe -> <build>/app/default.skn
  for (int i = 0; i < 3; ++i) path = path.substr(0, path.find_last_of(L"\\/"));
  return path + L"\\app\\default.skn";
}
}  // namespace

int main(int argc, char** argv) {
  const std::wstring skinFile = argc > 1 ? Utf8ToWide(argv[1]) : DefaultSkin();

  TApplication application;
  TSkinData skin(nullptr);
  skin.SetSkinFile(skinFile);
  if (skin.NoSkinLoaded || !skin.Scrollbar || !skin.Scrollbar->Image || skin.Scrollbar->Image->Empty()) {
    std::fprintf(stderr, "no skin with scroll-bar images in %ls\n", skinFile.c_str());
    return 1;
  }
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(40, 40, 480, 300);
  // Two equal lists side by side: the second one skinned. They take turns,
  // so that a busy machine slows both alike.
  TListBox* lists[2];
  for (int i = 0; i < 2; ++i) {
    lists[i] = new TListBox(form.get());
    lists[i]->SetParent(form.get());
    lists[i]->SetBounds(10 + 230 * i, 10, 200, 240);
    for (int line = 1; line <= kLines; ++line) lists[i]->GetItems()->Add(L"Line " + std::to_wstring(line));
  }
  form->Show();
  TBenchHost host;
  TCanvas canvas;
  for (TListBox* list : lists) list->ItemsChanged();
  auto* skinner = new TSkinScrollbar(lists[1]);
  skinner->AttachScrolled(lists[1], &skin, &host, &canvas);
  PaintEverything();

  std::vector<double> times[2];
  for (int round = 0; round < kRounds; ++round)
    for (int i = 0; i < 2; ++i) {
      const HWND wnd = lists[i]->Handle();
      WheelThrough(wnd);  // warms the caches
      const double start = Now();
      WheelThrough(wnd);
      times[i].push_back((Now() - start) * 1000);
    }
  const double native = Median(times[0]), skinned = Median(times[1]);
  std::printf("Wheel through a %d-line list box, down and back up (median of %d runs each)\n", kLines, kRounds);
  std::printf("native bar  %9.2f ms\n", native);
  std::printf("skinned bar %9.2f ms   skinned / native %5.2f (goal 1.25 or less)\n", skinned, skinned / native);
  form.reset();
  return 0;
}
