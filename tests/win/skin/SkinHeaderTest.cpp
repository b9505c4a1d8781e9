// Header controls: every column a frame of "Headerbar", the column under
// the mouse hot, the rest of the bar filled with the normal frame, texts in
// the skin's text colour, sort arrows; list views get their header skinned.
#include "host/ListViews.h"
#include "skin/controls/SkinHeader.h"
#include "tests/win/skin/ControlSkinnerKit.h"

using namespace skinload;

namespace {
constexpr TColor kNormal = TColor(RGB(200, 200, 200));
constexpr TColor kHot = TColor(RGB(150, 250, 150));
constexpr TColor kText = TColor(RGB(4, 5, 6));

TTestSkin HeaderSkin() {
  TTestSkin skin;
  skin.Add("header.bmp", Bmp24(2 * 6, 6, [](int x, int) { return x < 6 ? kNormal : kHot; }));
  // Follows the "Colours" section of the other tests.
  skin.Ini = "WindowText=4 5 6\r\n[Headerbar]\r\nImage=header.bmp\r\nFrame=2\r\nLeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\n"
             "BottomHeight=2\r\nTile=0\r\n";
  return skin;
}

struct Column {
  const wchar_t* Text;
  int Width;
  int Format;
};

class HeaderSkinner : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    LoadSkin(HeaderSkin());
  }
  THeaderControl* AddHeader(int width, std::initializer_list<Column> columns) {
    auto* header = new THeaderControl(Form.get());
    header->SetAlign(alNone);
    header->SetParent(Form.get());
    header->SetBounds(0, 0, width, 24);
    for (const Column& c : columns) {
      THeaderSection& s = header->Sections()->Add();
      s.SetText(c.Text);
      s.SetWidth(c.Width);
      s.SetAlignment(c.Format == HDF_CENTER ? taCenter : c.Format == HDF_RIGHT ? taRightJustify : taLeftJustify);
      s.SetSortArrow(c.Format & HDF_SORTUP ? hsUp : c.Format & HDF_SORTDOWN ? hsDown : hsNone);
    }
    header->UpdateSections();
    return header;
  }
  static void MoveTo(HWND wnd, int x) { SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, 10)); }
};

// The frame colour of each pixel column of a text-less header.
testing::AssertionResult Frames(const TBitmap& picture, const std::function<TColor(int)>& colourAtX) {
  return PixelsAre(picture, picture.Width(), picture.Height(), [&](int x, int) { return colourAtX(x); });
}

struct HotCase {
  const char* Name;
  std::vector<int> Moves;  // x of each mouse move, in order
  int Hot;
};

class HeaderHot : public HeaderSkinner, public testing::WithParamInterface<HotCase> {};

TEST_P(HeaderHot, TheColumnEnteredLastIsHotAndTheGapsChangeNothing) {
  THeaderControl* header = AddHeader(300, {{L"", 100, 0}, {L"", 80, 0}});
  const HWND wnd = header->Handle();
  auto* skinner = SkinControl<TSkinHeader>(*header);
  Picture(wnd);  // the columns' rectangles come with the first paint
  for (int x : GetParam().Moves) MoveTo(wnd, x);
  EXPECT_EQ(skinner->HotItem(), GetParam().Hot);
  const int hot = GetParam().Hot;
  EXPECT_TRUE(Frames(*Picture(wnd), [hot](int x) {
    const int column = x < 100 ? 0 : x < 180 ? 1 : -1;
    return column == hot && hot >= 0 ? kHot : kNormal;
  }));
}

INSTANTIATE_TEST_SUITE_P(SkinHeader, HeaderHot, testing::Values(
    HotCase{"None", {}, -1},
    HotCase{"First", {50}, 0},
    HotCase{"Second", {50, 110}, 1},
    HotCase{"WithinThreePixelsOfTheBorder", {50, 98, 101, 102}, 0},
    HotCase{"PastTheLastColumn", {110, 250}, 1},
    HotCase{"BackToTheFirst", {110, 3}, 0}),
    [](const testing::TestParamInfo<HotCase>& i) { return std::string(i.param.Name); });

TEST_F(HeaderSkinner, LeavingTheHeaderClearsTheHotColumn) {
  THeaderControl* header = AddHeader(300, {{L"", 100, 0}});
  auto* skinner = SkinControl<TSkinHeader>(*header);
  Picture(header->Handle());
  MoveTo(header->Handle(), 50);
  ASSERT_EQ(skinner->HotItem(), 0);
  SendMessageW(header->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner->HotItem(), -1);
}

