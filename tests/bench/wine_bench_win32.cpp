// The panel's costs under Wine against the floor its design sets, printed as
// a table. Run by ./bench inside a Wine session.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/registry_store_win32.h"
#include "tests/bench/bench_support_win32.h"
#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

constexpr wchar_t kKey[] = L"orderpanel-bench";

void Publish(const wchar_t* name, const wchar_t* value) {
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>((wcslen(value) + 1) * 2));
  RegCloseKey(key);
}

// One bare read cycle: open or create, size query, data query, close.
void BareRead(const wchar_t* name) {
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  DWORD type = 0, bytes = 0;
  wchar_t data[256];
  RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes);
  bytes = sizeof data;
  RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
  RegCloseKey(key);
}

void StatusTick() {
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  form.TerminalKey = std::u16string(kKey, kKey + wcslen(kKey));
  const auto result = bench::Compare([&] { form.Timer2Timer(); },
                                     [] {
                                       for (const wchar_t* name :
                                            {L"bid_ask", L"lock", L"profit", L"macd_uroven", L"macd_napravl"})
                                         BareRead(name);
                                     });
  char figure[64];
  std::snprintf(figure, sizeof figure, "%.2f (%.0f / %.0f us)", result.measured / result.floor, result.measured,
                result.floor);
  bench::Row("status tick / its five bare registry read cycles", figure, "at most 1.3");
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
  RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  return 0;
}
