#pragma once
// Texts from outside can be of any length; no control can show more than a
// line of them, and a long text in a window costs the panel time on every
// repaint. Whatever reaches a control is cut to this bound.

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

inline constexpr std::size_t kMaxShownChars = 255;

// `text` cut to the bound, never between the two halves of a surrogate pair.
inline std::u16string ShownText(std::u16string_view text) {
  if (text.size() <= kMaxShownChars) return std::u16string(text);
  std::size_t keep = kMaxShownChars;
  if (text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
  return std::u16string(text.substr(0, keep));
}

}  // namespace core
