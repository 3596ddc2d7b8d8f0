#pragma once
// The tracking tick's decision: who is in front, and for a terminal, its key,
// its chart window and where that chart is.

#include <optional>
#include <string>
#include <string_view>

#include "tracking/window_system.h"

namespace tracking {

// The terminal's main window class, compared exactly.
inline constexpr std::u16string_view kTerminalClass = u"MetaQuotes::MetaTrader::4.00";
inline constexpr int kClassBufferChars = 256;
inline constexpr int kTitleBufferChars = 88;  // so at most 87 characters of a title

// The text of the title before its first ':', or the whole title.
std::u16string TerminalKeyOf(std::u16string_view title);

// The first child of the first child of the seventh child (in z-order) of
// the terminal's main window; 0 once any step finds no window.
WindowHandle FindChartWindow(WindowSystem& windows, WindowHandle terminal);

enum class InFront { Panel, OtherWindow, Terminal };

struct TickDecision {
  InFront inFront = InFront::OtherWindow;
  // Only for a terminal in front:
  std::u16string terminalKey;
  WindowHandle chartWindow = 0;
  std::optional<Rect> chartRect;  // nullopt: no chart found, the panel stays put
};

// What one tick leaves for the next.
struct TrackingMemory {
  WindowHandle lastInFront = 0;
  int ticksSinceChange = 0;
};

// A window that has come to the front may be drawn over the panel for a
// moment after the tick that first sees it (its window is shown, then
// raised): the topmost state is asserted anew for this many ticks.
inline constexpr int kReassertTicks = 5;

// Looks at the window in front and sets the panel's z-order: topmost beside
// a terminal (asserted anew just after that terminal came to the front),
// to the bottom behind anything else, untouched when the panel itself is in
// front.
TickDecision TrackingTick(WindowSystem& windows, WindowHandle panel, TrackingMemory& memory);

}  // namespace tracking
