#include "exchange/commands.h"

namespace exchange {
namespace {

// Side letter, the given text, then the two flags: "b!0.1!sn!bf!".
std::u16string Head(Side side, std::u16string_view text, const OrderSettings& settings) {
  std::u16string command = side == Side::Buy ? u"b!" : u"s!";
  command += text;
  command += settings.sound ? u"!sn!" : u"!sf!";
  command += settings.bestPrice ? u"bn!" : u"bf!";
  return command;
}

}  // namespace

std::u16string OpenCommand(Side side, std::u16string_view lot, const OrderSettings& settings, bool firstOrder,
                           std::u16string_view policy) {
  const std::u16string_view prefix = firstOrder ? u"-" : u"";
  std::u16string command = Head(side, lot, settings);
  command += u"f!";
  command.append(prefix).append(settings.stopLoss) += u"!";
  command.append(prefix).append(settings.takeProfit).append(u"$").append(policy) += u"!";
  command.append(settings.lifetime) += u"!stop!";
  return command;
}

CloseMode CloseModeOf(bool overlapAndClose, bool closeWithoutOverlap) {
  // The two boxes exclude each other; should both be ticked, one token is
  // still sent so that the fields after it stay in place.
  if (overlapAndClose) return CloseMode::Overlap;
  return closeWithoutOverlap ? CloseMode::Standard : CloseMode::Plain;
}

std::u16string CloseCommand(Side side, std::u16string_view amount, const OrderSettings& settings, CloseMode mode) {
  std::u16string command = Head(side, amount, settings);
  switch (mode) {
    case CloseMode::Overlap: command += u"cn!"; break;
    case CloseMode::Plain: command += u"cf!"; break;
    case CloseMode::Standard: command += side == Side::Buy ? u"cb!" : u"cs!"; break;
  }
  command.append(settings.stopLoss) += u"!";
  command.append(settings.takeProfit) += u"!";
  command.append(settings.lifetime) += u"!stop!";
  return command;
}

std::u16string SingleOrderCloseCommand(std::u16string_view ticket) {
  std::u16string command = u"ct!";
  command += ticket;
  for (int i = 0; i < 8; ++i) command += u"!stop";
  return command;
}

std::u16string PolicyTag(TpPolicyKind kind, std::u16string_view commonMultiple, bool ladderBreakEven,
                         std::u16string_view breakEvenMultiple) {
  switch (kind) {
    case TpPolicyKind::EachOwn: return u"tpc$";
    case TpPolicyKind::Common: return u"tpo$";
    case TpPolicyKind::CommonWithSettings:
      return std::u16string(u"tpon$").append(commonMultiple).append(u"$").append(ladderBreakEven ? u"1" : u"0");
    case TpPolicyKind::BreakEvenEach: return std::u16string(u"tpob$").append(breakEvenMultiple).append(u"$");
  }
  return {};
}

std::u16string DrawdownCaption(std::u16string_view multiple) {
  return std::u16string(u"просадка ").append(multiple).append(u"*TP");
}

}  // namespace exchange
