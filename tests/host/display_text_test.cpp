#include "core/display_text.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

TEST(ShownText, CutsLongTextsButNeverASurrogatePair) {
  EXPECT_EQ(core::ShownText(u"short"), u"short");
  EXPECT_EQ(core::ShownText(std::u16string(1 << 20, u'x')).size(), core::kMaxShownChars);
  std::u16string pairs;
  while (pairs.size() < 400) pairs += u"\U0001F600";
  const std::u16string cut = core::ShownText(pairs);
  EXPECT_EQ(cut.size() % 2, 0u);
  EXPECT_LE(cut.size(), core::kMaxShownChars);
}

// The longest values the store reads, in every place the panel reads, reach
// its controls cut, and the stored values stay as they are unless the design
// writes them anyway.
TEST(ShownText, HugeValuesReachTheControlsCut) {
  testing_support::FakePlatform fake;
  TForm1 form(fake.platform);
  form.FormCreate();
  form.TerminalKey = u"k";
  const std::u16string huge(core::kMaxValueChars / 3 - 10, u'7');
  fake.store.values[{u"k", u"bid_ask"}] = u"s!" + huge + u"!" + huge + u"!" + huge;
  fake.store.values[{u"k", u"lock"}] = huge + u"!" + huge + u"!" + huge;
  fake.store.values[{u"k", u"profit"}] = huge;
  fake.store.values[{u"k", u"macd_uroven"}] = huge;
  fake.store.values[{u"k", u"macd_napravl"}] = huge;
  fake.store.values[{u"k", u"r_ord"}] = u"1!" + huge + u"!buy!" + huge + u"!" + huge;
  form.CheckBox8.SetChecked(false);
  form.Timer2Timer();
  form.Timer4Timer();
  form.PopupMenu2.Popup();
  EXPECT_LE(form.Caption().size(), core::kMaxShownChars);
  EXPECT_LE(form.AdvGlassButton5.Caption().size(), core::kMaxShownChars);
  EXPECT_EQ(form.Panel2.GetColor(), 0x02FFFFFFu);  // not a 32-bit number
  EXPECT_EQ(form.PopupMenu2.Count(), 0u);
  EXPECT_EQ(fake.store.Get(u"k", u"lock").size(), huge.size() * 3 + 2);

  fake.store.values[{u"k", u"profil2"}] = u"1!" + huge + u"!" + huge + u"!4!5!6!";
  form.readnastr();
  for (const toolkit::Edit* edit : {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4})
    EXPECT_LE(edit->Text().size(), core::kMaxShownChars);
  EXPECT_EQ(form.Edit3.Text(), std::u16string(core::kMaxShownChars, u'7'));
}

}  // namespace
