#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>


namespace {

TEST(ParseDecimal, AcceptsTheDecimalGrammarOnly) {
  const std::pair<std::u16string, std::optional<double>> cases[] = {
      {u"0.5", 0.5},     {u"  0.5  ", 0.5}, {u"1E-2", 0.01},   {u"1e+2", 100},  {u"-0.25", -0.25},
      {u"+3", 3},        {u"2.", 2},        {u".5", 0.5},      {u"0.10", 0.1},  {u"-0", -0.0},
      {u"", std::nullopt},      {u"abc", std::nullopt},  {u"0,5", std::nullopt}, {u"1 000", std::nullopt},
      {u"1E", std::nullopt},    {u"1E+", std::nullopt},  {u".", std::nullopt},   {u"-", std::nullopt},
      {u"0x10", std::nullopt},  {u"inf", std::nullopt},  {u"nan", std::nullopt}, {u"1..2", std::nullopt},
      {u"1e999", std::nullopt}, {u"\t1", std::nullopt},  {u"1!", std::nullopt},  {u"+-1", std::nullopt},
  };
  for (const auto& [input, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(input));
    EXPECT_EQ(core::ParseDecimal(input), expected);
  }
}

TEST(ParseDecimal, HugeInputIsJustMalformed) {
  EXPECT_EQ(core::ParseDecimal(std::u16string(1 << 20, u'9')), std::nullopt);  // overflows
  // Underflow may be reported as malformed; either way the caller takes 0.
  EXPECT_EQ(core::ParseDecimal(u"0." + std::u16string(1 << 20, u'0') + u"1").value_or(0), 0.0);
}

TEST(ParseWhole, AcceptsSigned32BitWholeNumbers) {
  const std::pair<std::u16string, std::optional<std::int32_t>> cases[] = {
      {u"0", 0},
      {u"42", 42},
      {u"  -7", -7},
      {u"+5", 5},
      {u"2147483647", std::numeric_limits<std::int32_t>::max()},
      {u"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {u"2147483648", std::nullopt},
      {u"-2147483649", std::nullopt},
      {u"99999999999999999999", std::nullopt},
      {u"", std::nullopt},
      {u"  ", std::nullopt},
      {u"-", std::nullopt},
      {u"5 ", std::nullopt},
      {u"1.0", std::nullopt},
      {u"abc", std::nullopt},
      {u"0x1A", std::nullopt},
      {u"١", std::nullopt},
  };
  for (const auto& [input, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(input));
    EXPECT_EQ(core::ParseWhole(input), expected);
  }
}

TEST(FormatGeneral, WritesTheShortestGeneralForm) {
  const std::pair<double, std::u16string> cases[] = {
      {0.1, u"0.1"},      {0.10, u"0.1"},        {2.0, u"2"},       {0.3, u"0.3"},
      {0.2, u"0.2"},      {-0.25, u"-0.25"},     {-0.0, u"0"},      {0.0, u"0"},
      {1234.5, u"1234.5"}, {0.1 + 0.2, u"0.3"},  {1e-7, u"1E-7"},   {1.5e20, u"1.5E20"},
      {123456789012345.0, u"123456789012345"},   {1e15, u"1E15"},   {0.0001, u"0.0001"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(core::FormatGeneral(value), expected) << value;
}

}  // namespace
