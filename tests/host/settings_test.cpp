#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

using testing_support::FakePlatform;

// A form on fake services, started with whatever the store holds.
struct Started {
  explicit Started(std::map<testing_support::MemoryStore::Key, std::u16string> stored = {}) {
    fake.store.values = std::move(stored);
    form.FormCreate();
  }
  std::u16string Lots() const {
    std::u16string lots;
    for (const toolkit::GlassButton* b : {&form.AdvGlassButton6, &form.AdvGlassButton7, &form.AdvGlassButton8,
                                          &form.AdvGlassButton9, &form.AdvGlassButton1, &form.AdvGlassButton2,
                                          &form.AdvGlassButton3, &form.AdvGlassButton4})
      lots += b->Caption() + u"|";
    return lots;
  }
  std::u16string Edits() const {
    std::u16string texts;
    for (const toolkit::Edit* e : {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4, &form.Edit10, &form.Edit11})
      texts += e->Text() + u"!";
    return texts;
  }
  FakePlatform fake;
  TForm1 form{fake.platform};
};

std::map<testing_support::MemoryStore::Key, std::u16string> Saved(std::u16string ch1 = u"1") {
  return {{{u"nastr", u"Ch1"}, ch1},   {{u"nastr", u"Ch2"}, u"0"},  {{u"nastr", u"Ch3"}, u"0"},
          {{u"nastr", u"Ch4"}, u"1"},  {{u"nastr", u"Ch5"}, u"0"},  {{u"nastr", u"Ch6"}, u"1"},
          {{u"nastr", u"Ch7"}, u"0"},  {{u"nastr", u"Ch8"}, u"0"},  {{u"nastr", u"v1"}, u"0.2"},
          {{u"nastr", u"v2"}, u"0.5"}, {{u"nastr", u"v3"}, u"3"},   {{u"nastr", u"v4"}, u"4"},
          {{u"nastr", u"v9"}, u"60"},  {{u"nastr", u"v10"}, u"20"}, {{u"nastr", u"v11"}, u"40"}};
}

TEST(SettingsLoad, FirstStartKeepsTheDesignAndStoresOnlyTheProfile) {
  Started s;
  EXPECT_EQ(s.Edits(), u"0.1!0.3!1!2!35!100!");
  EXPECT_EQ(s.Lots(), u"0.1|0.3|1|2|0.1|0.3|1|2|");
  EXPECT_EQ(s.fake.store.values,
            (std::map<testing_support::MemoryStore::Key, std::u16string>{{{u"", u"profil2"}, u"0.1!0.3!1!2!35!100!"}}));
  EXPECT_TRUE(s.form.CheckBox8.Checked());
  EXPECT_TRUE(s.form.CheckBox3.Checked());
}

TEST(SettingsLoad, Ch1DecidesWhetherSettingsExistInCodeUnitOrder) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"", false}, {u"-1", false}, {u"-0", false}, {u"+", false}, {u" 1", false},
      {u"0", true}, {u"1", true},   {u"-2", true},  {u"-10", true}, {u"true", true},
  };
  for (const auto& [ch1, present] : cases) {
    SCOPED_TRACE(testing::PrintToString(ch1));
    Started s(Saved(ch1));
    EXPECT_EQ(s.form.Edit9.Text(), present ? u"60" : u"999");
  }
}

TEST(SettingsLoad, LaterStartTakesEditsAndFlags) {
  Started s(Saved());
  EXPECT_EQ(s.Edits(), u"0.2!0.5!3!4!20!40!");
  EXPECT_EQ(s.form.Edit9.Text(), u"60");
  EXPECT_EQ(s.Lots(), u"0.2|0.5|3|4|0.2|0.5|3|4|");
  const bool expected[8] = {true, false, false, true, false, true, false, false};
  const toolkit::CheckBox* boxes[8] = {&s.form.CheckBox1, &s.form.CheckBox2, &s.form.CheckBox3, &s.form.CheckBox4,
                                       &s.form.CheckBox5, &s.form.CheckBox6, &s.form.CheckBox7, &s.form.CheckBox8};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(boxes[i]->Checked(), expected[i]) << "CheckBox" << i + 1;
  EXPECT_EQ(s.fake.store.Get(u"", u"profil2"), u"0.2!0.5!3!4!20!40!");
  EXPECT_FALSE(s.fake.store.Has(u"nastr", u"profil1"));
}

