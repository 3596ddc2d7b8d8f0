#include "exchange/commands.h"

#include <gtest/gtest.h>


namespace {

using exchange::CloseMode;
using exchange::Side;
using exchange::TpPolicyKind;

const exchange::OrderSettings kDesign{.sound = true, .bestPrice = false, .stopLoss = u"35", .takeProfit = u"100", .lifetime = u"999"};

TEST(OpenCommand, ComposesEveryFieldInOrder) {
  struct Case {
    Side side;
    std::u16string lot;
    exchange::OrderSettings settings;
    bool firstOrder;
    std::u16string policy;
    std::u16string expected;
  };
  const exchange::OrderSettings flags{.sound = false, .bestPrice = true, .stopLoss = u"", .takeProfit = u"", .lifetime = u""};
  const Case cases[] = {
      {Side::Buy, u"0.1", kDesign, true, u"tpc$", u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!"},
      {Side::Sell, u"0.1", kDesign, true, u"tpc$", u"s!0.1!sn!bf!f!-35!-100$tpc$!999!stop!"},
      {Side::Sell, u"0.1", kDesign, true, u"tpon$3$1", u"s!0.1!sn!bf!f!-35!-100$tpon$3$1!999!stop!"},
      {Side::Sell, u"0.1", kDesign, true, u"tpob$3$", u"s!0.1!sn!bf!f!-35!-100$tpob$3$!999!stop!"},
      {Side::Buy, u"0.1", kDesign, false, u"tpc$", u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!"},
      {Side::Buy, u"0.0", flags, false, u"tpo$", u"b!0.0!sf!bn!f!!$tpo$!!stop!"},
      {Side::Sell, u"00", flags, true, u"tpo$", u"s!00!sf!bn!f!-!-$tpo$!!stop!"},
  };
  for (const Case& c : cases) EXPECT_EQ(exchange::OpenCommand(c.side, c.lot, c.settings, c.firstOrder, c.policy), c.expected);
}

TEST(CloseCommand, CarriesTheModeAndNoPrefixOrPolicy) {
  struct Case {
    Side side;
    bool overlap;
    bool standard;
    std::u16string amount;
    std::u16string expected;
  };
  const Case cases[] = {
      {Side::Buy, false, true, u"0.3", u"b!0.3!sn!bf!cb!35!100!999!stop!"},
      {Side::Sell, false, true, u"0.2", u"s!0.2!sn!bf!cs!35!100!999!stop!"},
      {Side::Sell, true, false, u"0.2", u"s!0.2!sn!bf!cn!35!100!999!stop!"},
      {Side::Sell, false, false, u"0.2", u"s!0.2!sn!bf!cf!35!100!999!stop!"},
      {Side::Buy, false, false, u"1.5", u"b!1.5!sn!bf!cf!35!100!999!stop!"},
      // Never two mode tokens, so the fields after the mode stay in place.
      {Side::Buy, true, true, u"0.3", u"b!0.3!sn!bf!cn!35!100!999!stop!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(exchange::CloseCommand(c.side, c.amount, kDesign, exchange::CloseModeOf(c.overlap, c.standard)), c.expected);
}

TEST(SingleOrderCloseCommand, NamesTheTicketAndEndsWithoutDelimiter) {
  EXPECT_EQ(exchange::SingleOrderCloseCommand(u"101"), u"ct!101!stop!stop!stop!stop!stop!stop!stop!stop");
}

TEST(PolicyTag, HasOneFormPerPolicy) {
  EXPECT_EQ(exchange::PolicyTag(TpPolicyKind::EachOwn, u"3", true, u"3"), u"tpc$");
  EXPECT_EQ(exchange::PolicyTag(TpPolicyKind::Common, u"3", true, u"3"), u"tpo$");
  EXPECT_EQ(exchange::PolicyTag(TpPolicyKind::CommonWithSettings, u"5", false, u"3"), u"tpon$5$0");
  EXPECT_EQ(exchange::PolicyTag(TpPolicyKind::CommonWithSettings, u"5", true, u"3"), u"tpon$5$1");
  EXPECT_EQ(exchange::PolicyTag(TpPolicyKind::BreakEvenEach, u"5", true, u"2"), u"tpob$2$");
}

TEST(DrawdownCaption, ShowsTheMultiple) {
  EXPECT_EQ(exchange::DrawdownCaption(u"4"), u"просадка 4*TP");
  EXPECT_EQ(exchange::DrawdownCaption(u""), u"просадка *TP");
}

}  // namespace
