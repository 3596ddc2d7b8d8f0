#pragma once
// Timing for the Wine benchmarks: medians over rounds, each round timing a
// batch of calls, the measured thing and its floor interleaved so that both
// see the same machine; and the bare calls that floors are made of.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
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

// One bare read cycle of a value under HKEY_CURRENT_USER\`key`, as the
// store makes it: open or create, size query, data query, close.
inline void BareRead(const wchar_t* key, const wchar_t* name) {
  HKEY opened;
  RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  DWORD type = 0, bytes = 0;
  wchar_t data[256];
  RegQueryValueExW(opened, name, nullptr, &type, nullptr, &bytes);
  bytes = sizeof data;
  RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
  RegCloseKey(opened);
}

inline bool HasValue(HKEY key, const wchar_t* name) {
  DWORD bytes = 0;
  return RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &bytes) == ERROR_SUCCESS;
}

// One bare write cycle of a text value, as the panel stores a command.
inline void BareWrite(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  HKEY opened;
  RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(opened);
}

// The five status values the status tick reads.
inline void BareStatusReads(const wchar_t* key) {
  for (const wchar_t* name : {L"bid_ask", L"lock", L"profit", L"macd_uroven", L"macd_napravl"}) BareRead(key, name);
}

// What a tracking tick beside a terminal in front can't do without: the
// window in front, its class and title in buffers of the tick's sizes, the
// panel's z-order, the walk to the chart and its place, and the terminal's
// own lot profile read once. The chart stays put, so the panel is already
// where it belongs: no move.
inline void BareTrackingCalls(HWND panel, const wchar_t* key) {
  const HWND front = GetForegroundWindow();
  wchar_t className[256], title[88];
  GetClassNameW(front, className, 256);
  GetWindowTextW(front, title, 88);
  SetWindowPos(panel, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  HWND chart = GetWindow(front, GW_CHILD);
  for (int step = 0; step < 6; ++step) chart = GetWindow(chart, GW_HWNDNEXT);
  chart = GetWindow(GetWindow(chart, GW_CHILD), GW_CHILD);
  RECT place;
  GetWindowRect(chart, &place);
  BareRead(key, L"profil2");
}

inline void Row(const char* what, const char* figure, const char* target) {
  std::printf("| %-58s | %-24s | %-30s |\n", what, figure, target);
}

// A measured thing against its floor: their ratio, then both per call.
inline void RatioRow(const char* what, Pair result, const char* target) {
  char figure[64];
  std::snprintf(figure, sizeof figure, "%.2f (%.0f / %.0f us)", result.measured / result.floor, result.measured,
                result.floor);
  Row(what, figure, target);
}

}  // namespace bench
