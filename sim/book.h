#pragma once
// The simulated account's open orders. Prices are whole points (0.00001);
// with one point worth one cent per hundredth of a lot, money stays exact
// in cents.

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/received_command.h"

namespace sim {

struct Quote {
  std::int64_t bid = 0;
  std::int64_t ask = 0;
};

struct Order {
  std::int64_t ticket = 0;
  Side side = Side::Buy;
  Centilots lot = 0;
  std::int64_t openPrice = 0;
  std::int64_t stopLoss = 0;    // price; 0 is none
  std::int64_t takeProfit = 0;  // price; 0 is none
};

struct Stopped {
  Order order;
  bool byStopLoss = false;  // else by its take-profit
};

class Book {
 public:
  // Keeps the published order list and every command's work bounded.
  static constexpr std::size_t kMaxOrders = 200;

  explicit Book(std::int64_t firstTicket = 100001) : nextTicket_(firstTicket) {}

  // At the ask for a buy, the bid for a sell. The new ticket, or nullopt
  // when the book is full.
  std::optional<std::int64_t> Open(Side side, Centilots lot, const Quote& quote, std::int64_t stopLoss = 0,
                                   std::int64_t takeProfit = 0);
  // Up to `amount` of the side's orders, oldest first, the last one in part.
  // Returns the amount closed.
  Centilots CloseSide(Side side, Centilots amount, const Quote& quote);
  // Pairs the order with the other side's oldest orders, as far as both
  // reach, and closes the pairs at their open prices. Returns the amount netted.
  Centilots CloseBy(std::int64_t ticket);
  bool CloseTicket(std::int64_t ticket, const Quote& quote);
  // Closes the orders whose stop-loss or take-profit the quote has reached.
  std::vector<Stopped> CloseAtStops(const Quote& quote);
  // One take-profit for all of the side's orders.
  void SetTakeProfit(Side side, std::int64_t takeProfit);

  const Order* FirstOf(Side side) const;
  Centilots Total(Side side) const;
  std::int64_t FloatingCents(const Quote& quote) const;
  std::int64_t ClosedCents() const { return closedCents_; }
  const std::vector<Order>& Orders() const { return orders_; }
  // Changes with every change of the orders.
  std::uint64_t Revision() const { return revision_; }

 private:
  void Realise(const Order& order, Centilots lot, const Quote& quote);
  void RemoveEmpty();

  std::vector<Order> orders_;  // oldest first
  std::int64_t nextTicket_;
  std::int64_t closedCents_ = 0;
  std::uint64_t revision_ = 0;
};

// What an order would gain or lose if closed now, in cents.
std::int64_t ProfitCents(const Order& order, Centilots lot, const Quote& quote);

}  // namespace sim
