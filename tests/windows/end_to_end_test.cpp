// The real panel beside the real stand-in terminal: following the terminal in
// front, docking, the key and profile of that terminal, trading through its
// expert, and the open-orders menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/running_panel_win32.h"
#include "tests/support/terminal_sim_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace {

using namespace std::chrono_literals;
using testing_support::AccountOf;
using testing_support::Exchange;
using testing_support::PumpUntil;
using testing_support::RunningPanel;
using testing_support::Simulator;
using testing_support::TextOf;

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool IsTopmost(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

// True when `lower` comes after `upper` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND next = GetWindow(upper, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
    if (next == lower) return true;
  return false;
}

bool NothingVisibleBelow(HWND window) {
  for (HWND next = GetWindow(window, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
    if (IsWindowVisible(next)) return false;
  return true;
}

// Brings a window to the front and waits until the window system says so; a
// switch may pass through no window in front.
bool BringToFront(HWND window) {
  return PumpUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
      },
      5s);
}

// The panel as a user meets it: its buttons found by their design places.
class PanelOnTerminal {
 public:
  HWND Window() const { return panel_.Window(); }
  HWND Panel1() const { return GetWindow(panel_.Window(), GW_CHILD); }
  HWND ButtonAt(int left, int top) const { return panel_.ControlAt(left, top); }
  // The buy row's lot buttons and close button, then the sell row's.
  std::vector<std::wstring> Captions() const {
    std::vector<std::wstring> captions;
    for (int top : {0, 31})
      for (int left : {8, 40, 72, 104, 136}) captions.push_back(TextOf(ButtonAt(left, top)));
    return captions;
  }
  HWND BuyLot(int n) const { return ButtonAt(8 + 32 * n, 0); }
  HWND SellLot(int n) const { return ButtonAt(8 + 32 * n, 31); }
  HWND BuyClose() const { return ButtonAt(136, 0); }
  HWND SellClose() const { return ButtonAt(136, 31); }

  bool Click(HWND button) const {
    DWORD_PTR result = 0;
    return button && SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  }
  bool DockedOn(HWND chart, int offsetX = 0, int offsetY = 0) const {
    const RECT frame = RectOf(Window()), corner = RectOf(chart);
    return frame.left == corner.left + offsetX && frame.top == corner.top + offsetY;
  }
  // Right-click menu of `target` with its `index`-th entry chosen by keyboard.
  void Choose(HWND target, int index) const { panel_.ChooseFromContextMenu(target, index); }

  int LiveGdiObjects() const {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(Window(), RegisterWindowMessageW(toolkit::win32::kGdiCountMessageName), 0, 0,
                        SMTO_ABORTIFHUNG, 5000, &count);
    return static_cast<int>(count);
  }

 private:
  RunningPanel panel_;
};

// Waits until the panel is topmost on `terminal`'s chart, above the terminal.
// The terminal is brought back to the front whenever another window took it
// (the panel as it starts, or a window of a test running alongside), as a
// user would click it.
bool ShowsOnTopOf(const PanelOnTerminal& panel, const Simulator& terminal, int offsetX = 0, int offsetY = 0) {
  return PumpUntil(
      [&] {
        if (GetForegroundWindow() != terminal.window()) SetForegroundWindow(terminal.window());
        return IsTopmost(panel.Window()) && IsAbove(panel.Window(), terminal.window()) &&
               panel.DockedOn(terminal.Chart(), offsetX, offsetY);
      },
      5s);
}

// A program of the test's own, to be the other window in front.
class OtherProgramWindow {
 public:
  OtherProgramWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"EndToEndOtherProgram";
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700,
                              500, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  ~OtherProgramWindow() { DestroyWindow(window_); }
  OtherProgramWindow(const OtherProgramWindow&) = delete;
  OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

TEST(EndToEnd, DocksTopmostOnTheTerminalInFrontFollowsThePinAndGoesBelowOtherPrograms) {
  const std::wstring account = AccountOf(1);
  Exchange exchange(account);
  Simulator terminal = Simulator::OfAccount(account, L"--x 60 --y 40 --width 700 --height 520");
  ASSERT_TRUE(terminal.window());
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());