TEST(SettingsLoad, V1ZeroKeepsTheEditsButStillLoadsFlags) {
  auto stored = Saved();
  stored[{u"nastr", u"v1"}] = u"0";
  Started s(stored);
  EXPECT_EQ(s.Edits(), u"0.1!0.3!1!2!35!100!");
  EXPECT_EQ(s.form.Edit9.Text(), u"999");
  EXPECT_TRUE(s.form.CheckBox4.Checked());
  EXPECT_FALSE(s.form.CheckBox3.Checked());
}

TEST(SettingsLoad, FlagsAndFilteredLots) {
  auto stored = Saved();
  stored[{u"nastr", u"Ch2"}] = u"1";
  stored[{u"nastr", u"Ch8"}] = u"1";
  stored[{u"nastr", u"Ch4"}] = u"true";
  stored[{u"nastr", u"v1"}] = u"0,1";
  stored[{u"nastr", u"v3"}] = u"0,1";
  stored.erase({u"nastr", u"v11"});
  Started s(stored);
  EXPECT_TRUE(s.form.CheckBox8.Checked());  // Ch8 comes last and wins
  EXPECT_FALSE(s.form.CheckBox2.Checked());
  EXPECT_FALSE(s.form.CheckBox4.Checked());
  EXPECT_EQ(s.form.Edit1.Text(), u"01");
  EXPECT_EQ(s.form.Edit3.Text(), u"0,1");
  EXPECT_EQ(s.form.Edit11.Text(), u"");
}

TEST(SettingsLoad, OverlapModeAloneStaysTicked) {
  auto stored = Saved();
  stored[{u"nastr", u"Ch2"}] = u"1";
  Started s(stored);
  EXPECT_TRUE(s.form.CheckBox2.Checked());
  EXPECT_FALSE(s.form.CheckBox8.Checked());
}

TEST(SettingsSave, CloseWritesEditsAndFlagsOnly) {
  Started s;
  s.fake.store.values.clear();
  s.form.CheckBox2.SetChecked(true);  // clears CheckBox8
  s.form.FormClose();
  const auto& v = s.fake.store.values;
  EXPECT_EQ(v.size(), 15u);
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"v1"), u"0.1");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"v9"), u"999");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"v11"), u"100");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"Ch2"), u"1");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"Ch8"), u"0");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"Ch3"), u"1");

  Started again(v);  // and the next start shows them
  EXPECT_TRUE(again.form.CheckBox2.Checked());
  EXPECT_FALSE(again.form.CheckBox8.Checked());
  EXPECT_EQ(again.Edits(), u"0.1!0.3!1!2!35!100!");
}

TEST(Profiles, AReloadThatChangesNothingWritesNothing) {
  Started s;
  s.form.TerminalKey = u"12345";
  s.fake.store.values[{u"12345", u"profil2"}] = u"0.1!0.3!1!2!35!100!";
  s.fake.store.writes = 0;
  s.fake.store.reads = 0;
  for (int tick = 0; tick < 10; ++tick) s.form.readnastr();
  EXPECT_EQ(s.fake.store.writes, 0);
  EXPECT_EQ(s.fake.store.reads, 10);
}

TEST(Profiles, AReloadThatChangesFieldsEndsWithTheStoredProfileEqualToTheEdits) {
  Started s;
  s.form.TerminalKey = u"12345";
  s.fake.store.values[{u"12345", u"profil2"}] = u"0.5!0.7!x!9!10!20!";
  s.fake.store.writes = 0;
  s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"0.5!0.7!x!9!10!20!");
  EXPECT_EQ(s.Lots(), u"0.5|0.7|x|9|0.5|0.7|x|9|");
  EXPECT_EQ(s.fake.store.Get(u"12345", u"profil2"), u"0.5!0.7!x!9!10!20!");
  EXPECT_EQ(s.fake.store.writes, 6);  // one per changed edit
  s.form.readnastr();
  EXPECT_EQ(s.fake.store.writes, 6);
}

