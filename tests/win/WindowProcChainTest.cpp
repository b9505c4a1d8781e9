// Handlers put in front of a control's WindowProc and of a window's
// procedure: any of them may leave in any order, and what stays keeps
// seeing every message once, in order; a handler that throws is reported
// and the native processing never runs twice.
#include "host/CallbackGuard.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"
#include "host/WindowProcLink.h"
#include "skin/manager/WindowSubclass.h"
#include "tests/win/CallbackFailures.h"
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {
constexpr UINT WM_PROBE = WM_APP + 7;

// Every order in which three links can leave.
std::vector<std::array<int, 3>> LeavingOrders() {
  std::array<int, 3> order{0, 1, 2};
  std::vector<std::array<int, 3>> all;
  do all.push_back(order);
  while (std::next_permutation(order.begin(), order.end()));
  return all;
}

// The handlers a probe message passed, outermost first, then the end of the chain.
std::string Expected(const std::array<bool, 3>& present) {
  std::string trace;
  for (int i = 2; i >= 0; --i)
    if (present[size_t(i)]) trace += char('A' + i);
  return trace + "*";
}
}  // namespace

TEST(WindowProcLinkTest, LinksLeaveInAnyOrderAndTheRestStayInOrder) {
  for (const auto& order : LeavingOrders()) {
    TEdit control(nullptr);
    std::string trace;
    control.WindowProc = [&trace](TMessage& m) {
      if (m.Msg == WM_PROBE) trace += "*";
    };
    std::array<std::unique_ptr<TWindowProcLink>, 3> links;
    for (int i = 0; i < 3; ++i) {
      links[size_t(i)] = std::make_unique<TWindowProcLink>();
      TWindowProcLink& link = *links[size_t(i)];
      link.Install(control, [&trace, &link, i](TMessage& m) {
        if (m.Msg == WM_PROBE) trace += char('A' + i);
        link.CallNext(m);
      });
    }
    std::array<bool, 3> present{true, true, true};
    for (int leaving : order) {
      links[size_t(leaving)].reset();
      present[size_t(leaving)] = false;
      trace.clear();
      control.Perform(WM_PROBE);
      EXPECT_EQ(trace, Expected(present)) << "leaving " << order[0] << order[1] << order[2];
    }
    // Once all have left, the control's own procedure is in front again.
    trace.clear();
    control.WindowProc(*std::make_unique<TMessage>(TMessage{WM_PROBE, 0, 0, 0}));
    EXPECT_EQ(trace, "*");
  }
}

TEST(WindowProcLinkTest, AHandlerMayTakeItsOwnLinkOutWhileItRuns) {
  TEdit control(nullptr);
  int seen = 0;
  control.WindowProc = [&seen](TMessage&) { ++seen; };
  auto link = std::make_unique<TWindowProcLink>();
  link->Install(control, [&link](TMessage& m) {
    link->CallNext(m);
    link.reset();  // the link object goes while its handler is on the stack
  });
  control.Perform(WM_PROBE);
  control.Perform(WM_PROBE);
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(link, nullptr);
}

namespace {
// A bare window of our own class whose procedure counts what reaches it.
int NativeCalls = 0;
LRESULT CALLBACK CountingProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_PROBE) {
    ++NativeCalls;
    return 42;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

class WindowSubclassTest : public testing::Test {
protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SubclassProbe";
    RegisterClassW(&wc);
    Wnd = CreateWindowExW(0, L"SubclassProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(Wnd, nullptr);
    NativeCalls = 0;
  }
  void TearDown() override {
    if (IsWindow(Wnd)) DestroyWindow(Wnd);
  }
  HWND Wnd = nullptr;
};

// Another subclasser than ours, which never takes itself out again.
WNDPROC ForeignOld = nullptr;
int ForeignCalls = 0;
LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_PROBE) ++ForeignCalls;
  return CallWindowProcW(ForeignOld, wnd, msg, wparam, lparam);
}
}  // namespace

