// Media players: the panel that covers a class-library player, follows it,
// paints its buttons from the skin's "Buttons" strip with the engine's
// glyphs, and hands clicks on to the player; discovery gives it to the
// gallery's players.
#include "host/MPlayer.h"
#include "skin/controls/SkinMP.h"
#include "skin/data/SkinImages.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include "tests/win/skin/GalleryFixture.h"
#include "tests/win/skin/RealInput.h"

using namespace skinload;

namespace {
// The "Buttons" strip: five solid frames, frame i all FrameColour(i).
constexpr int kStripFrames = 5, kStripFrameW = 12, kStripFrameH = 9;
TColor FrameColour(int frame) { return TColor(RGB(30 * frame, 90, 200)); }

TButtonSet Buttons(std::initializer_list<TMPBtnType> buttons) {
  TButtonSet set = 0;
  for (TMPBtnType b : buttons) set |= 1u << b;
  return set;
}

// A glyph as the engine's resources hold it.
std::unique_ptr<TBitmap> Glyph(const wchar_t* state, int button) {
  auto glyph = std::make_unique<TBitmap>();
  LoadBuiltinImage(*glyph, (std::wstring(state) + L"_" + kMPGlyphNames[size_t(button)]).c_str());
  return glyph;
}

class SkinMP : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    Data->SkinColours[3] = kFace;
    Data->PushButtons->Image = MakeBitmap(kStripFrames * kStripFrameW, kStripFrameH,
                                          [](int x, int) { return FrameColour(x / kStripFrameW + 1); });
    Data->PushButtons->FrameCount = kStripFrames;
    Player = Add<TMediaPlayer>(20, 30, 240, 30);
    Player->SetAutoEnable(false);
  }
  TSkinMP* Skin() { return SkinControl<TSkinMP>(*Player); }
  TWMediaPlayer* Panel(TSkinMP* skinner) {
    TWMediaPlayer* panel = skinner->PlayerPanel();
    EXPECT_NE(panel, nullptr);
    return panel;
  }
  // The panel's picture as its paint makes it.
  static std::unique_ptr<TBitmap> PanelPicture(TWMediaPlayer& panel) { return Picture(panel.Handle()); }

  // Every pixel of the picture: inside the k-th visible button (Width div
  // their count wide), its frame's colour with the glyph of its state
  // centred over it (one pixel right and down when pressed); beyond the
  // last button, the skin's face.
  void ExpectButtons(const TBitmap& picture, int pressed = kMPNone) {
    const TButtonSet visible = Player->GetVisibleButtons();
    std::vector<int> order;
    for (int i = 0; i < kMPButtonCount; ++i)
      if (InButtonSet(visible, i)) order.push_back(i);
    ASSERT_FALSE(order.empty());
    const int width = Player->GetWidth() / int(order.size()), height = Player->GetHeight();
    std::vector<std::unique_ptr<TBitmap>> glyphs;
    for (int button : order) {
      const bool enabled = InButtonSet(Player->GetEnabledButtons(), button);
      const bool colored = InButtonSet(Player->GetColoredButtons(), button);
      glyphs.push_back(Glyph(!enabled ? L"DI" : colored ? L"CL" : L"EN", button));
      ASSERT_FALSE(glyphs.back()->Empty());
    }
    EXPECT_TRUE(PixelsAre(picture, Player->GetWidth(), height, [&](int x, int y) -> TColor {
      const size_t k = size_t(x / width);
      if (k >= order.size()) return kFace;
      const int button = order[k];
      const bool enabled = InButtonSet(Player->GetEnabledButtons(), button);
      const int frame = !enabled ? mfDisabled : button == pressed ? mfPressed : mfNormal;
      const int shift = frame == mfPressed ? 1 : 0;
      const TBitmap& glyph = *glyphs[k];
      const int gx = x - (int(k) * width + (width - glyph.Width()) / 2 + shift);
      const int gy = y - ((height - glyph.Height()) / 2 + shift);
      if (gx >= 0 && gy >= 0 && gx < glyph.Width() && gy < glyph.Height() && glyph.Pixel(gx, gy) != kMPGlyphKey)
        return glyph.Pixel(gx, gy);
      return FrameColour(frame);
    }));
  }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  // From now on counts the button-up messages that reach the player (the
  // skinned player's WindowProc is the skinner's; it gets it back at the end).
  void CountUpsAtThePlayer() {
    SkinnedProc = Player->WindowProc;
    Player->WindowProc = [this](TMessage& m) {
      if (m.Msg == WM_LBUTTONUP) ++UpsAtThePlayer;
      SkinnedProc(m);
    };
  }
  void TearDown() override {
    if (SkinnedProc) Player->WindowProc = SkinnedProc;
    ControlSkinnerTest::TearDown();
  }

  TMediaPlayer* Player = nullptr;
  TWndMethod SkinnedProc;
  int UpsAtThePlayer = 0;
};

