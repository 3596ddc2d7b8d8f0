#pragma once
// The simulated terminal-side expert: takes the panel's commands from
// `prikaz`, trades against a simulated market and publishes the status values,
// all under one terminal key through the store.
//
// A command counts as taken once the expert has read it: it then empties
// `prikaz`, so the same text written again is a new command, and a waiting
// command is any non-empty `prikaz`. Close modes:
//   cb / cs  close that much of the buy / sell orders, oldest first;
//   cn       open the opposite order for the amount, then close it against
//            the other side's oldest orders (what cannot be netted stays open);
//   cf       open the opposite order for the amount and keep both (a lock).
// Stop-loss and take-profit distances are in points from the new order's
// price, or from the side's first order's price when sent with a "-". Under
// tpo and tpon every order of the side takes the new order's take-profit;
// tpc and tpob give each order its own. Sound, best price, lifetime and the
// tpon / tpob settings are checked and shown but change nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/store.h"
#include "sim/book.h"
#include "sim/market.h"
#include "sim/received_command.h"

namespace sim {

// One line for the user: what arrived and what came of it.
struct Happening {
  std::u16string command;  // the text taken from `prikaz`; empty for market events
  std::u16string outcome;
  bool sound = false;  // the command asked for the terminal's sounds and was carried out
};

class Expert {
 public:
  Expert(core::IniStore& store, std::u16string key, std::uint64_t seed, std::u16string symbol = u"EURUSD");

  // Reads `prikaz`; a waiting command is emptied, acted on and reported.
  std::optional<Happening> TakeCommand();
  // The next quote; orders whose stop-loss or take-profit it reaches close.
  std::vector<Happening> StepMarket();
  // Writes lock, bid_ask, profit, macd_uroven, macd_napravl and r_ord.
  void Publish();

  const std::u16string& key() const { return key_; }
  const std::u16string& symbol() const { return symbol_; }
  const Book& book() const { return book_; }
  const Market& market() const { return market_; }

 private:
  Happening Act(const OpenOrder& order);
  Happening Act(const RowClose& close);
  Happening Act(const TicketClose& close);
  Happening Act(const Refused& refused);
  std::int64_t StopPrice(Side side, const Distance& distance, std::int64_t price, bool lossSide) const;

  core::IniStore& store_;
  std::u16string key_;
  std::u16string symbol_;
  Market market_;
  Book book_;
};

}  // namespace sim
