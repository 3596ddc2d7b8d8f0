#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "tests/support/running_panel_win32.h"
#include "tests/support/stand_in_terminal_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/container_views_win32.h"

namespace {

using testing_support::PlaceOf;
using testing_support::TextOf;

// The child of the panel area at a design place (left, top, width, height).
HWND ChildAt(HWND form, int left, int top, int width, int height) {
  for (HWND panel : testing_support::ChildrenOf(form))
    for (HWND child : testing_support::ChildrenOf(panel)) {
      const RECT place = PlaceOf(child);
      if (place.left == left && place.top == top && place.right == width && place.bottom == height) return child;
    }
  return nullptr;
}

std::uint32_t ColorOf(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetPropW(window, toolkit::win32::kColorProperty)));
}

// The status the expert publishes reaches the real panel's title, close
// buttons and bars through the registry.
TEST(PanelStatus, ThePublishedStatusShowsInTheRealPanel) {
  const std::wstring key = L"PanelStatus" + std::to_wstring(GetCurrentProcessId());
  testing_support::StandInTerminal terminal(key, 420, 300);
  testing_support::RunningPanel panel;
  ASSERT_TRUE(panel.Window());
  const HWND buyClose = ChildAt(panel.Window(), 136, 0, 33, 27);
  const HWND sellClose = ChildAt(panel.Window(), 136, 31, 33, 27);
  const HWND levelBar = ChildAt(panel.Window(), 8, 26, 81, 5);
  const HWND directionBar = ChildAt(panel.Window(), 96, 26, 33, 5);
  ASSERT_TRUE(buyClose && sellClose && levelBar && directionBar);
  EXPECT_EQ(ColorOf(levelBar), 15625246u);  // the design's until a terminal is known
  EXPECT_EQ(ColorOf(directionBar), 0x000080u);

  SetForegroundWindow(terminal.Window());
  terminal.Publish(L"bid_ask", L"EURUSD!1.38553!1.38563!10");
  terminal.Publish(L"lock", L"0.3!0.1!-0.2");
  terminal.Publish(L"profit", L"-12.50");
  terminal.Publish(L"macd_uroven", L"40");
  terminal.Publish(L"macd_napravl", L"-3");
  ASSERT_TRUE(testing_support::PumpUntil([&] { return TextOf(panel.Window()) == L" (10) -12.50"; }))
      << "title: " << testing::PrintToString(TextOf(panel.Window()));
  EXPECT_TRUE(testing_support::PumpUntil([&] { return TextOf(buyClose) == L"0.3" && TextOf(sellClose) == L"0.1"; }));
  EXPECT_EQ(ColorOf(levelBar), 0x0200C800u);
  EXPECT_EQ(ColorOf(directionBar), 0x020000FFu);

  terminal.Publish(L"macd_napravl", L"x");  // not a whole number: both bars white
  terminal.Publish(L"lock", L"0");
  EXPECT_TRUE(testing_support::PumpUntil([&] { return ColorOf(levelBar) == 0x02FFFFFFu; }));
  EXPECT_EQ(ColorOf(directionBar), 0x02FFFFFFu);
  EXPECT_TRUE(testing_support::PumpUntil([&] { return TextOf(buyClose) == L"0" && TextOf(sellClose) == L"0"; }));
}

}  // namespace
