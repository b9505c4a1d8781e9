// Tool bars and cool bars on the gallery's page of them: flat while skinned,
// the skin's painters in the bars' custom-draw events only where the
// program has none, the Toolbar image behind the buttons and the
// push-button frames on hot and pressed ones (each switched off by its
// option), the drop-down menu drawn from the skin, the bands in the skin's
// face colour; and all of it given back when skinning goes off.
#include "host/ToolWin.h"
#include "host/WideText.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinCoolBar.h"
#include "skin/controls/SkinToolBar.h"
#include "gallery/GalleryStandIns.h"
#include "tests/win/skin/GalleryFixture.h"
#include "tests/win/skin/RealInput.h"
#include "tests/win/MenuWatch.h"

namespace {
constexpr TColor kSentinel = TColor(RGB(1, 254, 3));

unsigned With(unsigned options, TSkinOption o) { return options | (1u << o); }

// A bitmap of the size, all of it the sentinel colour.
std::unique_ptr<TBitmap> Blank(int width, int height) {
  auto b = std::make_unique<TBitmap>(width, height, pf32bit);
  b->Canvas().BrushColor = kSentinel;
  b->Canvas().FillRect({0, 0, width, height});
  return b;
}

NMTBCUSTOMDRAW DrawNotification(TToolBar& bar, HDC dc, DWORD stage, const RECT& rc, DWORD_PTR item = 0,
                                UINT state = 0) {
  NMTBCUSTOMDRAW cd{};
  cd.nmcd.hdr.hwndFrom = bar.Handle();
  cd.nmcd.hdr.code = UINT(NM_CUSTOMDRAW);
  cd.nmcd.dwDrawStage = stage;
  cd.nmcd.hdc = dc;
  cd.nmcd.dwItemSpec = item;
  cd.nmcd.uItemState = state;
  cd.nmcd.rc = rc;
  return cd;
}

// The whole bar's notifications as its paint sends them, through its
// WindowProc (where a skinner would sit), onto the bitmap.
void DrawBar(TToolBar& bar, TBitmap& target) {
  NMTBCUSTOMDRAW cd = DrawNotification(bar, target.Canvas().Handle(), CDDS_PREPAINT, bar.ClientRect());
  bar.Perform(CN_NOTIFY, 0, LPARAM(&cd));
}
LRESULT DrawButton(TToolBar& bar, TBitmap& target, const RECT& rc, int id, UINT state) {
  NMTBCUSTOMDRAW cd = DrawNotification(bar, target.Canvas().Handle(), CDDS_ITEMPREPAINT, rc, DWORD_PTR(id), state);
  return bar.Perform(CN_NOTIFY, 0, LPARAM(&cd));
}
}  // namespace

