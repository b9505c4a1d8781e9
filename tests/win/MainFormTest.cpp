// The main window as the user meets it: layout from the stored description,
// keys clicked with button messages, voices asked for, links opened.
#include "tests/win/MainFormFixture.h"
#include <commctrl.h>
#include <sstream>

namespace {
RECT RectInParent(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LOGFONTW FontOf(HWND wnd) {
  LOGFONTW lf{};
  GetObjectW(HFONT(SendMessageW(wnd, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

std::wstring TextOf(HWND wnd) {
  wchar_t text[256] = {};
  GetWindowTextW(wnd, text, 256);
  return text;
}
}  // namespace

TEST_F(MainFormTest, CaptionEndsWithTheVersionText) {
  EXPECT_EQ(TextOf(Form->Handle()), L"语音计算器1.0.20101209");
}

TEST_F(MainFormTest, FixedSizeWindowWithoutBorderIcons) {
  RECT client;
  GetClientRect(Form->Handle(), &client);
  EXPECT_EQ(client.right, 394);
  EXPECT_EQ(client.bottom, 354);
  LONG style = GetWindowLongW(Form->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_CAPTION);
}

TEST_F(MainFormTest, ControlsStandWhereTheDescriptionPutsThem) {
  struct { const wchar_t* Name; RECT Bounds; } cases[] = {
      {L"PageControl1", {0, 0, 394, 297}},  {L"StatusBar1", {0, 332, 394, 354}},
      {L"Button20", {312, 304, 386, 329}},  {L"Button23", {72, 304, 146, 329}},
      {L"Edit1", {8, 8, 381, 36}},          {L"Button1", {7, 40, 57, 90}},
      {L"Button10", {8, 208, 108, 258}},    {L"Button17", {192, 152, 381, 257}},
      {L"Button11", {192, 40, 284, 90}},    {L"Edit_VER", {104, 32, 225, 53}},
  };
  for (const auto& c : cases) {
    auto* control = dynamic_cast<TWinControl*>(Form->FindComponent(c.Name));
    ASSERT_NE(control, nullptr) << testing::PrintToString(std::wstring(c.Name));
    RECT r = RectInParent(control->Handle());
    EXPECT_TRUE(EqualRect(&r, &c.Bounds)) << testing::PrintToString(std::wstring(c.Name)) << " at " << r.left
                                         << "," << r.top << "-" << r.right << "," << r.bottom;
  }
}

TEST_F(MainFormTest, TabSequenceFollowsTabOrder) {
  std::vector<std::wstring> sequence;
  for (HWND w = GetWindow(Form->TabSheet1->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    sequence.push_back(TextOf(w));
  std::vector<std::wstring> expected = {L"",  L"2", L"3", L"4",  L"5", L"6", L"7",  L"8",  L"9", L"0", L".",
                                        L"←", L"1", L"+", L"-",  L"×", L"÷", L"=",  L"CE", L"AC", L"读出结果"};
  EXPECT_EQ(sequence, expected);
}

TEST_F(MainFormTest, KeyFontsAreBoldAtTheirHeights) {
  struct { const wchar_t* Caption; LONG Height; } cases[] = {
      {L"1", -16}, {L".", -32}, {L"←", -13}, {L"+", -24}, {L"CE", -19}};
  for (const auto& c : cases) {
    LOGFONTW lf = FontOf(Key(c.Caption)->Handle());
    EXPECT_EQ(lf.lfHeight, c.Height) << testing::PrintToString(std::wstring(c.Caption));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
  }
  // The form's 7-pixel request gets the raster face's smallest size, as it always did.
  EXPECT_EQ(FontOf(Form->Button20->Handle()).lfHeight, -11);
  EXPECT_EQ(FontOf(Form->Button20->Handle()).lfWeight, FW_NORMAL);
}

TEST_F(MainFormTest, ReadoutButtonIsNeverShown) {
  EXPECT_FALSE(IsWindowVisible(Form->Button_Read->Handle()));
  EXPECT_EQ(TextOf(Form->Button_Read->Handle()), L"读出结果");
}

struct KeyCase {
  const wchar_t* Keys;
  const wchar_t* Display;
  const wchar_t* Voices;
};

class MainFormKeysTest : public MainFormTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(MainFormKeysTest, DisplayAndVoices) {
  PressAll(GetParam().Keys);
  EXPECT_EQ(Display(), GetParam().Display);
  EXPECT_EQ(Played, Voices(GetParam().Voices));
}

INSTANTIATE_TEST_SUITE_P(Keypad, MainFormKeysTest, testing::Values(
    KeyCase{L"3 + 4 =", L"7", L"3 加 4 等于 7"},
    KeyCase{L"3 + 4 × 5 =", L"32", L"3 加 4 乘 5 等于 3 2"},
    KeyCase{L"3 + - 5 =", L"-5", L"3 加 减 5 等于 负 5"},
    KeyCase{L"8 ÷ 2 =", L"4", L"8 除 2 等于 4"},
    KeyCase{L"1 ÷ 0 =", L"0", L"1 除 0"},              // division by zero: silent, stays pending
    KeyCase{L"1 ÷ 0 = 4 =", L"0.25", L"1 除 0 4 等于 0 10 2 5"},
    KeyCase{L"AC 5", L"05", L"归零 5"},
    KeyCase{L"CE +", L"", L"清除"},                    // nothing to parse: silent
    KeyCase{L"1 2 . 5 ←", L"12.", L"1 2 10 5"},        // backspace is never spoken
    KeyCase{L"1 ←", L"", L"1"},
    KeyCase{L"1 2 3 4 5 6 7 8 9 0 1 2 3", L"12345678901", L"1 2 3 4 5 6 7 8 9 0 1 2 3"},
    KeyCase{L"=", L"", L"等于"}));

TEST_F(MainFormTest, ReadoutPlaysOneFilePerCharacterWithPauses) {
  SetDisplay(L"-12.5");  // typed by the user
  Click(Key(L"="));
  ASSERT_EQ(Played, Voices(L"等于 负 1 2 10 5"));
  for (size_t i = 2; i < PlayedAtMs.size(); ++i) EXPECT_GE(PlayedAtMs[i] - PlayedAtMs[i - 1], 99) << i;
}

TEST_F(MainFormTest, DisplayIsRepaintedBeforeTheKeySpeaks) {
  std::vector<std::wstring> shown;
  WhilePlaying = [&](const std::wstring&) {
    RECT dirty;
    EXPECT_FALSE(GetUpdateRect(Form->Edit1->Handle(), &dirty, FALSE));
    shown.push_back(Display());
  };
  PressAll(L"7 . 5");
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"7", L"7.", L"7.5"}));
}

TEST_F(MainFormTest, KeyClickedDuringTheReadoutRunsAtOnceAndTheReadoutGoesOn) {
  bool clicked = false;
  WhilePlaying = [&](const std::wstring& file) {
    if (file == Voice(L"1") && Played.size() > 4 && !clicked) {
      clicked = true;
      Click(Key(L"AC"));
    }
  };
  PressAll(L"6 × 2 =");
  EXPECT_EQ(Played, Voices(L"6 乘 2 等于 1 归零 2"));
  EXPECT_EQ(Display(), L"0");
}

struct CloseCase {
  const wchar_t* Keys;         // pressed after "6" was typed
  const wchar_t* ClosedWhile;  // the voice during which "退出" is clicked ...
  const wchar_t* Queued;       // ... after these keys were clicked too, still queued
  const wchar_t* Voices;       // everything spoken
};

class MainFormCloseTest : public MainFormTest, public testing::WithParamInterface<CloseCase> {};

// A click nested in a key's sound or in the readout closes the window:
// nothing more is spoken, neither by the keys that follow nor by the readout.
TEST_P(MainFormCloseTest, NothingIsSpokenAfterTheWindowClosed) {
  bool clicked = false;
  WhilePlaying = [&](const std::wstring& file) {
    if (file != Voice(GetParam().ClosedWhile) || clicked) return;
    clicked = true;
    std::wistringstream queued(GetParam().Queued);
    for (std::wstring k; queued >> k;) PostMessageW(Key(k)->Handle(), BM_CLICK, 0, 0);
    Click(Form->Button20);
  };
  SetDisplay(L"6");
  PressAll(GetParam().Keys);
  Application->ProcessMessages();
  ASSERT_TRUE(clicked);
  EXPECT_FALSE(Form->HandleAllocated());
  EXPECT_EQ(Played, Voices(GetParam().Voices));
}

INSTANTIATE_TEST_SUITE_P(Speaking, MainFormCloseTest, testing::Values(
    CloseCase{L"×", L"乘", L"2", L"乘"},                // the queued key changes the display silently
    CloseCase{L"× 2 =", L"等于", L"", L"乘 2 等于"},    // the readout never starts
    CloseCase{L"× 2 =", L"1", L"", L"乘 2 等于 1"}));   // the readout stops at once

TEST_F(MainFormTest, AboutTabShowsTheVersion) {
  EXPECT_EQ(TextOf(Form->Edit_VER->Handle()), L"1.0.20101209");
  EXPECT_TRUE(GetWindowLongW(Form->Edit_VER->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(MainFormTest, ClickingTheSecondTabShowsTheAboutPage) {
  HWND tabs = Form->PageControl1->Handle();
  RECT tab;
  TabCtrl_GetItemRect(tabs, 1, &tab);
  MouseClick(tabs, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_TRUE(IsWindowVisible(Form->TabSheet2->Handle()));
  EXPECT_FALSE(IsWindowVisible(Form->TabSheet1->Handle()));
}

TEST_F(MainFormTest, LinksOpenThePublishersPagesWithTheVersion) {
  Click(Form->Button21);
  Click(Form->Button23);
  MouseClick(Form->StatusBar1->Handle(), 20, 10);
  MouseClick(Form->TabSheet2->Handle(), Form->Label2->GetLeft() + 5, Form->Label2->GetTop() + 5);
  EXPECT_EQ(Urls, (std::vector<std::wstring>{
                      L"http://www.example.com/XiaZai/?cls=12&1.0.20101209",
                      L"http://www.example.com/Tools/JiSuanQi/?qq=calc1.0.20101209",
                      L"http://www.example.com/?qq=calc1.0.20101209",
                      L"http://www.example.com/XiaZai/?cls=12&1.0.20101209",  // the web-site label upgrades
                  }));
}

TEST_F(MainFormTest, LinksFollowTheVersionTextOfTheAboutTab) {
  SetWindowTextW(Form->Edit_VER->Handle(), L"2.0");
  Click(Form->Button23);
  EXPECT_EQ(Urls, std::vector<std::wstring>{L"http://www.example.com/Tools/JiSuanQi/?qq=calc2.0"});
}

TEST_F(MainFormTest, AdvancedCalculatorStartsTheSystemCalculator) {
  Click(Form->Button22);
  ASSERT_EQ(Programs.size(), 1u);
  EXPECT_EQ(Programs[0].first, "calc.exe");
  EXPECT_EQ(Programs[0].second, UINT(SW_SHOW));
}

TEST_F(MainFormTest, MissingOrBrokenVoiceFilesNeverStopTheKeys) {
  // The real sound service, in a folder whose Sound\ has one broken file and lacks the rest.
  wchar_t temp[MAX_PATH], saved[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  GetCurrentDirectoryW(MAX_PATH, saved);
  std::wstring folder = std::wstring(temp) + L"voicecalc-broken-voices";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\Sound").c_str(), nullptr);
  HANDLE f = CreateFileW((folder + L"\\Sound\\5.wav").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, "RIFF\xff\xff\xff\x7fWAVEjunk", 16, &written, nullptr);
  CloseHandle(f);
  SetCurrentDirectoryW(folder.c_str());
  Form->Platform.PlayVoiceFile = TCalcPlatform::Real().PlayVoiceFile;

  PressAll(L"5 + 1 =");
  EXPECT_EQ(Display(), L"6");
  PressAll(L"× 2 =");
  EXPECT_EQ(Display(), L"12");

  SetCurrentDirectoryW(saved);
  DeleteFileW((folder + L"\\Sound\\5.wav").c_str());
  RemoveDirectoryW((folder + L"\\Sound").c_str());
  RemoveDirectoryW(folder.c_str());
}
