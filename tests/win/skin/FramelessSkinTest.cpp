// A skin that names no frame images: the windows keep the frame the system
// gives them, whether they meet such a skin first or are switched to it.
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <cstdio>

namespace {
using namespace skinload;

// Colours and push buttons, but no Left, Top, Right or Bottom image.
TTestSkin FramelessSkin() {
  TTestSkin test;
  test.Add("b.bmp", StripBmp(10, 10, {0x808080, 0x606060, 0xA0A0A0, 0xC0C0C0, 0x404040}));
  test.Ini = "[TitlebarSkin]\r\nSkinName=Frameless\r\n"
             "[Personality]\r\nTextShift=5\r\n"
             "[Colours]\r\nButtonFace=200 210 220\r\n"
             "[Buttons]\r\nBitmap=b.bmp\r\n";
  return test;
}

class FramelessSkinTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    File = std::wstring(temp) + L"voicecalc-frameless-" + std::to_wstring(GetCurrentProcessId()) + L".skn";
    const std::vector<uint8_t> package = FramelessSkin().Package();
    HANDLE f = CreateFileW(File.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, package.data(), DWORD(package.size()), &written, nullptr);
    CloseHandle(f);
    ASSERT_EQ(written, package.size());
  }
  void TearDown() override {
    delete Second;
    SkinnedFormTest::TearDown();
    DeleteFileW(File.c_str());
  }
  // Still the skinner's (its controls may be skinned), but with the system's frame.
  void ExpectNativeFrame(HWND wnd) {
    TWinSkinForm* skinner = FindFormSkinner(wnd);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->State, skActive);
    EXPECT_FALSE(skinner->FrameSkinned);
    EXPECT_EQ(SendMessageW(wnd, WM_SKIN_QUERY, 0, 0), 1);
    EXPECT_EQ(WornFrame(wnd), NativeFrame(wnd));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(wnd, region), ERROR);
    DeleteObject(region);
    // The system's caption: the window can be dragged by it.
    RECT w;
    GetWindowRect(wnd, &w);
    const TFrameWidths frame = NativeFrame(wnd);
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM((w.left + w.right) / 2, w.top + frame[1] / 2 + 1)),
              HTCAPTION);
  }

  std::wstring File;
  TForm* Second = nullptr;
};
}  // namespace

TEST_F(FramelessSkinTest, AWindowFirstSkinnedWithItKeepsItsNativeFrame) {
  SwitchSkin(File);
  ASSERT_EQ(Data->SkinName, "Frameless");
  Second = ShowSecondForm();
  ExpectNativeFrame(Second->Handle());
  RECT w;
  GetWindowRect(Second->Handle(), &w);
  EXPECT_EQ(w.right - w.left, 300);
  EXPECT_EQ(w.bottom - w.top, 200);
}

TEST_F(FramelessSkinTest, SwitchingToItAndBackKeepsTheClientArea) {
  const HWND main = Form->Handle();
  SwitchSkin(File);
  ExpectNativeFrame(main);
  EXPECT_EQ(ClientSize(main), (SIZE{394, 354}));

  SwitchSkin(skinload::BuiltSkinFile(L"dark.skn"));
  TWinSkinForm* skinner = FindFormSkinner(main);
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(skinner->FrameSkinned);
  EXPECT_EQ(WornFrame(main), SkinFrame(*Data));
  EXPECT_EQ(ClientSize(main), (SIZE{394, 354}));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(main, region), ERROR);
  DeleteObject(region);
}
