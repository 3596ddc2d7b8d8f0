#pragma once
// A simulated terminal for the benchmarks: its status published once, then
// the registry left alone, so that the panel reads the same values all the
// time and nothing but the benchmark takes a command; the design's lots are
// stored as its own profile, which every tracking tick reads and finds
// nothing to change in.

#include <string>

#include "tests/support/terminal_sim_win32.h"
#include "tests/support/window_probe_win32.h"

namespace bench {

class QuietTerminal {
 public:
  QuietTerminal() : exchange_(account_), simulator_(Start(exchange_, account_)) {
    testing_support::WaitFor([&] { return !exchange_.Read(u"r_ord").empty(); });
  }

  const std::wstring& Key() const { return account_; }
  testing_support::Exchange& Exchange() { return exchange_; }
  HWND Window() const { return simulator_.window(); }
  HWND Chart() const { return simulator_.Chart(); }

  // Keeps the terminal in front, bringing it back whenever a window that
  // has just started took the front, until `done` holds.
  template <typename Done>
  bool InFrontUntil(Done done) const {
    return testing_support::PumpUntil([&] {
      if (GetForegroundWindow() != Window()) SetForegroundWindow(Window());
      return GetForegroundWindow() == Window() && done();
    });
  }

 private:
  static testing_support::Simulator Start(testing_support::Exchange& exchange, const std::wstring& account) {
    exchange.Write(u"profil2", u"0.1!0.3!1!2!35!100!");
    return testing_support::Simulator::OfAccount(account, L"--publish-ms 3600000");
  }

  std::wstring account_ = testing_support::AccountOf(1);
  testing_support::Exchange exchange_;
  testing_support::Simulator simulator_;
};

}  // namespace bench
