#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/glass_button.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

namespace {

using toolkit::Bounds;

TEST(EditModel, ChangeRunsNestedInTheSetterAndOnlyOnRealChange) {
  toolkit::Edit edit(nullptr, Bounds{}, u"0.1");
  std::vector<std::u16string> seen;
  bool inSetter = false;
  edit.OnChange = [&] {
    EXPECT_TRUE(inSetter);
    seen.push_back(edit.Text());
  };
  inSetter = true;
  edit.SetText(u"0.1");
  edit.SetText(u"0.2");
  edit.SetText(u"0.2");
  edit.SetText(u"");
  inSetter = false;
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"0.2", u""}));
}

TEST(EditModel, AChangeHandlerMayRewriteItsOwnText) {
  // Like a filter: the nested set runs the handler once more, then settles.
  toolkit::Edit edit(nullptr, Bounds{}, u"");
  int calls = 0;
  edit.OnChange = [&] {
    ++calls;
    std::u16string kept;
    for (char16_t c : edit.Text())
      if (c != u'x') kept += c;
    edit.SetText(kept);
  };
  edit.SetText(u"1x2");
  EXPECT_EQ(edit.Text(), u"12");
  EXPECT_EQ(calls, 2);
}

TEST(CheckBoxModel, ClickRunsOnlyWhenTheStateChanges) {
  toolkit::CheckBox box(nullptr, Bounds{}, u"Звук", true);
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  box.SetChecked(false);
  box.SetChecked(false);
  box.SetChecked(true);
  EXPECT_EQ(clicks, 2);
}

TEST(RadioButtonModel, SelectingOneClearsTheGroupAndClicksOnlyTheNewOne) {
  toolkit::RadioGroup group;
  toolkit::RadioButton a(nullptr, Bounds{}, u"a", group, true);
  toolkit::RadioButton b(nullptr, Bounds{}, u"b", group, false);
  toolkit::RadioButton c(nullptr, Bounds{}, u"c", group, false);
  std::u16string clicks;
  a.OnClick = [&] { clicks += u'a'; };
  c.OnClick = [&] { clicks += u'c'; };
  b.OnClick = [&] {
    // By the time the click runs, the group already shows the new selection.
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    clicks += u'b';
  };
  b.SetChecked(true);
  b.SetChecked(true);
  c.SetChecked(true);
  EXPECT_EQ(clicks, u"bc");
  EXPECT_FALSE(a.Checked());
  EXPECT_FALSE(b.Checked());
  EXPECT_TRUE(c.Checked());
}

TEST(ControlModel, ViewsHearOnlyRealChanges) {
  toolkit::GlassButton button(nullptr, Bounds{}, u"0", {}, {});
  toolkit::Panel bar(nullptr, Bounds{}, 0x02000000u);
  int buttonNotices = 0;
  int barNotices = 0;
  button.OnModelChanged = [&] { ++buttonNotices; };
  bar.OnModelChanged = [&] { ++barNotices; };
  for (int tick = 0; tick < 3; ++tick) {
    button.SetCaption(u"0.3");
    bar.SetColor(0x0200FF00u);
  }
  EXPECT_EQ(buttonNotices, 1);
  EXPECT_EQ(barNotices, 1);
}

}  // namespace

namespace {

TEST(ControlModel, HintsAndContextMenusComeFromTheNearestSwitch) {
  toolkit::PopupMenu formMenu(true);
  toolkit::PopupMenu ownMenu(false);
  toolkit::Panel root(nullptr, toolkit::Bounds{}, 0);
  toolkit::Panel inner(&root, toolkit::Bounds{}, 0);
  toolkit::CheckBox inherits(&inner, toolkit::Bounds{}, u"a", false);
  toolkit::CheckBox own(&inner, toolkit::Bounds{}, u"b", false);
  root.ContextMenu = &formMenu;
  own.ContextMenu = &ownMenu;
  inherits.Hint = u"hidden";
  own.Hint = u"shown";
  EXPECT_FALSE(inherits.HintShown());  // no switch anywhere: off
  root.ShowHint = true;
  inner.ShowHint = false;
  own.ShowHint = true;
  EXPECT_FALSE(inherits.HintShown());
  EXPECT_TRUE(own.HintShown());
  EXPECT_EQ(inherits.EffectiveContextMenu(), &formMenu);
  EXPECT_EQ(own.EffectiveContextMenu(), &ownMenu);
  EXPECT_EQ(root.Children(), (std::vector<toolkit::Control*>{&inner}));
}

TEST(PopupMenuModel, InsertsAtAnyPlaceAndOwnsItsItems) {
  toolkit::PopupMenu menu(false);
  menu.Add(std::make_unique<toolkit::MenuItem>(u"b"));
  menu.Insert(0, std::make_unique<toolkit::MenuItem>(u"a"));
  menu.Insert(99, std::make_unique<toolkit::MenuItem>(u"c"));
  ASSERT_EQ(menu.Count(), 3u);
  EXPECT_EQ(menu.Item(0).Caption, u"a");
  EXPECT_EQ(menu.Item(2).Caption, u"c");
  menu.Delete(0);
  EXPECT_EQ(menu.Item(0).Caption, u"b");
}

TEST(TimerModel, TicksOnlyWhileEnabledAndTellsTheViewOfSwitches) {
  toolkit::Timer timer(50, true);
  int ticks = 0;
  int switches = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.OnModelChanged = [&] { ++switches; };
  timer.Tick();
  timer.SetEnabled(false);
  timer.Tick();
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(switches, 2);
}

}  // namespace