TEST_F(SkinMP, ThePanelCoversThePlayerInItsParentAndDiscoveryLeavesItAlone) {
  Data->SetDisableTag(123);
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Parent(), Player->Parent());
  const RECT panelBounds = panel->BoundsRect(), playerBounds = Player->BoundsRect();
  EXPECT_TRUE(EqualRect(&panelBounds, &playerBounds));
  EXPECT_EQ(panel->GetTag(), 123);
  // The mouse over the player meets the panel.
  RECT r;
  GetWindowRect(Player->Handle(), &r);
  Form->Show();
  EXPECT_EQ(WindowFromPoint({r.left + 5, r.top + 5}), panel->Handle());
}

TEST_F(SkinMP, ThePanelFollowsThePlayersPlaceSizeAndVisibility) {
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  Player->SetBounds(50, 70, 180, 26);
  const RECT moved{50, 70, 230, 96}, bounds = panel->BoundsRect();
  EXPECT_TRUE(EqualRect(&bounds, &moved));
  RECT window;
  GetWindowRect(panel->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 180);
  Player->SetVisible(false);
  EXPECT_FALSE(panel->GetVisible());
  EXPECT_FALSE(IsWindowVisible(panel->Handle()));
  Player->SetVisible(true);
  EXPECT_TRUE(panel->GetVisible());
}

TEST_F(SkinMP, AHiddenPlayerGetsAHiddenPanel) {
  Player->SetVisible(false);
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(panel->GetVisible());
}

struct PaintCase {
  const char* Name;
  int Width;
  TButtonSet Visible, Enabled, Colored;
};

class SkinMPPaint : public SkinMP, public testing::WithParamInterface<PaintCase> {};

TEST_P(SkinMPPaint, EachVisibleButtonIsAFrameOfTheStripWithTheGlyphOfItsState) {
  const PaintCase& c = GetParam();
  Player->SetWidth(c.Width);
  Player->SetVisibleButtons(c.Visible);
  Player->SetEnabledButtons(c.Enabled);
  Player->SetColoredButtons(c.Colored);
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  ExpectButtons(*PanelPicture(*panel));
}

INSTANTIATE_TEST_SUITE_P(SkinMP, SkinMPPaint, testing::Values(
    // Nine buttons of 26 in 240: 6 pixels of face at the right.
    PaintCase{"AllNineEnabled", 240, kAllMPButtons, kAllMPButtons, 0},
    PaintCase{"ThreeOfEighty", 240, Buttons({btPlay, btPause, btStop}), kAllMPButtons, 0},
    // Disabled ones in frame 3 with the grey glyph, coloured enabled ones
    // with the coloured glyph; a coloured disabled one stays grey.
    PaintCase{"DisabledAndColoured", 200, Buttons({btPlay, btStop, btNext, btRecord, btEject}),
              Buttons({btPlay, btRecord}), Buttons({btPlay, btStop, btRecord})},
    PaintCase{"OneWide", 100, Buttons({btEject}), 0, 0}),
    [](const testing::TestParamInfo<PaintCase>& i) { return std::string(i.param.Name); });

