#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::size_t SkipBlanks(std::u16string_view text, std::size_t at) {
  while (at < text.size() && text[at] == u' ') ++at;
  return at;
}

std::size_t SkipDigits(std::u16string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

std::optional<double> ParseDecimal(std::u16string_view text) {
  // Check the whole grammar first, then hand only plain ASCII to from_chars,
  // which is locale-independent.
  const std::size_t begin = SkipBlanks(text, 0);
  std::size_t at = begin;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  const std::size_t mantissa = at;
  at = SkipDigits(text, at);
  std::size_t digits = at - mantissa;
  if (at < text.size() && text[at] == u'.') {
    const std::size_t fraction = ++at;
    at = SkipDigits(text, at);
    digits += at - fraction;
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
    ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
    const std::size_t exponent = at;
    at = SkipDigits(text, at);
    if (at == exponent) return std::nullopt;
  }
  const std::size_t end = at;
  if (SkipBlanks(text, end) != text.size()) return std::nullopt;

  std::string ascii;
  ascii.reserve(end - mantissa);
  for (std::size_t i = mantissa; i < end; ++i) ascii.push_back(static_cast<char>(text[i]));
  double value = 0;
  const auto [ptr, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  // Out of range counts as malformed: the callers take 0 either way.
  if (error != std::errc() || ptr != ascii.data() + ascii.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int32_t> ParseWhole(std::u16string_view text) {
  std::size_t at = SkipBlanks(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  if (at == text.size()) return std::nullopt;
  // Accumulate as a negative number so that INT32_MIN fits.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    if (!IsDigit(text[at])) return std::nullopt;
    magnitude = magnitude * 10 + (text[at] - u'0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::u16string FormatGeneral(double value) {
  if (value == 0) return u"0";  // also -0
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::u16string text;
  // to_chars writes "1e-07"; the panel's form is "1E-7".
  for (const char* p = buffer; p != result.ptr; ++p) {
    if (*p == 'e') {
      text.push_back(u'E');
      ++p;
      if (*p == '-') text.push_back(u'-');
      if (*p == '-' || *p == '+') ++p;
      while (p + 1 != result.ptr && *p == '0') ++p;
      for (; p != result.ptr; ++p) text.push_back(static_cast<char16_t>(*p));
      break;
    }
    text.push_back(static_cast<char16_t>(*p));
  }
  return text;
}

}  // namespace core
