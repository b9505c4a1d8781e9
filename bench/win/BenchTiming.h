// Timing for the Windows benchmarks.
#pragma once
#include <functional>
#include <windows.h>

inline double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

// Milliseconds per call: repeats until at least half a second has passed.
inline double MsPerCall(const std::function<void()>& work) {
  work();  // the first use warms GDI's caches
  int calls = 0;
  const double start = Now();
  double elapsed = 0;
  do {
    work();
    ++calls;
    elapsed = Now() - start;
  } while (elapsed < 0.5);
  return elapsed * 1000 / calls;
}
