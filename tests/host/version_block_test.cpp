#include "ui/version_block.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionBlockName, PutsTheLanguageBeforeTheCodePageInUpperCaseHex) {
  const struct {
    std::uint32_t translation;
    const char16_t* name;
  } cases[] = {
      {0x04E40409, u"040904E4"},  // US English, Western European
      {0x04E30419, u"041904E3"},  // Russian, Cyrillic (1251)
      {0x04B00409, u"040904B0"},  // UTF-16 code page: letters in upper case
      {0x00000000, u"00000000"},  // leading zeros kept
      {0xFFFFFFFF, u"FFFFFFFF"},
      {0x12345678, u"56781234"},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::VersionBlockName(c.translation), c.name) << std::hex << c.translation;
}

}  // namespace
