#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

struct StartedForm {
  StartedForm() {
    fake.shell.versions[fake.shell.programPath] = u"1.2.0.58";
    form.SetHandle(0x42);
    form.FormCreate();
  }
  testing_support::FakePlatform fake;
  TForm1 form{fake.platform};
};

TEST(FormCreate, StartsTopmostCompactWithTheVersionAndPolicy) {
  StartedForm s;
  ASSERT_FALSE(s.fake.windows.zOrderCalls.empty());
  EXPECT_EQ(s.fake.windows.zOrderCalls.front(), std::make_pair(tracking::WindowHandle{0x42}, tracking::ZOrder::Topmost));
  EXPECT_EQ(s.form.ClientWidth(), 175);
  EXPECT_EQ(s.form.ClientHeight(), 58);
  EXPECT_EQ(s.form.Label4.Caption(), u"1.2.0.58");
  EXPECT_EQ(s.form.TpPolicy, u"tpc$");
  EXPECT_EQ(s.form.Caption(), u"1.38553");
  EXPECT_EQ(s.form.DockOffsetX, 0);
  EXPECT_EQ(s.form.DockOffsetY, 0);
}

TEST(FormCreate, NoVersionDataLeavesTheLabelEmpty) {
  testing_support::FakePlatform fake;
  TForm1 form(fake.platform);
  form.FormCreate();
  EXPECT_EQ(form.Label4.Caption(), u"");
}

TEST(Layouts, N1SwitchesBetweenCompactAndFullKeepingThePlace) {
  StartedForm s;
  s.form.SetLeft(300);
  s.form.SetTop(200);
  s.form.N1Click();
  EXPECT_EQ(s.form.ClientWidth(), 279);
  EXPECT_EQ(s.form.ClientHeight(), 303);
  EXPECT_EQ(s.form.Panel1.GetBounds(), (toolkit::Bounds{0, 0, 279, 303}));
  s.form.N1Click();
  EXPECT_EQ(s.form.ClientWidth(), 175);
  EXPECT_EQ(s.form.ClientHeight(), 58);
  s.form.SetClientHeight(100);  // any height but the compact one: back to compact
  s.form.N1Click();
  EXPECT_EQ(s.form.ClientHeight(), 58);
  EXPECT_EQ(s.form.Left(), 300);
  EXPECT_EQ(s.form.Top(), 200);
}

TEST(Calendar, ShiftIsHeldAroundTheOpenRequest) {
  StartedForm s;
  s.form.N4Click();
  EXPECT_EQ(s.fake.shell.calls, (std::vector<std::u16string>{u"shift down", u"open https://www.forexfactory.com/calendar.php",
                                                             u"shift up"}));
  EXPECT_TRUE(kCalendarAddress.ends_with(u"/calendar.php"));
}

TEST(ContextMenus, TheFormMenuHasItsFiveItemsAndTheSeparatorLikeItemDoesNothing) {
  StartedForm s;
  ASSERT_EQ(s.form.PopupMenu1.Count(), 5u);
  EXPECT_TRUE(s.form.PopupMenu1.AutoHotkeys());
  EXPECT_FALSE(s.form.PopupMenu2.AutoHotkeys());
  EXPECT_EQ(s.form.N3->Caption, u"--------");
  const auto before = s.fake.store.values;
  s.form.N3->Click();
  EXPECT_EQ(s.fake.store.values, before);
  EXPECT_EQ(s.form.Edit1.EffectiveContextMenu(), &s.form.PopupMenu1);
}

TEST(Hints, ShowOnlyWhereTheControlSwitchesThemOn) {
  StartedForm s;
  EXPECT_TRUE(s.form.CheckBox1.HintShown());
  EXPECT_EQ(s.form.CheckBox1.Hint, u"Закрываем ордер только,\rесли цена не ухудшилась");
  EXPECT_FALSE(s.form.RadioButton6.HintShown());
  EXPECT_FALSE(s.form.Panel1.HintShown());
  EXPECT_FALSE(s.form.CheckBox13.HintShown());
}

struct Ticking : StartedForm {
  Ticking() {
    form.TerminalKey = u"12345";
    fake.store.values[{u"12345", u"bid_ask"}] = u"EURUSD!1.38553!1.38563!10";
    fake.store.values[{u"12345", u"lock"}] = u"0.3!0.1!0.2";
    fake.store.values[{u"12345", u"profit"}] = u"-12.50";
    fake.store.values[{u"12345", u"macd_uroven"}] = u"40";
    fake.store.values[{u"12345", u"macd_napravl"}] = u"-3";
  }
};

TEST(StatusTick, ShowsThePublishedValues) {
  Ticking t;
  t.fake.store.writes = 0;
  t.form.Timer2Timer();
  EXPECT_EQ(t.form.AdvGlassButton10.Caption(), u"0.3");
  EXPECT_EQ(t.form.AdvGlassButton5.Caption(), u"0.1");
  EXPECT_EQ(t.form.Caption(), u" (10) -12.50");
  EXPECT_EQ(t.form.Panel2.GetColor(), 0x0200C800u);
  EXPECT_EQ(t.form.Panel3.GetColor(), 0x020000FFu);
  EXPECT_EQ(t.fake.store.writes, 0);

  t.form.CheckBox8.SetChecked(false);  // the net amount, on the sell row
  t.form.Timer2Timer();
  EXPECT_EQ(t.form.AdvGlassButton10.Caption(), u"0");
  EXPECT_EQ(t.form.AdvGlassButton5.Caption(), u"0.2");
}

TEST(StatusTick, WithoutATerminalNothingChangesAndNothingIsRead) {
  StartedForm s;
  s.fake.store.values[{u"", u"lock"}] = u"0.3!0.1!0.2";
  s.fake.store.reads = 0;
  for (int i = 0; i < 5; ++i) s.form.Timer2Timer();
  EXPECT_EQ(s.fake.store.reads, 0);
  EXPECT_EQ(s.form.AdvGlassButton10.Caption(), u"0");
  EXPECT_EQ(s.form.Caption(), u"1.38553");
  EXPECT_EQ(s.form.Panel2.GetColor(), 15625246u);
}

TEST(StatusTick, ASteadyStatusChangesNothingOnScreen) {
  Ticking t;
  t.form.Timer2Timer();
  int notices = 0;
  for (toolkit::Control* c : std::initializer_list<toolkit::Control*>{&t.form, &t.form.AdvGlassButton10,
                                                                      &t.form.AdvGlassButton5, &t.form.Panel2,
                                                                      &t.form.Panel3})
    c->OnModelChanged = [&] { ++notices; };
  for (int i = 0; i < 20; ++i) t.form.Timer2Timer();
  EXPECT_EQ(notices, 0);
}

TEST(StatusTick, ACloseClickShowsZeroOnBothButtonsAtTheNextTick) {
  Ticking t;
  t.form.Timer2Timer();
  t.form.AdvGlassButton10.Click();
  EXPECT_EQ(t.form.AdvGlassButton5.Caption(), u"0.1");
  t.form.Timer2Timer();
  EXPECT_EQ(t.form.AdvGlassButton10.Caption(), u"0");
  EXPECT_EQ(t.form.AdvGlassButton5.Caption(), u"0");
}

TEST(StatusTick, AMissingDirectionWhitensBothBars) {
  Ticking t;
  t.fake.store.values.erase({u"12345", u"macd_napravl"});
  t.form.Timer2Timer();
  EXPECT_EQ(t.form.Panel2.GetColor(), 0x02FFFFFFu);
  EXPECT_EQ(t.form.Panel3.GetColor(), 0x02FFFFFFu);
}

}  // namespace
