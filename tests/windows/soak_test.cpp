// A minute of the real panel beside two terminals that publish every
// millisecond, switching between them and opening its orders menu over and
// over: it must keep answering, end on the last published values, and hold
// no more GDI objects or memory than it did after warming up.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "exchange/status_display.h"
#include "tests/support/panel_health_win32.h"
#include "tests/support/raw_registry_win32.h"
#include "tests/support/running_panel_win32.h"
#include "tests/support/terminal_sim_win32.h"
#include "tests/support/window_probe_win32.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing_support::TextOf;

constexpr auto kSoak = 62s;
constexpr auto kWarmUp = 10s;
constexpr int kMenusPerTerminal = 6;  // menus opened before switching to the other terminal
// Committed private memory moves by a few pages with the allocators' caches
// (the heap, the fonts, the menu's own window); a leak of a few bytes a tick
// would pass a megabyte within the minute.
constexpr std::size_t kMemoryNoise = 512 * 1024;

// A popup menu of the panel's on the screen.
bool MenuShownBy(DWORD panelProcess) {
  for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == panelProcess && IsWindowVisible(menu)) return true;
  }
  return false;
}

HWND ChildAt(HWND parent, LONG left, LONG top) {
  for (HWND child : testing_support::ChildrenOf(parent)) {
    const RECT place = testing_support::PlaceOf(child);
    if (place.left == left && place.top == top) return child;
  }
  return nullptr;
}

// What the panel shows of a terminal's published status, with the flags it
// loaded at start-up.
struct Shown {
  std::wstring title, buyClose, sellClose;
  friend bool operator==(const Shown&, const Shown&) = default;
};

Shown ExpectedFrom(const std::wstring& key) {
  core::RegistryStore store;
  const std::u16string terminal = core::FromWide(key);
  // The settings as stored, or the design's own flags when none were yet
  // (b, s, a, p in the title; the amounts each on its own button).
  const bool stored = store.ReadIniReg(u"nastr", u"Ch1") > std::u16string_view(u"-1");
  const auto flag = [&](char16_t digit) {
    if (!stored) return digit == u'5' || digit == u'7' || digit == u'8';
    return store.ReadIniReg(u"nastr", std::u16string(u"Ch") + digit) == u"1";
  };
  const auto captions = exchange::CloseCaptionsFrom(store.ReadIniReg(terminal, u"lock"), flag(u'8'));
  const auto title = exchange::TitleFrom(store.ReadIniReg(terminal, u"bid_ask"), store.ReadIniReg(terminal, u"profit"),
                                         {.bid = flag(u'4'), .spread = flag(u'5'), .ask = flag(u'6'), .profit = flag(u'7')});
  return {core::ToWide(title), core::ToWide(captions.buy), core::ToWide(captions.sell)};
}

