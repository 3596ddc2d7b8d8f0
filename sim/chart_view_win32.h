#pragma once
// The simulator's chart window: the bid as a line, the ask, the open orders
// with their stops, and the latest command, drawn from the expert's state.

#include <windows.h>

#include <string>

#include "sim/expert.h"

namespace sim {

struct ChartContent {
  const Expert* expert = nullptr;
  std::u16string lastHappening;  // shown at the bottom: what the user just did
};

inline constexpr wchar_t kChartViewClass[] = L"TerminalSimChart";

void RegisterChartView(HINSTANCE instance);
// A chart window that draws `content`, which must outlive it.
HWND CreateChartView(HINSTANCE instance, HWND parent, const ChartContent* content);

}  // namespace sim
