// Values of any length in what the real panel reads from its terminal's key:
// first the longest the store reads in each status value and the order list
// with a profile of 100,000 characters, then a megabyte in each, the profile
// too. The panel must keep answering, on its first reads as on later ones,
// and leave the stored values as they are.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/store.h"
#include "tests/support/panel_health_win32.h"
#include "tests/support/raw_registry_win32.h"
#include "tests/support/running_panel_win32.h"
#include "tests/support/stand_in_terminal_win32.h"
#include "tests/support/window_probe_win32.h"

namespace {

using namespace std::chrono_literals;
using testing_support::TextOf;

constexpr std::size_t kMegabyte = 1 << 20;

struct BigValue {
  const wchar_t* name;
  std::wstring value;
};

// Every value `chars` long, `digit` making each generation differ; the
// profile `profileChars` long.
std::vector<BigValue> BigValues(wchar_t digit, std::size_t chars, std::size_t profileChars) {
  const auto run = [digit](std::size_t length) { return std::wstring(length, digit); };
  std::wstring orders = L"2147483647";
  while (orders.size() < chars - 30) orders += L"!10000" + run(1) + L"!buy!0.1!1.1";
  return {
      {L"bid_ask", L"EURUSD!1.1!1.2!" + run(chars - 15)},
      {L"lock", run(chars / 3) + L"!" + run(chars / 3) + L"!" + run(chars / 3 - 2)},
      {L"profit", run(chars)},
      {L"macd_uroven", run(chars)},
      {L"macd_napravl", L"-" + run(chars - 1)},
      {L"r_ord", orders},
      // Usable lots first, so that the design has no reason to rewrite it.
      {L"profil2", L"0.1!0.3!1!2!35!100!" + run(profileChars - 19)},
  };
}

void Publish(const std::wstring& key, const std::vector<BigValue>& values) {
  for (const auto& [name, value] : values)
    testing_support::WriteRaw(key, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * 2));
}

TEST(BigValues, NeverStallThePanelOnTheFirstReadOrLaterAndStayAsStored) {
  testing_support::ThrowawayKey key(L"big");
  const auto first = BigValues(L'7', core::kMaxValueChars, 100000);
  const auto later = BigValues(L'3', kMegabyte, kMegabyte);
  Publish(key.path(), first);
  testing_support::RunningPanel panel;
  ASSERT_TRUE(panel.Window()) << "orderpanel.exe showed no window";
  testing_support::StandInTerminal terminal(key.path(), 400, 100);  // in front only after the panel came up
  testing_support::Pinger pinger(panel.Window());

  // The title shows the spread, cut to what a window can sensibly show.
  const auto titleStarts = [&](const std::wstring& start) {
    return testing_support::PumpUntil([&] {
      const std::wstring title = TextOf(panel.Window());
      return title.size() <= 300 && title.substr(0, start.size()) == start;
    }, 10s);
  };
  EXPECT_TRUE(titleStarts(L" (7")) << TextOf(panel.Window()).size() << " characters of title";
  // The orders menu built from the megabyte of orders opens and closes.
  const HWND closeButton = testing_support::ChildrenOf(GetWindow(panel.Window(), GW_CHILD)).at(6);
  PostMessageW(closeButton, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(closeButton), MAKELPARAM(500, 500));
  testing_support::PumpUntil([] { return false; }, 1500ms);
  PostMessageW(closeButton, WM_KEYDOWN, VK_ESCAPE, 0);

  // Too long to read: shown as no value at all.
  Publish(key.path(), later);
  EXPECT_TRUE(titleStarts(L" ()")) << TextOf(panel.Window()).size() << " characters of title";
  testing_support::PumpUntil([] { return false; }, 1500ms);  // an order-list read and tracking ticks more

  EXPECT_EQ(pinger.missed(), 0) << "WM_NULL unanswered within a second; longest wait "
                                << pinger.longestMicroseconds() / 1000 << " ms";
  EXPECT_GT(pinger.pings(), 0);  // it really asked alongside
  std::printf("%d pings, longest wait %lld ms\n", pinger.pings(), pinger.longestMicroseconds() / 1000);
  for (const auto& [name, value] : later) {  // the megabyte profile too
    const auto stored = testing_support::ReadRawText(key.path(), name);
    ASSERT_TRUE(stored) << std::string(name, name + wcslen(name));
    EXPECT_TRUE(*stored == std::u16string(value.begin(), value.end())) << std::string(name, name + wcslen(name));
  }
}

}  // namespace
