#pragma once
// The real orderpanel.exe, started from beside the test program, with its
// form window found; closed again at the end.

#include <windows.h>

#include <string>

#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/form_view_win32.h"

namespace testing_support {

class RunningPanel {
 public:
  RunningPanel() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"orderpanel.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
      return;
    WaitUntil([this] {
      window_ = FindOwnWindow();
      return window_ && IsWindowVisible(window_);
    });
  }
  RunningPanel(const RunningPanel&) = delete;
  RunningPanel& operator=(const RunningPanel&) = delete;
  ~RunningPanel() {
    if (!process_.hProcess) return;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Window() const { return window_; }
  HANDLE Process() const { return process_.hProcess; }

  HWND ControlAt(int left, int top) const { return testing_support::ControlAt(window_, left, top); }

  // Opens the form's context menu on `target` and chooses its `index`-th
  // item by keyboard: the menu's own loop takes the keys from the queue.
  void ChooseFromContextMenu(HWND target, int index) const {
    RECT rect;
    GetWindowRect(target, &rect);
    PostMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), MAKELPARAM(rect.left + 2, rect.top + 2));
    for (int i = 0; i <= index; ++i) PostMessageW(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
  }

 private:
  HWND FindOwnWindow() const { return WindowOfProcess(toolkit::win32::kFormWindowClass, process_.dwProcessId); }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace testing_support
