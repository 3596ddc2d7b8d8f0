#include "ui/version_block.h"

namespace ui {

std::u16string VersionBlockName(std::uint32_t translation) {
  const std::uint32_t languageFirst = (translation << 16) | (translation >> 16);
  std::u16string name(8, u'0');
  for (int digit = 7, shift = 0; digit >= 0; --digit, shift += 4)
    name[digit] = u"0123456789ABCDEF"[(languageFirst >> shift) & 0xF];
  return name;
}

}  // namespace ui