TEST(Profiles, ShortProfilesAndTheLotFilter) {
  Started s;
  s.form.TerminalKey = u"k";
  s.fake.store.values[{u"k", u"profil2"}] = u"a1!0.2!3!4";
  s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"1!0.2!3!4!!!");
  EXPECT_EQ(s.fake.store.Get(u"k", u"profil2"), u"1!0.2!3!4!!!");
}

TEST(Profiles, ATerminalWithoutItsOwnProfileTakesACopyOfTheShared) {
  Started s;
  s.form.TerminalKey = u"k";
  s.fake.store.values[{u"nastr", u"profil1"}] = u"1!2!3!4!5!6!";
  s.fake.store.values[{u"k", u"profil2"}] = u"9!!9!9!9!9!";  // an empty lot 2 is as good as missing
  s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"1!2!3!4!5!6!");
  EXPECT_EQ(s.fake.store.Get(u"k", u"profil2"), u"1!2!3!4!5!6!");
  const int writes = s.fake.store.writes;
  s.form.readnastr();
  EXPECT_EQ(s.fake.store.writes, writes);
}

TEST(Profiles, WithNeitherProfileTheLotsShownAreKeptAndStoredOnce) {
  Started s;
  s.form.Edit2.SetText(u"0.4");
  s.form.TerminalKey = u"first-terminal";
  s.fake.store.writes = 0;
  for (int tick = 0; tick < 20; ++tick) s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"0.1!0.4!1!2!35!100!");
  EXPECT_EQ(s.Lots(), u"0.1|0.4|1|2|0.1|0.4|1|2|");
  EXPECT_EQ(s.fake.store.Get(u"first-terminal", u"profil2"), u"0.1!0.4!1!2!35!100!");
  EXPECT_EQ(s.fake.store.writes, 1);
}

TEST(Profiles, SharedModeFallsBackToDefaultsOnce) {
  Started s;
  s.form.TerminalKey = u"k";
  s.fake.store.writes = 0;
  s.form.CheckBox13.SetChecked(true);
  EXPECT_EQ(s.Edits(), u"0.1!0.1!0.1!0.1!0!0!");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"profil1"), u"0.1!0.1!0.1!0.1!0!0!");
  const int writes = s.fake.store.writes;
  s.form.readnastr();
  EXPECT_EQ(s.fake.store.writes, writes);
  // Typing now lands in the shared profile, not the terminal's.
  s.form.Edit10.SetText(u"15");
  EXPECT_EQ(s.fake.store.Get(u"nastr", u"profil1"), u"0.1!0.1!0.1!0.1!15!0!");
  EXPECT_EQ(s.fake.store.Get(u"k", u"profil2"), u"");
}

// A profile too long to read is no missing one: no fallback writes over it,
// in either mode, and the lots shown stay.
TEST(Profiles, OneTooLongToReadStaysAsStoredAndSoDoTheLotsShown) {
  const std::u16string tooLong = u"5!5!5!5!5!5!" + std::u16string(core::kMaxValueChars, u'5');
  for (const bool sharedMode : {false, true}) {
    SCOPED_TRACE(sharedMode ? "shared" : "per terminal");
    Started s;
    s.form.TerminalKey = u"k";
    s.form.Edit2.SetText(u"0.4");
    const std::u16string shared = sharedMode ? tooLong : u"1!2!3!4!5!6!";
    s.fake.store.values[{u"nastr", u"profil1"}] = shared;
    s.fake.store.values[{u"k", u"profil2"}] = tooLong;
    s.fake.store.writes = 0;
    if (sharedMode) s.form.CheckBox13.SetChecked(true);
    for (int tick = 0; tick < 3; ++tick) s.form.readnastr();
    EXPECT_EQ(s.Edits(), u"0.1!0.4!1!2!35!100!");
    EXPECT_TRUE(s.fake.store.Get(u"nastr", u"profil1") == shared);
    EXPECT_TRUE(s.fake.store.Get(u"k", u"profil2") == tooLong);
    EXPECT_EQ(s.fake.store.writes, 0);
  }
}