TEST_F(SkinMP, WithNoVisibleButtonThePanelIsTheSkinsFace) {
  Player->SetVisibleButtons(0);
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(PixelsAre(*PanelPicture(*panel), Player->GetWidth(), Player->GetHeight(),
                        [](int, int) { return kFace; }));
}

TEST_F(SkinMP, TheButtonUnderThePressIsInTheSecondFrameUntilRelease) {
  Player->SetVisibleButtons(Buttons({btPlay, btPause, btStop}));
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  PanelPicture(*panel);  // the layout of a paint
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(100, 10));
  ExpectButtons(*PanelPicture(*panel), btPause);
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(100, 10));
  ExpectButtons(*PanelPicture(*panel));
}

struct HitCase {
  const char* Name;
  int Width;
  TButtonSet Visible;
  int X, Button;
};

class SkinMPHit : public SkinMP, public testing::WithParamInterface<HitCase> {};

TEST_P(SkinMPHit, TheFirstVisibleButtonWhoseSpanHoldsX) {
  const HitCase& c = GetParam();
  Player->SetWidth(c.Width);
  Player->SetVisibleButtons(c.Visible);
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  PanelPicture(*panel);
  EXPECT_EQ(panel->HitTest(c.X), c.Button);
}

INSTANTIATE_TEST_SUITE_P(SkinMP, SkinMPHit, testing::Values(
    HitCase{"LeftEdge", 240, Buttons({btPlay, btPause, btStop}), 0, btPlay},
    HitCase{"SharedEdgeGoesToTheFirst", 240, Buttons({btPlay, btPause, btStop}), 80, btPlay},
    HitCase{"JustPastTheEdge", 240, Buttons({btPlay, btPause, btStop}), 81, btPause},
    HitCase{"Hundred", 240, Buttons({btPlay, btPause, btStop}), 100, btPause},
    HitCase{"RightEdge", 240, Buttons({btPlay, btPause, btStop}), 240, btStop},
    HitCase{"PastTheLast", 240, Buttons({btPlay, btPause, btStop}), 241, kMPNone},
    HitCase{"Left", 240, Buttons({btPlay, btPause, btStop}), -1, kMPNone},
    HitCase{"HiddenOnesSkipped", 100, Buttons({btPlay, btEject}), 60, btEject},
    HitCase{"NoneVisible", 100, 0, 10, kMPNone}),
    [](const testing::TestParamInfo<HitCase>& i) { return std::string(i.param.Name); });

// What the player heard of its buttons.
struct TClicks {
  std::vector<TMPBtnType> Buttons;
  void Listen(TMediaPlayer& player) {
    player.OnClick = [this](TObject*, TMPBtnType button, bool& doDefault) {
      Buttons.push_back(button);
      doDefault = false;
    };
  }
};

TEST_F(SkinMP, ThePressReachesThePlayerWhichLetsTheMouseGo) {
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  Form->Show();
  PanelPicture(*panel);
  TClicks clicks;
  clicks.Listen(*Player);
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 10));
  EXPECT_NE(GetCapture(), Player->Handle());
  EXPECT_TRUE(panel->MouseIsDown());
  EXPECT_EQ(panel->PressedIndex(), btPlay);
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(5, 10));
  EXPECT_EQ(clicks.Buttons, std::vector<TMPBtnType>{btPlay});
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinMP, AReleaseOverAnotherButtonOrOutsideCompletesNoClick) {
  Player->SetVisibleButtons(Buttons({btPlay, btPause, btStop}));
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  PanelPicture(*panel);
  TClicks clicks;
  clicks.Listen(*Player);
  CountUpsAtThePlayer();
  for (LPARAM release : {At(200, 10), At(5, 40), At(5, -3)}) {
    SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 10));
    SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, release);
    EXPECT_FALSE(panel->MouseIsDown());
  }
  EXPECT_EQ(UpsAtThePlayer, 0);
  EXPECT_TRUE(clicks.Buttons.empty());
  // The player is ready for the next click all the same.
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(200, 10));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(200, 10));
  EXPECT_EQ(clicks.Buttons, std::vector<TMPBtnType>{btStop});
}

