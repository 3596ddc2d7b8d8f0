#include "sim/options.h"

#include <gtest/gtest.h>

namespace {

TEST(SimulatorOptions, DefaultsMakeOneTerminal) {
  const auto parsed = sim::ParseOptions({});
  EXPECT_TRUE(parsed.problems.empty());
  EXPECT_EQ(parsed.options.title, u"12345: Demo-Server - EURUSD,H1");
  EXPECT_EQ(parsed.options.publishMs, 100);
  EXPECT_FALSE(parsed.options.seed);
}

TEST(SimulatorOptions, ReadsEveryOption) {
  const auto parsed = sim::ParseOptions({u"--account", u"777", u"--x", u"-20", u"--y", u"30", u"--width", u"640",
                                         u"--height", u"480", u"--publish-ms", u"1", u"--tick-ms", u"0", u"--seed",
                                         u"9"});
  EXPECT_TRUE(parsed.problems.empty());
  const sim::Options& o = parsed.options;
  EXPECT_EQ(o.title, u"777: Demo-Server - EURUSD,H1");
  EXPECT_EQ(std::vector<int>({o.x, o.y, o.width, o.height, o.publishMs, o.tickMs}),
            std::vector<int>({-20, 30, 640, 480, 1, 0}));
  EXPECT_EQ(o.seed, 9u);
  EXPECT_EQ(sim::SeedOf(o), 9u);
}

TEST(SimulatorOptions, TheWholeTitleOverridesTheAccountInAnyOrder) {
  EXPECT_EQ(sim::ParseOptions({u"--title", u"no colon", u"--account", u"1"}).options.title, u"no colon");
  EXPECT_EQ(sim::ParseOptions({u"--account", u"1", u"--title", u""}).options.title, u"");
}

TEST(SimulatorOptions, BadValuesAreReportedAndKeepTheDefaults) {
  const auto parsed = sim::ParseOptions({u"--publish-ms", u"0", u"--width", u"abc", u"--tick-ms", u"-1", u"--colour",
                                         u"red", u"--seed", u"99999999999", u"--height"});
  EXPECT_EQ(parsed.problems.size(), 6u);
  const sim::Options defaults;
  EXPECT_EQ(parsed.options.publishMs, defaults.publishMs);
  EXPECT_EQ(parsed.options.width, defaults.width);
  EXPECT_EQ(parsed.options.tickMs, defaults.tickMs);
  EXPECT_EQ(parsed.options.height, defaults.height);
  EXPECT_FALSE(parsed.options.seed);
}

TEST(SimulatorOptions, WithoutASeedEachTitleHasItsOwnWalk) {
  sim::Options first, second;
  first.title = u"1: a";
  second.title = u"2: a";
  EXPECT_NE(sim::SeedOf(first), sim::SeedOf(second));
  EXPECT_EQ(sim::SeedOf(first), sim::SeedOf(first));
}

}  // namespace
