#include <gtest/gtest.h>

#include "tests/support/click_scenarios.h"
#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

using testing_support::ClickScenario;
using testing_support::FakePlatform;

class FormClicks : public testing::TestWithParam<ClickScenario> {};

TEST_P(FormClicks, WriteTheCommandUnderTheTerminalKey) {
  FakePlatform fake;
  auto& store = fake.store;
  TForm1 form(fake.platform);
  form.FormCreate();
  store.values.clear();  // what the start-up stored is not the click's doing
  form.TerminalKey = u"12345";
  GetParam().act(form);

  const auto& expected = GetParam();
  EXPECT_EQ(store.Has(u"12345", u"prikaz"), expected.prikaz.has_value());
  if (expected.prikaz) {
    EXPECT_EQ(store.Get(u"12345", u"prikaz"), *expected.prikaz);
  }
  EXPECT_EQ(store.Has(u"12345", u"lock"), expected.lock.has_value());
  if (expected.lock) {
    EXPECT_EQ(store.Get(u"12345", u"lock"), *expected.lock);
  }
  // Nothing but the command and the reset of the amounts is ever written.
  EXPECT_EQ(store.values.size(), std::size_t{expected.prikaz.has_value()} + std::size_t{expected.lock.has_value()});
}

INSTANTIATE_TEST_SUITE_P(Design, FormClicks, testing::ValuesIn(testing_support::ClickScenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormCommands, BeforeAnyTerminalTheCommandGoesToTheRoot) {
  FakePlatform fake;
  auto& store = fake.store;
  TForm1 form(fake.platform);
  form.FormCreate();
  form.AdvGlassButton5.SetCaption(u"0.2");
  form.AdvGlassButton5.Click();
  EXPECT_EQ(store.Get(u"", u"prikaz"), u"s!0.2!sn!bf!cs!35!100!999!stop!");
  EXPECT_EQ(store.Get(u"", u"lock"), u"0");
}

TEST(FormCommands, ACloseClickResetsOnlyItsOwnButton) {
  FakePlatform fake;
  TForm1 form(fake.platform);
  form.AdvGlassButton10.SetCaption(u"0.3");
  form.AdvGlassButton5.SetCaption(u"0.1");
  form.AdvGlassButton10.Click();
  EXPECT_EQ(form.AdvGlassButton10.Caption(), u"0");
  EXPECT_EQ(form.AdvGlassButton5.Caption(), u"0.1");
}

TEST(FormCommands, LotButtonsFollowTheLotEditsAtStart) {
  FakePlatform fake;
  TForm1 form(fake.platform);
  form.Edit3.SetText(u"1.5");
  form.FormCreate();
  const toolkit::GlassButton* rows[2][4] = {
      {&form.AdvGlassButton6, &form.AdvGlassButton7, &form.AdvGlassButton8, &form.AdvGlassButton9},
      {&form.AdvGlassButton1, &form.AdvGlassButton2, &form.AdvGlassButton3, &form.AdvGlassButton4}};
  const std::u16string lots[4] = {u"0.1", u"0.3", u"1.5", u"2"};
  for (const auto& row : rows)
    for (int i = 0; i < 4; ++i) EXPECT_EQ(row[i]->Caption(), lots[i]);
  EXPECT_EQ(form.TpPolicy, u"tpc$");
  EXPECT_EQ(form.ClientWidth(), 175);
  EXPECT_EQ(form.ClientHeight(), 58);
}

TEST(PolicyHandlers, FollowTheGroupAsItChanges) {
  FakePlatform fake;
  auto& store = fake.store;
  TForm1 form(fake.platform);
  form.FormCreate();
  store.writes = 0;

  form.Edit12.SetText(u"4");  // policy "tpc" selected: only the caption follows
  EXPECT_EQ(form.StaticText1.Caption(), u"просадка 4*TP");
  EXPECT_EQ(form.TpPolicy, u"tpc$");

  form.Edit12.SetText(u"5");
  form.CheckBox10.SetChecked(false);
  form.RadioButton7.SetChecked(true);
  EXPECT_EQ(form.TpPolicy, u"tpon$5$0");
  form.CheckBox10.SetChecked(true);
  EXPECT_EQ(form.TpPolicy, u"tpon$5$1");
  form.Edit12.SetText(u"6");
  EXPECT_EQ(form.TpPolicy, u"tpon$6$1");

  form.Edit13.SetText(u"2");
  EXPECT_EQ(form.StaticText3.Caption(), u"просадка 2*TP");
  form.RadioButton8.SetChecked(true);
  EXPECT_EQ(form.TpPolicy, u"tpob$2$");
  form.CheckBox10.SetChecked(false);
  EXPECT_EQ(form.TpPolicy, u"tpob$2$");

  form.RadioButton6.SetChecked(true);
  EXPECT_EQ(form.TpPolicy, u"tpo$");
  form.RadioButton5.SetChecked(true);
  EXPECT_EQ(form.TpPolicy, u"tpc$");
  EXPECT_EQ(store.writes, 0);
}

}  // namespace
