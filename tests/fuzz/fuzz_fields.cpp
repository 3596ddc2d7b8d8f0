// The field parser and the number conversions. Lines: delimiter (its first
// character), text, field number.
#include <cstring>

#include "core/fields.h"
#include "core/numbers.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  const char16_t delimiter = in[0].empty() ? u'!' : in[0][0];
  const std::int32_t count = core::ParseWhole(in[2]).value_or(static_cast<std::int32_t>(in[2].size()));
  core::parser(delimiter, in[1], count);
  core::FloatValue(in[1]);
  if (const auto value = core::ParseDecimal(in[1])) core::FormatGeneral(*value);
  core::ParseWhole(in[1]);
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    if (raw == raw && raw - raw == 0) core::FormatGeneral(raw);  // finite
  }
  return 0;
}
