// Edit boxes: the native text area stays as the edit painted it, and the
// border becomes one ring of the skin's shadow and two white rings.
#include "skin/controls/SkinEdit.h"
#include "tests/win/skin/ControlSkinnerKit.h"

using namespace skinload;

namespace {
class EditSkinner : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    LoadSkin(TTestSkin{});
    Edit = Add<TEdit>(10, 10, 121, 21);
    Edit->SetText(L"12345");
  }
  void RemoveBorder() {
    SetWindowLongPtrW(Edit->Handle(), GWL_EXSTYLE, 0);
    SetWindowPos(Edit->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  TEdit* Edit = nullptr;
};

// Distance of (x, y) from the nearest edge of a w x h rectangle.
int Ring(int x, int y, int w, int h) { return std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y)); }

struct RingCase {
  const char* Name;
  bool Border;
};

class EditRings : public EditSkinner, public testing::WithParamInterface<RingCase> {};

TEST_P(EditRings, ShadowThenTwoWhiteRingsOverTheNativePicture) {
  if (!GetParam().Border) RemoveBorder();
  // The ordinary paint: the native edit clips a DC it is handed to its
  // text, so only its own window DC shows the border.
  Form->Show();
  RECT window, client;
  GetWindowRect(Edit->Handle(), &window);
  GetClientRect(Edit->Handle(), &client);
  const int w = window.right - window.left, h = window.bottom - window.top;
  ASSERT_EQ(w, 121);
  ASSERT_EQ(client.right, GetParam().Border ? 117 : 121);
  const std::unique_ptr<TBitmap> native = WindowPicture(Edit->Handle());
  SkinControl<TSkinEdit>(*Edit);
  const bool rings = GetParam().Border;
  EXPECT_TRUE(PixelsAre(*WindowPicture(Edit->Handle()), w, h, [&](int x, int y) {
    const int ring = Ring(x, y, w, h);
    if (!rings || ring > 2) return native->Pixel(x, y);
    return ring == 0 ? kShadow : clWhite;
  }));
}

INSTANTIATE_TEST_SUITE_P(SkinEdit, EditRings, testing::Values(RingCase{"Bordered", true},
                                                              RingCase{"WithoutBorder", false}),
                         [](const testing::TestParamInfo<RingCase>& i) { return std::string(i.param.Name); });

struct PaintNativeCase {
  const char* Name;
  LPARAM Magic;
  bool WithDC;
  bool Answered, Painted;
};

class PaintNative : public EditSkinner, public testing::WithParamInterface<PaintNativeCase> {};

TEST_P(PaintNative, PaintsTheNativeEditIntoTheDCOnlyWithTheMagicParameter) {
  const PaintNativeCase& c = GetParam();
  SkinControl<TSkinEdit>(*Edit);
  auto target = Target(121, 21);
  const LRESULT answer = SendMessageW(Edit->Handle(), WM_SKIN_PAINTNATIVE,
                                      c.WithDC ? WPARAM(target->Canvas().Handle()) : 0, c.Magic);
  EXPECT_EQ(answer == SKIN_MAGIC, c.Answered);
  // The native edit alone, without the skinner's rings: its text area
  // painted at the DC's origin, nothing at the far edges.
  const bool touched = !PixelsAre(*target, 121, 21, [](int, int) { return kBackground; });
  EXPECT_EQ(touched, c.Painted);
  if (c.Painted) {
    EXPECT_EQ(target->Pixel(120, 20), kBackground);
  }
}

INSTANTIATE_TEST_SUITE_P(SkinEdit, PaintNative, testing::Values(
    PaintNativeCase{"Magic", SKIN_MAGIC, true, true, true},
    PaintNativeCase{"MagicWithoutDC", SKIN_MAGIC, false, true, false},
    PaintNativeCase{"Zero", 0, true, false, false},
    PaintNativeCase{"OtherNumber", SKIN_MAGIC + 1, true, false, false}),
    [](const testing::TestParamInfo<PaintNativeCase>& i) { return std::string(i.param.Name); });
}  // namespace
