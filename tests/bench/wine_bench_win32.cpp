// The panel's costs under Wine against the floor its design sets, printed as
// a table. Run by ./bench inside a Wine session.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "tests/bench/bench_support_win32.h"
#include "tests/bench/quiet_terminal_win32.h"
#include "tests/support/fake_platform.h"
#include "tests/support/raw_registry_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/form_window_win32.h"
#include "tracking/window_system_win32.h"
#include "ui/form1.h"
#include "ui/menu_images_win32.h"

namespace {

using bench::QuietTerminal;

constexpr wchar_t kKey[] = L"orderpanel-bench";

void Publish(const wchar_t* name, const wchar_t* value) {
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>((wcslen(value) + 1) * 2));
  RegCloseKey(key);
}

void StatusTick() {
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  form.TerminalKey = std::u16string(kKey, kKey + wcslen(kKey));
  const auto result = bench::Compare([&] { form.Timer2Timer(); }, [] { bench::BareStatusReads(kKey); });
  bench::RatioRow("status tick / its five bare registry read cycles", result, "at most 1.3");
}

// The registry store, counting what the form asks of it.
class CountingStore final : public core::IniStore {
 public:
  std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) override {
    ++reads;
    return store_.ReadIniReg(section, name);
  }
  void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) override {
    ++writes;
    store_.WriteIniReg(section, name, value);
  }
  bool TooLongToRead(std::u16string_view section, std::u16string_view name) override {
    ++reads;
    return store_.TooLongToRead(section, name);
  }
  int reads = 0;
  int writes = 0;

 private:
  core::RegistryStore store_;
};

bool DockedOn(HWND panel, HWND chart) {
  RECT frame, corner;
  return GetWindowRect(panel, &frame) && GetWindowRect(chart, &corner) && frame.left == corner.left &&
         frame.top == corner.top;
}

// The tracking tick of a shown panel window on the real window system,
// docked on the chart of a simulated terminal in front, against the bare
// calls of such a tick.
void TrackingTick() {
  QuietTerminal terminal;
  CountingStore store;
  tracking::Win32WindowSystem windows;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, windows, fake.shell};
  TForm1 form(platform);
  toolkit::win32::FormWindow window(form, {}, ui::CreateOrderImages);
  form.SetHandle(reinterpret_cast<toolkit::WindowHandle>(window.Handle()));
  ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
  const bool docked = terminal.InFrontUntil([&] {
    form.Timer1Timer();
    return form.TerminalKey == core::FromWide(terminal.Key()) && DockedOn(window.Handle(), terminal.Chart());
  });
  // Past the ticks that assert the z-order anew after the switch.
  for (int tick = 0; tick < tracking::kReassertTicks; ++tick) form.Timer1Timer();
  store.reads = store.writes = 0;
  form.Timer1Timer();
  const char* what = "tracking tick / its bare window calls and profile read";
  if (!docked || store.reads != 1 || store.writes != 0) {
    char figure[64];
    std::snprintf(figure, sizeof figure, "? (%s, %d reads, %d writes)", docked ? "docked" : "not docked", store.reads,
                  store.writes);
    bench::Row(what, figure, "at most 1.3");
    return;
  }
  const auto result = bench::Compare([&] { form.Timer1Timer(); },
                                     [&] { bench::BareTrackingCalls(window.Handle(), terminal.Key().c_str()); });
  bench::RatioRow(what, result, "at most 1.3");
}

// A click on the first buy button of a shown panel window in this process,
// from the button's click notice to the command readable, against one bare
// write cycle of that command and the same read. The press before the notice
// (focus, capture, the pressed face) is the window system's and is timed too.
void ClickToCommandStored() {
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  toolkit::win32::FormWindow window(form, {}, ui::CreateOrderImages);
  ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
  form.TerminalKey = std::u16string(kKey, kKey + wcslen(kKey));
  const HWND buyLot1 = testing_support::ControlAt(window.Handle(), 8, 0);
  const auto readable = [] {
    HKEY key;
    RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key);
    const bool found = bench::HasValue(key, L"prikaz");
    RegCloseKey(key);
    return found;
  };
  const auto notice = [parent = GetParent(buyLot1), buyLot1] {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(buyLot1), BN_CLICKED), reinterpret_cast<LPARAM>(buyLot1));
  };
  notice();
  const auto command = testing_support::ReadRawText(kKey, L"prikaz");
  const char* what = "click to `prikaz` stored, from the click notice";
  if (!buyLot1 || !command) {
    bench::Row(what, "? (never stored)", "write cycle + 0.2 ms");
    return;
  }
  const std::wstring text(command->begin(), command->end());
  const auto result =
      bench::Compare([&] { notice(), readable(); }, [&] { bench::BareWrite(kKey, L"prikaz", text), readable(); });
  const auto press =
      bench::Compare([&] { SendMessageW(buyLot1, BM_CLICK, 0, 0), readable(); }, [&] { notice(), readable(); });
  char figure[96];
  std::snprintf(figure, sizeof figure, "write cycle + %.0f us (%.0f / %.0f us; BM_CLICK %.0f us)",
                result.measured - result.floor, result.measured, result.floor, press.measured);
  bench::Row(what, figure, "write cycle + 0.2 ms");
}

}  // namespace

int wmain() {
  Publish(L"bid_ask", L"EURUSD!1.38553!1.38563!10");
  Publish(L"lock", L"0.3!0.1!0.2");
  Publish(L"profit", L"-12.50");
  Publish(L"macd_uroven", L"40");
  Publish(L"macd_napravl", L"-3");
  bench::Row("what", "figure", "target");
  bench::Row("----", "------", "------");
  StatusTick();
  TrackingTick();
  ClickToCommandStored();
  RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  return 0;
}