TEST(Soak, AMinuteOfSwitchingAndMenusAtAMillisecondLeavesThePanelAsItWas) {
  const std::wstring accounts[] = {testing_support::AccountOf(8), testing_support::AccountOf(9)};
  for (const auto& account : accounts) testing_support::DeleteTree(account);
  testing_support::Simulator first = testing_support::Simulator::OfAccount(accounts[0], L"--publish-ms 1 --tick-ms 1 --x 20 --y 20");
  testing_support::Simulator second = testing_support::Simulator::OfAccount(accounts[1], L"--publish-ms 1 --tick-ms 1 --x 220 --y 200");
  const testing_support::Simulator* terminals[] = {&first, &second};
  ASSERT_TRUE(first.window() && second.window());
  // Different positions, so that the close buttons tell which terminal the
  // panel follows; no stops, so that they stay open however the price walks.
  core::RegistryStore store;
  store.WriteIniReg(core::FromWide(accounts[0]), u"prikaz", u"b!0.1!sn!bf!f!!$tpc$!999!stop!");
  store.WriteIniReg(core::FromWide(accounts[1]), u"prikaz", u"s!0.2!sn!bf!f!!$tpc$!999!stop!");
  for (const auto& account : accounts)
    ASSERT_TRUE(testing_support::WaitUntil([&] { return store.ReadIniReg(core::FromWide(account), u"prikaz").empty(); }));

  testing_support::RunningPanel panel;
  ASSERT_TRUE(panel.Window()) << "orderpanel.exe showed no window";
  const DWORD panelProcess = GetProcessId(panel.Process());
  const HWND panel1 = GetWindow(panel.Window(), GW_CHILD);
  const HWND closeButtons[] = {ChildAt(panel1, 136, 0), ChildAt(panel1, 136, 31)};
  ASSERT_TRUE(closeButtons[0] && closeButtons[1]);
  ASSERT_NE(testing_support::PrivateBytesOf(panel.Process()), 0u) << "no memory figures for the panel";

  testing_support::Pinger pinger(panel.Window());
  const auto start = Clock::now();
  int menusShown = 0, switches = 0, followed = 0, gdiAfterWarmUp = -1;
  std::size_t memoryAfterWarmUp = 0;
  std::size_t front = 0;
  for (int round = 0; Clock::now() - start < kSoak; ++round) {
    if (round % kMenusPerTerminal == 0) {
      front = (round / kMenusPerTerminal) % 2;
      SetForegroundWindow(terminals[front]->window());
      ++switches;
      // The close buttons settle on this terminal's amounts once the panel follows it.
      const auto amountsOfFront = [&] {
        const Shown expected = ExpectedFrom(accounts[front]);
        return TextOf(closeButtons[0]) == expected.buyClose && TextOf(closeButtons[1]) == expected.sellClose;
      };
      followed += testing_support::WaitUntil(amountsOfFront, 2s);
    }
    const HWND button = closeButtons[round % 2];
    RECT rect;
    GetWindowRect(button, &rect);
    PostMessageW(button, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button), MAKELPARAM(rect.left + 2, rect.top + 2));
    // Escape only once the menu's own loop runs: before, it would go to the button.
    if (testing_support::WaitUntil([&] { return MenuShownBy(panelProcess); }, 2s)) ++menusShown;
    PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(testing_support::WaitUntil([&] { return !MenuShownBy(panelProcess); }, 2s)) << "round " << round;
    if (gdiAfterWarmUp < 0 && Clock::now() - start > kWarmUp) {
      gdiAfterWarmUp = testing_support::GdiObjectsOf(panel.Window());
      memoryAfterWarmUp = testing_support::PrivateBytesOf(panel.Process());
    }
  }
  const int gdiAtEnd = testing_support::GdiObjectsOf(panel.Window());
  const std::size_t memoryAtEnd = testing_support::PrivateBytesOf(panel.Process());

  std::printf("%d menus, %d switches (%d followed), %d pings (longest %lld ms), GDI %d -> %d, private %zu -> %zu KB\n",
              menusShown, switches, followed, pinger.pings(), pinger.longestMicroseconds() / 1000, gdiAfterWarmUp, gdiAtEnd,
              memoryAfterWarmUp / 1024, memoryAtEnd / 1024);
  EXPECT_EQ(pinger.missed(), 0) << "WM_NULL unanswered within a second";
  EXPECT_GE(menusShown, 200);
  EXPECT_EQ(followed, switches);
  EXPECT_GT(gdiAfterWarmUp, 0);
  EXPECT_LE(gdiAtEnd, gdiAfterWarmUp);
  EXPECT_LE(memoryAtEnd, memoryAfterWarmUp + kMemoryNoise);

  // The terminals stop publishing; the panel ends on the front one's last values.
  first.Close();
  second.Close();
  const Shown expected = ExpectedFrom(accounts[front]);
  const auto shown = [&] {
    return Shown{TextOf(panel.Window()), TextOf(closeButtons[0]), TextOf(closeButtons[1])};
  };
  EXPECT_TRUE(testing_support::WaitUntil([&] { return shown() == expected; }, 3s))
      << "expected title \"" << std::string(expected.title.begin(), expected.title.end()) << "\", shown \""
      << std::string(shown().title.begin(), shown().title.end()) << "\"";
  for (const auto& account : accounts) testing_support::DeleteTree(account);
}

}  // namespace
