#pragma once
// What the simulated expert makes of a `prikaz` text: one of the three
// command kinds, or the reason it is refused. Any text is safe to pass.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace sim {

enum class Side { Buy, Sell };

// Lots and amounts in hundredths of a lot, the simulated lot step, so that
// sums of lots stay exact.
using Centilots = std::int64_t;
inline constexpr Centilots kMaxCentilots = 1000 * 100;

// A stop-loss or take-profit distance in points; 0 means none. Measured from
// the side's first open order instead of the current price when the panel
// put a "-" in front.
struct Distance {
  std::int64_t points = 0;
  bool fromFirstOrder = false;
  friend bool operator==(const Distance&, const Distance&) = default;
};

enum class Policy { EachOwn, Common, CommonWithSettings, BreakEvenEach };  // tpc, tpo, tpon, tpob

struct OpenOrder {
  Side side = Side::Buy;
  Centilots lot = 0;
  bool sound = false;
  bool bestPrice = false;
  Distance stopLoss;
  Distance takeProfit;
  Policy policy = Policy::EachOwn;
  std::u16string policySettings;  // the threshold multiple and flag of tpon / tpob, as sent
  std::optional<std::int32_t> lifetimeSeconds;  // none when the field is empty
};

// cn: open the opposite order, then close it against the other side;
// cb / cs: close buy / sell orders the plain way; cf: open the opposite
// order and keep both (a lock).
enum class CloseMode { OverlapThenClose, BuyOrders, SellOrders, Cover };

struct RowClose {
  Side side = Side::Buy;
  Centilots amount = 0;
  bool sound = false;
  bool bestPrice = false;
  CloseMode mode = CloseMode::Cover;
};

struct TicketClose {
  std::int64_t ticket = 0;
};

struct Refused {
  std::u16string reason;
};

using ReceivedCommand = std::variant<OpenOrder, RowClose, TicketClose, Refused>;

ReceivedCommand ParseCommand(std::u16string_view text);

// "0.1" -> 10; nullopt unless a positive multiple of 0.01 up to the maximum.
std::optional<Centilots> ParseLot(std::u16string_view text);

}  // namespace sim
