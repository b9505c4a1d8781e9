// Waiting for something the message loop brings about (a deferred request,
// a posted message), with a generous limit instead of a fixed sleep.
#pragma once
#include "host/Forms.h"
#include <functional>

// Runs the message loop until done() holds or limitMs have passed; whether
// it held. Between rounds it waits for the next message or at most 20 ms.
inline bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 15000) {
  const DWORD start = GetTickCount();
  for (;;) {
    Application->ProcessMessages();
    if (done()) return true;
    if (GetTickCount() - start > limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}
