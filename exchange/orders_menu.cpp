#include "exchange/orders_menu.h"

#include <algorithm>

#include "core/display_text.h"
#include "core/fields.h"
#include "core/numbers.h"

namespace exchange {

OrderList OrderListFrom(std::u16string text) {
  const std::u16string first = core::parser(u'!', text, 1);
  if (first.empty()) return {std::move(text), 0};
  const auto count = core::ParseWhole(first);
  if (!count) return {u"0!stop", 0};
  return {std::move(text), *count};
}

std::vector<OrderEntry> OrderEntriesFrom(std::u16string_view text, std::int32_t count) {
  std::vector<OrderEntry> entries;
  if (count <= 0) return entries;
  const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(count), kMaxOrderEntries);
  // One pass over the fields: field 1 is the count, then four per order.
  std::vector<std::u16string_view> fields;
  std::size_t start = 0;
  while (start < text.size() && fields.size() < 1 + 4 * wanted) {
    const std::size_t end = std::min(text.find(u'!', start), text.size());
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  const auto field = [&](std::size_t n) { return n <= fields.size() ? fields[n - 1] : std::u16string_view(); };
  for (std::size_t i = 0; i < wanted; ++i) {
    const std::u16string_view ticket = field(4 * i + 2);
    if (ticket.empty()) break;
    // A ticket too long to show whole could not be sent back whole either.
    if (ticket.size() > core::kMaxShownChars) continue;
    const std::u16string_view type = field(4 * i + 3);
    OrderEntry entry;
    entry.caption.append(ticket).append(u"    ").append(type).append(u" ").append(field(4 * i + 4));
    entry.caption.append(u"   ").append(field(4 * i + 5));
    entry.imageIndex = type == u"buy" || type == u"BUY" ? 1 : 0;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::u16string TicketOf(std::u16string_view caption) { return core::parser(u' ', caption, 1); }

}  // namespace exchange
