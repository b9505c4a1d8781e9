// Every exception the callback guard catches is a fault of the test that
// caused it, unless the test says it expects it.
#pragma once

// Called by a test that provokes n caught exceptions on purpose.
void ExpectCallbackFailures(long n);
// Installs the check; returns nothing, reports through the exit code.
void InstallCallbackFailureCheck();
// Tests whose callbacks threw unexpectedly, so far.
int UnexpectedCallbackFailures();
