#include "sim/received_command.h"

#include <cmath>

#include "core/fields.h"
#include "core/numbers.h"

namespace sim {
namespace {

constexpr std::int64_t kMaxPoints = 1'000'000;

std::u16string Field(std::u16string_view text, int number) { return core::parser(u'!', text, number); }

// "sn"/"sf", "bn"/"bf": anything else is not a flag of ours.
std::optional<bool> Flag(std::u16string_view field, std::u16string_view on, std::u16string_view off) {
  if (field == on) return true;
  if (field == off) return false;
  return std::nullopt;
}

std::optional<Distance> ParseDistance(std::u16string_view text) {
  Distance distance;
  if (!text.empty() && text.front() == u'-') {
    distance.fromFirstOrder = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return distance;
  const auto points = core::ParseWhole(text);
  if (!points || *points < 0 || *points > kMaxPoints) return std::nullopt;
  distance.points = *points;
  return distance;
}

// Empty: no limit given.
std::optional<std::optional<std::int32_t>> ParseLifetime(std::u16string_view text) {
  if (text.empty()) return std::optional<std::int32_t>();
  const auto seconds = core::ParseWhole(text);
  if (!seconds || *seconds < 0) return std::nullopt;
  return std::optional<std::int32_t>(*seconds);
}

bool IsMultiple(std::u16string_view text) {
  const auto multiple = core::ParseDecimal(text);
  return multiple && *multiple >= 0;
}

// The take-profit field: distance "$" policy name, then the policy's own
// settings.
ReceivedCommand ParseTakeProfitAndPolicy(std::u16string_view field, OpenOrder order) {
  const auto takeProfit = ParseDistance(core::parser(u'$', field, 1));
  if (!takeProfit) return Refused{u"take-profit is not a distance in points"};
  order.takeProfit = *takeProfit;
  const std::u16string name = core::parser(u'$', field, 2);
  const std::u16string multiple = core::parser(u'$', field, 3);
  if (name == u"tpc") {
    order.policy = Policy::EachOwn;
  } else if (name == u"tpo") {
    order.policy = Policy::Common;
  } else if (name == u"tpon") {
    const std::u16string ladder = core::parser(u'$', field, 4);
    if (!IsMultiple(multiple) || (ladder != u"0" && ladder != u"1"))
      return Refused{u"tpon needs a drawdown multiple and a 0/1 flag"};
    order.policy = Policy::CommonWithSettings;
    order.policySettings = multiple + u"$" + ladder;
  } else if (name == u"tpob") {
    if (!IsMultiple(multiple)) return Refused{u"tpob needs a drawdown multiple"};
    order.policy = Policy::BreakEvenEach;
    order.policySettings = multiple;
  } else {
    return Refused{u"unknown take-profit policy"};
  }
  return order;
}

ReceivedCommand ParseRowCommand(std::u16string_view text, Side side) {
  const auto lot = ParseLot(Field(text, 2));
  if (!lot) return Refused{u"lot is not a positive multiple of 0.01 up to 1000"};
  const auto sound = Flag(Field(text, 3), u"sn", u"sf");
  const auto bestPrice = Flag(Field(text, 4), u"bn", u"bf");
  if (!sound || !bestPrice) return Refused{u"fields 3 and 4 must be sn/sf and bn/bf"};
  const auto lifetime = ParseLifetime(Field(text, 8));
  if (!lifetime) return Refused{u"lifetime is not a whole number of seconds"};
  if (Field(text, 9) != u"stop") return Refused{u"field 9 is not stop"};

  const std::u16string kind = Field(text, 5);
  if (kind == u"f") {
    OpenOrder order;
    order.side = side;
    order.lot = *lot;
    order.sound = *sound;
    order.bestPrice = *bestPrice;
    order.lifetimeSeconds = *lifetime;
    const auto stopLoss = ParseDistance(Field(text, 6));
    if (!stopLoss) return Refused{u"stop-loss is not a distance in points"};
    order.stopLoss = *stopLoss;
    return ParseTakeProfitAndPolicy(Field(text, 7), std::move(order));
  }
  RowClose close{.side = side, .amount = *lot, .sound = *sound, .bestPrice = *bestPrice};
  if (kind == u"cn") {
    close.mode = CloseMode::OverlapThenClose;
  } else if (kind == u"cb") {
    close.mode = CloseMode::BuyOrders;
  } else if (kind == u"cs") {
    close.mode = CloseMode::SellOrders;
  } else if (kind == u"cf") {
    close.mode = CloseMode::Cover;
  } else {
    return Refused{u"field 5 is none of f, cn, cb, cs, cf"};
  }
  return close;
}

ReceivedCommand ParseTicketClose(std::u16string_view text) {
  const auto ticket = core::ParseWhole(Field(text, 2));
  if (!ticket || *ticket <= 0) return Refused{u"ticket is not a positive whole number"};
  for (int field = 3; field <= 10; ++field)
    if (Field(text, field) != u"stop") return Refused{u"fields 3 to 10 must be stop"};
  return TicketClose{*ticket};
}

}  // namespace

std::optional<Centilots> ParseLot(std::u16string_view text) {
  const auto lot = core::ParseDecimal(text);
  if (!lot || !(*lot > 0) || *lot * 100 > static_cast<double>(kMaxCentilots)) return std::nullopt;
  const double hundredths = *lot * 100;
  const double rounded = std::round(hundredths);
  if (rounded < 1 || std::fabs(hundredths - rounded) > 1e-6) return std::nullopt;
  return static_cast<Centilots>(rounded);
}

ReceivedCommand ParseCommand(std::u16string_view text) {
  const std::u16string kind = Field(text, 1);
  if (kind == u"b") return ParseRowCommand(text, Side::Buy);
  if (kind == u"s") return ParseRowCommand(text, Side::Sell);
  if (kind == u"ct") return ParseTicketClose(text);
  return Refused{u"field 1 is none of b, s, ct"};
}

}  // namespace sim
