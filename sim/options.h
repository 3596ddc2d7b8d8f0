#pragma once
// The simulator's command line. Unknown options and bad values are reported
// and leave the defaults in place, so the simulator always starts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Options {
  std::u16string title = u"12345: Demo-Server - EURUSD,H1";
  int x = 40;
  int y = 40;
  int width = 1040;
  int height = 760;
  int publishMs = 100;  // taking commands and publishing
  int tickMs = 500;     // price steps; 0 holds the price still
  std::optional<std::uint64_t> seed;  // none: derived from the title
};

struct ParsedOptions {
  Options options;
  std::vector<std::u16string> problems;
};

// The arguments after the program's name: "--account N", "--title TEXT",
// "--x N", "--y N", "--width N", "--height N", "--publish-ms N",
// "--tick-ms N", "--seed N".
ParsedOptions ParseOptions(const std::vector<std::u16string>& arguments);

std::u16string TitleOfAccount(std::u16string_view account);

// The walk's seed when none is given: the same title, the same walk.
std::uint64_t SeedOf(const Options& options);

}  // namespace sim
