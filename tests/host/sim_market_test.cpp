#include "sim/market.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/book.h"
#include "sim/publication.h"

namespace {

std::vector<std::int64_t> Walk(std::uint64_t seed, int steps) {
  sim::Market market(seed);
  std::vector<std::int64_t> bids;
  for (int i = 0; i < steps; ++i) {
    market.Step();
    bids.push_back(market.quote().bid);
  }
  return bids;
}

TEST(Market, TheSameSeedWalksTheSameWay) {
  EXPECT_EQ(Walk(7, 500), Walk(7, 500));
  EXPECT_NE(Walk(7, 500), Walk(8, 500));
}

TEST(Market, StartsAtItsStartPriceWithAFullHistory) {
  for (const std::uint64_t seed : {1u, 2u, 3u}) {
    const sim::Market market(seed);
    EXPECT_EQ(market.quote().bid, sim::Market::kStartBid);
    EXPECT_EQ(market.quote().ask, sim::Market::kStartBid + 12);
    EXPECT_EQ(market.RecentBids().size(), sim::Market::kHistory);
    EXPECT_EQ(market.RecentBids().back(), sim::Market::kStartBid);
  }
}

TEST(Market, QuotesStayPlausibleOverALongRun) {
  sim::Market market(3);
  bool moved = false;
  for (int i = 0; i < 200000; ++i) {
    market.Step();
    const sim::Quote quote = market.quote();
    ASSERT_GE(quote.ask - quote.bid, 10);
    ASSERT_LE(quote.ask - quote.bid, 15);
    ASSERT_GT(quote.bid, 0);
    moved = moved || quote.bid != sim::Market::kStartBid;
  }
  EXPECT_TRUE(moved);
  EXPECT_EQ(market.RecentBids().size(), sim::Market::kHistory);
  EXPECT_EQ(market.RecentBids().back(), market.quote().bid);
}

TEST(Market, TheIndicatorFollowsTheTrend) {
  // Over a long walk the MACD level takes both signs and stays within what
  // a bid can move.
  sim::Market market(11);
  bool above = false;
  bool below = false;
  for (int i = 0; i < 20000; ++i) {
    market.Step();
    above = above || market.MacdLevel() > 0;
    below = below || market.MacdLevel() < 0;
    ASSERT_LE(std::abs(market.MacdLevel()), 1'000'000);
  }
  EXPECT_TRUE(above);
  EXPECT_TRUE(below);
}

TEST(Publication, FormatsPricesLotsAndMoneyExactly) {
  EXPECT_EQ(sim::PriceText(110012), u"1.10012");
  EXPECT_EQ(sim::PriceText(99999), u"0.99999");
  EXPECT_EQ(sim::PriceText(5), u"0.00005");
  EXPECT_EQ(sim::LotText(30), u"0.3");
  EXPECT_EQ(sim::LotText(100), u"1");
  EXPECT_EQ(sim::LotText(-23), u"-0.23");
  EXPECT_EQ(sim::LotText(0), u"0");
  EXPECT_EQ(sim::MoneyText(-1250), u"-12.50");
  EXPECT_EQ(sim::MoneyText(-5), u"-0.05");
  EXPECT_EQ(sim::MoneyText(123456), u"1234.56");
  EXPECT_EQ(sim::MoneyText(0), u"0.00");
  EXPECT_EQ(sim::LockText(10, 30), u"0.1!0.3!-0.2");
  EXPECT_EQ(sim::BidAskText(u"EURUSD", {110000, 110013}), u"EURUSD!1.10000!1.10013!13");
}

class BookAtOneQuote : public testing::Test {
 protected:
  const sim::Quote quote{110000, 110010};
  sim::Book book;
};

TEST_F(BookAtOneQuote, ClosingBuysAtTheBidAndSellsAtTheAskRealisesTheirProfit) {
  book.Open(sim::Side::Buy, 10, {109900, 109910});  // bought at 1.09910
  book.Open(sim::Side::Sell, 20, {110100, 110110});  // sold at 1.10100
  EXPECT_EQ(book.FloatingCents(quote), (110000 - 109910) * 10 + (110100 - 110010) * 20);
  EXPECT_EQ(book.CloseSide(sim::Side::Buy, 100, quote), 10);
  EXPECT_EQ(book.ClosedCents(), 900);
  EXPECT_TRUE(book.CloseTicket(100002, quote));
  EXPECT_EQ(book.ClosedCents(), 900 + 1800);
  EXPECT_FALSE(book.CloseTicket(100002, quote));
  EXPECT_TRUE(book.Orders().empty());
}

TEST_F(BookAtOneQuote, CloseByPairsAtTheOpenPricesWithoutTheSpread) {
  book.Open(sim::Side::Buy, 10, {109900, 109910});
  const auto sell = book.Open(sim::Side::Sell, 30, quote);
  EXPECT_EQ(book.CloseBy(*sell), 10);
  EXPECT_EQ(book.ClosedCents(), (110000 - 109910) * 10);
  ASSERT_EQ(book.Orders().size(), 1u);
  EXPECT_EQ(book.Orders()[0].lot, 20);
  EXPECT_EQ(book.CloseBy(*sell), 0);  // nothing left on the other side
  EXPECT_EQ(book.CloseBy(999), 0);
}

TEST_F(BookAtOneQuote, StopsAreReachedOnTheClosingSideOfTheQuote) {
  struct Case {
    sim::Side side;
    std::int64_t stopLoss, takeProfit;
    sim::Quote quote;
    bool closed, byStopLoss;
  };
  const Case cases[] = {
      {sim::Side::Buy, 109950, 0, {109950, 109960}, true, true},
      {sim::Side::Buy, 109950, 0, {109951, 109961}, false, false},
      {sim::Side::Buy, 0, 110100, {110100, 110110}, true, false},
      {sim::Side::Buy, 0, 110100, {110095, 110105}, false, false},  // only the ask reached it
      {sim::Side::Sell, 110050, 0, {110040, 110050}, true, true},   // the ask closes a sell
      {sim::Side::Sell, 110050, 0, {110049, 110049}, false, false},
      {sim::Side::Sell, 0, 109900, {109890, 109900}, true, false},
      {sim::Side::Sell, 0, 0, {1, 2}, false, false},
  };
  for (const Case& c : cases) {
    sim::Book one;
    one.Open(c.side, 10, quote, c.stopLoss, c.takeProfit);
    const auto stopped = one.CloseAtStops(c.quote);
    ASSERT_EQ(stopped.size(), c.closed ? 1u : 0u) << c.quote.bid;
    if (c.closed) {
      EXPECT_EQ(stopped[0].byStopLoss, c.byStopLoss) << c.quote.bid;
    }
    EXPECT_EQ(one.Orders().empty(), c.closed);
  }
}

TEST_F(BookAtOneQuote, RevisionChangesOnlyWithTheOrders) {
  const auto before = book.Revision();
  book.CloseAtStops(quote);
  book.CloseSide(sim::Side::Buy, 10, quote);
  EXPECT_EQ(book.Revision(), before);
  book.Open(sim::Side::Buy, 10, quote);
  EXPECT_NE(book.Revision(), before);
}

}  // namespace
