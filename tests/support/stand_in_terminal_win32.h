#pragma once
// A bare window of the terminal's class in front, so that the real panel
// takes its key, and the status values an expert would publish under it.

#include <windows.h>

#include <string>

namespace testing_support {

class StandInTerminal {
 public:
  // The title is `key` + ": Demo"; the window lies at `left`, `top`.
  StandInTerminal(std::wstring key, int left, int top) : key_(std::move(key)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MetaQuotes::MetaTrader::4.00";
    RegisterClassExW(&windowClass);
    const std::wstring title = key_ + L": Demo";
    window_ = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, left,
                              top, 600, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetForegroundWindow(window_);
  }
  StandInTerminal(const StandInTerminal&) = delete;
  StandInTerminal& operator=(const StandInTerminal&) = delete;
  ~StandInTerminal() {
    DestroyWindow(window_);
    RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
  }

  HWND Window() const { return window_; }

  void Publish(const wchar_t* name, const std::wstring& value) const {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
      return;
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }

 private:
  std::wstring key_;
  HWND window_ = nullptr;
};

}  // namespace testing_support