TEST_F(HeaderSkinner, ANarrowerHeaderHasNoFillerAndAWiderOneIsFilled) {
  THeaderControl* narrow = AddHeader(150, {{L"", 100, 0}, {L"", 80, 0}});
  SkinControl<TSkinHeader>(*narrow);
  EXPECT_TRUE(Frames(*Picture(narrow->Handle()), [](int) { return kNormal; }));
  // Filled from the normal frame: no pixel is left to the native header.
  THeaderControl* wide = AddHeader(400, {{L"", 60, 0}});
  SkinControl<TSkinHeader>(*wide);
  EXPECT_TRUE(Frames(*Picture(wide->Handle()), [](int) { return kNormal; }));
}

// The columns' texts in the skin's text colour, each inside its column and
// placed by its alignment; a sorted column shows its arrow at the right end.
struct TextCase {
  const char* Name;
  int Format;
  bool LeftPart, RightPart;  // text colour in 0..60 and in 100..160
};

class HeaderText : public HeaderSkinner, public testing::WithParamInterface<TextCase> {};

TEST_P(HeaderText, TextWhereTheAlignmentPutsItAndTheArrowAtTheRight) {
  const TextCase& c = GetParam();
  THeaderControl* header = AddHeader(300, {{L"Name", 160, c.Format}});
  SkinControl<TSkinHeader>(*header);
  const std::unique_ptr<TBitmap> picture = Picture(header->Handle());
  auto textIn = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      for (int y = 0; y < picture->Height(); ++y)
        if (picture->Pixel(x, y) == kText) return true;
    return false;
  };
  EXPECT_EQ(textIn(0, 60), c.LeftPart);
  EXPECT_EQ(textIn(100, 160), c.RightPart);
  EXPECT_FALSE(textIn(160, 300));  // the filler has no text
}

INSTANTIATE_TEST_SUITE_P(SkinHeader, HeaderText, testing::Values(
    TextCase{"Left", HDF_LEFT, true, false},
    TextCase{"Right", HDF_RIGHT, false, true},
    TextCase{"SortedUp", HDF_LEFT | HDF_SORTUP, true, true},
    TextCase{"SortedDown", HDF_LEFT | HDF_SORTDOWN, true, true}),
    [](const testing::TestParamInfo<TextCase>& i) { return std::string(i.param.Name); });

TEST(SortArrow, PointsTheWayAskedAndStaysOutOfANarrowColumn) {
  auto target = Target(40, 20);
  DrawSortArrow(target->Canvas().Handle(), {0, 0, 40, 20}, true, kText);
  const int x = 40 - kSortArrowWidth - 6, tip = x + kSortArrowWidth / 2;
  int top = -1, bottom = -1;
  for (int y = 0; y < 20; ++y)
    if (target->Pixel(tip, y) == kText) {
      if (top < 0) top = y;
      bottom = y;
    }
  ASSERT_GE(top, 0);
  // Pointing up: the base row is full width, the top row only the tip.
  EXPECT_EQ(target->Pixel(x, bottom), kText);
  EXPECT_NE(target->Pixel(x, top), kText);
  auto narrow = Target(10, 20);
  DrawSortArrow(narrow->Canvas().Handle(), {0, 0, 10, 20}, false, kText);
  EXPECT_TRUE(PixelsAre(*narrow, 10, 20, [](int, int) { return kBackground; }));
}

TEST_F(HeaderSkinner, WithoutAHeaderbarTheHeaderKeepsItsOwnLook) {
  Data = std::make_unique<TSkinData>(nullptr);
  LoadSkin(TTestSkin{});
  THeaderControl* header = AddHeader(300, {{L"Name", 100, 0}});
  const std::unique_ptr<TBitmap> native = Picture(header->Handle());
  SkinControl<TSkinHeader>(*header);
  EXPECT_TRUE(SameBitmaps(*Picture(header->Handle()), *native));
}

TEST_F(HeaderSkinner, DetachGivesTheNativePictureBack) {
  THeaderControl* header = AddHeader(300, {{L"Name", 100, 0}, {L"Size", 80, HDF_RIGHT}});
  ExpectDetachRestoresTheNativePicture<TSkinHeader>(*header);
}

TEST(ListViews, ColumnsAndRowsReachTheWindow) {
  TForm form(nullptr);
  auto* list = new TListView(&form);
  list->SetParent(&form);
  list->SetBounds(0, 0, 300, 200);
  list->Columns()->Add().SetText(L"Name");
  THeaderSection& size = list->Columns()->Add();
  size.SetText(L"Size");
  size.SetSortArrow(hsDown);
  list->AddRow({L"a.txt", L"1 KB"});
  list->HandleNeeded();
  list->AddRow({L"b.txt", L"2 KB"});
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[16] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(list->Handle(), LVM_GETITEMTEXTW, 1, LPARAM(&item));
  EXPECT_STREQ(text, L"2 KB");
  HDITEMW column{};
  column.mask = HDI_FORMAT;
  SendMessageW(list->HeaderHandle(), HDM_GETITEMW, 1, LPARAM(&column));
  EXPECT_EQ(column.fmt & (HDF_SORTUP | HDF_SORTDOWN), HDF_SORTDOWN);
}
}  // namespace
