// Repaints of the real panel per second while the published status stays the
// same, and, for contrast, while it changes every tick. Prints figures only.
//
// Run in a Wine session:
//   source tools/common.sh; build_windows; wine_session_start bench
//   wine64 build/windows/repaint_benchmark.exe; wine_session_stop
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/support/running_panel_win32.h"
#include "tests/support/stand_in_terminal_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace {

constexpr wchar_t kTerminalKey[] = L"RepaintBenchmark";
constexpr auto kMeasured = std::chrono::seconds(5);

void PublishStatus(const testing_support::StandInTerminal& terminal, const std::wstring& lock) {
  terminal.Publish(L"bid_ask", L"EURUSD!1.10000!1.10020!2!");
  terminal.Publish(L"lock", lock);
  terminal.Publish(L"profit", L"12.5");
  terminal.Publish(L"macd_uroven", L"40");
  terminal.Publish(L"macd_napravl", L"1");
}

unsigned long RepaintsOf(HWND panel) {
  DWORD_PTR count = 0;
  SendMessageTimeoutW(panel, RegisterWindowMessageW(toolkit::win32::kRepaintCountMessageName), 0, 0,
                      SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<unsigned long>(count);
}

// Repaints per second over the measured time; `each50ms` runs every 50 ms.
template <typename Step>
double RepaintsPerSecond(HWND panel, Step each50ms) {
  const unsigned long before = RepaintsOf(panel);
  const auto start = std::chrono::steady_clock::now();
  for (int step = 0; std::chrono::steady_clock::now() - start < kMeasured; ++step) {
    each50ms(step);
    testing_support::PumpUntil([] { return false; }, std::chrono::milliseconds(50));
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return (RepaintsOf(panel) - before) / seconds;
}

}  // namespace

// From starting the process to its first repaint, with Wine and the
// program's files already warm from an earlier start.
double WarmStartToFirstPaintMilliseconds() {
  { testing_support::RunningPanel warmUp; }
  const auto start = std::chrono::steady_clock::now();
  testing_support::RunningPanel panel;
  if (!panel.Window()) return -1;
  testing_support::WaitUntil([&] { return RepaintsOf(panel.Window()) > 0; }, std::chrono::seconds(10));
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int wmain() {
  std::printf("start-up to first paint, warm: %.0f ms (target at most 300)\n", WarmStartToFirstPaintMilliseconds());
  testing_support::RunningPanel panel;
  if (!panel.Window()) {
    std::printf("orderpanel.exe showed no window\n");
    return 1;
  }
  const testing_support::StandInTerminal terminal(kTerminalKey, 400, 100);
  PublishStatus(terminal, L"0.3!0.1!0.2!");
  const bool showing = testing_support::PumpUntil(
      [&] { return testing_support::TextOf(panel.Window()) == L" (2) 12.5"; }, std::chrono::seconds(10));
  if (!showing) {
    std::printf("the panel never showed the published status (title \"%ls\")\n",
                testing_support::TextOf(panel.Window()).c_str());
    return 1;
  }
  testing_support::PumpUntil([] { return false; }, std::chrono::milliseconds(500));

  const double steady = RepaintsPerSecond(panel.Window(), [](int) {});
  const double changing = RepaintsPerSecond(
      panel.Window(), [&](int step) { PublishStatus(terminal, step % 2 ? L"0.3!0.1!0.2!" : L"0.4!0.1!0.3!"); });
  std::printf("repaints per second, status unchanged:        %.2f (target 0)\n", steady);
  std::printf("repaints per second, amounts change each 50 ms: %.2f (for contrast)\n", changing);
  return 0;
}
