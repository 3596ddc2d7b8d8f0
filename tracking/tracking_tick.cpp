#include "tracking/tracking_tick.h"

#include "core/fields.h"

namespace tracking {

std::u16string TerminalKeyOf(std::u16string_view title) { return core::parser(u':', title, 1); }

WindowHandle FindChartWindow(WindowSystem& windows, WindowHandle terminal) {
  WindowHandle window = windows.FirstChild(terminal);
  for (int step = 0; step < 6 && window; ++step) window = windows.NextSibling(window);
  if (window) window = windows.FirstChild(window);
  if (window) window = windows.FirstChild(window);
  return window;
}

TickDecision TrackingTick(WindowSystem& windows, WindowHandle panel, TrackingMemory& memory) {
  const WindowHandle front = windows.ForegroundWindow();
  memory.ticksSinceChange = front == memory.lastInFront ? memory.ticksSinceChange + 1 : 0;
  memory.lastInFront = front;
  const bool newInFront = memory.ticksSinceChange < kReassertTicks;
  const std::u16string className = front ? windows.ClassName(front, kClassBufferChars) : std::u16string();
  const std::u16string title = front ? windows.WindowText(front, kTitleBufferChars) : std::u16string();
  TickDecision decision;
  if (front && front == panel) {
    decision.inFront = InFront::Panel;
    return decision;
  }
  if (!front || className != kTerminalClass) {
    windows.SetZOrder(panel, ZOrder::Bottom);
    decision.inFront = InFront::OtherWindow;
    return decision;
  }
  windows.SetZOrder(panel, newInFront ? ZOrder::ReassertTopmost : ZOrder::Topmost);
  decision.inFront = InFront::Terminal;
  decision.chartWindow = FindChartWindow(windows, front);
  decision.terminalKey = TerminalKeyOf(title);
  if (decision.chartWindow) decision.chartRect = windows.WindowRect(decision.chartWindow);
  return decision;
}

}  // namespace tracking
