#pragma once
// Counts what the views draw, process-wide, and the GDI objects alive: every WM_PAINT of a view, every
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

// The GDI objects alive in this process, found by asking for the type of
// every handle index (Wine finds an object by the low 16 bits alone, and its
// GetGuiResources counts nothing). Another process reads it through the form
// window with the registered message below, to see that nothing leaks.
int LiveGdiObjects();
inline constexpr wchar_t kGdiCountMessageName[] = L"orderpanel.gdi-count";
UINT GdiCountMessage();

}  // namespace toolkit::win32
