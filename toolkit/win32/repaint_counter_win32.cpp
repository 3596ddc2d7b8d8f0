#include "toolkit/win32/repaint_counter_win32.h"

#include <cstdint>

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

int LiveGdiObjects() {
  int count = 0;
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  return count;
}

UINT GdiCountMessage() {
  static const UINT message = RegisterWindowMessageW(kGdiCountMessageName);
  return message;
}

}  // namespace toolkit::win32
