// Date-time pickers on the gallery's page of them: the skin's combo arrow
// over a date picker's own drop-down button (which still opens the native
// calendar, by the real pointer), a time picker's up-down skinned as one,
// the two-colour frame, and everything given back when skinning goes off.
#include "host/ComCtrls.h"
#include "host/WideText.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win/skin/GalleryFixture.h"
#include "tests/win/skin/RealInput.h"

namespace {
const wchar_t* const kDatePickers[] = {L"ShortDatePicker", L"LongDatePicker", L"CheckedDatePicker",
                                       L"UncheckedDatePicker", L"DisabledDatePicker"};


HWND ChildOfClass(HWND parent, const wchar_t* className) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassNameOf(child) == className) return child;
  return nullptr;
}

BOOL CALLBACK MatchCalendar(HWND wnd, LPARAM param) {
  if (!IsWindowVisible(wnd)) return TRUE;
  // The calendar itself, or a drop-down window that holds it.
  const bool calendar = ClassNameOf(wnd) == L"SysMonthCal32" || ChildOfClass(wnd, L"SysMonthCal32");
  if (calendar) *reinterpret_cast<HWND*>(param) = wnd;
  return !calendar;
}

// The visible native calendar the picker drops down, if one is open.
HWND OpenCalendar() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchCalendar, LPARAM(&found));
  return found;
}
}  // namespace

class DateTimeSkinner : public GalleryTest {
protected:
  void SetUp() override {
    GalleryTest::SetUp();
    TGalleryOptions options;
    options.Page = PageOf(L"Pickers");
    Gallery->Apply(options);
    ShowSkinned();
    if (HasFatalFailure()) return;
    SetWindowPos(Gallery->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  int PageOf(const std::wstring& caption) const {
    const auto& pages = Gallery->Pages->Pages();
    for (size_t i = 0; i < pages.size(); ++i)
      if (pages[i]->GetText() == caption) return int(i);
    ADD_FAILURE() << "no page " << WideToUtf8(caption);
    return 0;
  }
  TDateTimePicker* Picker(const wchar_t* name) { return Find<TDateTimePicker>(name); }
  TSkinDateTime* SkinnerOf(TDateTimePicker* picker) {
    return dynamic_cast<TSkinDateTime*>(Skinner->FindControlSkinner(*picker));
  }
};

TEST_F(DateTimeSkinner, ADatePickersArrowLiesOverItsOwnButtonAndATimePickersUpDownIsSkinned) {
  for (const wchar_t* name : kDatePickers) {
    SCOPED_TRACE(WideToUtf8(name));
    TDateTimePicker* picker = Picker(name);
    ASSERT_NE(picker, nullptr);
    TSkinDateTime* skinner = SkinnerOf(picker);
    ASSERT_NE(skinner, nullptr);
    TArrowButton* arrow = skinner->ArrowButton();
    ASSERT_NE(arrow, nullptr);
    ASSERT_EQ(GetParent(arrow->Handle()), picker->Handle());
    EXPECT_TRUE(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
    // Inside the border, at the right end of the client area, its full height.
    RECT client, bounds;
    GetClientRect(picker->Handle(), &client);
    GetWindowRect(arrow->Handle(), &bounds);
    MapWindowPoints(nullptr, picker->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.right - bounds.left, GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_EQ(bounds.left, picker->GetWidth() - GetSystemMetrics(SM_CXHSCROLL) - 4);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.bottom, picker->GetHeight() - 4);
    EXPECT_EQ(bounds.right, client.right);
  }
  TDateTimePicker* time = Picker(L"TimePicker");
  ASSERT_NE(time, nullptr);
  TSkinDateTime* skinner = SkinnerOf(time);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->ArrowButton(), nullptr);
  const HWND upDown = ChildOfClass(time->Handle(), L"msctls_updown32");
  ASSERT_NE(upDown, nullptr);
  EXPECT_TRUE(Skinned(upDown));
}

TEST_F(DateTimeSkinner, TheArrowShowsTheSkinsComboArrowAndItsHotFrameExceptOnADisabledPicker) {
  const TDataSkinObject* element = Gallery->SkinData1->ComboxArrow.get();
  ASSERT_TRUE(HasImage(element));
  const int frames = std::max(1, element->FrameCount);
  ASSERT_GE(frames, 4);
  TBitmap& image = *element->Image;
  const int fw = image.Width() / frames;
  // The middle of frame f of the strip, where a stretch of it shows in the
  // middle of the button.
  const auto middleOf = [&](int frame) { return image.Pixel((frame - 1) * fw + fw / 2, image.Height() / 2); };
  ASSERT_NE(middleOf(1), middleOf(4)) << "the skin's normal and hot arrows must differ for this test";

  TArrowButton* arrow = SkinnerOf(Picker(L"ShortDatePicker"))->ArrowButton();
  const auto middleShown = [&] {
    const auto shown = WindowPicture(arrow->Handle());
    return shown->Pixel(shown->Width() / 2, shown->Height() / 2);
  };
  EXPECT_EQ(middleShown(), middleOf(1));
  arrow->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(arrow->Hot());
  EXPECT_EQ(middleShown(), middleOf(4));
  arrow->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(arrow->Hot());

  TArrowButton* disabled = SkinnerOf(Picker(L"DisabledDatePicker"))->ArrowButton();
  disabled->Perform(CM_MOUSEENTER);
  EXPECT_FALSE(disabled->Hot());
}

TEST_F(DateTimeSkinner, ABorderedPickerWearsTheTwoColourFrame) {
  TDateTimePicker* picker = Picker(L"ShortDatePicker");
  const auto shown = WindowPicture(picker->Handle());
  const TColor shadow = TColor(ColorToRGB(Gallery->SkinData1->SkinColours[scButtonShadow]));
  for (const POINT& p : {POINT{0, 0}, POINT{shown->Width() - 1, shown->Height() / 2}, POINT{shown->Width() / 2, 0}})
    EXPECT_EQ(shown->Pixel(p.x, p.y), shadow) << p.x << ", " << p.y;
  for (const POINT& p : {POINT{1, 1}, POINT{shown->Width() - 2, shown->Height() / 2}, POINT{shown->Width() / 2, 1}})
    EXPECT_EQ(shown->Pixel(p.x, p.y), clWhite) << p.x << ", " << p.y;
}

TEST_F(DateTimeSkinner, WithTheScrollBarOnTheLeftTheArrowSitsAtTheLeft) {
  TDateTimePicker* picker = Picker(L"ShortDatePicker");
  const HWND wnd = picker->Handle();
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
  TArrowButton* arrow = SkinnerOf(picker)->ArrowButton();
  RECT bounds;
  GetWindowRect(arrow->Handle(), &bounds);
  MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 2);
}

TEST_F(DateTimeSkinner, SkinningOffTakesTheArrowOutAndGivesThePickerItsStyleBack) {
  TDateTimePicker* picker = Picker(L"ShortDatePicker");
  const HWND wnd = picker->Handle();
  ASSERT_NE(ChildOfClass(wnd, L"TArrowButton"), nullptr);
  Gallery->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([wnd] { return !Skinned(wnd); }));
  EXPECT_EQ(ChildOfClass(wnd, L"TArrowButton"), nullptr);
  EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_FALSE(Skinned(ChildOfClass(Picker(L"TimePicker")->Handle(), L"msctls_updown32")));
  // And skinned again, the arrow is back.
  Gallery->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([wnd] { return Skinned(wnd) && ChildOfClass(wnd, L"TArrowButton"); }));
}

