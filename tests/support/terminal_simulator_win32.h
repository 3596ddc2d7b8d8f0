#pragma once
// terminal-sim.exe, started from beside the test program, with its main
// window found once its whole tree is built; closed (or ended) at the end.

#include <windows.h>

#include <string>

#include "core/win32_text.h"
#include "tests/support/window_probe_win32.h"
#include "tracking/tracking_tick.h"

namespace testing_support {

inline std::wstring SimulatorPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"terminal-sim.exe";
}

// An account number of this test process's own, so that tests running side
// by side never share a key.
inline std::wstring AccountOf(int tag) { return std::to_wstring(GetCurrentProcessId() * 10 + tag); }

class Simulator {
 public:
  struct Launch {
    std::wstring title;    // the window to wait for
    std::wstring options;  // the command line after the program
  };
  explicit Simulator(const Launch& launch) : title_(launch.title) {
    std::wstring command = L"\"" + SimulatorPath() + L"\" " + launch.options;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
      return;
    const std::wstring windowClass = core::ToWide(tracking::kTerminalClass);
    WaitUntil([&] {
      window_ = FindWindowW(windowClass.c_str(), title_.c_str());
      return window_ && IsWindowVisible(window_);
    });
  }
  static std::wstring TitleOf(const std::wstring& account) { return account + L": Demo-Server - EURUSD,H1"; }
  explicit Simulator(const std::wstring& account, const std::wstring& more = L"")
      : Simulator(Launch{TitleOf(account), L"--account " + account + L" --tick-ms 0 " + more}) {}
  ~Simulator() {
    Close();
    if (process_.hProcess) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  HWND window() const { return window_; }

  // Asks the window to close; true when the process then ended by itself.
  bool Close() {
    if (!process_.hProcess) return false;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    DWORD code = STILL_ACTIVE;
    return WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &code) && code == 0;
  }

 private:
  std::wstring title_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace testing_support
