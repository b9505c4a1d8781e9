// The real pointer: input the system queues as if from the mouse, at
// screen coordinates.
#pragma once
#include <cstdint>
#include <windows.h>

// A pointer event at a screen point, in the absolute coordinates that land
// on that pixel (the system scales by the screen size and truncates).
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
