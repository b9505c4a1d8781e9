// Real mouse input for the suites that drive the pointer (they run alone:
// the pointer is shared by everything on the display).
#pragma once
#include "tests/win/skin/ControlSkinnerKit.h"
#include <cstdint>
#include <vector>
#include <windows.h>

// The pointer moved to a pixel of the screen with flags (0: only moved);
// the system scales absolute input by the screen size and truncates.
inline INPUT MouseAt(POINT screen, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in.mi.dx = LONG((int64_t(screen.x) * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = LONG((int64_t(screen.y) * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
  return in;
}

// Moves there and clicks the left button.
inline void ClickAt(POINT screen) {
  INPUT events[] = {MouseAt(screen, 0), MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)};
  SendInput(3, events, sizeof(INPUT));
}

// Sends the events and handles them, with every loop they start, until
// none is left in the queue.
inline void SendAndHandle(std::vector<INPUT> events) {
  ASSERT_EQ(SendInput(UINT(events.size()), events.data(), sizeof(INPUT)), events.size());
  EXPECT_TRUE(WaitFor([] { return (HIWORD(GetQueueStatus(QS_INPUT)) & QS_INPUT) == 0; }));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}