  ASSERT_TRUE(BringToFront(terminal.window()));
  EXPECT_TRUE(ShowsOnTopOf(panel, terminal)) << "never pinned: on the chart's corner";
  // Ticks that re-assert the z-order never take the front from the terminal.
  int panelInFront = 0;
  PumpUntil(
      [&] {
        panelInFront += GetForegroundWindow() == panel.Window();
        return false;
      },
      1500ms);
  EXPECT_EQ(panelInFront, 0);
  EXPECT_EQ(GetForegroundWindow(), terminal.window());

  // The user works in the panel: drags it over the chart and pins it there.
  ASSERT_TRUE(BringToFront(panel.Window()));
  const RECT chart = RectOf(terminal.Chart());
  SetWindowPos(panel.Window(), nullptr, chart.left + 50, chart.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  panel.Choose(panel.Panel1(), 2);
  // Nothing shows the pin itself: give the menu its moment before the terminal
  // comes back to the front.
  PumpUntil([] { return false; }, 500ms);
  ASSERT_TRUE(BringToFront(terminal.window()));
  EXPECT_TRUE(ShowsOnTopOf(panel, terminal, 50, 40));

  SetWindowPos(terminal.window(), nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(ShowsOnTopOf(panel, terminal, 50, 40)) << "follows the moved terminal";

  const RECT docked = RectOf(panel.Window());
  OtherProgramWindow other;
  ASSERT_TRUE(BringToFront(other.Handle()));
  EXPECT_TRUE(PumpUntil(
      [&] {
        return !IsTopmost(panel.Window()) && IsAbove(terminal.window(), panel.Window()) &&
               IsAbove(other.Handle(), panel.Window()) && NothingVisibleBelow(panel.Window());
      },
      5s))
      << "below every other window";
  EXPECT_EQ(RectOf(panel.Window()).left, docked.left);
  EXPECT_EQ(RectOf(panel.Window()).top, docked.top);
}

TEST(EndToEnd, KeyAndLotProfileFollowTheTerminalInFront) {
  const std::wstring firstAccount = AccountOf(2), secondAccount = AccountOf(3);
  Exchange first(firstAccount), second(secondAccount);
  first.Write(u"profil2", u"0.2!0.4!3!5!35!100!");
  second.Write(u"profil2", u"0.5!0.7!4!6!20!60!");
  Simulator firstTerminal = Simulator::OfAccount(firstAccount, L"--x 20 --y 20 --width 560 --height 480");
  Simulator secondTerminal = Simulator::OfAccount(secondAccount, L"--x 620 --y 300 --width 560 --height 480");
  ASSERT_TRUE(firstTerminal.window());
  ASSERT_TRUE(secondTerminal.window());
  // The second terminal holds a buy position; the first holds none.
  ASSERT_TRUE(second.Send(u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!"));
  ASSERT_TRUE(second.Shows(u"lock", u"0.1!0!0.1"));
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());

  struct InFront {
    const Simulator& terminal;
    std::vector<std::wstring> captions;
  };
  const InFront steps[] = {
      {firstTerminal, {L"0.2", L"0.4", L"3", L"5", L"0", L"0.2", L"0.4", L"3", L"5", L"0"}},
      {secondTerminal, {L"0.5", L"0.7", L"4", L"6", L"0.1", L"0.5", L"0.7", L"4", L"6", L"0"}},
      {firstTerminal, {L"0.2", L"0.4", L"3", L"5", L"0", L"0.2", L"0.4", L"3", L"5", L"0"}},
  };
  for (const InFront& step : steps) {
    SCOPED_TRACE(testing::Message() << "terminal " << step.terminal.window());
    ASSERT_TRUE(BringToFront(step.terminal.window()));
    EXPECT_TRUE(ShowsOnTopOf(panel, step.terminal));
    EXPECT_TRUE(PumpUntil([&] { return panel.Captions() == step.captions; }, 5s));
  }

  // A command goes to the terminal that was last in front.
  ASSERT_TRUE(BringToFront(secondTerminal.window()));
  ASSERT_TRUE(ShowsOnTopOf(panel, secondTerminal));
  ASSERT_TRUE(panel.Click(panel.SellLot(1)));
  EXPECT_TRUE(second.Shows(u"lock", u"0.1!0.7!-0.6"));
  EXPECT_EQ(first.Read(u"lock"), u"0!0!0");
}

TEST(EndToEnd, LotClicksOpenOrdersAndCloseClicksCloseTheRow) {
  const std::wstring account = AccountOf(4);
  Exchange exchange(account);
  Simulator terminal = Simulator::OfAccount(account, L"--x 300 --y 200 --width 600 --height 480");
  ASSERT_TRUE(terminal.window());
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());
  ASSERT_TRUE(BringToFront(terminal.window()));
  ASSERT_TRUE(ShowsOnTopOf(panel, terminal));

  struct Step {
    const char* what;
    HWND button;
    std::u16string lock;
    std::wstring buyClose, sellClose;
  };
  const Step steps[] = {
      {"buy 0.1", panel.BuyLot(0), u"0.1!0!0.1", L"0.1", L"0"},
      {"sell 0.3", panel.SellLot(1), u"0.1!0.3!-0.2", L"0.1", L"0.3"},
      {"buy 1", panel.BuyLot(2), u"1.1!0.3!0.8", L"1.1", L"0.3"},
      {"close the buy row", panel.BuyClose(), u"0!0.3!-0.3", L"0", L"0.3"},
      {"close the sell row", panel.SellClose(), u"0!0!0", L"0", L"0"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(panel.Click(step.button));
    EXPECT_TRUE(exchange.Shows(u"lock", step.lock));
    EXPECT_TRUE(PumpUntil(
        [&] { return TextOf(panel.BuyClose()) == step.buyClose && TextOf(panel.SellClose()) == step.sellClose; },
        5s));
  }
  EXPECT_TRUE(exchange.Shows(u"r_ord", u"0"));
}

TEST(EndToEnd, TheTitleBeforeItsFirstColonIsTheKey) {
  const std::wstring tag = AccountOf(5);
  std::wstring longTitle = L"e2e long title " + tag;
  longTitle.resize(94, L'k');
  longTitle += L": tail";  // the first ':' at position 95 of 101 characters
  longTitle.resize(100);
  struct Case {
    std::wstring title, key;
    std::u16string profile, lot;
  };
  const Case cases[] = {
      {L"e2e title without colon " + tag, L"e2e title without colon " + tag, u"0.6!0.3!1!2!35!100!", u"0.6"},
      {L"", L"", u"0.7!0.3!1!2!35!100!", u"0.7"},
      {longTitle, longTitle.substr(0, 87), u"0.8!0.3!1!2!35!100!", u"0.8"},
  };
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "title of " << c.title.size() << " characters");
    Exchange exchange(c.key);
    exchange.Write(u"profil2", c.profile);
    Simulator terminal(L"--title \"" + c.title + L"\" --tick-ms 0 --x 200 --y 100 --width 560 --height 480");
    ASSERT_TRUE(terminal.window());
    ASSERT_TRUE(BringToFront(terminal.window()));
    ASSERT_TRUE(ShowsOnTopOf(panel, terminal));
    // The profile stored under the key shows on the buttons, and an order
    // goes under the key.
    const std::wstring lot(c.lot.begin(), c.lot.end());
    EXPECT_TRUE(PumpUntil([&] { return TextOf(panel.BuyLot(0)) == lot; }, 5s));
    ASSERT_TRUE(panel.Click(panel.BuyLot(0)));
    EXPECT_TRUE(exchange.Shows(u"lock", c.lot + u"!0!" + c.lot));
  }
}

// Opens orders through the expert and waits until the panel's once-a-second
// reader has seen them.
void OpenOrders(Exchange& exchange, const std::vector<std::u16string>& commands, std::u16string_view orders) {
  for (const std::u16string& command : commands) ASSERT_TRUE(exchange.Send(command));
  ASSERT_TRUE(exchange.Shows(u"r_ord", orders));
  PumpUntil([] { return false; }, 1300ms);
}

TEST(EndToEnd, OrdersMenuOfEitherCloseButtonListsTheLastOrderFirstAndClosesTheChosenOne) {
  const std::wstring account = AccountOf(6);
  Exchange exchange(account);
  Simulator terminal = Simulator::OfAccount(account, L"--x 100 --y 300 --width 600 --height 480");
  ASSERT_TRUE(terminal.window());
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());
  ASSERT_TRUE(BringToFront(terminal.window()));
  ASSERT_TRUE(ShowsOnTopOf(panel, terminal));
  OpenOrders(exchange,
             {u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!", u"s!0.3!sn!bf!f!35!100$tpc$!999!stop!",
              u"b!0.2!sn!bf!f!35!100$tpc$!999!stop!"},
             u"3!100001!buy!0.1!1.10012!100002!sell!0.3!1.10000!100003!buy!0.2!1.10012");

