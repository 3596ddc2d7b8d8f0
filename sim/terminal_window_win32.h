#pragma once
// The stand-in terminal's main window and its tree of children. The panel
// finds the chart as the first child of the first child of the seventh child
// (in z-order) of the main window, so the tree is built in exactly that shape:
//   1 toolbar, 2 account bar, 3 quotes, 4 open orders, 5 expert log,
//   6 status bar, 7 workspace -> chart frame -> chart view.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "sim/chart_view_win32.h"
#include "sim/expert.h"
#include "sim/options.h"

namespace sim {

class TerminalWindow {
 public:
  // Registers the classes and creates the whole tree, shown.
  TerminalWindow(HINSTANCE instance, const Options& options, const Expert& expert);
  TerminalWindow(const TerminalWindow&) = delete;
  TerminalWindow& operator=(const TerminalWindow&) = delete;

  HWND handle() const { return main_; }
  bool created() const { return main_ && chart_; }

  // A line in the expert log, and the chart's latest event.
  void Log(const Happening& happening);
  void Note(std::u16string_view text);
  // Brings the quotes, the order list, the status bar and the chart up to
  // date with the expert.
  void Refresh();

 private:
  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateChildren(HINSTANCE instance);
  void Layout();
  void RefreshOrders();
  void AddLine(std::u16string_view line);

  const Expert& expert_;
  int publishMs_;
  ChartContent content_;
  HWND main_ = nullptr;
  std::array<HWND, 7> children_{};  // in z-order, top first
  HWND quotes_ = nullptr;
  HWND orders_ = nullptr;
  HWND log_ = nullptr;
  HWND status_ = nullptr;
  HWND chartFrame_ = nullptr;
  HWND chart_ = nullptr;
  std::uint64_t shownRevision_ = ~0ull;
};

}  // namespace sim
