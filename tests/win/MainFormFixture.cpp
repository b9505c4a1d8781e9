#include "tests/win/MainFormFixture.h"
#include <sstream>

namespace {
LONGLONG NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return c.QuadPart * 1000 / f.QuadPart;
}
}  // namespace

std::vector<std::wstring> Voices(const std::wstring& names) {
  std::wistringstream in(names);
  std::vector<std::wstring> out;
  for (std::wstring n; in >> n;) out.push_back(Voice(n));
  return out;
}

void MainFormTest::SetUp() {
  Form = new TForm1(Application);
  Form->Platform.PlayVoiceFile = [this](const std::wstring& file) {
    Played.push_back(file);
    PlayedAtMs.push_back(NowMs());
    if (WhilePlaying) WhilePlaying(file);
  };
  Form->Platform.OpenUrl = [this](HWND, const std::wstring& url) { Urls.push_back(url); };
  Form->Platform.StartProgram = [this](const std::string& cmd, UINT show) { Programs.emplace_back(cmd, show); };
  Form->ReadState();
  Form->Show();
  Application->ProcessMessages();
}

TButton* MainFormTest::Key(const std::wstring& caption) {
  for (TComponent* c : Form->Components())
    if (auto* b = dynamic_cast<TButton*>(c); b && b->GetText() == caption && b != Form->Button_Read) return b;
  ADD_FAILURE() << "no key " << testing::PrintToString(caption);
  return nullptr;
}

void MainFormTest::PressAll(const std::wstring& keys) {
  std::wistringstream in(keys);
  for (std::wstring k; in >> k;)
    if (TButton* b = Key(k)) Click(b);
}

std::wstring MainFormTest::Display() {
  wchar_t text[256] = {};
  GetWindowTextW(Form->Edit1->Handle(), text, 256);
  return text;
}

void MainFormTest::SetDisplay(const std::wstring& text) { SetWindowTextW(Form->Edit1->Handle(), text.c_str()); }

void MainFormTest::MouseClick(HWND wnd, int x, int y) {
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Application->ProcessMessages();
}
