#pragma once
// Looking at windows through the Win32 API, for tests: texts, classes,
// places within the parent, children in z-order, and waiting with a timeout.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <string>
#include <vector>

namespace testing_support {

// Asked of the window itself: for a control of another process the window
// system would give only the text it was made with.
inline std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                      &copied);
  // The text may change between the two messages, and under Wine the count
  // that comes back from another process can exceed what was copied: the
  // copy ends at its terminating null.
  text.resize(std::min<std::size_t>(copied, wcsnlen(text.data(), text.size())));
  return text;
}

inline std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// Left, top, width, height within the parent's client area.
inline RECT PlaceOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline SIZE ClientSizeOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// The top-level window of class `windowClass` that belongs to `process`.
inline HWND WindowOfProcess(const wchar_t* windowClass, DWORD process) {
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
       window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process) return window;
  }
  return nullptr;
}

// Direct children, top of the z-order first.
inline std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// The control of the form's one panel whose design place is `left`, `top`.
inline HWND ControlAt(HWND form, int left, int top) {
  for (HWND child : ChildrenOf(GetWindow(form, GW_CHILD))) {
    const RECT place = PlaceOf(child);
    if (place.left == left && place.top == top) return child;
  }
  return nullptr;
}

// Delivers this thread's messages until `done` holds or the time is up.
template <typename Done>
bool PumpUntil(Done done, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Waits, without delivering messages, until `done` holds or the time is up.
template <typename Done>
bool WaitUntil(Done done, std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace testing_support
