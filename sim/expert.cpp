#include "sim/expert.h"

#include <string>
#include <utility>

#include "sim/publication.h"

namespace sim {
namespace {

// Commands of any length arrive; the log shows their start.
constexpr std::size_t kShownChars = 160;

std::u16string Shown(std::u16string_view text) {
  if (text.size() <= kShownChars) return std::u16string(text);
  return std::u16string(text.substr(0, kShownChars)) + u"...";
}

std::u16string Whole(std::int64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

Side Other(Side side) { return side == Side::Buy ? Side::Sell : Side::Buy; }

std::u16string Opened(std::int64_t ticket, Side side, Centilots lot, const Book& book) {
  std::u16string text = u"#" + Whole(ticket) + u" " + SideText(side) + u" " + LotText(lot);
  for (const Order& order : book.Orders()) {
    if (order.ticket != ticket) continue;
    text += u" at " + PriceText(order.openPrice);
    if (order.stopLoss) text += u", SL " + PriceText(order.stopLoss);
    if (order.takeProfit) text += u", TP " + PriceText(order.takeProfit);
  }
  return text;
}

}  // namespace

Expert::Expert(core::IniStore& store, std::u16string key, std::uint64_t seed, std::u16string symbol)
    : store_(store), key_(std::move(key)), symbol_(std::move(symbol)), market_(seed) {}

std::optional<Happening> Expert::TakeCommand() {
  const std::u16string text = store_.ReadIniReg(key_, u"prikaz");
  if (text.empty()) return std::nullopt;
  // Emptied before acting, to keep the moment in which a newer command
  // could be overwritten as short as possible.
  store_.WriteIniReg(key_, u"prikaz", u"");
  Happening happening = std::visit([this](const auto& command) { return Act(command); }, ParseCommand(text));
  happening.command = Shown(text);
  return happening;
}

std::vector<Happening> Expert::StepMarket() {
  market_.Step();
  std::vector<Happening> happenings;
  for (const Stopped& stopped : book_.CloseAtStops(market_.quote())) {
    happenings.push_back(
        {u"", (stopped.byStopLoss ? u"stop-loss closed #" : u"take-profit closed #") + Whole(stopped.order.ticket)});
  }
  return happenings;
}

void Expert::Publish() {
  const Quote quote = market_.quote();
  store_.WriteIniReg(key_, u"bid_ask", BidAskText(symbol_, quote));
  store_.WriteIniReg(key_, u"lock", LockText(book_.Total(Side::Buy), book_.Total(Side::Sell)));
  store_.WriteIniReg(key_, u"profit", MoneyText(book_.FloatingCents(quote)));
  store_.WriteIniReg(key_, u"macd_uroven", Whole(market_.MacdLevel()));
  store_.WriteIniReg(key_, u"macd_napravl", Whole(market_.MacdDirection()));
  store_.WriteIniReg(key_, u"r_ord", OrdersText(book_.Orders()));
}

std::int64_t Expert::StopPrice(Side side, const Distance& distance, std::int64_t price, bool lossSide) const {
  if (distance.points == 0) return 0;
  const Order* first = distance.fromFirstOrder ? book_.FirstOf(side) : nullptr;
  const std::int64_t base = first ? first->openPrice : price;
  // A loss lies below the price for a buy and above it for a sell.
  const bool below = (side == Side::Buy) == lossSide;
  const std::int64_t stop = below ? base - distance.points : base + distance.points;
  return stop > 0 ? stop : 0;
}

Happening Expert::Act(const OpenOrder& order) {
  const Quote quote = market_.quote();
  const std::int64_t price = order.side == Side::Buy ? quote.ask : quote.bid;
  const std::int64_t stopLoss = StopPrice(order.side, order.stopLoss, price, true);
  const std::int64_t takeProfit = StopPrice(order.side, order.takeProfit, price, false);
  const auto ticket = book_.Open(order.side, order.lot, quote, stopLoss, takeProfit);
  if (!ticket) return {u"", u"refused: too many open orders"};
  const bool common = order.policy == Policy::Common || order.policy == Policy::CommonWithSettings;
  if (common && takeProfit) book_.SetTakeProfit(order.side, takeProfit);
  std::u16string outcome = u"opened " + Opened(*ticket, order.side, order.lot, book_);
  if (common && takeProfit) outcome += u", the side's common TP";
  return {u"", outcome, order.sound};
}

Happening Expert::Act(const RowClose& close) {
  const Quote quote = market_.quote();
  if (close.mode == CloseMode::BuyOrders || close.mode == CloseMode::SellOrders) {
    const Side side = close.mode == CloseMode::BuyOrders ? Side::Buy : Side::Sell;
    const Centilots closed = book_.CloseSide(side, close.amount, quote);
    if (closed == 0) return {u"", u"nothing to close: no " + SideText(side) + u" orders"};
    return {u"", u"closed " + LotText(closed) + u" of the " + SideText(side) + u" orders", close.sound};
  }
  const auto ticket = book_.Open(close.side, close.amount, quote);
  if (!ticket) return {u"", u"refused: too many open orders"};
  const std::u16string opened = u"opened " + Opened(*ticket, close.side, close.amount, book_);
  if (close.mode == CloseMode::Cover) return {u"", u"locked: " + opened, close.sound};
  const Centilots netted = book_.CloseBy(*ticket);
  return {u"", opened + u", netted " + LotText(netted) + u" against the " + SideText(Other(close.side)) + u" orders",
          close.sound};
}

Happening Expert::Act(const TicketClose& close) {
  if (!book_.CloseTicket(close.ticket, market_.quote())) return {u"", u"refused: no open order #" + Whole(close.ticket)};
  return {u"", u"closed #" + Whole(close.ticket)};
}

Happening Expert::Act(const Refused& refused) { return {u"", u"ignored: " + refused.reason}; }

}  // namespace sim
