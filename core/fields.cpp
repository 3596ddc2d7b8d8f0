#include "core/fields.h"

#include <algorithm>

namespace core {

std::u16string parser(char16_t delimiter, std::u16string_view text, std::int32_t count) {
  return std::u16string(FieldOf(delimiter, text, count));
}

std::u16string_view FieldOf(char16_t delimiter, std::u16string_view text, std::int32_t count) {
  if (text.empty() || count <= 0) return {};
  // Walk straight to the wanted field; once the fields run out every later
  // field is empty, so an enormous count costs no more than the text's length.
  std::size_t start = 0;
  for (std::int32_t field = 1; field < count; ++field) {
    const std::size_t end = text.find(delimiter, start);
    if (end == std::u16string_view::npos) return {};
    start = end + 1;
  }
  if (start >= text.size()) return {};
  const std::size_t end = text.find(delimiter, start);
  return text.substr(start, end == std::u16string_view::npos ? text.npos : end - start);
}

std::u16string FloatValue(std::u16string_view data) {
  std::u16string kept;
  std::copy_if(data.begin(), data.end(), std::back_inserter(kept),
               [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; });
  return kept;
}

}  // namespace core
