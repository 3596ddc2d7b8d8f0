#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <set>
#include <thread>

#include "core/registry_store_win32.h"
#include "tests/support/fake_platform.h"
#include "tests/support/raw_registry_win32.h"
#include "ui/form1.h"

namespace {

// The expert rewrites the status values from another thread while the panel
// reads them: every caption and title shown must come from a value that was
// really published, never from a mixture.
TEST(ConcurrentWriter, TheStatusShownIsAlwaysAPublishedOne) {
  testing_support::ThrowawayKey key(L"concurrent");
  const std::wstring path = key.path();
  const wchar_t* locks[] = {L"0.3!0.1!0.2", L"12.5!7.25!-5.25", L"1000000.5!0.001!999"};
  const wchar_t* quotes[] = {L"EURUSD!1.38553!1.38563!10", L"EURUSD!1.2!1.3!1000", L"X!9!8!7"};
  const wchar_t* profits[] = {L"-12.50", L"+3.00 USD", L"0"};
  auto write = [&](const wchar_t* name, const wchar_t* value) {
    testing_support::WriteRaw(path, name, REG_SZ, value, static_cast<DWORD>((wcslen(value) + 1) * 2));
  };
  write(L"lock", locks[0]);
  write(L"bid_ask", quotes[0]);
  write(L"profit", profits[0]);
  write(L"macd_uroven", L"40");
  write(L"macd_napravl", L"1");

  std::atomic<bool> stop{false};
  std::thread expert([&] {
    for (int i = 0; !stop; ++i) {
      write(L"lock", locks[i % 3]);
      write(L"bid_ask", quotes[(i / 2) % 3]);
      write(L"profit", profits[(i / 3) % 3]);
    }
  });

  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  form.TerminalKey = key.path16();
  const std::set<std::u16string> buyCaptions = {u"0.3", u"12.5", u"1000000.5"};
  const std::set<std::u16string> sellCaptions = {u"0.1", u"7.25", u"0.001"};
  std::set<std::u16string> titles;
  for (const auto* q : quotes)
    for (const auto* p : profits) {
      const std::wstring quote(q), profit(p);
      const std::wstring spread = quote.substr(quote.rfind(L'!') + 1);
      const std::wstring title = L" (" + spread + L") " + profit;
      titles.insert(std::u16string(title.begin(), title.end()));
    }
  std::set<std::u16string> seenBuy;
  for (int tick = 0; tick < 1500; ++tick) {
    form.Timer2Timer();
    ASSERT_TRUE(buyCaptions.count(form.AdvGlassButton10.Caption())) << tick;
    ASSERT_TRUE(sellCaptions.count(form.AdvGlassButton5.Caption())) << tick;
    ASSERT_TRUE(titles.count(form.Caption())) << tick;
    seenBuy.insert(form.AdvGlassButton10.Caption());
  }
  stop = true;
  expert.join();
  EXPECT_GT(seenBuy.size(), 1u);  // the writer really ran alongside
}

}  // namespace