TEST_F(WindowSubclassTest, LinksLeaveInAnyOrderAroundAForeignSubclasser) {
  for (const auto& order : LeavingOrders()) {
    TearDown();
    SetUp();
    std::string trace;
    std::array<std::unique_ptr<TWindowSubclass>, 3> links;
    for (int i = 0; i < 3; ++i) {
      links[size_t(i)] = std::make_unique<TWindowSubclass>();
      TWindowSubclass& link = *links[size_t(i)];
      ASSERT_TRUE(link.Install(Wnd, [&trace, &link, i](UINT msg, WPARAM w, LPARAM l) {
        if (msg == WM_PROBE) trace += char('A' + i);
        return link.CallOld(msg, w, l);
      }));
      if (i == 1) {  // a foreign subclasser between B and C
        ForeignCalls = 0;
        ForeignOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(Wnd, GWLP_WNDPROC, LONG_PTR(&ForeignProc)));
      }
    }
    std::array<bool, 3> present{true, true, true};
    for (int leaving : order) {
      links[size_t(leaving)].reset();
      present[size_t(leaving)] = false;
      trace.clear();
      NativeCalls = 0;
      ForeignCalls = 0;
      EXPECT_EQ(SendMessageW(Wnd, WM_PROBE, 0, 0), 42);
      EXPECT_EQ(trace + "*", Expected(present));
      EXPECT_EQ(NativeCalls, 1);
      EXPECT_EQ(ForeignCalls, 1);
    }
  }
}

TEST_F(WindowSubclassTest, ALinkThatLeftBehindAnotherIsDroppedWhenThatOneLeaves) {
  const LONG_PTR original = GetWindowLongPtrW(Wnd, GWLP_WNDPROC);
  TWindowSubclass a, b;
  ASSERT_TRUE(a.Install(Wnd, [&a](UINT m, WPARAM w, LPARAM l) { return a.CallOld(m, w, l); }));
  ASSERT_TRUE(b.Install(Wnd, [&b](UINT m, WPARAM w, LPARAM l) { return b.CallOld(m, w, l); }));
  a.Remove();  // not in front: stays as a pass-through
  EXPECT_NE(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(Wnd, WM_PROBE, 0, 0), 42);
  b.Remove();
  // b puts back what a replaced, not a's stub.
  EXPECT_EQ(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(Wnd, WM_PROBE, 0, 0), 42);
  EXPECT_EQ(NativeCalls, 2);
}

TEST_F(WindowSubclassTest, AHandlerThatThrowsIsReportedAndTheNativeAnswerRunsOnce) {
  TWindowSubclass link;
  bool afterNative = false;
  ASSERT_TRUE(link.Install(Wnd, [&](UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m != WM_PROBE) return link.CallOld(m, w, l);
    if (afterNative) link.CallOld(m, w, l);
    throw std::runtime_error("paint failed");
  }));
  ExpectCallbackFailures(2);
  const long before = CallbackFailures();
  for (bool after : {false, true}) {
    afterNative = after;
    NativeCalls = 0;
    SendMessageW(Wnd, WM_PROBE, 0, 0);
    EXPECT_EQ(NativeCalls, 1) << (after ? "thrown after" : "thrown before") << " the native procedure ran";
  }
  EXPECT_EQ(CallbackFailures() - before, 2);
}

TEST_F(WindowSubclassTest, AWindowDestroyedUnderItsLinksLeavesNothingToRestore) {
  TWindowSubclass link;
  ASSERT_TRUE(link.Install(Wnd, [&link](UINT m, WPARAM w, LPARAM l) { return link.CallOld(m, w, l); }));
  DestroyWindow(Wnd);
  EXPECT_TRUE(link.Installed());
  link.Remove();  // the window is gone: nothing to put back, nothing freed twice
  EXPECT_FALSE(link.Installed());
}

namespace {
// A control that counts what reaches its native procedure, and clicks on
// the mouse going up (as status bars and labels do).
int NativeButtonUps = 0;
LRESULT CALLBACK CountingDefProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_LBUTTONUP) ++NativeButtonUps;
  return DefWindowProcW(wnd, msg, wparam, lparam);
}
class TClickProbe : public TWinControl {
public:
  explicit TClickProbe(TComponent* owner) : TWinControl(owner) { FClickOnMouseUp = true; }

protected:
  void HandleCreated() override { FDefWndProc = CountingDefProc; }
};
}  // namespace

TEST(CallbackGuardTest, AClickHandlerThatThrowsAfterTheNativeAnswerIsNotAnsweredTwice) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  TClickProbe probe(&form);
  probe.SetParent(&form);
  probe.SetBounds(0, 0, 40, 20);
  ASSERT_NE(probe.Handle(), nullptr);
  int clicks = 0;
  probe.OnClick = [&clicks](TObject*) {
    ++clicks;
    throw std::runtime_error("handler failed");
  };
  ExpectCallbackFailures(1);
  NativeButtonUps = 0;
  SendMessageW(probe.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(probe.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(NativeButtonUps, 1);
}
