// Following the terminal in front and the pin command.
#include "tracking/tracking_tick.h"
#include "ui/form1.h"

void TForm1::Timer1Timer() {
  const tracking::TickDecision tick = tracking::TrackingTick(platform_.windows, Handle(), trackingMemory_);
  if (tick.inFront != tracking::InFront::Terminal) return;
  TerminalKey = tick.terminalKey;
  ChartWindow = tick.chartWindow;
  if (tick.chartRect) {
    SetLeft(tick.chartRect->left - DockOffsetX);
    SetTop(tick.chartRect->top - DockOffsetY);
  }
  readnastr();
}

void TForm1::N2Click() {
  if (!ChartWindow) return;
  const auto chart = platform_.windows.WindowRect(ChartWindow);
  if (!chart) return;
  DockOffsetX = chart->left - Left();
  DockOffsetY = chart->top - Top();
}
