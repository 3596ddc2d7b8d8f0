#pragma once
// The open orders as the expert lists them in `r_ord`, turned into the
// entries of the close buttons' menu.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// More entries than this make no usable menu; the rest are left out.
inline constexpr std::size_t kMaxOrderEntries = 500;

// What the list read now says: its text (or "0!stop" when its count is not a
// whole number) and the count. An empty count is no orders.
struct OrderList {
  std::u16string text;
  std::int32_t count = 0;
};
OrderList OrderListFrom(std::u16string text);

struct OrderEntry {
  std::u16string caption;  // ticket, 4 blanks, type, 1 blank, third field, 3 blanks, fourth field
  int imageIndex = 0;      // 1: a buy order ("buy" or "BUY"), 0: any other
  friend bool operator==(const OrderEntry&, const OrderEntry&) = default;
};

// One entry per order present, in the list's order: at most `count`, and
// none past the first order without a ticket.
std::vector<OrderEntry> OrderEntriesFrom(std::u16string_view text, std::int32_t count);

// The ticket an entry stands for: its caption before the first blank.
std::u16string TicketOf(std::u16string_view caption);

}  // namespace exchange
