// How soon the real panel answers, beside a simulated terminal in front:
// from a click on the first buy button to its command stored, against one
// bare write cycle of that command; and from a new `lock` value published to
// the buy close button showing it. Prints table rows; run by ./bench in a
// Wine session.
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/bench/bench_support_win32.h"
#include "tests/bench/quiet_terminal_win32.h"
#include "tests/support/running_panel_win32.h"
#include "tests/support/window_probe_win32.h"

namespace {

constexpr int kClicks = 50;
constexpr int kPublishes = 100;

class OpenKey {
 public:
  explicit OpenKey(const std::wstring& path) {
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
  }
  ~OpenKey() { RegCloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

void SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// The text as the window system keeps it for another process's window:
// looking never interrupts the panel's thread. Every millisecond is fine
// enough for a figure in tens of them.
std::wstring ServerTextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

double Milliseconds(double microseconds) { return microseconds / 1000; }

// Clicks land at any moment of the panel's timers, up to the longest of the
// frequent ones apart.
void RandomPause(std::mt19937& random, int upToMilliseconds) {
  Sleep(std::uniform_int_distribution<int>(0, upToMilliseconds)(random));
}

void ClickToCommandStored(const testing_support::RunningPanel& panel, const std::wstring& key, std::mt19937& random) {
  const HWND buyLot1 = panel.ControlAt(8, 0);
  const OpenKey exchange(key);
  std::vector<double> clicks, writes, roundTrips;
  const HANDLE stored = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  for (int sample = 0; sample < kClicks; ++sample) {
    RegDeleteValueW(exchange.get(), L"prikaz");
    RandomPause(random, 100);
    // Woken by the server as the value is set: a busy poll would take a
    // core and much of the server's time from the panel on two cores, and
    // about double the figure.
    RegNotifyChangeKeyValue(exchange.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, stored, TRUE);
    const double start = bench::NowMicroseconds();
    PostMessageW(buyLot1, BM_CLICK, 0, 0);
    WaitForSingleObject(stored, 5000);
    if (!bench::HasValue(exchange.get(), L"prikaz")) {
      bench::Row("click to `prikaz` stored, BM_CLICK from another process", "? (never stored)", "");
      CloseHandle(stored);
      return;
    }
    clicks.push_back(bench::NowMicroseconds() - start);

    const auto command = testing_support::ReadRawText(key, L"prikaz");
    RegDeleteValueW(exchange.get(), L"prikaz");
    const double writeStart = bench::NowMicroseconds();
    bench::BareWrite(key.c_str(), L"prikaz", std::wstring(command->begin(), command->end()));
    writes.push_back(bench::NowMicroseconds() - writeStart);

    // Any click reaches the panel through its message queue, at least once.
    RandomPause(random, 100);
    const double sendStart = bench::NowMicroseconds();
    DWORD_PTR result;
    SendMessageTimeoutW(panel.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    roundTrips.push_back(bench::NowMicroseconds() - sendStart);
  }
  CloseHandle(stored);
  RegDeleteValueW(exchange.get(), L"prikaz");
  char figure[128];
  std::snprintf(figure, sizeof figure, "p50 %.2f ms, p99 %.2f ms (write cycle %.2f ms, message round trip %.2f ms)",
                Milliseconds(bench::Median(clicks)), Milliseconds(bench::Percentile(clicks, 0.99)),
                Milliseconds(bench::Median(writes)), Milliseconds(bench::Median(roundTrips)));
  bench::Row("click to `prikaz` stored, BM_CLICK from another process", figure, "for contrast");
}

void PublishToCaptionShown(const testing_support::RunningPanel& panel, const std::wstring& key, std::mt19937& random) {
  const HWND buyClose = panel.ControlAt(136, 0);
  const OpenKey exchange(key);
  std::vector<double> shown;
  for (int sample = 0; sample < kPublishes; ++sample) {
    // A buy amount the button can't be showing yet; the sell amount and the
    // net follow along as an expert would publish them.
    const std::wstring amount = std::to_wstring(sample % 2 ? sample : 1000 + sample);
    RandomPause(random, 50);
    const double start = bench::NowMicroseconds();
    SetText(exchange.get(), L"lock", amount + L"!1!" + amount);
    while (ServerTextOf(buyClose) != amount) {
      if (bench::NowMicroseconds() - start > 5e6) {
        bench::Row("expert publish to caption shown", "? (never shown)", "");
        return;
      }
      Sleep(1);
    }
    shown.push_back(bench::NowMicroseconds() - start);
  }
  char figure[64];
  std::snprintf(figure, sizeof figure, "p50 %.1f ms, p99 %.1f ms", Milliseconds(bench::Median(shown)),
                Milliseconds(bench::Percentile(shown, 0.99)));
  bench::Row("expert publish to caption shown", figure, "p99 at most 60 ms");
}

}  // namespace

int wmain() {
  bench::QuietTerminal terminal;
  terminal.Exchange().Write(u"lock", u"7!1!7");
  const testing_support::RunningPanel panel;
  const bool known =
      panel.Window() && terminal.InFrontUntil([&] { return testing_support::TextOf(panel.ControlAt(136, 0)) == L"7"; });
  if (!known) {
    bench::Row("click to `prikaz` stored", "? (the panel never took the terminal's key)", "");
    return 1;
  }
  std::mt19937 random(20261211);
  ClickToCommandStored(panel, terminal.Key(), random);
  PublishToCaptionShown(panel, terminal.Key(), random);
  return 0;
}
