#include "tracking/tracking_tick.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

using testing_support::FakeWindowSystem;
using tracking::InFront;
using tracking::WindowHandle;
using tracking::ZOrder;

// A terminal main window whose seventh child holds the chart two levels down.
struct Desktop {
  explicit Desktop(std::u16string title = u"12345: Demo-Server - EURUSD,H1",
                   std::u16string className = std::u16string(tracking::kTerminalClass)) {
    panel = windows.AddWindow({u"TForm1", u"1.38553", {0, 0, 181, 86}, {}});
    terminal = windows.AddWindow({className, title, {100, 100, 900, 700}, {}});
    for (int i = 1; i <= 8; ++i) children.push_back(windows.AddWindow({u"child", u"", {}, {}, terminal}));
    const WindowHandle mdi = windows.AddWindow({u"MDIClient", u"", {}, {}, children[6]});
    chart = windows.AddWindow({u"chart", u"", {150, 180, 850, 650}, {}, mdi});
    other = windows.AddWindow({u"Notepad", u"Untitled", {}, {}});
  }
  FakeWindowSystem windows;
  tracking::TrackingMemory memory;
  WindowHandle panel, terminal, chart, other;
  std::vector<WindowHandle> children;
};

TEST(TerminalKey, IsTheTitleBeforeItsFirstColon) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"12345: Demo-Server - EURUSD,H1", u"12345"},
      {u"abcde:x:y", u"abcde"},
      {u"no colon here", u"no colon here"},
      {u"", u""},
      {u":leading", u""},
  };
  for (const auto& [title, key] : cases) EXPECT_EQ(tracking::TerminalKeyOf(title), key);
}

TEST(TrackingTick, TitlesAreReadThroughAn88CharacterBuffer) {
  std::u16string longTitle(94, u'k');
  longTitle += u":rest of the title";  // the first ':' at position 95
  Desktop d(longTitle);
  d.windows.foreground = d.terminal;
  EXPECT_EQ(tracking::TrackingTick(d.windows, d.panel, d.memory).terminalKey, std::u16string(87, u'k'));
}

TEST(TrackingTick, DecidesByTheWindowInFront) {
  Desktop d;
  struct Case {
    WindowHandle front;
    InFront expected;
    std::vector<std::pair<WindowHandle, ZOrder>> zOrder;
  };
  const Case cases[] = {
      {d.panel, InFront::Panel, {}},
      {d.other, InFront::OtherWindow, {{d.panel, ZOrder::Bottom}}},
      {0, InFront::OtherWindow, {{d.panel, ZOrder::Bottom}}},
      {d.terminal, InFront::Terminal, {{d.panel, ZOrder::ReassertTopmost}}},
  };
  for (const Case& c : cases) {
    d.windows.zOrderCalls.clear();
    d.windows.foreground = c.front;
    const auto tick = tracking::TrackingTick(d.windows, d.panel, d.memory);
    EXPECT_EQ(tick.inFront, c.expected);
    EXPECT_EQ(d.windows.zOrderCalls, c.zOrder);
  }
  d.windows.foreground = d.terminal;
  const auto tick = tracking::TrackingTick(d.windows, d.panel, d.memory);
  EXPECT_EQ(tick.terminalKey, u"12345");
  EXPECT_EQ(tick.chartWindow, d.chart);
  EXPECT_EQ(tick.chartRect, (tracking::Rect{150, 180, 850, 650}));
}