TEST(Profiles, TwoTerminalsKeepTwoProfiles) {
  Started s;
  s.fake.store.values[{u"111", u"profil2"}] = u"1!1!1!1!11!11!";
  s.fake.store.values[{u"222", u"profil2"}] = u"2!2!2!2!22!22!";
  s.form.TerminalKey = u"111";
  s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"1!1!1!1!11!11!");
  s.form.Edit1.SetText(u"1.5");
  s.form.TerminalKey = u"222";
  s.form.readnastr();
  EXPECT_EQ(s.Edits(), u"2!2!2!2!22!22!");
  EXPECT_EQ(s.fake.store.Get(u"111", u"profil2"), u"1.5!1!1!1!11!11!");
  EXPECT_EQ(s.fake.store.Get(u"222", u"profil2"), u"2!2!2!2!22!22!");
}

TEST(Profiles, WritesPauseTheStatusTimer) {
  Started s;
  int switches = 0;
  s.form.Timer2.OnModelChanged = [&] { ++switches; };
  s.form.Writenastr();
  EXPECT_EQ(switches, 2);
  EXPECT_TRUE(s.form.Timer2.Enabled());
}

TEST(ProfileMode, N11TogglesTheModeAndItsCaption) {
  Started s;
  EXPECT_EQ(s.form.N11->Caption, u"Выкл. общий профиль");
  s.form.N11Click();
  EXPECT_TRUE(s.form.CheckBox13.Checked());
  EXPECT_EQ(s.form.N11->Caption, u"Выкл. общий профиль");
  s.form.N11Click();
  EXPECT_FALSE(s.form.CheckBox13.Checked());
  EXPECT_EQ(s.form.N11->Caption, u"Вкл. общий профиль");
}

TEST(EditFilters, KeystrokesAreFilteredAndWrittenOncePerRealChange) {
  struct Case {
    toolkit::Edit TForm1::*edit;
    std::u16string typed;
    std::u16string kept;
    std::size_t caret;  // where the caret ends; npos: not moved
    int writes;
  };
  const Case cases[] = {
      {&TForm1::Edit1, u"0.1a", u"0.1", 3, 2},  // the filter's own change writes too
      {&TForm1::Edit2, u"0.25", u"0.25", 4, 1},
      {&TForm1::Edit4, u"-3", u"3", 1, 2},
      {&TForm1::Edit3, u"1a", u"1a", std::u16string::npos, 1},
      {&TForm1::Edit3, u"1!5", u"15", 1, 2},
      {&TForm1::Edit10, u"3!5", u"35", 1, 2},
      {&TForm1::Edit10, u"4!5", u"45", 1, 2},
      {&TForm1::Edit11, u"1$0!0", u"100", 1, 2},
      {&TForm1::Edit11, u"$50", u"50", 0, 2},
      {&TForm1::Edit9, u"9!9", u"99", 1, 0},
      {&TForm1::Edit12, u"4$", u"4", 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    Started s;
    toolkit::Edit& edit = s.form.*c.edit;
    edit.SetCaretPosition(99);
    s.fake.store.writes = 0;
    edit.SetText(c.typed);
    EXPECT_EQ(edit.Text(), c.kept);
    EXPECT_EQ(edit.CaretPosition(), c.caret == std::u16string::npos ? 99u : c.caret);
    EXPECT_EQ(s.fake.store.writes, c.writes);
  }
}

TEST(EditFilters, DelimitersNeverReachACommand) {
  Started s;
  s.form.Edit10.SetText(u"3!5");
  s.form.Edit11.SetText(u"10$0");
  s.form.Edit12.SetText(u"2!");
  s.form.RadioButton7.SetChecked(true);
  s.form.AdvGlassButton6.Click();
  EXPECT_EQ(s.fake.store.Get(u"", u"prikaz"), u"b!0.1!sn!bf!f!-35!-100$tpon$2$1!999!stop!");
  EXPECT_EQ(s.form.StaticText1.Caption(), u"просадка 2*TP");
}

}  // namespace
