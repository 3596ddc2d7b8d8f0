#include "toolkit/win32/timers_win32.h"

namespace toolkit::win32 {
namespace {

// Window timer ids start above 0, which SetTimer does not accept.
UINT_PTR IdOf(std::size_t index) { return index + 1; }

}  // namespace

TimerDriver::TimerDriver(HWND window, std::vector<Timer*> timers) : window_(window), timers_(std::move(timers)) {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    timers_[i]->OnModelChanged = [this, i] { Show(i); };
    Show(i);
  }
}

TimerDriver::~TimerDriver() {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    timers_[i]->OnModelChanged = nullptr;
    KillTimer(window_, IdOf(i));
  }
}

void TimerDriver::Show(std::size_t index) {
  if (timers_[index]->Enabled())
    SetTimer(window_, IdOf(index), static_cast<UINT>(timers_[index]->Interval()), nullptr);
  else
    KillTimer(window_, IdOf(index));
}

bool TimerDriver::Tick(WPARAM id) {
  if (id == 0 || id > timers_.size()) return false;
  timers_[id - 1]->Tick();
  return true;
}

}  // namespace toolkit::win32
