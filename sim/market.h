#pragma once
// A moving quote: a random walk with slowly changing trends, the same for the
// same seed on every platform, and a MACD of the bid for the indicator values.

#include <cstdint>
#include <deque>

#include "sim/book.h"

namespace sim {

class Market {
 public:
  static constexpr std::size_t kHistory = 600;
  static constexpr std::int64_t kStartBid = 110000;  // 1.10000

  // Starts at kStartBid with a full history behind it.
  explicit Market(std::uint64_t seed);

  void Step();

  Quote quote() const { return {bid_, bid_ + spread_}; }
  std::int64_t spread() const { return spread_; }
  // MACD main line, and main minus signal, both in tenths of a point.
  std::int32_t MacdLevel() const;
  std::int32_t MacdDirection() const;
  // The latest bids, oldest first.
  const std::deque<std::int64_t>& RecentBids() const { return recent_; }

 private:
  std::uint64_t Next();
  void Move();
  void Follow();

  std::uint64_t state_;
  std::int64_t bid_ = kStartBid;
  std::int64_t spread_ = 12;
  std::int64_t trend_ = 0;
  double fast_ = 0;
  double slow_ = 0;
  double signal_ = 0;
  std::deque<std::int64_t> recent_;
};

}  // namespace sim
