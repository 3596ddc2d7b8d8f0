#pragma once
// Timing for the Wine benchmarks: medians over rounds, each round timing a
// batch of calls, the measured thing and its floor interleaved so that both
// see the same machine.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double NowMicroseconds() {
  static const double perMicrosecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / perMicrosecond;
}

inline double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples.empty() ? 0 : samples[samples.size() / 2];
}

inline double Percentile(std::vector<double> samples, double p) {
  std::sort(samples.begin(), samples.end());
  if (samples.empty()) return 0;
  return samples[std::min(samples.size() - 1, static_cast<std::size_t>(p * static_cast<double>(samples.size())))];
}

struct Pair {
  double measured;  // median microseconds per call
  double floor;
};

// Times `measured` and `floor`, `batch` calls per sample, alternating.
inline Pair Compare(const std::function<void()>& measured, const std::function<void()>& floor, int rounds = 41,
                    int batch = 50) {
  std::vector<double> a, b;
  for (int i = 0; i < 5; ++i) measured(), floor();
  for (int round = 0; round < rounds; ++round) {
    double start = NowMicroseconds();
    for (int i = 0; i < batch; ++i) measured();
    a.push_back((NowMicroseconds() - start) / batch);
    start = NowMicroseconds();
    for (int i = 0; i < batch; ++i) floor();
    b.push_back((NowMicroseconds() - start) / batch);
  }
  return {Median(a), Median(b)};
}

inline void Row(const char* what, const char* figure, const char* target) {
  std::printf("| %-58s | %-24s | %-30s |\n", what, figure, target);
}

}  // namespace bench
