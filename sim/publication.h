#pragma once
// The texts the expert publishes for the panel, in the exchange's formats.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/book.h"

namespace sim {

inline constexpr int kPriceDigits = 5;

// 110012 -> "1.10012".
std::u16string PriceText(std::int64_t points);
// 30 -> "0.3", 100 -> "1": the general form the panel shows and sends back.
std::u16string LotText(Centilots lot);
// -1250 -> "-12.50".
std::u16string MoneyText(std::int64_t cents);

// Buy amount, sell amount, net (buy - sell): "0.3!0.1!0.2".
std::u16string LockText(Centilots buy, Centilots sell);
// Symbol, bid, ask, spread in points: "EURUSD!1.10012!1.10025!13".
std::u16string BidAskText(std::u16string_view symbol, const Quote& quote);
// Count, then ticket, "buy"/"sell", lot, open price for each order:
// "2!100001!buy!0.1!1.10025!100002!sell!0.2!1.10012".
std::u16string OrdersText(const std::vector<Order>& orders);

std::u16string SideText(Side side);  // "buy" / "sell"

}  // namespace sim
