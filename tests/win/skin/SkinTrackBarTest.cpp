// Track bars: the channel from its three-slice image, the thumb from its
// strip, both through the native custom-draw notifications, whether they
// come reflected by a class-library parent or to a foreign dialog.
#include "skin/controls/SkinTrackBar.h"
#include "skin/draw/SkinPaint.h"
#include "skin/form/WinSkinForm.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SkinnedFormFixture.h"

using namespace skinload;

namespace {
// ---- The channel painter ----

struct ChannelCase {
  const char* Name;
  int ImageW, ImageH;
  RECT Margins;  // widths
  RECT Channel;
  bool Vertical;
  int Ox, Oy;  // where the image's pieces start in the target
  std::vector<Segment> Xs, Ys;
};

class TrackChannel : public testing::TestWithParam<ChannelCase> {};

TEST_P(TrackChannel, CapsAtBothEndsAndTheMiddleStretchedBetween) {
  const ChannelCase& c = GetParam();
  auto image = CoordBitmap(c.ImageW, c.ImageH);
  auto target = Target(130, 130);
  DrawTrackChannel(target->Canvas().Handle(), c.Channel, *image, c.Margins, c.Vertical);
  ExpectPieces(*target, c.Ox, c.Oy, c.Xs, c.Ys);
}

INSTANTIATE_TEST_SUITE_P(SkinTrackBar, TrackChannel, testing::Values(
    // TRACKVERT 8 x 30, caps 5 and 5, over a channel 100 long and 12 wide:
    // centred across ((12 - 8) div 2 = 2), rows 0-4 and 25-29 at both ends,
    // the middle 20 rows stretched over 90.
    ChannelCase{"VerticalHundredPixels", 8, 30, {0, 5, 0, 5}, {10, 0, 22, 100}, true, 12, 0,
                {{0, 8, 0, 8}}, {{0, 5, 0, 5}, {5, 90, 5, 20}, {95, 5, 25, 5}}},
    // TRACK 16 x 4, caps 3 and 3, over a channel 100 long and 10 high:
    // centred across ((10 - 4) div 2 = 3).
    ChannelCase{"HorizontalCentred", 16, 4, {3, 0, 3, 0}, {5, 10, 105, 20}, false, 5, 13,
                {{0, 3, 0, 3}, {3, 94, 3, 10}, {97, 3, 13, 3}}, {{0, 4, 0, 4}}},
    // An image thicker than the channel starts at the channel's edge.
    ChannelCase{"ThickerThanTheChannel", 16, 12, {3, 0, 3, 0}, {5, 10, 105, 14}, false, 5, 10,
                {{0, 3, 0, 3}, {3, 94, 3, 10}, {97, 3, 13, 3}}, {{0, 12, 0, 12}}},
    // Caps longer than the channel: no middle (never mirrored), the end cap
    // drawn last over the start cap.
    ChannelCase{"ShorterThanItsCaps", 8, 30, {0, 5, 0, 5}, {10, 0, 18, 6}, true, 10, 0,
                {{0, 8, 0, 8}}, {{0, 1, 0, 1}, {1, 5, 25, 5}}}),
    [](const testing::TestParamInfo<ChannelCase>& i) { return std::string(i.param.Name); });

TEST(SkinTrackBar, AVerticalChannelReportedLyingDownIsTurnedUpright) {
  const RECT lying{8, 5, 142, 20}, upright{5, 8, 20, 142};
  for (const RECT& reported : {lying, upright}) {
    const RECT r = UprightChannel(reported);
    EXPECT_TRUE(EqualRect(&r, &upright)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

// ---- The skinner on a class-library track bar ----

constexpr TColor kTrack = TColor(RGB(0, 90, 0));
constexpr TColor kTrackVert = TColor(RGB(0, 0, 90));
TColor HorzThumb(int i) { return TColor(RGB(30 * i, 200, 0)); }
TColor VertThumb(int i) { return TColor(RGB(30 * i, 0, 200)); }

std::vector<TColor> ThumbFrames(TColor (*colour)(int)) {
  std::vector<TColor> frames;
  for (int i = 1; i <= kThumbFrames; ++i) frames.push_back(colour(i));
  return frames;
}

// Solid channel images, 4 and 6 pixels thick, and the thumbs asked for.
TTestSkin TrackSkin(bool horzThumb, bool vertThumb) {
  TTestSkin skin;
  skin.Add("t.bmp", SolidBmp(16, 4, kTrack)).Add("tv.bmp", SolidBmp(6, 16, kTrackVert));
  skin.Add("th.bmp", StripBmp(11, 23, ThumbFrames(HorzThumb))).Add("tvt.bmp", StripBmp(23, 11, ThumbFrames(VertThumb)));
  skin.Ini = "[Track]\r\nImage=t.bmp\r\n[TRACKVERT]\r\nImage=tv.bmp\r\n";
  if (horzThumb) skin.Ini += "[Trackbar.ThumbHorz]\r\nImage=th.bmp\r\n";
  if (vertThumb) skin.Ini += "[Trackbar.ThumbVert]\r\nImage=tvt.bmp\r\n";
  return skin;
}

class TrackBarSkinner : public ControlSkinnerTest {
protected:
  TTrackBar* MakeBar(bool vertical) {
    auto* bar = Add<TTrackBar>(10, 10, vertical ? 40 : 150, vertical ? 150 : 40);
    bar->SetOrientation(vertical ? trVertical : trHorizontal);
    bar->SetMax(10);
    bar->SetPosition(5);
    return bar;
  }
  static RECT Channel(HWND wnd) {
    RECT ch{};
    SendMessageW(wnd, TBM_GETCHANNELRECT, 0, LPARAM(&ch));
    return GetWindowLongPtrW(wnd, GWL_STYLE) & TBS_VERT ? UprightChannel(ch) : ch;
  }
  static RECT Thumb(HWND wnd) {
    RECT t{};
    SendMessageW(wnd, TBM_GETTHUMBRECT, 0, LPARAM(&t));
    return t;
  }
};

struct ThumbCase {
  const char* Name;
  bool Vertical, HorzThumb, VertThumb;
  TColor Thumb;  // frame 2 of the strip the thumb must come from
  TColor Track;
  int Thickness;  // of the channel image
};

class TrackBarPicture : public TrackBarSkinner, public testing::WithParamInterface<ThumbCase> {};

TEST_P(TrackBarPicture, ChannelAndThumbComeFromTheSkin) {
  const ThumbCase& c = GetParam();
  LoadSkin(TrackSkin(c.HorzThumb, c.VertThumb));
  TTrackBar* bar = MakeBar(c.Vertical);
  SkinControl<TSkinTrackBar>(*bar);
  const HWND wnd = bar->Handle();
  const RECT ch = Channel(wnd), thumb = Thumb(wnd);
  ASSERT_GT(ch.bottom - ch.top, 0);
  const std::unique_ptr<TBitmap> picture = Picture(wnd);
  // The thumb: the whole rectangle in frame 2's colour.
  for (int y = thumb.top; y < thumb.bottom; ++y)
    for (int x = thumb.left; x < thumb.right; ++x) ASSERT_EQ(picture->Pixel(x, y), c.Thumb) << x << "," << y;
  // The channel image, centred across the channel, over its whole length
  // where the thumb does not cover it.
  const int width = c.Vertical ? ch.right - ch.left : ch.bottom - ch.top;
  const int from = (c.Vertical ? ch.left : ch.top) + (width - c.Thickness) / 2;
  int checked = 0;
  for (int along = c.Vertical ? ch.top : ch.left; along < (c.Vertical ? ch.bottom : ch.right); ++along)
    for (int across = from; across < from + c.Thickness; ++across) {
      const POINT p = c.Vertical ? POINT{across, along} : POINT{along, across};
      if (PtInRect(&thumb, p)) continue;
      ASSERT_EQ(picture->Pixel(p.x, p.y), c.Track) << p.x << "," << p.y;
      ++checked;
    }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(SkinTrackBar, TrackBarPicture, testing::Values(
    ThumbCase{"Horizontal", false, true, true, HorzThumb(2), kTrack, 4},
    ThumbCase{"Vertical", true, true, true, VertThumb(2), kTrackVert, 6},
    ThumbCase{"VerticalWithTheHorizontalThumbOnly", true, true, false, HorzThumb(2), kTrackVert, 6}),
    [](const testing::TestParamInfo<ThumbCase>& i) { return std::string(i.param.Name); });

TEST_F(TrackBarSkinner, WithoutThumbImagesTheThumbIsAShadowBox) {
  LoadSkin(TrackSkin(false, false));
  TTrackBar* bar = MakeBar(false);
  SkinControl<TSkinTrackBar>(*bar);
  const RECT t = Thumb(bar->Handle());
  const std::unique_ptr<TBitmap> picture = Picture(bar->Handle());
  for (int y = t.top; y < t.bottom; ++y)
    for (int x = t.left; x < t.right; ++x) {
      const bool edge = x == t.left || x == t.right - 1 || y == t.top || y == t.bottom - 1;
      ASSERT_EQ(picture->Pixel(x, y), edge ? kShadow : TColor(ColorToRGB(clBtnFace))) << x << "," << y;
    }
}

struct DrawStageCase {
  DWORD Stage;
  DWORD_PTR Item;
  LRESULT Answer;
};

class CustomDrawStages : public TrackBarSkinner, public testing::WithParamInterface<DrawStageCase> {};

TEST_P(CustomDrawStages, OnlyChannelAndThumbAreTakenOver) {
  LoadSkin(TrackSkin(true, true));
  TTrackBar* bar = MakeBar(false);
  TSkinTrackBar* skinner = SkinControl<TSkinTrackBar>(*bar);
  auto target = Target(150, 40);
  NMCUSTOMDRAW draw{};
  draw.hdr = {bar->Handle(), 0, UINT(NM_CUSTOMDRAW)};
  draw.dwDrawStage = GetParam().Stage;
  draw.dwItemSpec = GetParam().Item;
  draw.hdc = target->Canvas().Handle();
  EXPECT_EQ(skinner->CustomDraw(draw), GetParam().Answer);
  // Only what is taken over is painted.
  const bool painted = !PixelsAre(*target, 150, 40, [](int, int) { return kBackground; });
  EXPECT_EQ(painted, GetParam().Answer == CDRF_SKIPDEFAULT);
}

INSTANTIATE_TEST_SUITE_P(SkinTrackBar, CustomDrawStages, testing::Values(
    DrawStageCase{CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW},
    DrawStageCase{CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT},
    DrawStageCase{CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT},
    DrawStageCase{CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT},
    DrawStageCase{CDDS_PREERASE, 0, CDRF_DODEFAULT},
    DrawStageCase{CDDS_POSTPAINT, 0, CDRF_DODEFAULT}));

TEST_F(TrackBarSkinner, NotificationsThatAreNotItsCustomDrawPassOn) {
  LoadSkin(TrackSkin(true, true));
  TTrackBar* bar = MakeBar(false);
  SkinControl<TSkinTrackBar>(*bar);
  NMCUSTOMDRAW other{};
  other.hdr = {Form->Handle(), 0, UINT(NM_CUSTOMDRAW)};
  other.dwDrawStage = CDDS_PREPAINT;
  NMHDR click{bar->Handle(), 0, UINT(NM_CLICK)};
  // SKIN_MAGIC is what the number of CN_NOTIFY carries as the engine's own
  // message (no address); a header-less WM_NOTIFY is malformed.
  for (LPARAM lparam : {LPARAM(0), LPARAM(SKIN_MAGIC), LPARAM(&other), LPARAM(&click)})
    EXPECT_NE(SendMessageW(bar->Handle(), CN_NOTIFY, 0, lparam), CDRF_NOTIFYITEMDRAW);
  for (LPARAM lparam : {LPARAM(0), LPARAM(&other), LPARAM(&click)})
    EXPECT_NE(SendMessageW(bar->Handle(), WM_NOTIFY, 0, lparam), CDRF_NOTIFYITEMDRAW);
}

TEST_F(TrackBarSkinner, DetachGivesTheNativeChannelAndThumbBack) {
  LoadSkin(TrackSkin(true, true));
  ExpectDetachRestoresTheNativePicture<TSkinTrackBar>(*MakeBar(false));
}

TEST_F(TrackBarSkinner, ASkinChangeLeavesTheFocusWhereItWas) {
  LoadSkin(TrackSkin(true, true));
  TTrackBar* bar = MakeBar(false);
  auto* edit = Add<TEdit>(10, 100, 80, 21);
  int focused = 0;
  TWindowProcLink counter;  // behind the skinner: sees what reaches the control
  counter.Install(*bar, [&](TMessage& m) {
    if (m.Msg == WM_SETFOCUS) ++focused;
    counter.CallNext(m);
  });
  TSkinTrackBar* skinner = SkinControl<TSkinTrackBar>(*bar);
  Form->Show();
  SetForegroundWindow(Form->Handle());
  edit->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return GetFocus() == edit->Handle(); }));
  skinner->SkinChanged();
  EXPECT_EQ(focused, 1);  // the redraw the focus change brings
  EXPECT_EQ(GetFocus(), edit->Handle());
}

// ---- In a foreign dialog: the notifications go to the dialog ----

class TrackBarInDialog : public SkinnedFormTest {
protected:
  void TearDown() override {
    if (Dialog) DestroyWindow(Dialog);
    SkinnedFormTest::TearDown();
  }
  HWND Dialog = nullptr;
  TSkinData Own{nullptr};  // the skin of the test, for the track bar's skinner
};

TEST_F(TrackBarInDialog, TheDialogsFormSkinnerHandsTheCustomDrawOn) {
  TTestSkin skin = TrackSkin(true, true);
  skin.Ini = kTestColours + skin.Ini;
  ASSERT_TRUE(LoadTestSkin(Own, skin));
  Dialog = MakeForeignDialog(0);
  ASSERT_NE(Dialog, nullptr);
  ASSERT_TRUE(SkinManager->SkinWindow(Dialog));
  Application->ProcessMessages();  // activation runs on WM_SKIN_START
  TWinSkinForm* form = FindFormSkinner(Dialog);
  ASSERT_NE(form, nullptr);
  const HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 5, 5, 150, 40, Dialog, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(track, nullptr);
  SendMessageW(track, TBM_SETPOS, TRUE, 5);
  auto* skinner = new TSkinTrackBar(form);
  skinner->AttachWindow(track, &Own, form, &form->SkinnerCanvas);
  RECT thumb{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
  auto picture = Target(150, 40);
  SendMessageW(track, WM_PAINT, WPARAM(picture->Canvas().Handle()), 0);
  for (int y = thumb.top; y < thumb.bottom; ++y)
    for (int x = thumb.left; x < thumb.right; ++x) ASSERT_EQ(picture->Pixel(x, y), HorzThumb(2)) << x << "," << y;
}
}  // namespace
