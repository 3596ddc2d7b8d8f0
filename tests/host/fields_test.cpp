#include "core/fields.h"

#include <gtest/gtest.h>

#include <limits>


namespace {

struct ParserCase {
  char16_t delimiter;
  std::u16string text;
  std::int32_t field;
  std::u16string expected;
};

class ParserTable : public testing::TestWithParam<ParserCase> {};

TEST_P(ParserTable, TakesTheNumberedField) {
  const ParserCase& c = GetParam();
  EXPECT_EQ(core::parser(c.delimiter, c.text, c.field), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParserTable,
    testing::Values(ParserCase{u':', u"12345: some title", 1, u"12345"},
                    ParserCase{u':', u"a title without a colon", 1, u"a title without a colon"},
                    ParserCase{u':', u"", 1, u""},
                    ParserCase{u'!', u"a!b!c", 3, u"c"},
                    ParserCase{u'!', u"a!b!c!", 3, u"c"},
                    ParserCase{u'!', u"a!b", 3, u""},      // beyond the last: empty, never the last field
                    ParserCase{u'!', u"a!b!", 3, u""},
                    ParserCase{u'!', u"a!b", 0, u""},
                    ParserCase{u'!', u"a!b", -1, u""},
                    ParserCase{u'!', u"!a", 1, u""},
                    ParserCase{u'!', u"!a", 2, u"a"},
                    ParserCase{u'!', u"a!!b", 2, u""},
                    ParserCase{u'!', u"a!!b", 3, u"b"},
                    ParserCase{u'!', u"!", 1, u""},
                    ParserCase{u'!', u"abc", 1, u"abc"},
                    ParserCase{u' ', u"12345    buy 0.10", 1, u"12345"},
                    ParserCase{u'!', u"Звук!лот", 2, u"лот"}));

TEST(Parser, EnormousFieldNumbersStopWhenTheFieldsRunOut) {
  const std::u16string text(100000, u'!');
  EXPECT_EQ(core::parser(u'!', text, std::numeric_limits<std::int32_t>::max()), u"");
  EXPECT_EQ(core::parser(u'!', u"a!b", std::numeric_limits<std::int32_t>::max()), u"");
  EXPECT_EQ(core::parser(u'!', u"a!b", std::numeric_limits<std::int32_t>::min()), u"");
}

TEST(Parser, ReadsTheLastOfManyFields) {
  std::u16string text;
  for (int i = 1; i <= 5000; ++i) text += u"f!";
  text += u"last";
  EXPECT_EQ(core::parser(u'!', text, 5001), u"last");
  EXPECT_EQ(core::parser(u'!', text, 5002), u"");
}

TEST(FloatValue, KeepsOnlyDigitsAndPoints) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"1,5", u"15"},   {u"-0.25 lot", u"0.25"}, {u"0.1.2", u"0.1.2"}, {u"", u""},
      {u"+1e5", u"15"},  {u"٣", u""},            {u"0.3", u"0.3"},     {u"лот 2", u"2"},
  };
  for (const auto& [input, expected] : cases) EXPECT_EQ(core::FloatValue(input), expected) << "input " << testing::PrintToString(input);
}

}  // namespace
