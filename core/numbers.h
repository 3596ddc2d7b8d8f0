#pragma once
// The program's number conventions: '.' is the decimal separator whatever the
// locale, whole numbers are signed 32-bit, and amounts are written in the
// general form with at most 15 significant digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Blanks, an optional sign, digits with an optional '.' and fraction, an
// optional exponent, blanks; nothing else. Empty, malformed or out-of-range
// text gives nullopt.
std::optional<double> ParseDecimal(std::u16string_view text);

// Leading blanks, an optional sign, decimal digits and nothing after them,
// within the signed 32-bit range; anything else gives nullopt.
std::optional<std::int32_t> ParseWhole(std::u16string_view text);

// The general form: "0.1", "2", "-0.25", "1E-7", "1.5E20".
std::u16string FormatGeneral(double value);

}  // namespace core
