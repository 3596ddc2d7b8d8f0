#include "exchange/status_display.h"

#include <algorithm>
#include <cmath>

#include "core/display_text.h"
#include "core/fields.h"
#include "core/numbers.h"

namespace exchange {
namespace {

// An empty or malformed amount counts as 0.
double AmountOf(std::u16string_view field) { return core::ParseDecimal(field).value_or(0); }

std::u16string Magnitude(double amount) { return core::FormatGeneral(std::fabs(amount)); }

// Fivefold level, capped at 255 and raised to at least 155; computed wide so
// that no level can overflow.
std::uint32_t Intensity(std::int64_t fivefold) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(fivefold, 155, 255));
}

}  // namespace

CloseCaptions CloseCaptionsFrom(std::u16string_view lock, bool separateAmounts) {
  if (separateAmounts)
    return {Magnitude(AmountOf(core::FieldOf(u'!', lock, 1))), Magnitude(AmountOf(core::FieldOf(u'!', lock, 2)))};
  const std::u16string_view net = core::FieldOf(u'!', lock, 3);
  const double amount = AmountOf(net);
  if (amount > 0) return {u"0", core::ShownText(net)};  // shown as it stands, not reformatted
  if (amount < 0) return {Magnitude(amount), u"0"};
  return {u"0", u"0"};
}

std::u16string TitleFrom(std::u16string_view bidAsk, std::u16string_view profit, TitleParts parts) {
  std::u16string title;
  // Only the start of a long title can be shown: no part is copied past it.
  const auto add = [&title](std::u16string_view part) {
    title.append(part.substr(0, core::kMaxShownChars + 1 - std::min(title.size(), core::kMaxShownChars + 1)));
  };
  if (parts.bid) add(core::FieldOf(u'!', bidAsk, 2));
  if (parts.spread) add(u" ("), add(core::FieldOf(u'!', bidAsk, 4)), add(u")");
  if (parts.ask) add(u" "), add(core::FieldOf(u'!', bidAsk, 3));
  if (parts.profit) add(u" "), add(profit);
  return core::ShownText(title);
}

BarColors BarColorsFrom(std::u16string_view level, std::u16string_view direction) {
  const auto u = core::ParseWhole(level);
  const auto d = core::ParseWhole(direction);
  if (!u || !d) return {kBarWhite, kBarWhite};
  const std::int64_t v = std::int64_t{5} * *u;
  BarColors colors;
  colors.level = v > 0 ? 0x02000000u + Intensity(v) * 0x100u : 0x02000000u + Intensity(-v);
  if (*d > 0) colors.direction = kBarGreen;
  if (*d < 0) colors.direction = kBarRed;
  return colors;
}

}  // namespace exchange