TEST_F(SkinMP, DetachFreesThePanelAndThePlayerShowsItself) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* panel = Panel(skinner);
  ASSERT_NE(panel, nullptr);
  const HWND panelWindow = panel->Handle();
  Form->Show();
  skinner->Detach();
  EXPECT_EQ(skinner->PlayerPanel(), nullptr);
  EXPECT_FALSE(IsWindow(panelWindow));
  EXPECT_EQ(Form->Controls().size(), 1u);  // the player alone
  RECT r;
  GetWindowRect(Player->Handle(), &r);
  EXPECT_EQ(WindowFromPoint({r.left + 5, r.top + 5}), Player->Handle());
  EXPECT_FALSE(Skinned(Player->Handle()));
}

TEST_F(SkinMP, APlayerFreedWhileSkinnedTakesItsPanelWithIt) {
  TWMediaPlayer* panel = Panel(Skin());
  ASSERT_NE(panel, nullptr);
  const HWND panelWindow = panel->Handle();
  delete Player;
  EXPECT_FALSE(IsWindow(panelWindow));
  EXPECT_TRUE(Form->Controls().empty());
}

TEST_F(SkinMP, APanelFreedWithItsParentIsForgottenByTheSkinner) {
  auto* box = Add<TPanel>(10, 10, 300, 100);
  delete Player;
  Player = Add<TMediaPlayer>(5, 5, 200, 30, box);
  TSkinMP* skinner = Skin();
  ASSERT_NE(Panel(skinner), nullptr);
  // The box frees its children from the last: the panel, then the player
  // with its skinner, which must not free the panel again.
  delete box;
  EXPECT_TRUE(Form->Controls().empty());
}

TEST(SetTextHas, NamesAMemberBetweenBracketsAndCommas) {
  EXPECT_TRUE(SetTextHas(L"[btPlay,btStop]", L"btStop"));
  EXPECT_TRUE(SetTextHas(L"[btPlay, btStop]", L"btPlay"));
  EXPECT_TRUE(SetTextHas(L" [ btEject ] ", L"btEject"));
  EXPECT_FALSE(SetTextHas(L"[btPlay,btStop]", L"btPause"));
  EXPECT_FALSE(SetTextHas(L"[btPlayer]", L"btPlay"));
  EXPECT_FALSE(SetTextHas(L"[]", L"btPlay"));
  EXPECT_FALSE(SetTextHas(L"", L"btPlay"));
  EXPECT_FALSE(SetTextHas(L"btPlay", L"btPlay"));
}

TEST(ReadSetProp, ASetPropertyIsItsMembersInBrackets) {
  TMediaPlayer player(nullptr);
  player.SetVisibleButtons(Buttons({btPlay, btStop, btEject}));
  EXPECT_EQ(ReadSetProp(&player, "VisibleButtons"), L"[btPlay,btStop,btEject]");
  player.SetColoredButtons(0);
  EXPECT_EQ(ReadSetProp(&player, "ColoredButtons"), L"[]");
  EXPECT_EQ(ReadSetProp(&player, "FileName"), L"");
  EXPECT_EQ(ReadSetProp(&player, "NoSuchSet"), L"");
  EXPECT_EQ(ReadSetProp(nullptr, "VisibleButtons"), L"");
}

// ---- Real mouse input ----

