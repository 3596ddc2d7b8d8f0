#pragma once
// What the expert's status values look like on the panel: the close buttons'
// amounts from `lock`, the title from `bid_ask` and `profit`, and the colours
// of the two indicator bars from `macd_uroven` and `macd_napravl`.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace exchange {

struct CloseCaptions {
  std::u16string buy;   // the top row's close button
  std::u16string sell;  // the bottom row's close button
  friend bool operator==(const CloseCaptions&, const CloseCaptions&) = default;
};

// `separateAmounts`: each button shows its own field (1 and 2) as an absolute
// value; otherwise the signed net amount (field 3) goes to one of them.
// Captions and title come cut to what a control shows (core/display_text.h).
CloseCaptions CloseCaptionsFrom(std::u16string_view lock, bool separateAmounts);

struct TitleParts {
  bool bid = false;
  bool spread = false;
  bool ask = false;
  bool profit = false;
};

// Bid, " (" spread ")", " " ask, " " profit: each part only when chosen.
std::u16string TitleFrom(std::u16string_view bidAsk, std::u16string_view profit, TitleParts parts);

// Colours in the Windows layout with 0x02 in the highest byte.
constexpr std::uint32_t kBarWhite = 0x02FFFFFF;
constexpr std::uint32_t kBarGreen = 0x0200FF00;
constexpr std::uint32_t kBarRed = 0x020000FF;

struct BarColors {
  std::uint32_t level = 0;
  std::optional<std::uint32_t> direction;  // nullopt: the bar keeps its colour
  friend bool operator==(const BarColors&, const BarColors&) = default;
};

// Both bars white when either value is not a whole number.
BarColors BarColorsFrom(std::u16string_view level, std::u16string_view direction);

}  // namespace exchange
