#include "sim/publication.h"

#include "core/numbers.h"

namespace sim {
namespace {

std::u16string Digits(std::uint64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

// The value with `decimals` digits after the point, exactly.
std::u16string FixedPoint(std::int64_t scaled, int decimals) {
  std::uint64_t divisor = 1;
  for (int i = 0; i < decimals; ++i) divisor *= 10;
  const std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : scaled;
  std::u16string fraction = Digits(magnitude % divisor);
  fraction.insert(0, decimals - fraction.size(), u'0');
  std::u16string text(scaled < 0 ? u"-" : u"");
  text += Digits(magnitude / divisor);
  text += u'.';
  text += fraction;
  return text;
}

}  // namespace

std::u16string PriceText(std::int64_t points) { return FixedPoint(points, kPriceDigits); }

std::u16string LotText(Centilots lot) { return core::FormatGeneral(static_cast<double>(lot) / 100); }

std::u16string MoneyText(std::int64_t cents) { return FixedPoint(cents, 2); }

std::u16string LockText(Centilots buy, Centilots sell) {
  return LotText(buy) + u"!" + LotText(sell) + u"!" + LotText(buy - sell);
}

std::u16string BidAskText(std::u16string_view symbol, const Quote& quote) {
  return std::u16string(symbol) + u"!" + PriceText(quote.bid) + u"!" + PriceText(quote.ask) + u"!" +
         Digits(static_cast<std::uint64_t>(quote.ask - quote.bid));
}

std::u16string OrdersText(const std::vector<Order>& orders) {
  std::u16string text = Digits(orders.size());
  for (const Order& order : orders) {
    for (const std::u16string& field : {Digits(static_cast<std::uint64_t>(order.ticket)), SideText(order.side),
                                        LotText(order.lot), PriceText(order.openPrice)}) {
      text += u'!';
      text += field;
    }
  }
  return text;
}

std::u16string SideText(Side side) { return side == Side::Buy ? u"buy" : u"sell"; }

}  // namespace sim
