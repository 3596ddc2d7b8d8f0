#include "tracking/window_system_win32.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tracking {
namespace {

HWND HandleOf(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle NumberOf(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Reads into a buffer of exactly `bufferChars` characters, as the caller asks.
template <typename Read>
std::u16string ReadText(int bufferChars, Read read) {
  if (bufferChars <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferChars), L'\0');
  const int length = read(buffer.data(), bufferChars);
  if (length <= 0) return {};
  return std::u16string(buffer.begin(), buffer.begin() + std::min(length, bufferChars - 1));
}

}  // namespace

WindowHandle Win32WindowSystem::ForegroundWindow() { return NumberOf(GetForegroundWindow()); }

std::u16string Win32WindowSystem::ClassName(WindowHandle window, int bufferChars) {
  return ReadText(bufferChars, [window](wchar_t* text, int size) { return GetClassNameW(HandleOf(window), text, size); });
}

std::u16string Win32WindowSystem::WindowText(WindowHandle window, int bufferChars) {
  return ReadText(bufferChars,
                  [window](wchar_t* text, int size) { return GetWindowTextW(HandleOf(window), text, size); });
}

WindowHandle Win32WindowSystem::FirstChild(WindowHandle window) {
  return NumberOf(GetWindow(HandleOf(window), GW_CHILD));
}

WindowHandle Win32WindowSystem::NextSibling(WindowHandle window) {
  return NumberOf(GetWindow(HandleOf(window), GW_HWNDNEXT));
}

std::optional<Rect> Win32WindowSystem::WindowRect(WindowHandle window) {
  RECT rect;
  if (!GetWindowRect(HandleOf(window), &rect)) return std::nullopt;
  return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32WindowSystem::SetZOrder(WindowHandle window, ZOrder order) {
  // Never activating: the panel must not take the front from the terminal.
  constexpr UINT kOnlyZOrder = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  if (order == ZOrder::ReassertTopmost) SetWindowPos(HandleOf(window), HWND_NOTOPMOST, 0, 0, 0, 0, kOnlyZOrder);
  SetWindowPos(HandleOf(window), order == ZOrder::Bottom ? HWND_BOTTOM : HWND_TOPMOST, 0, 0, 0, 0, kOnlyZOrder);
}

}  // namespace tracking
