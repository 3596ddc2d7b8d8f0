#pragma once
// The order commands the panel writes as `prikaz`, and the take-profit
// policy tag that every open command carries.

#include <string>
#include <string_view>

namespace exchange {

enum class Side { Buy, Sell };  // "b", top row; "s", bottom row

// Flags and texts that both row commands carry.
struct OrderSettings {
  bool sound = false;      // "sn" / "sf"
  bool bestPrice = false;  // "bn" / "bf"
  std::u16string_view stopLoss;
  std::u16string_view takeProfit;
  std::u16string_view lifetime;
};

// Side, lot, flags, "f", stop-loss and take-profit (each with a leading "-"
// when `firstOrder`), "$" + policy, lifetime, "stop", each field ending in "!".
std::u16string OpenCommand(Side side, std::u16string_view lot, const OrderSettings& settings, bool firstOrder,
                           std::u16string_view policy);

// The row close modes: "cn" overlap then close, "cb"/"cs" the standard way
// (by row), "cf" neither.
enum class CloseMode { Overlap, Standard, Plain };
CloseMode CloseModeOf(bool overlapAndClose, bool closeWithoutOverlap);

std::u16string CloseCommand(Side side, std::u16string_view amount, const OrderSettings& settings, CloseMode mode);

// "ct!" + ticket + "!stop" eight times.
std::u16string SingleOrderCloseCommand(std::u16string_view ticket);

enum class TpPolicyKind { EachOwn, Common, CommonWithSettings, BreakEvenEach };

// "tpc$", "tpo$", "tpon$" + multiple + "$" + "1"/"0", "tpob$" + multiple + "$".
std::u16string PolicyTag(TpPolicyKind kind, std::u16string_view commonMultiple, bool ladderBreakEven,
                         std::u16string_view breakEvenMultiple);

// The caption that shows a threshold multiple: "просадка 3*TP".
std::u16string DrawdownCaption(std::u16string_view multiple);

}  // namespace exchange