class ToolBarSkinner : public GalleryTest {
protected:
  void SetUp() override {
    GalleryTest::SetUp();
    TGalleryOptions options;
    options.Page = PageOf(L"Tool bars");
    Gallery->Apply(options);
    Flat = Find<TToolBar>(L"FlatToolBar");
    Own = Find<TToolBar>(L"OwnDrawnToolBar");
    Band = Find<TToolBar>(L"BandToolBar");
    Cool = Find<TCoolBar>(L"ToolCoolBar");
    ASSERT_TRUE(Flat && Own && Band && Cool);
  }
  void ShowOnTop() {
    ShowSkinned();
    if (HasFatalFailure()) return;
    SetWindowPos(Gallery->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  void SwitchOff() {
    const HWND wnd = Gallery->Handle();
    Gallery->SkinData1->SetActive(false);
    ASSERT_TRUE(PumpUntil([wnd] { return !Skinned(wnd); }));
  }
  int PageOf(const std::wstring& caption) const {
    const auto& pages = Gallery->Pages->Pages();
    for (size_t i = 0; i < pages.size(); ++i)
      if (pages[i]->GetText() == caption) return int(i);
    ADD_FAILURE() << "no page " << WideToUtf8(caption);
    return 0;
  }
  TSkinData& Skin() { return *Gallery->SkinData1; }
  // Has the program's own background handler of the second bar painted?
  bool PaintsOwnColour(TToolBar& bar) {
    auto target = Blank(8, 8);
    bar.Canvas().SetHandle(target->Canvas().Handle());
    bool defaultDraw = true;
    if (bar.OnCustomDraw) bar.OnCustomDraw(&bar, RECT{0, 0, 8, 8}, defaultDraw);
    bar.Canvas().SetHandle(nullptr);
    return ColorToRGB(target->Pixel(4, 4)) == Gallery->kOwnToolBarColour;
  }
  TToolBar *Flat = nullptr, *Own = nullptr, *Band = nullptr;
  TCoolBar* Cool = nullptr;
};

TEST_F(ToolBarSkinner, EveryToolBarIsAFlatSkinBoxWhileSkinnedAndGetsItsOwnFlatnessBack) {
  ASSERT_FALSE(Own->GetFlat());
  ASSERT_FALSE(Band->GetFlat());
  ASSERT_TRUE(Flat->GetFlat());
  ShowSkinned();
  for (TToolBar* bar : {Flat, Own, Band}) {
    SCOPED_TRACE(WideToUtf8(bar->GetName()));
    TSkinControl* skinner = Skinner->FindControlSkinner(*bar);
    ASSERT_NE(skinner, nullptr);
    EXPECT_NE(dynamic_cast<TSkinBox*>(skinner), nullptr);
    EXPECT_NE(dynamic_cast<TSkinToolBar*>(skinner), nullptr);
    EXPECT_TRUE(bar->GetFlat());
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
  }
  SwitchOff();
  EXPECT_FALSE(Own->GetFlat());
  EXPECT_FALSE(Band->GetFlat());
  EXPECT_TRUE(Flat->GetFlat());
  EXPECT_FALSE(GetWindowLongPtrW(Own->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
}

TEST_F(ToolBarSkinner, ThePaintersGoOnlyWhereTheBarHasNoHandlerAndOnlyTheyComeOff) {
  ASSERT_FALSE(Flat->OnCustomDraw);
  ASSERT_TRUE(Own->OnCustomDraw);
  ASSERT_TRUE(PaintsOwnColour(*Own));
  ShowSkinned();
  EXPECT_TRUE(Flat->OnCustomDraw);
  EXPECT_TRUE(Flat->OnAdvancedCustomDrawButton);
  EXPECT_TRUE(PaintsOwnColour(*Own));  // still the program's
  EXPECT_TRUE(Own->OnAdvancedCustomDrawButton);
  EXPECT_FALSE(PaintsOwnColour(*Flat));
  SwitchOff();
  EXPECT_FALSE(Flat->OnCustomDraw);
  EXPECT_FALSE(Flat->OnAdvancedCustomDrawButton);
  EXPECT_FALSE(Own->OnAdvancedCustomDrawButton);
  EXPECT_TRUE(PaintsOwnColour(*Own));
}

TEST_F(ToolBarSkinner, TheBackgroundIsTheToolbarImageStretchedOverTheBarUnlessTheOptionSaysNo) {
  ShowOnTop();
  ASSERT_TRUE(HasImage(Skin().Toolbar.get()));
  TBitmap& image = *Skin().Toolbar->Image;
  // The bar as high as the image: its rows are the image's rows. Every row
  // of the skin's image is one colour (it is a top-to-bottom gradient), so
  // any horizontal stretch shows that colour.
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 1; x < image.Width(); ++x) ASSERT_EQ(image.Pixel(x, y), image.Pixel(0, y)) << x << "," << y;
  ASSERT_NE(image.Pixel(0, 0), image.Pixel(0, image.Height() - 1)) << "a gradient has two ends";
  Flat->SetHeight(image.Height());
  Flat->UpdateButtons();
  const RECT client = Flat->ClientRect();
  ASSERT_EQ(client.bottom, image.Height());
  auto drawn = Blank(client.right, client.bottom);
  DrawBar(*Flat, *drawn);
  for (int y = 0; y < client.bottom; ++y)
    for (int x : {0, int(client.right / 2), int(client.right - 1)})
      EXPECT_EQ(drawn->Pixel(x, y), image.Pixel(0, y)) << x << "," << y;
  // On the screen too, right of the last button.
  const RECT last = Flat->ButtonRect(*Flat->Buttons().back());
  ASSERT_LT(last.right + 4, client.right);
  const auto shown = WindowPicture(Flat->Handle());
  for (int y : {1, int(client.bottom / 2), int(client.bottom - 2)})
    EXPECT_EQ(shown->Pixel(client.right - 3, y), image.Pixel(0, y)) << y;

  Skin().SetOptions(With(Skin().GetOptions(), xoToolbarBK));
  auto untouched = Blank(client.right, client.bottom);
  DrawBar(*Flat, *untouched);
  EXPECT_EQ(untouched->Pixel(client.right / 2, client.bottom / 2), kSentinel);
}

TEST_F(ToolBarSkinner, AHotOrPressedButtonShowsThePushButtonFrameOfItsStateUnlessTheOptionSaysNo) {
  ShowOnTop();
  const TDataSkinButton* element = Skin().PushButtons.get();
  ASSERT_TRUE(HasImage(element));
  TBitmap& image = *element->Image;
  const int fw = image.Width() / kPushButtonFrames;
  ASSERT_GT(element->LeftWidth, 0);
  ASSERT_GT(element->TopHeight, 0);
  // A corner pixel (copied one to one) where the hot and pressed frames differ.
  int cx = -1, cy = -1;
  for (int y = 0; y < element->TopHeight && cx < 0; ++y)
    for (int x = 0; x < element->LeftWidth && cx < 0; ++x) {
      const TColor hot = image.Pixel(3 * fw + x, y), pressed = image.Pixel(fw + x, y);
      if (hot != pressed && hot != 0xFF00FF && pressed != 0xFF00FF) cx = x, cy = y;
    }
  ASSERT_GE(cx, 0) << "the skin's hot and pressed button frames must differ in a corner";
  const RECT rc{4, 3, 64, 33};  // the bar's rectangle of the button
  struct TCase {
    UINT State;
    int Frame;  // 0: nothing painted
  };
  for (const TCase& c : {TCase{CDIS_HOT, 4}, TCase{CDIS_FOCUS, 4}, TCase{CDIS_SELECTED | CDIS_HOT, 2},
                         TCase{0, 0}, TCase{CDIS_CHECKED, 0}, TCase{CDIS_DEFAULT | CDIS_DISABLED, 0}}) {
    SCOPED_TRACE(c.State);
    auto drawn = Blank(80, 40);
    EXPECT_EQ(DrawButton(*Flat, *drawn, rc, 1, c.State) & CDRF_SKIPDEFAULT, 0);
    const TColor want = c.Frame ? image.Pixel((c.Frame - 1) * fw + cx, cy) : kSentinel;
    EXPECT_EQ(drawn->Pixel(rc.left + 1 + cx, rc.top + 1 + cy), want);
    EXPECT_EQ(drawn->Pixel(rc.left, rc.top), kSentinel);  // one pixel in from the button's edge
  }
  Skin().SetOptions(With(Skin().GetOptions(), xoToolbarButton));
  auto untouched = Blank(80, 40);
  DrawButton(*Flat, *untouched, rc, 1, CDIS_HOT);
  EXPECT_EQ(untouched->Pixel(rc.left + 1 + cx, rc.top + 1 + cy), kSentinel);
}

TEST_F(ToolBarSkinner, TheDropDownMenuIsDrawnFromTheSkinWhileSkinnedAndByTheSystemAfter) {
  TPopupMenu* menu = Gallery->PasteMenu;
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(menu->Owner(), Gallery);  // not one of the form's own popup menus
  ASSERT_FALSE(menu->OwnerDraw);
  ShowSkinned();
  EXPECT_TRUE(menu->OwnerDraw);
  for (int i = 0; i < menu->Items.Count(); ++i) {
    EXPECT_TRUE(menu->Items.Items(i)->OnDrawItem) << i;
    EXPECT_TRUE(menu->Items.Items(i)->OnMeasureItem) << i;
  }
  SwitchOff();
  EXPECT_FALSE(menu->OwnerDraw);
  for (int i = 0; i < menu->Items.Count(); ++i) {
    EXPECT_FALSE(menu->Items.Items(i)->OnDrawItem) << i;
    EXPECT_FALSE(menu->Items.Items(i)->OnMeasureItem) << i;
  }
}

// The items below the top of the menu the tool bar and the strip show: the
// skin's handlers and owner-drawn native items while skinned, neither after.
struct TMenuTreeState {
  bool OwnerDraw = false;
  int Handled = 0, NativeOwnerDrawn = 0, Items = 0;
};
void CountBelow(const TMenuItem& parent, TMenuTreeState& s) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(parent.Handle(), UINT(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW)) ++s.NativeOwnerDrawn;
    if (item.OnDrawItem && item.OnMeasureItem) ++s.Handled;
    ++s.Items;
    CountBelow(item, s);
  }
}
TMenuTreeState TreeState(TMainMenu& menu) {
  TMenuTreeState s;
  s.OwnerDraw = menu.OwnerDraw;
  menu.Handle();
  for (int i = 0; i < menu.Items.Count(); ++i) CountBelow(*menu.Items.Items(i), s);
  return s;
}

TEST_F(ToolBarSkinner, TheMenuTheBarAndTheStripShowIsDrawnFromTheSkinWhileSkinnedAndByTheSystemAfter) {
  TMainMenu* menu = Gallery->BarMenu;
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(Find<TToolBar>(L"MenuToolBar")->GetMenu(), menu);
  TMenuTreeState s = TreeState(*menu);
  ASSERT_GT(s.Items, 5);
  ASSERT_FALSE(s.OwnerDraw);
  ASSERT_EQ(s.NativeOwnerDrawn, 0);
  ShowSkinned();
  s = TreeState(*menu);
  EXPECT_TRUE(s.OwnerDraw);
  EXPECT_EQ(s.Handled, s.Items);
  EXPECT_EQ(s.NativeOwnerDrawn, s.Items);
  for (int i = 0; i < menu->Items.Count(); ++i) EXPECT_FALSE(menu->Items.Items(i)->OnDrawItem) << i;
  // The form's own menu is its menu bar's to draw.
  EXPECT_FALSE(Gallery->MainMenu->OwnerDraw);
  SwitchOff();
  s = TreeState(*menu);
  EXPECT_FALSE(s.OwnerDraw);
  EXPECT_EQ(s.Handled, 0);
  EXPECT_EQ(s.NativeOwnerDrawn, 0);
}

TEST_F(ToolBarSkinner, AMenuTaggedWithTheDisableTagKeepsTheSystemsLook) {
  Gallery->BarMenu->SetTag(Skin().GetDisableTag());
  ShowSkinned();
  EXPECT_FALSE(Gallery->BarMenu->OwnerDraw);
}

TEST_F(ToolBarSkinner, EveryBandWearsTheSkinsFaceWhileSkinnedAndItsOwnColourAfter) {
  TCoolBands& bands = *Cool->Bands();
  ASSERT_EQ(bands.Count(), 2);
  const TColor before[] = {bands[0].GetColor(), bands[1].GetColor()};
  ASSERT_NE(before[0], before[1]);
  ShowSkinned();
  EXPECT_NE(dynamic_cast<TSkinCoolBar*>(Skinner->FindControlSkinner(*Cool)), nullptr);
  const TColor face = Skin().SkinColours[3];
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(bands[i].GetColor(), face) << i;
    EXPECT_EQ(Cool->NativeBandColour(i), ColorToRGB(face)) << i;
  }
  EXPECT_EQ(bands[0].GetControl(), Band);
  SwitchOff();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(bands[i].GetColor(), before[i]) << i;
    EXPECT_EQ(Cool->NativeBandColour(i), ColorToRGB(before[i])) << i;
  }
}

