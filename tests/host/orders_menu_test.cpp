#include "exchange/orders_menu.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/fake_platform.h"
#include "ui/form1.h"

namespace {

using exchange::OrderEntry;

TEST(OrderList, CountsFromTheFirstField) {
  struct Case {
    std::u16string text;
    std::u16string keptText;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"2!101!buy!a!b!102!sell!c!d", u"2!101!buy!a!b!102!sell!c!d", 2},
      {u"1!55!sell!x!y!stop", u"1!55!sell!x!y!stop", 1},
      {u"x!1!buy", u"0!stop", 0},
      {u"1.5!1!buy", u"0!stop", 0},
      {u"99999999999!1", u"0!stop", 0},
      {u"-3!1!buy", u"-3!1!buy", -3},
      {u"", u"", 0},    // a vanished list shows no orders
      {u"!5!buy", u"!5!buy", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    const exchange::OrderList list = exchange::OrderListFrom(c.text);
    EXPECT_EQ(list.text, c.keptText);
    EXPECT_EQ(list.count, c.count);
  }
}

TEST(OrderEntries, OnePerOrderPresent) {
  struct Case {
    std::u16string text;
    std::int32_t count;
    std::vector<OrderEntry> expected;
  };
  const Case cases[] = {
      {u"2!101!buy!a!b!102!sell!c!d", 2, {{u"101    buy a   b", 1}, {u"102    sell c   d", 0}}},
      {u"1!55!sell!x!y!stop", 1, {{u"55    sell x   y", 0}}},
      {u"4!1!BUY!!!2!Buy!!!3!SELL!!!4!!!", 4,
       {{u"1    BUY    ", 1}, {u"2    Buy    ", 0}, {u"3    SELL    ", 0}, {u"4        ", 0}}},
      {u"5!7!buy!a!b", 5, {{u"7    buy a   b", 1}}},  // no entries past the orders present
      {u"2!!buy!a!b!8!buy!c!d", 2, {}},                // nor past one without a ticket
      {u"0!1!buy!a!b", 0, {}},
      {u"-1!1!buy!a!b", -1, {}},
      {u"1!9 9!buy!a!b", 1, {{u"9 9    buy a   b", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(exchange::OrderEntriesFrom(c.text, c.count), c.expected);
  }
}

TEST(OrderEntries, HugeCountsAndListsStayBounded) {
  std::u16string many = u"2147483647";
  for (int i = 0; i < 20000; ++i) many += u"!" + std::u16string(1, u'1' + i % 9) + u"!buy!x!y";
  const auto entries = exchange::OrderEntriesFrom(many, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(entries.size(), exchange::kMaxOrderEntries);
  EXPECT_TRUE(exchange::OrderEntriesFrom(u"2147483647!", std::numeric_limits<std::int32_t>::max()).empty());
}

TEST(TicketOf, IsTheCaptionBeforeTheFirstBlank) {
  EXPECT_EQ(exchange::TicketOf(u"101    buy a   b"), u"101");
  EXPECT_EQ(exchange::TicketOf(u"9 9    buy a   b"), u"9");
  EXPECT_EQ(exchange::TicketOf(u"        "), u"");
}

struct MenuForm {
  testing_support::FakePlatform fake;
  TForm1 form{fake.platform};
  std::vector<std::u16string> Captions() {
    std::vector<std::u16string> captions;
    for (std::size_t i = 0; i < form.PopupMenu2.Count(); ++i) captions.push_back(form.PopupMenu2.Item(i).Caption);
    return captions;
  }
};

TEST(OrdersMenu, ListsTheOrdersLastFirstAndClosesTheChosenOne) {
  MenuForm m;
  m.form.TerminalKey = u"12345";
  m.fake.store.values[{u"12345", u"r_ord"}] = u"2!101!buy!a!b!102!sell!c!d";
  m.form.Timer4Timer();
  EXPECT_EQ(m.form.OrdersCount, 2);
  m.form.AdvGlassButton5.EffectiveContextMenu()->Popup();
  ASSERT_EQ(m.Captions(), (std::vector<std::u16string>{u"102    sell c   d", u"101    buy a   b"}));
  EXPECT_EQ(m.form.PopupMenu2.Item(0).ImageIndex, 0);
  EXPECT_EQ(m.form.PopupMenu2.Item(1).ImageIndex, 1);
  EXPECT_EQ(m.form.AdvGlassButton10.EffectiveContextMenu(), &m.form.PopupMenu2);

  m.fake.store.writes = 0;
  m.form.PopupMenu2.Item(1).Click();
  EXPECT_EQ(m.fake.store.Get(u"12345", u"prikaz"), u"ct!101!stop!stop!stop!stop!stop!stop!stop!stop");
  EXPECT_EQ(m.fake.store.writes, 1);
  EXPECT_EQ(m.fake.shell.calls, (std::vector<std::u16string>{u"beep"}));
}

TEST(OrdersMenu, PlaceholdersNeverShowAndAVanishedListEmptiesTheMenu) {
  MenuForm m;
  EXPECT_EQ(m.form.PopupMenu2.Count(), 2u);  // the design's samples
  m.form.PopupMenu2.Popup();
  EXPECT_TRUE(m.Captions().empty());

  m.fake.store.values[{u"", u"r_ord"}] = u"1!7!buy!a!b";  // no terminal yet: the root
  m.form.Timer4Timer();
  m.form.PopupMenu2.Popup();
  EXPECT_EQ(m.Captions().size(), 1u);
  m.fake.store.values.erase({u"", u"r_ord"});
  m.form.Timer4Timer();
  m.form.PopupMenu2.Popup();
  EXPECT_TRUE(m.Captions().empty());
  m.fake.store.values[{u"", u"r_ord"}] = u"x!7!buy!a!b";
  m.form.Timer4Timer();
  EXPECT_EQ(m.form.OrdersText, u"0!stop");
}

TEST(OrdersMenu, AnEntryWithoutTicketSendsNothing) {
  MenuForm m;
  toolkit::MenuItem blank(u"        ");
  m.form.MyClick(blank);
  EXPECT_TRUE(m.fake.store.values.empty());
  EXPECT_TRUE(m.fake.shell.calls.empty());
}

}  // namespace

namespace {

TEST(OrderEntries, TicketsTooLongToShowAreLeftOut) {
  const std::u16string text = u"2!" + std::u16string(300, u'9') + u"!buy!a!b!12!sell!c!d";
  EXPECT_EQ(exchange::OrderEntriesFrom(text, 2), (std::vector<OrderEntry>{{u"12    sell c   d", 0}}));
}

}  // namespace
