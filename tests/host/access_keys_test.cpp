#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/access_keys.h"

namespace {

using Captions = std::vector<std::u16string>;

struct AccessKeyCase {
  const char* name;
  Captions captions;
  bool autoHotkeys;
  Captions shown;
};

class ShownCaptions : public testing::TestWithParam<AccessKeyCase> {};

TEST_P(ShownCaptions, MarkOneUnusedLetterPerItemAndShowAmpersandsAsThemselves) {
  EXPECT_EQ(toolkit::ShownMenuCaptions(GetParam().captions, GetParam().autoHotkeys), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, ShownCaptions,
    testing::Values(
        AccessKeyCase{"FormMenu",
                      {u"настройки", u"открыть календарь", u"закрепить", u"--------", u"Выкл. общий профиль"},
                      true,
                      {u"&настройки", u"&открыть календарь", u"&закрепить", u"--------", u"&Выкл. общий профиль"}},
        // The first letters clash without regard to case: the next free one is taken.
        AccessKeyCase{"CaseFolded", {u"Open", u"order", u"ОРДЕР", u"ордер"}, true,
                      {u"&Open", u"o&rder", u"&ОРДЕР", u"о&рдер"}},
        AccessKeyCase{"AllLettersTaken", {u"ab", u"ba", u"AB"}, true, {u"&ab", u"&ba", u"AB"}},
        AccessKeyCase{"AmpersandIsText", {u"a&b", u"&"}, true, {u"&a&&b", u"&&"}},
        AccessKeyCase{"OffShowsCaptionsExactly", {u"111", u"R&D", u"1 2"}, false, {u"111", u"R&&D", u"1 2"}},
        AccessKeyCase{"EmptyAndPunctuation", {u"", u" .-", u"x"}, true, {u"", u" .-", u"&x"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
