#include "sim/expert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/memory_store.h"

namespace {

constexpr char16_t kKey[] = u"12345";
// Until the market steps, the quote is 1.10000 / 1.10012.
constexpr char16_t kBuy01[] = u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!";
constexpr char16_t kBuy02[] = u"b!0.2!sn!bf!f!35!100$tpc$!999!stop!";
constexpr char16_t kBuy03[] = u"b!0.3!sn!bf!f!35!100$tpc$!999!stop!";
constexpr char16_t kSell01[] = u"s!0.1!sn!bf!f!35!100$tpc$!999!stop!";
constexpr char16_t kSell02[] = u"s!0.2!sn!bf!f!35!100$tpc$!999!stop!";
constexpr char16_t kSell03[] = u"s!0.3!sn!bf!f!35!100$tpc$!999!stop!";

class SimulatedExpert : public testing::Test {
 protected:
  // Writes each command as the panel does, then lets the expert poll once.
  void Send(std::u16string_view command) {
    store.WriteIniReg(kKey, u"prikaz", command);
    expert.TakeCommand();
    expert.Publish();
  }
  std::u16string Value(std::u16string_view name) const { return store.Get(kKey, name); }

  testing_support::MemoryStore store;
  sim::Expert expert{store, kKey, 42};
};

struct Scenario {
  const char* name;
  std::vector<std::u16string> commands;
  std::u16string lock;
  std::u16string orders;
};

class Scenarios : public SimulatedExpert, public testing::WithParamInterface<Scenario> {};

TEST_P(Scenarios, PublishThePositionsTheCommandsLeave) {
  for (const auto& command : GetParam().commands) Send(command);
  EXPECT_EQ(Value(u"lock"), GetParam().lock);
  EXPECT_EQ(Value(u"r_ord"), GetParam().orders);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Scenarios,
    testing::Values(
        Scenario{"OneBuyAtTheAsk", {kBuy01}, u"0.1!0!0.1", u"1!100001!buy!0.1!1.10012"},
        Scenario{"BuyAndSell",
                 {kBuy01, kSell03},
                 u"0.1!0.3!-0.2",
                 u"2!100001!buy!0.1!1.10012!100002!sell!0.3!1.10000"},
        Scenario{"EqualCommandsTwiceAreTwoOrders", {kBuy01, kBuy01}, u"0.2!0!0.2",
                 u"2!100001!buy!0.1!1.10012!100002!buy!0.1!1.10012"},
        Scenario{"RowCloseOfBuysTakesTheOldestFirstTheLastInPart",
                 {kBuy01, kBuy02, kSell01, u"b!0.2!sn!bf!cb!35!100!999!stop!"},
                 u"0.1!0.1!0",
                 u"2!100002!buy!0.1!1.10012!100003!sell!0.1!1.10000"},
        Scenario{"RowCloseOfSellsBeyondTheirAmountClosesThemAll",
                 {kBuy01, kSell02, u"s!0.5!sn!bf!cs!35!100!999!stop!"},
                 u"0.1!0!0.1",
                 u"1!100001!buy!0.1!1.10012"},
        Scenario{"CoverOpensTheOppositeLock",
                 {kBuy03, u"s!0.3!sn!bf!cf!35!100!999!stop!"},
                 u"0.3!0.3!0",
                 u"2!100001!buy!0.3!1.10012!100002!sell!0.3!1.10000"},
        Scenario{"OverlapThenCloseNetsTheRowOut", {kBuy03, u"s!0.3!sn!bf!cn!35!100!999!stop!"}, u"0!0!0", u"0"},
        Scenario{"OverlapThenCloseAcrossTwoOrders",
                 {kBuy01, kBuy02, u"s!0.2!sn!bf!cn!35!100!999!stop!"},
                 u"0.1!0!0.1",
                 u"1!100002!buy!0.1!1.10012"},
        Scenario{"OverlapBeyondTheOtherSideLeavesTheRest",
                 {kSell01, u"b!0.3!sn!bf!cn!35!100!999!stop!"},
                 u"0.2!0!0.2",
                 u"1!100002!buy!0.2!1.10012"},
        Scenario{"RowCloseWithNothingToCloseChangesNothing",
                 {kSell01, u"b!0.1!sn!bf!cb!35!100!999!stop!"},
                 u"0!0.1!-0.1",
                 u"1!100001!sell!0.1!1.10000"},
        Scenario{"SingleOrderClose",
                 {kBuy01, kSell02, u"ct!100001!stop!stop!stop!stop!stop!stop!stop!stop"},
                 u"0!0.2!-0.2",
                 u"1!100002!sell!0.2!1.10000"},
        Scenario{"SingleOrderCloseOfAnUnknownTicket",
                 {kBuy01, u"ct!100007!stop!stop!stop!stop!stop!stop!stop!stop"},
                 u"0.1!0!0.1",
                 u"1!100001!buy!0.1!1.10012"},
        Scenario{"MalformedCommandsAreIgnored",
                 {kBuy01, u"garbage", u"b!0.1!sn!bf!f!35!100!999!stop!", u"b!0!sn!bf!cb!35!100!999!stop!",
                  u"ct!!stop!stop!stop!stop!stop!stop!stop!stop"},
                 u"0.1!0!0.1",
                 u"1!100001!buy!0.1!1.10012"},
        Scenario{"AmountsStayExactInDecimal",
                 {u"b!0.1!sn!bf!f!!$tpc$!!stop!", u"b!0.2!sn!bf!f!!$tpc$!!stop!", u"s!0.07!sn!bf!f!!$tpc$!!stop!"},
                 u"0.3!0.07!0.23",
                 u"3!100001!buy!0.1!1.10012!100002!buy!0.2!1.10012!100003!sell!0.07!1.10000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimulatedExpert, MarksACommandTakenByEmptyingIt) {
  store.WriteIniReg(kKey, u"prikaz", kBuy01);
  const auto taken = expert.TakeCommand();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->command, kBuy01);
  EXPECT_EQ(taken->outcome, u"opened #100001 buy 0.1 at 1.10012, SL 1.09977, TP 1.10112");
  EXPECT_TRUE(taken->sound);
  EXPECT_EQ(Value(u"prikaz"), u"");

  const int writes = store.writes;
  EXPECT_FALSE(expert.TakeCommand());
  EXPECT_EQ(store.writes, writes);  // nothing waiting: nothing written

  store.WriteIniReg(kKey, u"prikaz", u"nonsense");
  const auto ignored = expert.TakeCommand();
  ASSERT_TRUE(ignored);
  EXPECT_EQ(ignored->outcome.rfind(u"ignored: ", 0), 0u);
  EXPECT_FALSE(ignored->sound);
  EXPECT_EQ(Value(u"prikaz"), u"");
}

TEST_F(SimulatedExpert, ShowsOnlyTheStartOfAnEnormousCommand) {
  store.WriteIniReg(kKey, u"prikaz", std::u16string(core::kMaxValueChars, u'b'));
  const auto taken = expert.TakeCommand();
  ASSERT_TRUE(taken);
  EXPECT_LT(taken->command.size(), 200u);
  EXPECT_EQ(Value(u"prikaz"), u"");
}

TEST_F(SimulatedExpert, PublishesEveryStatusValueInItsFormat) {
  expert.Publish();
  EXPECT_EQ(Value(u"bid_ask"), u"EURUSD!1.10000!1.10012!12");
  EXPECT_EQ(Value(u"lock"), u"0!0!0");
  EXPECT_EQ(Value(u"profit"), u"0.00");
  auto whole = [](std::int32_t value) {
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
  };
  EXPECT_EQ(Value(u"macd_uroven"), whole(expert.market().MacdLevel()));
  EXPECT_EQ(Value(u"macd_napravl"), whole(expert.market().MacdDirection()));
  EXPECT_EQ(Value(u"r_ord"), u"0");

  // A buy at the ask, valued at the bid: 12 points of 0.1 lot lost.
  Send(kBuy01);
  EXPECT_EQ(Value(u"profit"), u"-1.20");
  Send(kSell02);
  EXPECT_EQ(Value(u"profit"), u"-3.60");
}

TEST_F(SimulatedExpert, UsesOnlyItsOwnKey) {
  testing_support::MemoryStore shared;
  sim::Expert first(shared, u"111", 1);
  sim::Expert second(shared, u"222", 1);
  shared.WriteIniReg(u"111", u"prikaz", kBuy01);
  first.TakeCommand();
  second.TakeCommand();
  first.Publish();
  second.Publish();
  EXPECT_EQ(shared.Get(u"111", u"lock"), u"0.1!0!0.1");
  EXPECT_EQ(shared.Get(u"222", u"lock"), u"0!0!0");
  for (const auto& [key, value] : shared.values) EXPECT_TRUE(key.first == u"111" || key.first == u"222");
}

TEST_F(SimulatedExpert, PlacesStopsFromThePriceOrFromTheSidesFirstOrder) {
  Send(u"s!0.1!sn!bf!f!35!100$tpc$!999!stop!");
  for (int step = 0; step < 100 && expert.market().quote().bid == 110000; ++step) expert.StepMarket();
  const std::int64_t bid = expert.market().quote().bid;
  ASSERT_NE(bid, 110000);  // the first sell stands at 1.10000
  ASSERT_EQ(expert.book().Orders().size(), 1u);  // far from its stops
  Send(u"s!0.1!sn!bf!f!-35!-100$tpc$!999!stop!");
  Send(u"s!0.1!sn!bf!f!35!100$tpc$!999!stop!");
  Send(u"b!0.1!sn!bf!f!-20!-50$tpc$!999!stop!");  // no buy yet: from its own price
  const auto& orders = expert.book().Orders();
  ASSERT_EQ(orders.size(), 4u);
  EXPECT_EQ(orders[1].stopLoss, 110000 + 35);
  EXPECT_EQ(orders[1].takeProfit, 110000 - 100);
  EXPECT_EQ(orders[2].stopLoss, bid + 35);
  EXPECT_EQ(orders[2].takeProfit, bid - 100);
  EXPECT_EQ(orders[3].stopLoss, orders[3].openPrice - 20);
  EXPECT_EQ(orders[3].takeProfit, orders[3].openPrice + 50);
}

TEST_F(SimulatedExpert, CommonProfitPoliciesGiveTheSideOneTakeProfit) {
  Send(u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!");
  Send(u"s!0.1!sn!bf!f!35!100$tpc$!999!stop!");
  Send(u"b!0.1!sn!bf!f!35!300$tpo$!999!stop!");
  Send(u"b!0.1!sn!bf!f!35!200$tpon$3$1!999!stop!");
  Send(u"b!0.1!sn!bf!f!35!50$tpob$3$!999!stop!");
  const auto& orders = expert.book().Orders();
  ASSERT_EQ(orders.size(), 5u);
  EXPECT_EQ(orders[0].takeProfit, 110012 + 200);
  EXPECT_EQ(orders[1].takeProfit, 110000 - 100);  // the other side keeps its own
  EXPECT_EQ(orders[2].takeProfit, 110012 + 200);
  EXPECT_EQ(orders[3].takeProfit, 110012 + 200);
  EXPECT_EQ(orders[4].takeProfit, 110012 + 50);
}

TEST_F(SimulatedExpert, StopsCloseOrdersAsThePriceMoves) {
  // Tight stops on both sides: within a few hundred steps every order is gone.
  Send(u"b!0.1!sn!bf!f!3!3$tpc$!999!stop!");
  Send(u"s!0.2!sn!bf!f!3!3$tpc$!999!stop!");
  std::vector<std::u16string> outcomes;
  for (int step = 0; step < 500 && !expert.book().Orders().empty(); ++step)
    for (const auto& happening : expert.StepMarket()) outcomes.push_back(happening.outcome);
  expert.Publish();
  EXPECT_EQ(Value(u"lock"), u"0!0!0");
  EXPECT_EQ(Value(u"r_ord"), u"0");
  ASSERT_EQ(outcomes.size(), 2u);
  for (const auto& outcome : outcomes)
    EXPECT_TRUE(outcome.find(u"closed #10000") != std::u16string::npos) << std::string(outcome.begin(), outcome.end());
}

TEST_F(SimulatedExpert, ABookFullOfOrdersRefusesMore) {
  for (std::size_t i = 0; i < sim::Book::kMaxOrders; ++i) Send(kBuy01);
  store.WriteIniReg(kKey, u"prikaz", kSell01);
  EXPECT_EQ(expert.TakeCommand()->outcome, u"refused: too many open orders");
  store.WriteIniReg(kKey, u"prikaz", u"b!0.1!sn!bf!cf!35!100!999!stop!");
  EXPECT_EQ(expert.TakeCommand()->outcome, u"refused: too many open orders");
  expert.Publish();
  EXPECT_EQ(Value(u"lock"), u"20!0!20");
  // A row close still works on a full book.
  Send(u"b!20!sn!bf!cb!35!100!999!stop!");
  EXPECT_EQ(Value(u"r_ord"), u"0");
}

TEST_F(SimulatedExpert, SurvivesArbitraryCommands) {
  const std::u16string alphabet = u"!$-.0123bscftpnoE";
  std::uint32_t state = 99;
  for (int round = 0; round < 2000; ++round) {
    std::u16string text;
    for (int i = 0; i < round % 60 + 1; ++i) {
      state = state * 1664525u + 1013904223u;
      text.push_back(alphabet[(state >> 16) % alphabet.size()]);
    }
    Send(text);
    ASSERT_EQ(Value(u"prikaz"), u"");
  }
  EXPECT_LE(expert.book().Orders().size(), sim::Book::kMaxOrders);
}

}  // namespace
