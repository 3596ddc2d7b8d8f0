// The stand-in terminal as the panel meets it: a real process with a real
// window tree, trading through the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "tests/support/raw_registry_win32.h"
#include "tests/support/terminal_simulator_win32.h"

namespace {

using namespace std::chrono_literals;

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

using testing_support::AccountOf;
using testing_support::Simulator;

// The exchange key of one simulator, emptied before and after the test.
class Exchange {
 public:
  explicit Exchange(const std::wstring& key) : key_(key) { testing_support::DeleteTree(key_); }
  ~Exchange() { testing_support::DeleteTree(key_); }
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  std::u16string Read(std::u16string_view name) { return store_.ReadIniReg(core::FromWide(key_), name); }
  void Write(std::u16string_view name, std::u16string_view value) {
    store_.WriteIniReg(core::FromWide(key_), name, value);
  }
  // Writes a command as the panel does and waits until the expert took it.
  bool Send(std::u16string_view command) {
    Write(u"prikaz", command);
    return WaitFor([&] { return Read(u"prikaz").empty(); });
  }
  bool Shows(std::u16string_view name, std::u16string_view expected) {
    return WaitFor([&] { return Read(name) == expected; }, 5s);
  }

 private:
  std::wstring key_;
  core::RegistryStore store_;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// The child `count` steps down the z-order from the top.
HWND NthChild(HWND parent, int count) {
  HWND child = GetWindow(parent, GW_CHILD);
  for (int i = 1; i < count && child; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

std::vector<std::wstring> ListLines(HWND list) {
  std::vector<std::wstring> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring line(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
    line.resize(std::max<LRESULT>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data())), 0));
    lines.push_back(line);
  }
  return lines;
}

TEST(TerminalSimulator, HasTheTerminalsClassTitleAndChartWhereThePanelLooks) {
  const std::wstring account = AccountOf(1);
  Exchange exchange(account);
  Simulator simulator(account);
  ASSERT_TRUE(simulator.window());
  EXPECT_EQ(ClassOf(simulator.window()), L"MetaQuotes::MetaTrader::4.00");

  // The panel's walk: first child, six times the next in z-order, then two
  // first children.
  HWND step = GetWindow(simulator.window(), GW_CHILD);
  for (int i = 0; i < 6 && step; ++i) step = GetWindow(step, GW_HWNDNEXT);
  ASSERT_TRUE(step);
  EXPECT_EQ(step, NthChild(simulator.window(), 7));
  const HWND frame = GetWindow(step, GW_CHILD);
  ASSERT_TRUE(frame);
  const HWND chart = GetWindow(frame, GW_CHILD);
  ASSERT_TRUE(chart);
  EXPECT_EQ(ClassOf(chart), L"TerminalSimChart");
  EXPECT_TRUE(IsWindowVisible(chart));
  RECT chartRect{}, mainRect{};
  GetWindowRect(chart, &chartRect);
  GetWindowRect(simulator.window(), &mainRect);
  EXPECT_GE(chartRect.right - chartRect.left, 300);
  EXPECT_GE(chartRect.bottom - chartRect.top, 200);
  EXPECT_TRUE(chartRect.left >= mainRect.left && chartRect.right <= mainRect.right &&
              chartRect.top >= mainRect.top && chartRect.bottom <= mainRect.bottom);
  // The chart is the one place of its kind: no other child of the main window
  // leads to it.
  int siblingsAfter = 0;
  for (HWND later = GetWindow(step, GW_HWNDNEXT); later; later = GetWindow(later, GW_HWNDNEXT)) ++siblingsAfter;
  EXPECT_EQ(siblingsAfter, 0);

  // It publishes at once, with the price held still by --tick-ms 0.
  EXPECT_TRUE(exchange.Shows(u"bid_ask", u"EURUSD!1.10000!1.10012!12"));
  EXPECT_TRUE(exchange.Shows(u"lock", u"0!0!0"));
  EXPECT_TRUE(exchange.Shows(u"r_ord", u"0"));
  EXPECT_TRUE(simulator.Close());
}

TEST(TerminalSimulator, TradesOnTheCommandsThePanelWrites) {
  const std::wstring account = AccountOf(2);
  Exchange exchange(account);
  Simulator simulator(account);
  ASSERT_TRUE(simulator.window());
  struct Step {
    std::u16string command;
    std::u16string lock;
    std::u16string orders;
  };
  const Step steps[] = {
      {u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!", u"0.1!0!0.1", u"1!100001!buy!0.1!1.10012"},
      {u"s!0.3!sn!bf!f!-35!-100$tpon$3$1!999!stop!", u"0.1!0.3!-0.2",
       u"2!100001!buy!0.1!1.10012!100002!sell!0.3!1.10000"},
      {u"b!0.1!sn!bf!cb!35!100!999!stop!", u"0!0.3!-0.3", u"1!100002!sell!0.3!1.10000"},
      {u"b!0.3!sn!bf!cf!35!100!999!stop!", u"0.3!0.3!0", u"2!100002!sell!0.3!1.10000!100003!buy!0.3!1.10012"},
      {u"ct!100002!stop!stop!stop!stop!stop!stop!stop!stop", u"0.3!0!0.3", u"1!100003!buy!0.3!1.10012"},
      {u"s!0.3!sn!bf!cn!35!100!999!stop!", u"0!0!0", u"0"},
      {u"not a command", u"0!0!0", u"0"},
  };
  for (const Step& step : steps) {
    const std::string shown(step.command.begin(), step.command.end());
    ASSERT_TRUE(exchange.Send(step.command)) << shown;
    EXPECT_TRUE(exchange.Shows(u"lock", step.lock)) << shown;
    EXPECT_TRUE(exchange.Shows(u"r_ord", step.orders)) << shown;
  }
  // The panel's "0" after a close click stands only until the next publication.
  exchange.Send(u"b!0.2!sn!bf!f!35!100$tpc$!999!stop!");
  exchange.Write(u"lock", u"0");
  EXPECT_TRUE(exchange.Shows(u"lock", u"0.2!0!0.2"));
}

TEST(TerminalSimulator, ShowsEachCommandInItsLogAsItArrives) {
  const std::wstring account = AccountOf(7);
  Exchange exchange(account);
  Simulator simulator(account);
  ASSERT_TRUE(simulator.window());
  const HWND log = GetWindow(NthChild(simulator.window(), 5), GW_CHILD);
  ASSERT_EQ(ClassOf(log), L"ListBox");
  auto logged = [&](const std::wstring& part) {
    return WaitFor([&] {
      const auto lines = ListLines(log);
      return !lines.empty() && lines.back().find(part) != std::wstring::npos;
    }, 5s);
  };
  ASSERT_TRUE(exchange.Send(u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!"));
  EXPECT_TRUE(logged(L"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!  ->  opened #100001 buy 0.1 at 1.10012"));
  ASSERT_TRUE(exchange.Send(u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!"));
  EXPECT_TRUE(logged(L"opened #100002"));
  ASSERT_TRUE(exchange.Send(u"ct!55!stop!stop!stop!stop!stop!stop!stop!stop"));
  EXPECT_TRUE(logged(L"refused: no open order #55"));
  ASSERT_TRUE(exchange.Send(u"s!x"));
  EXPECT_TRUE(logged(L"s!x  ->  ignored: "));
}

TEST(TerminalSimulator, TwoSimulatorsKeepToTheirOwnKeys) {
  const std::wstring first = AccountOf(3), second = AccountOf(4);
  Exchange firstExchange(first), secondExchange(second);
  Simulator firstSimulator(first), secondSimulator(second);
  ASSERT_TRUE(firstSimulator.window());
  ASSERT_TRUE(secondSimulator.window());
  EXPECT_NE(firstSimulator.window(), secondSimulator.window());
  ASSERT_TRUE(secondExchange.Shows(u"lock", u"0!0!0"));

  ASSERT_TRUE(firstExchange.Send(u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!"));
  EXPECT_TRUE(firstExchange.Shows(u"lock", u"0.1!0!0.1"));
  ASSERT_TRUE(secondExchange.Send(u"s!0.2!sn!bf!f!35!100$tpc$!999!stop!"));
  EXPECT_TRUE(secondExchange.Shows(u"lock", u"0!0.2!-0.2"));
  std::this_thread::sleep_for(300ms);  // a few publications more
  EXPECT_EQ(firstExchange.Read(u"lock"), u"0.1!0!0.1");
  EXPECT_EQ(secondExchange.Read(u"r_ord"), u"1!100001!sell!0.2!1.10000");
}

TEST(TerminalSimulator, AWholeTitleWithoutAColonIsTheKey) {
  const std::wstring title = L"orderpanel simulator " + AccountOf(5);
  Exchange exchange(title);
  Simulator simulator(Simulator::Launch{title, L"--title \"" + title + L"\" --tick-ms 0"});
  ASSERT_TRUE(simulator.window());
  ASSERT_TRUE(exchange.Send(u"s!0.1!sn!bf!f!35!100$tpc$!999!stop!"));
  EXPECT_TRUE(exchange.Shows(u"lock", u"0!0.1!-0.1"));
}

TEST(TerminalSimulator, KeepsUpWithCommandsAtAMillisecond) {
  const std::wstring account = AccountOf(6);
  Exchange exchange(account);
  Simulator simulator(account, L"--publish-ms 1 --tick-ms 1");
  ASSERT_TRUE(simulator.window());
  const auto start = std::chrono::steady_clock::now();
  constexpr int kCommands = 40;
  for (int i = 0; i < kCommands; ++i) ASSERT_TRUE(exchange.Send(u"b!0.1!sn!bf!f!!$tpc$!999!stop!")) << i;
  EXPECT_TRUE(exchange.Shows(u"lock", u"4!0!4"));
  const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::printf("%d commands taken in %lld ms\n", kCommands, static_cast<long long>(spent.count()));
  EXPECT_TRUE(simulator.Close());
}

}  // namespace
