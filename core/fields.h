#pragma once
// Delimited field lists and the numeric filter of the lot edits.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// Field number `count` (from 1) of `text`, fields separated by `delimiter`.
// A final delimiter is optional; a field beyond the last, or a count below 1,
// is empty text.
std::u16string parser(char16_t delimiter, std::u16string_view text, std::int32_t count);

// The same field as a view into `text`, for readers that need only its start
// or its value.
std::u16string_view FieldOf(char16_t delimiter, std::u16string_view text, std::int32_t count);

// `data` with every character other than '0'..'9' and '.' removed.
std::u16string FloatValue(std::u16string_view data);

}  // namespace core
