#include "sim/options.h"

#include "core/numbers.h"

namespace sim {
namespace {

struct Range {
  int lowest;
  int highest;
};

std::optional<int> Number(std::u16string_view text, Range range) {
  const auto value = core::ParseWhole(text);
  if (!value || *value < range.lowest || *value > range.highest) return std::nullopt;
  return *value;
}

}  // namespace

std::u16string TitleOfAccount(std::u16string_view account) {
  return std::u16string(account) + u": Demo-Server - EURUSD,H1";
}

ParsedOptions ParseOptions(const std::vector<std::u16string>& arguments) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  std::optional<std::u16string> account;
  std::optional<std::u16string> title;
  constexpr Range kCoordinate{-100000, 100000};
  constexpr Range kSize{200, 100000};
  constexpr Range kInterval{1, 3600000};
  struct NumberOption {
    std::u16string_view name;
    int* target;
    Range range;
  };
  int seed = -1;
  const NumberOption numbers[] = {
      {u"--x", &options.x, kCoordinate},           {u"--y", &options.y, kCoordinate},
      {u"--width", &options.width, kSize},         {u"--height", &options.height, kSize},
      {u"--publish-ms", &options.publishMs, kInterval}, {u"--tick-ms", &options.tickMs, {0, 3600000}},
      {u"--seed", &seed, {0, 2147483647}},
  };
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::u16string& name = arguments[at];
    if (at + 1 == arguments.size()) {
      parsed.problems.push_back(name + u": needs a value");
      break;
    }
    const std::u16string& value = arguments[++at];
    if (name == u"--account") {
      account = value;
      continue;
    }
    if (name == u"--title") {
      title = value;
      continue;
    }
    bool known = false;
    for (const NumberOption& option : numbers) {
      if (name != option.name) continue;
      known = true;
      if (const auto number = Number(value, option.range)) {
        *option.target = *number;
      } else {
        parsed.problems.push_back(name + u": " + value + u" is out of range or not a whole number");
      }
    }
    if (!known) parsed.problems.push_back(name + u": unknown option");
  }
  if (account) options.title = TitleOfAccount(*account);
  if (title) options.title = *title;
  if (seed >= 0) options.seed = static_cast<std::uint64_t>(seed);
  return parsed;
}

std::uint64_t SeedOf(const Options& options) {
  if (options.seed) return *options.seed;
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const char16_t c : options.title) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

}  // namespace sim
