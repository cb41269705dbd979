#pragma once
// Median wall time of repeated runs, for the benchmark programs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

inline double MedianMilliseconds(int runs, const std::function<void()>& body) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    body();
    QueryPerformanceCounter(&end);
    times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

inline void Report(const char* what, int runs, double milliseconds) {
  std::printf("%-40s median of %d runs: %8.2f ms\n", what, runs, milliseconds);
}

// The same with the figure's target.
inline void Report(const char* what, int runs, double milliseconds, double targetMs) {
  std::printf("%-40s median of %d runs: %8.2f ms  (target under %.0f ms)\n", what, runs, milliseconds, targetMs);
}

// The wall time of `body`, in milliseconds.
inline double Milliseconds(const std::function<void()>& body) { return MedianMilliseconds(1, body); }

// The median of `times`, which it sorts; 0 for none.
inline double Median(std::vector<double>& times) {
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
