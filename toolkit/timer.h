#pragma once
// A timer whose ticks come through the message loop. Switching it off and on
// again starts the interval anew.

#include <functional>

namespace toolkit {

class Timer {
 public:
  Timer(int intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (OnModelChanged) OnModelChanged();
  }

  void Tick() {
    if (enabled_ && OnTimer) OnTimer();
  }

  std::function<void()> OnTimer;
  std::function<void()> OnModelChanged;  // the view restarts or stops its timer

 private:
  int interval_;
  bool enabled_;
};

}  // namespace toolkit
