#include "sim/received_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using sim::ParseCommand;

// A compact reading of a parsed command, so that a table can say what each
// text must become.
std::string Describe(const sim::ReceivedCommand& command) {
  auto text = [](std::u16string_view t) { return std::string(t.begin(), t.end()); };
  auto distance = [](const sim::Distance& d) { return (d.fromFirstOrder ? "-" : "") + std::to_string(d.points); };
  auto side = [](sim::Side s) { return s == sim::Side::Buy ? "buy" : "sell"; };
  if (const auto* open = std::get_if<sim::OpenOrder>(&command)) {
    const char* policies[] = {"tpc", "tpo", "tpon", "tpob"};
    return std::string("open ") + side(open->side) + " " + std::to_string(open->lot) + (open->sound ? " sn" : " sf") +
           (open->bestPrice ? " bn" : " bf") + " sl " + distance(open->stopLoss) + " tp " +
           distance(open->takeProfit) + " " + policies[static_cast<int>(open->policy)] +
           (open->policySettings.empty() ? "" : "(" + text(open->policySettings) + ")") + " life " +
           (open->lifetimeSeconds ? std::to_string(*open->lifetimeSeconds) : "none");
  }
  if (const auto* close = std::get_if<sim::RowClose>(&command)) {
    const char* modes[] = {"cn", "cb", "cs", "cf"};
    return std::string("close ") + side(close->side) + " " + std::to_string(close->amount) + " " +
           modes[static_cast<int>(close->mode)] + (close->sound ? " sn" : " sf") + (close->bestPrice ? " bn" : " bf");
  }
  if (const auto* ticket = std::get_if<sim::TicketClose>(&command)) return "ticket " + std::to_string(ticket->ticket);
  return "refused";
}

struct CommandCase {
  std::u16string text;
  std::string expected;
};

class ReceivedCommands : public testing::TestWithParam<CommandCase> {};

TEST_P(ReceivedCommands, ReadAsTheirKind) { EXPECT_EQ(Describe(ParseCommand(GetParam().text)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    OpenCommands, ReceivedCommands,
    testing::Values(
        CommandCase{u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!", "open buy 10 sn bf sl -35 tp -100 tpc life 999"},
        CommandCase{u"s!0.1!sf!bn!f!35!100$tpo$!999!stop!", "open sell 10 sf bn sl 35 tp 100 tpo life 999"},
        CommandCase{u"s!0.1!sn!bf!f!-35!-100$tpon$3$1!999!stop!",
                    "open sell 10 sn bf sl -35 tp -100 tpon(3$1) life 999"},
        CommandCase{u"s!0.1!sn!bf!f!-35!-100$tpob$3$!999!stop!", "open sell 10 sn bf sl -35 tp -100 tpob(3) life 999"},
        // Empty edits: no stops, no lifetime; a lone "-" is still no stop.
        CommandCase{u"b!0.1!sn!bf!f!!$tpc$!!stop!", "open buy 10 sn bf sl 0 tp 0 tpc life none"},
        CommandCase{u"b!2!sn!bf!f!-!-$tpc$!0!stop!", "open buy 200 sn bf sl -0 tp -0 tpc life 0"},
        CommandCase{u"b!0.1!sn!bf!f!35!100$tpc$!999!stop", "open buy 10 sn bf sl 35 tp 100 tpc life 999"},
        CommandCase{u"b!1E-2!sn!bf!f!35!100$tpc$!999!stop!extra", "open buy 1 sn bf sl 35 tp 100 tpc life 999"},
        CommandCase{u"b!1000!sn!bf!f!35!100$tpc$!999!stop!", "open buy 100000 sn bf sl 35 tp 100 tpc life 999"}));

INSTANTIATE_TEST_SUITE_P(
    CloseCommands, ReceivedCommands,
    testing::Values(CommandCase{u"b!0.3!sn!bf!cb!35!100!999!stop!", "close buy 30 cb sn bf"},
                    CommandCase{u"s!0.2!sn!bf!cs!35!100!999!stop!", "close sell 20 cs sn bf"},
                    CommandCase{u"s!0.2!sf!bn!cn!35!100!999!stop!", "close sell 20 cn sf bn"},
                    CommandCase{u"b!0.2!sn!bf!cf!!!!stop!", "close buy 20 cf sn bf"},
                    CommandCase{u"ct!101!stop!stop!stop!stop!stop!stop!stop!stop", "ticket 101"},
                    CommandCase{u"ct!101!stop!stop!stop!stop!stop!stop!stop!stop!", "ticket 101"}));

INSTANTIATE_TEST_SUITE_P(
    Malformed, ReceivedCommands,
    testing::Values(CommandCase{u"", "refused"}, CommandCase{u"stop", "refused"},
                    CommandCase{u"B!0.1!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    // lots: zero, empty, negative, off the 0.01 step, too big, not a number
                    CommandCase{u"s!00!sf!bn!f!-!-$tpo$!!stop!", "refused"},
                    CommandCase{u"b!!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!-0.1!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.015!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!1000.01!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!1E300!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0,1!sn!bf!f!35!100$tpc$!999!stop!", "refused"},
                    // flags, kind, end mark
                    CommandCase{u"b!0.1!sx!bf!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bb!f!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!x!35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpc$!999!end!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpc$!999!", "refused"},
                    // distances, policy, lifetime
                    CommandCase{u"b!0.1!sn!bf!f!--35!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!3.5!100$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!1e2$tpc$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpx$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpon$x$1!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpon$3$2!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpob$$!999!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpc$!abc!stop!", "refused"},
                    CommandCase{u"b!0.1!sn!bf!f!35!100$tpc$!-1!stop!", "refused"},
                    CommandCase{u"b!0.3!sn!bf!cx!35!100!999!stop!", "refused"},
                    // single-order close: ticket and the eight stops
                    CommandCase{u"ct!!stop!stop!stop!stop!stop!stop!stop!stop", "refused"},
                    CommandCase{u"ct!abc!stop!stop!stop!stop!stop!stop!stop!stop", "refused"},
                    CommandCase{u"ct!-5!stop!stop!stop!stop!stop!stop!stop!stop", "refused"},
                    CommandCase{u"ct!101 x!stop!stop!stop!stop!stop!stop!stop!stop", "refused"},
                    CommandCase{u"ct!101!stop", "refused"}));

TEST(ReceivedCommands, AnyTextIsSafeToRead) {
  // Texts built from the grammar's own characters, of growing length.
  const std::u16string alphabet = u"!$-.019bscftpnoE ";
  std::uint32_t state = 7;
  for (int round = 0; round < 3000; ++round) {
    std::u16string text;
    const int length = round % 97;
    for (int i = 0; i < length; ++i) {
      state = state * 1664525u + 1013904223u;
      text.push_back(alphabet[(state >> 16) % alphabet.size()]);
    }
    ParseCommand(text);
  }
  EXPECT_EQ(Describe(ParseCommand(std::u16string(1 << 20, u'!'))), "refused");
  EXPECT_EQ(Describe(ParseCommand(u"b!0.1!sn!bf!f!35!" + std::u16string(1 << 20, u'$') + u"!999!stop!")), "refused");
}

}  // namespace
