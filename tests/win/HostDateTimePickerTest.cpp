// The class library's date-time picker: its value as the form description
// stores it, refused text, the check box, the kind and format as window
// styles, and the change event.
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "host/TypInfo.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
std::wstring ReadText(TPersistent* object, const char* name) {
  TValue value;
  return GetPropValue(object, name, value) ? value.Str : L"(none)";
}

class HostDateTimePicker : public testing::Test {
protected:
  TDateTimePicker* Picker(bool showCheckbox = false) {
    auto* picker = new TDateTimePicker(&Form);
    picker->SetParent(&Form);
    picker->SetShowCheckbox(showCheckbox);
    return picker;
  }
  TForm Form{nullptr};
};
}  // namespace

TEST_F(HostDateTimePicker, DateAndTimeTextsReachTheWindowAndComeBack) {
  TDateTimePicker* picker = Picker();
  ASSERT_TRUE(SetPropValue(picker, "Date", TValue::String(L"2010-12-09")));
  ASSERT_TRUE(SetPropValue(picker, "Time", TValue::String(L"14:30:05")));
  picker->Handle();
  SYSTEMTIME st{};
  ASSERT_EQ(SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_VALID);
  EXPECT_EQ(st.wYear, 2010);
  EXPECT_EQ(st.wMonth, 12);
  EXPECT_EQ(st.wDay, 9);
  EXPECT_EQ(st.wHour, 14);
  EXPECT_EQ(st.wMinute, 30);
  EXPECT_EQ(st.wSecond, 5);
  // Set in the window, read through the properties.
  st.wYear = 1999;
  st.wMonth = 2;
  st.wDay = 28;
  SendMessageW(picker->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&st));
  EXPECT_EQ(ReadText(picker, "Date"), L"1999-02-28");
  EXPECT_EQ(ReadText(picker, "Time"), L"14:30:05");
}

TEST_F(HostDateTimePicker, TextThatIsNoDateOrTimeChangesNothing) {
  TDateTimePicker* picker = Picker();
  picker->SetDateText(L"2010-12-09");
  picker->SetTimeText(L"08:00:00");
  for (const wchar_t* date : {L"2010-02-30", L"2010-13-01", L"1600-01-01", L"2010/12/09", L"2010-12-09x", L"", L"9"})
    picker->SetDateText(date);
  for (const wchar_t* time : {L"24:00:00", L"12:60:00", L"12:00:60", L"12-00-00", L"-1:00:00", L"12:00"})
    picker->SetTimeText(time);
  EXPECT_EQ(picker->GetDateText(), L"2010-12-09");
  EXPECT_EQ(picker->GetTimeText(), L"08:00:00");
}

TEST_F(HostDateTimePicker, AnUncheckedPickerHoldsNoValueButKeepsItForWhenItIsChecked) {
  // In the order a form description sets them: Checked before Date.
  TDateTimePicker* picker = Picker(true);
  picker->SetChecked(false);
  picker->SetDateText(L"2010-12-09");
  const HWND wnd = picker->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & DTS_SHOWNONE);
  SYSTEMTIME st{};
  EXPECT_EQ(SendMessageW(wnd, DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_NONE);
  EXPECT_FALSE(picker->GetChecked());
  picker->SetChecked(true);
  EXPECT_EQ(SendMessageW(wnd, DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_VALID);
  EXPECT_EQ(picker->GetDateText(), L"2010-12-09");
}

TEST_F(HostDateTimePicker, KindAndDateFormatAreTheWindowsFormatStyles) {
  struct TRow {
    TDateTimeKind Kind;
    TDTDateFormat Format;
    DWORD Style;
  };
  constexpr DWORD kFormatBits = DTS_TIMEFORMAT | DTS_LONGDATEFORMAT;
  for (const TRow& row : {TRow{dtkDate, dfShort, DTS_SHORTDATEFORMAT}, TRow{dtkDate, dfLong, DTS_LONGDATEFORMAT},
                          TRow{dtkTime, dfShort, DTS_TIMEFORMAT}, TRow{dtkTime, dfLong, DTS_TIMEFORMAT}}) {
    TDateTimePicker* before = Picker();  // set before the window is made
    before->SetKind(row.Kind);
    before->SetDateFormat(row.Format);
    EXPECT_EQ(GetWindowLongPtrW(before->Handle(), GWL_STYLE) & kFormatBits, LONG_PTR(row.Style));
    TDateTimePicker* after = Picker();  // and changed on the window
    after->Handle();
    after->SetKind(row.Kind);
    after->SetDateFormat(row.Format);
    EXPECT_EQ(GetWindowLongPtrW(after->Handle(), GWL_STYLE) & kFormatBits, LONG_PTR(row.Style));
  }
}

TEST_F(HostDateTimePicker, AChangeTheWindowReportsFiresOnChange) {
  TDateTimePicker* picker = Picker();
  int changes = 0;
  picker->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, picker);
    ++changes;
  };
  NMDATETIMECHANGE change{};
  change.nmhdr = {picker->Handle(), 0, UINT(DTN_DATETIMECHANGE)};
  change.dwFlags = GDT_VALID;
  SendMessageW(Form.Handle(), WM_NOTIFY, 0, LPARAM(&change));
  EXPECT_EQ(changes, 1);
}
