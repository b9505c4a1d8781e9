// One guard at every Win32 callback (window procedure, hook, timer): no C++
// exception may unwind into the system. A caught exception is reported (in
// the debug output and in a process-wide count the tests check stays zero)
// and the message gets the native answer, unless its native processing has
// already run, so nothing is processed twice.
#pragma once
#include <exception>

// Exceptions caught at callbacks since the process started.
long CallbackFailures();
void ReportCallbackFailure(const char* where, const char* what);

// The message being handled on this thread, innermost first: whether its
// native processing has run.
class TMessageFrame {
public:
  TMessageFrame();
  ~TMessageFrame();
  TMessageFrame(const TMessageFrame&) = delete;
  TMessageFrame& operator=(const TMessageFrame&) = delete;
  bool DefaultDone() const { return FDefaultDone; }
  // Every path that runs a window's native procedure calls this.
  static void MarkDefaultDone();

private:
  TMessageFrame* FOuter;
  bool FDefaultDone = false;
};

// Runs body; if it throws, reports and runs fallback (the native answer)
// when the native processing has not run yet.
template <class Body, class Fallback>
void GuardMessage(const char* where, Body&& body, Fallback&& fallback) {
  TMessageFrame frame;
  try {
    body();
    return;
  } catch (const std::exception& e) {
    ReportCallbackFailure(where, e.what());
  } catch (...) {
    ReportCallbackFailure(where, "unknown exception");
  }
  if (frame.DefaultDone()) return;
  try {
    fallback();
  } catch (...) {
    ReportCallbackFailure(where, "exception in the native answer");
  }
}

// For callbacks without a native answer (hooks, timers).
template <class Body>
void GuardCallback(const char* where, Body&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    ReportCallbackFailure(where, e.what());
  } catch (...) {
    ReportCallbackFailure(where, "unknown exception");
  }
}