  // Shown last first: 100003, 100002, 100001. The second entry is the sell order.
  panel.Choose(panel.BuyClose(), 1);
  EXPECT_TRUE(exchange.Shows(u"r_ord", u"2!100001!buy!0.1!1.10012!100003!buy!0.2!1.10012"));
  PumpUntil([] { return false; }, 1300ms);

  // The sell row's button shows the same list, built anew: 100003 first.
  panel.Choose(panel.SellClose(), 0);
  EXPECT_TRUE(exchange.Shows(u"r_ord", u"1!100001!buy!0.1!1.10012"));
}

TEST(EndToEnd, OrdersMenuShownManyTimesLeavesNoGdiObjectBehind) {
  const std::wstring account = AccountOf(7);
  Exchange exchange(account);
  // The simulator publishes once, then no more for the test's time, so that
  // the list written after it stays.
  Simulator terminal = Simulator::OfAccount(account, L"--x 400 --y 400 --width 560 --height 480 --publish-ms 100000");
  ASSERT_TRUE(terminal.window());
  ASSERT_TRUE(exchange.Shows(u"r_ord", u"0"));
  exchange.Write(u"r_ord", u"3!501!buy!0.1!1.1!502!sell!0.2!1.2!503!BUY!0.3!1.3");
  PanelOnTerminal panel;
  ASSERT_TRUE(panel.Window());
  ASSERT_TRUE(ShowsOnTopOf(panel, terminal));
  PumpUntil([] { return false; }, 1300ms);

  // Each round shows the menu twice, dismissed with Escape, then chosen from:
  // the command it writes tells that both popups are over.
  const HWND button = panel.BuyClose();
  const RECT corner = RectOf(button);
  const auto popUp = [&](int rounds) {
    for (int i = 0; i < rounds; ++i) {
      PostMessageW(button, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button), MAKELPARAM(corner.left, corner.top));
      PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
      panel.Choose(button, 0);
      if (!exchange.Shows(u"prikaz", u"ct!503!stop!stop!stop!stop!stop!stop!stop!stop")) {
        const std::u16string written = exchange.Read(u"prikaz");
        ADD_FAILURE() << "round " << i << ": " << std::string(written.begin(), written.end());
        return false;
      }
      exchange.Write(u"prikaz", u"");
    }
    return true;
  };
  ASSERT_TRUE(popUp(3)) << "the first entry closes the last order";  // the menu's font and images are made once
  const int before = panel.LiveGdiObjects();
  ASSERT_GT(before, 0);
  ASSERT_TRUE(popUp(50));
  EXPECT_EQ(panel.LiveGdiObjects(), before);
}

}  // namespace
