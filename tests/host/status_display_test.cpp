#include "exchange/status_display.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using exchange::BarColors;
using exchange::CloseCaptions;

TEST(CloseCaptions, FollowTheAmountsByMode) {
  struct Case {
    std::u16string lock;
    bool separate;
    CloseCaptions expected;
  };
  const Case cases[] = {
      {u"0.3!0.1!0.2", true, {u"0.3", u"0.1"}},
      {u"-0.2!abc", true, {u"0.2", u"0"}},
      {u"0.30!2.0!", true, {u"0.3", u"2"}},
      {u" 1E-2 !-0!x", true, {u"0.01", u"0"}},
      {u"0.3!0.1!0.20", false, {u"0", u"0.20"}},  // positive net: its text as it stands
      {u"0.3!0.1!+1.5", false, {u"0", u"+1.5"}},
      {u"0.3!0.1!-0.50", false, {u"0.5", u"0"}},
      {u"0.3!0.1!", false, {u"0", u"0"}},
      {u"0.3!0.1!0", false, {u"0", u"0"}},
      {u"0.3!0.1!0.0", false, {u"0", u"0"}},
      {u"0.3!0.1!abc", false, {u"0", u"0"}},
      {u"0.3!0.1!0,5", false, {u"0", u"0"}},
      {u"0.3!0.1!1e999", false, {u"0", u"0"}},
      {u"0", true, {u"0", u"0"}},
      {u"0", false, {u"0", u"0"}},
      {u"", true, {u"0", u"0"}},
      {u"-12345678.123456789!0!0", true, {u"12345678.1234568", u"0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.lock) + (c.separate ? " separate" : " net"));
    const CloseCaptions got = exchange::CloseCaptionsFrom(c.lock, c.separate);
    EXPECT_EQ(got.buy, c.expected.buy);
    EXPECT_EQ(got.sell, c.expected.sell);
  }
}

TEST(Title, JoinsTheChosenPartsWithTheirSeparators) {
  using P = exchange::TitleParts;
  const std::u16string bidAsk = u"x!1.38553!1.38563!10";
  EXPECT_EQ(exchange::TitleFrom(bidAsk, u"-12.50", P{.spread = true, .profit = true}), u" (10) -12.50");
  EXPECT_EQ(exchange::TitleFrom(bidAsk, u"5", P{true, true, true, true}), u"1.38553 (10) 1.38563 5");
  EXPECT_EQ(exchange::TitleFrom(bidAsk, u"5", P{}), u"");
  EXPECT_EQ(exchange::TitleFrom(u"", u"", P{true, true, true, true}), u" ()  ");
  EXPECT_EQ(exchange::TitleFrom(bidAsk, u"a!b", P{.profit = true}), u" a!b");  // profit is not split
}

// Long parts come cut to what the title bar shows, wherever the bound falls,
// and never between the halves of a surrogate pair.
TEST(Title, ComesCutToTheShownBound) {
  using P = exchange::TitleParts;
  const P all{true, true, true, true};
  const std::u16string pair = u"\U0001F600";
  struct Case {
    std::u16string bidAsk, profit, expected;
  };
  const std::u16string x300(300, u'x');
  const Case cases[] = {
      {u"s!" + x300 + u"!a!1", u"5", x300.substr(0, 255)},                           // in the first part
      {u"s!1!a!" + x300, u"5", u"1 (" + x300.substr(0, 252)},                         // in the spread
      {u"s!1!a!2", x300, u"1 (2) a " + x300.substr(0, 247)},                          // in the profit
      {u"s!" + std::u16string(254, u'y') + pair + u"!a!1", u"", std::u16string(254, u'y')},  // pair kept whole
      {u"s!" + std::u16string(253, u'y') + pair + u"!a!1", u"", std::u16string(253, u'y') + pair},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bidAsk.size()));
    EXPECT_EQ(exchange::TitleFrom(c.bidAsk, c.profit, all), c.expected);
  }
  EXPECT_EQ(exchange::CloseCaptionsFrom(u"0!0!1" + std::u16string(300, u'0'), false).sell, u"1" + std::u16string(254, u'0'));
}

TEST(BarColors, LevelIntensityAndDirectionSign) {
  struct Case {
    std::u16string level;
    std::u16string direction;
    BarColors expected;
  };
  const auto green = [](std::uint32_t i) { return 0x02000000u + i * 0x100u; };
  const auto red = [](std::uint32_t i) { return 0x02000000u + i; };
  const Case cases[] = {
      {u"0", u"0", {red(155), std::nullopt}},
      {u"7", u"5", {green(155), exchange::kBarGreen}},
      {u"31", u"1", {green(155), exchange::kBarGreen}},
      {u"32", u"-1", {green(160), exchange::kBarRed}},
      {u"40", u"0", {0x0200C800, std::nullopt}},
      {u"50", u"0", {green(250), std::nullopt}},
      {u"51", u"0", {green(255), std::nullopt}},
      {u"-1", u"0", {red(155), std::nullopt}},
      {u"-31", u"0", {red(155), std::nullopt}},
      {u"-32", u"0", {red(160), std::nullopt}},
      {u"-50", u"0", {red(250), std::nullopt}},
      {u"-60", u"0", {0x020000FF, std::nullopt}},
      {u"2147483647", u"2147483647", {green(255), exchange::kBarGreen}},    // fivefold overflows 32 bits
      {u"-2147483648", u"-2147483648", {red(255), exchange::kBarRed}},
      {u"429496730", u"0", {green(255), std::nullopt}},                      // 5 x U wraps to a small number in 32 bits
      {u"5", u"", {exchange::kBarWhite, exchange::kBarWhite}},
      {u"", u"5", {exchange::kBarWhite, exchange::kBarWhite}},
      {u"1.5", u"1", {exchange::kBarWhite, exchange::kBarWhite}},
      {u"5", u"x", {exchange::kBarWhite, exchange::kBarWhite}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.level) + " / " + testing::PrintToString(c.direction));
    EXPECT_EQ(exchange::BarColorsFrom(c.level, c.direction), c.expected);
  }
}

}  // namespace
