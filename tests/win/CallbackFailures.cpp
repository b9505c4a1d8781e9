#include "tests/win/CallbackFailures.h"
#include "host/CallbackGuard.h"
#include <cstdio>
#include <gtest/gtest.h>

namespace {
long Expected = 0;
int Unexpected = 0;

// After each test the guard's count must have moved only as the test said.
class TCallbackFailureCheck : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    Expected = 0;
    FStart = CallbackFailures();
  }
  void OnTestEnd(const testing::TestInfo& info) override {
    const long caught = CallbackFailures() - FStart;
    if (caught == Expected) return;
    ++Unexpected;
    std::printf("[  GUARD   ] %s.%s: %ld exception(s) caught at callbacks, %ld expected\n", info.test_suite_name(),
                info.name(), caught, Expected);
  }
  long FStart = 0;
};
}  // namespace

void ExpectCallbackFailures(long n) { Expected += n; }

void InstallCallbackFailureCheck() {
  testing::UnitTest::GetInstance()->listeners().Append(new TCallbackFailureCheck);
}

int UnexpectedCallbackFailures() { return Unexpected; }
