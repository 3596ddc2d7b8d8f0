#pragma once
// Delivers toolkit timers through the message loop: a window timer on the
// form for each running one. Switching one off and on starts its interval anew.

#include <windows.h>

#include <vector>

#include "toolkit/timer.h"

namespace toolkit::win32 {

class TimerDriver {
 public:
  TimerDriver(HWND window, std::vector<Timer*> timers);
  TimerDriver(const TimerDriver&) = delete;
  TimerDriver& operator=(const TimerDriver&) = delete;
  ~TimerDriver();

  // WM_TIMER of the window; false when the id is none of ours.
  bool Tick(WPARAM id);

 private:
  void Show(std::size_t index);

  HWND window_;
  std::vector<Timer*> timers_;
};

}  // namespace toolkit::win32
