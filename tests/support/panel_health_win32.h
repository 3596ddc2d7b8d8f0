#pragma once
// Signs of a panel's health seen from another process: does it answer, how
// many GDI objects does it hold, how much private memory has it committed.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <thread>

#include "toolkit/win32/repaint_counter_win32.h"

namespace testing_support {

// The panel's thread took and answered a message within `milliseconds`.
inline bool Answers(HWND panel, UINT milliseconds = 1000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(panel, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, milliseconds, &result) != 0;
}

// -1 when the panel didn't answer.
inline int GdiObjectsOf(HWND panel) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(panel, RegisterWindowMessageW(toolkit::win32::kGdiCountMessageName), 0, 0,
                           SMTO_ABORTIFHUNG, 5000, &count))
    return -1;
  return static_cast<int>(count);
}

// The private memory committed in `process`, summed over its regions: under
// Wine GetProcessMemoryInfo gives 0 for PrivateUsage. 0 when it can't be read.
inline std::size_t PrivateBytesOf(HANDLE process) {
  std::size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* address = nullptr;
       VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return bytes;
}

// Pings the panel all the time from a thread of its own, so that a stall
// during a menu, a switch or a long read is seen too. Keeps the longest wait.
class Pinger {
 public:
  explicit Pinger(HWND panel)
      : thread_([this, panel] {
          using Clock = std::chrono::steady_clock;
          while (!stop_) {
            const auto start = Clock::now();
            if (!Answers(panel)) ++missed_;
            const long long took =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            longest_ = std::max<long long>(longest_, took);
            ++pings_;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
          }
        }) {}
  ~Pinger() {
    stop_ = true;
    thread_.join();
  }
  Pinger(const Pinger&) = delete;
  Pinger& operator=(const Pinger&) = delete;

  int missed() const { return missed_; }
  int pings() const { return pings_; }
  long long longestMicroseconds() const { return longest_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> missed_{0}, pings_{0};
  std::atomic<long long> longest_{0};
  std::thread thread_;
};

}  // namespace testing_support
