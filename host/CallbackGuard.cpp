#include "host/CallbackGuard.h"
#include "host/WideText.h"
#include <atomic>
#include <string>
#include <windows.h>

namespace {
std::atomic<long> Failures{0};
thread_local TMessageFrame* Current = nullptr;
}  // namespace

long CallbackFailures() { return Failures.load(); }

void ReportCallbackFailure(const char* where, const char* what) {
  ++Failures;
  const std::wstring text = L"callback guard: " + Utf8ToWide(where) + L": " + Utf8ToWide(what ? what : "") + L"\n";
  OutputDebugStringW(text.c_str());
}

TMessageFrame::TMessageFrame() : FOuter(Current) { Current = this; }
TMessageFrame::~TMessageFrame() { Current = FOuter; }

void TMessageFrame::MarkDefaultDone() {
  if (Current) Current->FDefaultDone = true;
}