// The real pointer on the skinned arrow: the native calendar drops down and
// the picker has the focus.
class DateTimePickerInput : public DateTimeSkinner {};

TEST_F(DateTimePickerInput, AClickOnTheSkinnedArrowOpensTheNativeCalendar) {
  TDateTimePicker* picker = Picker(L"ShortDatePicker");
  TArrowButton* arrow = SkinnerOf(picker)->ArrowButton();
  ASSERT_EQ(OpenCalendar(), nullptr);
  SetForegroundWindow(Gallery->Handle());
  RECT r;
  GetWindowRect(arrow->Handle(), &r);
  const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  const std::wstring before = picker->GetDateText();
  // The press, then the release once the press is handled, as a hand does.
  SendAndHandle({MouseAt(middle, 0), MouseAt(middle, MOUSEEVENTF_LEFTDOWN)});
  ASSERT_TRUE(PumpUntil([] { return OpenCalendar() != nullptr; })) << "no calendar dropped down";
  SendAndHandle({MouseAt(middle, MOUSEEVENTF_LEFTUP)});
  Application->ProcessMessages();
  EXPECT_NE(OpenCalendar(), nullptr) << "the calendar closed when the button went up";
  // A second click closes it, as on the native button; the picker has the
  // focus and its value.
  ClickAt(middle);
  ASSERT_TRUE(PumpUntil([] { return OpenCalendar() == nullptr; })) << "the calendar stayed open";
  EXPECT_EQ(GetFocus(), picker->Handle());
  EXPECT_EQ(picker->GetDateText(), before);
}