class SkinMPInput : public SkinMP {
protected:
  void SetUp() override {
    SkinMP::SetUp();
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Player->SetVisibleButtons(Buttons({btPlay, btPause, btStop}));
    Form->Show();
    SetWindowPos(Form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Form->Handle());
    PlayerPanel = Panel(Skin());
    ASSERT_NE(PlayerPanel, nullptr);
    UpdateWindow(PlayerPanel->Handle());
    Clicks.Listen(*Player);
  }
  // A point of the panel on the screen.
  POINT OnPanel(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(PlayerPanel->Handle(), &p);
    return p;
  }
  TWMediaPlayer* PlayerPanel = nullptr;
  TClicks Clicks;
};

TEST_F(SkinMPInput, AClickOnTheSkinnedPlayButtonIsThePlayersClick) {
  const POINT play = OnPanel(40, 15);
  ASSERT_EQ(WindowFromPoint(play), PlayerPanel->Handle());
  SendAndHandle({MouseAt(play, 0), MouseAt(play, MOUSEEVENTF_LEFTDOWN)});
  EXPECT_TRUE(PlayerPanel->MouseIsDown());
  EXPECT_EQ(PlayerPanel->PressedIndex(), btPlay);
  SendAndHandle({MouseAt(play, MOUSEEVENTF_LEFTUP)});
  EXPECT_EQ(Clicks.Buttons, std::vector<TMPBtnType>{btPlay});
  EXPECT_FALSE(PlayerPanel->MouseIsDown());
}

TEST_F(SkinMPInput, PressedOnPlayAndReleasedOverStopIsNoClick) {
  const POINT play = OnPanel(40, 15), stop = OnPanel(200, 15);
  CountUpsAtThePlayer();
  SendAndHandle({MouseAt(play, 0), MouseAt(play, MOUSEEVENTF_LEFTDOWN), MouseAt(stop, 0),
                 MouseAt(stop, MOUSEEVENTF_LEFTUP)});
  EXPECT_EQ(UpsAtThePlayer, 0);
  EXPECT_TRUE(Clicks.Buttons.empty());
  EXPECT_FALSE(PlayerPanel->MouseIsDown());
  // Released away from the panel: the panel still hears it.
  const POINT away = OnPanel(40, 200);
  SendAndHandle({MouseAt(play, 0), MouseAt(play, MOUSEEVENTF_LEFTDOWN), MouseAt(away, 0),
                 MouseAt(away, MOUSEEVENTF_LEFTUP)});
  EXPECT_EQ(UpsAtThePlayer, 0);
  EXPECT_TRUE(Clicks.Buttons.empty());
  EXPECT_FALSE(PlayerPanel->MouseIsDown());
}

// ---- The gallery's players ----

TEST_F(GalleryTest, TheMediaPagesPlayersAreCoveredBySkinnedPanels) {
  ShowSkinned();
  for (const wchar_t* name : {L"SoundPlayer", L"PartPlayer", L"NoButtonPlayer"}) {
    auto* player = Find<TMediaPlayer>(name);
    ASSERT_NE(player, nullptr);
    TSkinControl* skinner = Skinner->FindControlSkinner(*player);
    ASSERT_NE(skinner, nullptr) << WideToUtf8(name);
    EXPECT_EQ(skinner->ClassName(), "TSkinMP");
    TWMediaPlayer* panel = static_cast<TSkinMP*>(skinner)->PlayerPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Parent(), player->Parent());
    // Never a skinner of its own.
    EXPECT_EQ(Skinner->FindControlSkinner(*panel), nullptr);
  }
}

TEST_F(GalleryTest, TheSoundPlayerIsOpenOnAVoiceFile) {
  EXPECT_FALSE(FindSoundFile(L"E.wav").empty());
  EXPECT_TRUE(FindSoundFile(L"NoSuchVoice.wav").empty());
  EXPECT_EQ(Find<TMediaPlayer>(L"SoundPlayer")->GetFileName(), FindSoundFile(L"E.wav"));
}
}  // namespace