// By the real pointer: a click on a check button, and the drop-down
// button's arrow opening its menu below the button.
class ToolBarInput : public ToolBarSkinner {};

// The tool bar's menu buttons and the strip's items open the sub-items below
// themselves, in the skin.
TEST_F(ToolBarInput, TheBarsAndTheStripsTopItemsOpenTheirSubItemsBelowThemInTheSkin) {
  ShowOnTop();
  auto* bar = Find<TToolBar>(L"MenuToolBar");
  auto* strip = Find<TMenuBarStrip>(L"MenuStrip");
  ASSERT_TRUE(bar && strip && !bar->Buttons().empty());
  RECT edit = bar->ButtonRect(*bar->Buttons()[0]);
  MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&edit), 2);
  RECT tools = strip->ItemRect(1);
  MapWindowPoints(strip->Handle(), nullptr, reinterpret_cast<POINT*>(&tools), 2);
  for (const RECT& at : {edit, tools}) {
    TMenuWatch watch;
    bool skinnedWindow = false;
    watch.Probe = [&](HWND menu) { skinnedWindow = Skinned(menu); };
    ClickAt({(at.left + at.right) / 2, (at.top + at.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return watch.Seen; }));
    EXPECT_TRUE(skinnedWindow);
    EXPECT_NEAR(watch.Shown.left, at.left, 4);
    EXPECT_NEAR(watch.Shown.top, at.bottom, 4);
  }
}