TEST(TrackingTick, ATerminalJustInFrontHasTheTopmostStateAssertedAnewForAWhile) {
  Desktop d;
  const auto ordersOver = [&d](int ticks) {
    std::vector<ZOrder> orders;
    for (int i = 0; i < ticks; ++i) {
      d.windows.zOrderCalls.clear();
      tracking::TrackingTick(d.windows, d.panel, d.memory);
      orders.push_back(d.windows.zOrderCalls.at(0).second);
    }
    return orders;
  };
  d.windows.foreground = d.terminal;
  std::vector<ZOrder> expected(tracking::kReassertTicks, ZOrder::ReassertTopmost);
  expected.insert(expected.end(), 3, ZOrder::Topmost);
  EXPECT_EQ(ordersOver(tracking::kReassertTicks + 3), expected);
  d.windows.foreground = d.panel;  // the user works in the panel, then clicks the terminal again
  tracking::TrackingTick(d.windows, d.panel, d.memory);
  d.windows.foreground = d.terminal;
  EXPECT_EQ(ordersOver(1), std::vector<ZOrder>{ZOrder::ReassertTopmost});
}

TEST(TrackingTick, OnlyTheExactClassNameIsATerminal) {
  for (const std::u16string className : {u"metaquotes::metatrader::4.00", u"MetaQuotes::MetaTrader::5.00",
                                         u"MetaQuotes::MetaTrader::4.00 ", u""}) {
    Desktop d(u"1: x", className);
    d.windows.foreground = d.terminal;
    EXPECT_EQ(tracking::TrackingTick(d.windows, d.panel, d.memory).inFront, InFront::OtherWindow);
  }
}

TEST(TrackingTick, AShallowTreeHasNoChart) {
  Desktop d;
  d.windows.Get(d.terminal).children.resize(6);  // no seventh child
  d.windows.foreground = d.terminal;
  const auto tick = tracking::TrackingTick(d.windows, d.panel, d.memory);
  EXPECT_EQ(tick.inFront, InFront::Terminal);
  EXPECT_EQ(tick.chartWindow, 0u);
  EXPECT_FALSE(tick.chartRect);
}

struct TrackedForm {
  TrackedForm() {
    fake.windows = std::move(desktop.windows);
    form.SetHandle(desktop.panel);
    form.FormCreate();
  }
  Desktop desktop;
  testing_support::FakePlatform fake;
  TForm1 form{fake.platform};
};

TEST(Docking, FollowsTheChartAtThePinnedOffset) {
  TrackedForm t;
  t.fake.windows.foreground = t.desktop.terminal;
  t.form.Timer1Timer();
  EXPECT_EQ(t.form.TerminalKey, u"12345");
  EXPECT_EQ(t.form.Left(), 150);  // never pinned: on the chart's corner
  EXPECT_EQ(t.form.Top(), 180);

  t.fake.windows.foreground = t.desktop.panel;  // the user drags the panel, then pins
  t.form.SetLeft(400);
  t.form.SetTop(500);
  t.form.Timer1Timer();
  EXPECT_EQ(t.form.Left(), 400);
  t.form.N2Click();
  EXPECT_EQ(t.form.DockOffsetX, -250);
  EXPECT_EQ(t.form.DockOffsetY, -320);

  t.fake.windows.Get(t.desktop.chart).rect = {10, 20, 500, 400};  // the terminal moved
  t.fake.windows.foreground = t.desktop.terminal;
  t.form.Timer1Timer();
  EXPECT_EQ(t.form.Left(), 260);
  EXPECT_EQ(t.form.Top(), 340);
}

TEST(Docking, PinBeforeAnyTerminalKeepsZeroOffsets) {
  TrackedForm t;
  t.form.N2Click();
  EXPECT_EQ(t.form.DockOffsetX, 0);
  EXPECT_EQ(t.form.DockOffsetY, 0);
}

TEST(Docking, ATerminalTickReloadsItsProfileAndOtherTicksDoNot) {
  TrackedForm t;
  t.fake.store.values[{u"12345", u"profil2"}] = u"5!6!7!8!9!10!";
  t.fake.windows.foreground = t.desktop.other;
  t.form.Timer1Timer();
  EXPECT_EQ(t.form.Edit1.Text(), u"0.1");
  t.fake.windows.foreground = t.desktop.terminal;
  t.form.Timer1Timer();
  EXPECT_EQ(t.form.Edit1.Text(), u"5");
  EXPECT_EQ(t.form.AdvGlassButton1.Caption(), u"5");
}

}  // namespace
