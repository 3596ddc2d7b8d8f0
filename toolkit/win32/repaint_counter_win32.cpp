#include "toolkit/win32/repaint_counter_win32.h"

namespace toolkit::win32 {
namespace {

// Only the GUI thread draws.
unsigned long repaints = 0;

}  // namespace

void CountRepaint() { ++repaints; }
unsigned long RepaintCount() { return repaints; }

UINT RepaintCountMessage() {
  static const UINT message = RegisterWindowMessageW(kRepaintCountMessageName);
  return message;
}

}  // namespace toolkit::win32
