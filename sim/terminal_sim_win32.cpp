// terminal-sim.exe: a stand-in terminal with a simulated expert, to run the
// panel against. Options: --account N, --title TEXT, --x, --y, --width,
// --height, --publish-ms N, --tick-ms N (0 holds the price), --seed N.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "sim/expert.h"
#include "sim/options.h"
#include "sim/terminal_window_win32.h"
#include "tracking/tracking_tick.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Redrawing more often than this shows nothing new to the eye.
constexpr milliseconds kRedrawInterval{40};

std::vector<std::u16string> Arguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.push_back(core::FromWide(argv[i]));
  LocalFree(argv);
  return arguments;
}

// The next moment `interval` after `due`; after a stall, one interval from
// now rather than a burst of catching up.
Clock::time_point Next(Clock::time_point due, milliseconds interval, Clock::time_point now) {
  due += interval;
  return due < now ? now + interval : due;
}

// Messages, commands, publications and price steps on the one thread. The
// wait is for messages with a timeout to the next due moment, so that
// intervals down to a millisecond hold, unlike with window timers.
int Run(sim::TerminalWindow& window, sim::Expert& expert, const sim::Options& options) {
  const milliseconds publishInterval{options.publishMs};
  const milliseconds tickInterval{options.tickMs};
  const bool moving = options.tickMs > 0;
  Clock::time_point now = Clock::now();
  Clock::time_point publishDue = now;
  Clock::time_point tickDue = now + tickInterval;
  Clock::time_point lastRedraw = now;
  bool changed = false;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    now = Clock::now();
    if (moving && now >= tickDue) {
      for (const sim::Happening& happening : expert.StepMarket()) window.Log(happening);
      tickDue = Next(tickDue, tickInterval, now);
      changed = true;
    }
    if (now >= publishDue) {
      if (const auto taken = expert.TakeCommand()) {
        window.Log(*taken);
        changed = true;
      }
      expert.Publish();
      publishDue = Next(publishDue, publishInterval, now);
    }
    if (changed && now - lastRedraw >= kRedrawInterval) {
      window.Refresh();
      lastRedraw = now;
      changed = false;
    }
    Clock::time_point wake = publishDue;
    if (moving) wake = std::min(wake, tickDue);
    if (changed) wake = std::min(wake, lastRedraw + kRedrawInterval);
    const auto wait = std::chrono::ceil<milliseconds>(wake - Clock::now()).count();
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::max<long long>(wait, 0)), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const sim::ParsedOptions parsed = sim::ParseOptions(Arguments());
  core::RegistryStore store;
  // Keyed as the panel keys it: by as much of the title as it reads.
  const std::u16string readTitle = parsed.options.title.substr(0, tracking::kTitleBufferChars - 1);
  sim::Expert expert(store, tracking::TerminalKeyOf(readTitle), sim::SeedOf(parsed.options));
  sim::TerminalWindow window(instance, parsed.options, expert);
  if (!window.created()) return 1;
  window.Note(u"expert started under HKEY_CURRENT_USER\\" + expert.key());
  for (const std::u16string& problem : parsed.problems) window.Note(u"option ignored: " + problem);
  return Run(window, expert, parsed.options);
}