TEST_F(ToolBarInput, AClickChecksTheButtonAndTheArrowOpensTheMenuBelowIt) {
  ShowOnTop();
  auto* grid = Find<TToolButton>(L"GridToolButton");
  auto* paste = Find<TToolButton>(L"PasteToolButton");
  ASSERT_TRUE(grid && paste);
  int clicks = 0;
  grid->OnClick = [&](TObject*) { ++clicks; };
  const auto screenRect = [this](TToolButton& b) {
    RECT r = Flat->ButtonRect(b);
    MapWindowPoints(Flat->Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT g = screenRect(*grid);
  ClickAt({(g.left + g.right) / 2, (g.top + g.bottom) / 2});
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_TRUE(grid->GetDown());

  TMenuWatch watch;
  bool skinnedWindow = false;
  watch.Probe = [&](HWND menu) { skinnedWindow = Skinned(menu); };
  const RECT p = screenRect(*paste);
  ClickAt({p.right - 4, (p.top + p.bottom) / 2});  // on the arrow
  ASSERT_TRUE(PumpUntil([&] { return watch.Seen; }));
  EXPECT_TRUE(skinnedWindow);
  EXPECT_NEAR(watch.Shown.left, p.left, 4);
  EXPECT_NEAR(watch.Shown.top, p.bottom, 4);
}
