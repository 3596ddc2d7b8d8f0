#pragma once
// Counts what the views draw, process-wide: every WM_PAINT of a view, every
// owner-drawn glass button and every new title. Another process reads the
// count by sending the form window the registered message below.

#include <windows.h>

namespace toolkit::win32 {

inline constexpr wchar_t kRepaintCountMessageName[] = L"orderpanel.repaint-count";

void CountRepaint();
unsigned long RepaintCount();

// The message number behind kRepaintCountMessageName; the form window answers
// it with RepaintCount().
UINT RepaintCountMessage();

}  // namespace toolkit::win32
