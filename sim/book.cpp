#include "sim/book.h"

#include <algorithm>

namespace sim {
namespace {

// A buy closes at the bid, a sell at the ask.
bool StopLossReached(const Order& order, const Quote& quote) {
  if (!order.stopLoss) return false;
  return order.side == Side::Buy ? quote.bid <= order.stopLoss : quote.ask >= order.stopLoss;
}

bool TakeProfitReached(const Order& order, const Quote& quote) {
  if (!order.takeProfit) return false;
  return order.side == Side::Buy ? quote.bid >= order.takeProfit : quote.ask <= order.takeProfit;
}

}  // namespace

std::int64_t ProfitCents(const Order& order, Centilots lot, const Quote& quote) {
  const std::int64_t points = order.side == Side::Buy ? quote.bid - order.openPrice : order.openPrice - quote.ask;
  return points * lot;
}

std::optional<std::int64_t> Book::Open(Side side, Centilots lot, const Quote& quote, std::int64_t stopLoss,
                                       std::int64_t takeProfit) {
  if (orders_.size() >= kMaxOrders || lot <= 0) return std::nullopt;
  const std::int64_t price = side == Side::Buy ? quote.ask : quote.bid;
  orders_.push_back(Order{nextTicket_, side, lot, price, stopLoss, takeProfit});
  ++revision_;
  return nextTicket_++;
}

Centilots Book::CloseSide(Side side, Centilots amount, const Quote& quote) {
  Centilots closed = 0;
  for (Order& order : orders_) {
    if (closed >= amount) break;
    if (order.side != side) continue;
    const Centilots part = std::min(order.lot, amount - closed);
    Realise(order, part, quote);
    order.lot -= part;
    closed += part;
  }
  RemoveEmpty();
  if (closed) ++revision_;
  return closed;
}

Centilots Book::CloseBy(std::int64_t ticket) {
  const auto found = std::find_if(orders_.begin(), orders_.end(), [&](const Order& o) { return o.ticket == ticket; });
  if (found == orders_.end()) return 0;
  const std::size_t index = found - orders_.begin();
  Centilots netted = 0;
  for (Order& other : orders_) {
    Order& order = orders_[index];
    if (order.lot == 0) break;
    if (other.side == order.side || other.lot == 0) continue;
    const Centilots part = std::min(order.lot, other.lot);
    const Order& buy = order.side == Side::Buy ? order : other;
    const Order& sell = order.side == Side::Buy ? other : order;
    closedCents_ += (sell.openPrice - buy.openPrice) * part;
    order.lot -= part;
    other.lot -= part;
    netted += part;
  }
  RemoveEmpty();
  if (netted) ++revision_;
  return netted;
}

bool Book::CloseTicket(std::int64_t ticket, const Quote& quote) {
  for (Order& order : orders_) {
    if (order.ticket != ticket) continue;
    Realise(order, order.lot, quote);
    order.lot = 0;
    RemoveEmpty();
    ++revision_;
    return true;
  }
  return false;
}

std::vector<Stopped> Book::CloseAtStops(const Quote& quote) {
  std::vector<Stopped> closed;
  for (Order& order : orders_) {
    const bool byStopLoss = StopLossReached(order, quote);
    if (!byStopLoss && !TakeProfitReached(order, quote)) continue;
    closed.push_back({order, byStopLoss});
    Realise(order, order.lot, quote);
    order.lot = 0;
  }
  RemoveEmpty();
  if (!closed.empty()) ++revision_;
  return closed;
}

void Book::SetTakeProfit(Side side, std::int64_t takeProfit) {
  for (Order& order : orders_)
    if (order.side == side) order.takeProfit = takeProfit;
  ++revision_;
}

const Order* Book::FirstOf(Side side) const {
  const auto found = std::find_if(orders_.begin(), orders_.end(), [&](const Order& o) { return o.side == side; });
  return found == orders_.end() ? nullptr : &*found;
}

Centilots Book::Total(Side side) const {
  Centilots total = 0;
  for (const Order& order : orders_)
    if (order.side == side) total += order.lot;
  return total;
}

std::int64_t Book::FloatingCents(const Quote& quote) const {
  std::int64_t cents = 0;
  for (const Order& order : orders_) cents += ProfitCents(order, order.lot, quote);
  return cents;
}

void Book::Realise(const Order& order, Centilots lot, const Quote& quote) {
  closedCents_ += ProfitCents(order, lot, quote);
}

void Book::RemoveEmpty() {
  std::erase_if(orders_, [](const Order& order) { return order.lot == 0; });
}

}  // namespace sim
