#include "sim/market.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sim {
namespace {

constexpr std::int64_t kLowestBid = 10000;
constexpr std::int64_t kHighestBid = 1000000;
constexpr double kFast = 2.0 / (12 + 1);
constexpr double kSlow = 2.0 / (26 + 1);
constexpr double kSignal = 2.0 / (9 + 1);

std::int32_t Tenths(double points) {
  return static_cast<std::int32_t>(std::clamp<long long>(std::llround(points * 10), -1'000'000, 1'000'000));
}

}  // namespace

Market::Market(std::uint64_t seed) : state_(seed) {
  // A walk of its own for the history, moved to end at the start price, so
  // that the chart and the indicator have a past from the first moment.
  std::vector<std::int64_t> past;
  for (std::size_t i = 1; i < kHistory; ++i) {
    Move();
    past.push_back(bid_);
  }
  const std::int64_t shift = kStartBid - bid_;
  fast_ = slow_ = static_cast<double>(past.front() + shift);
  for (const std::int64_t bid : past) {
    bid_ = std::clamp(bid + shift, kLowestBid, kHighestBid);
    Follow();
  }
  bid_ = kStartBid;
  spread_ = 12;
  Follow();
}

// splitmix64: tiny, and its output is fixed by the algorithm, unlike the
// standard distributions.
std::uint64_t Market::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

void Market::Step() {
  Move();
  Follow();
}

// About one point a step, with a trend of a third of a point a step that
// turns now and then: calm enough that distant stops hold for minutes.
void Market::Move() {
  if (Next() % 40 == 0) trend_ = static_cast<std::int64_t>(Next() % 3) - 1;
  const std::int64_t noise = static_cast<std::int64_t>(Next() % 3) - 1;
  const std::int64_t drift = Next() % 3 == 0 ? trend_ : 0;
  bid_ = std::clamp(bid_ + noise + drift, kLowestBid, kHighestBid);
  if (bid_ == kLowestBid || bid_ == kHighestBid) trend_ = -trend_;
  spread_ = 10 + static_cast<std::int64_t>(Next() % 6);
}

// The indicator and the history take in the current bid.
void Market::Follow() {
  fast_ += kFast * (bid_ - fast_);
  slow_ += kSlow * (bid_ - slow_);
  signal_ += kSignal * ((fast_ - slow_) - signal_);
  recent_.push_back(bid_);
  if (recent_.size() > kHistory) recent_.pop_front();
}

std::int32_t Market::MacdLevel() const { return Tenths(fast_ - slow_); }
std::int32_t Market::MacdDirection() const { return Tenths(fast_ - slow_ - signal_); }

}  // namespace sim
