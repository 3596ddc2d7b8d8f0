#pragma once
// The stand-in terminal for tests: terminal-sim.exe started from beside the
// test program, and the exchange key it trades under.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "tests/support/window_probe_win32.h"
#include "tests/support/raw_registry_win32.h"
#include "tracking/tracking_tick.h"

namespace testing_support {

inline bool WaitFor(const std::function<bool()>& done,
                    std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

inline std::wstring BesideThisProgram(const std::wstring& name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + name;
}

// An account number of this test process's own, so that tests running side
// by side never share a key.
inline std::wstring AccountOf(int tag) { return std::to_wstring(GetCurrentProcessId() * 10 + tag); }

// One running simulator; closed (or, failing that, ended) when it goes.
class Simulator {
 public:
  // `options`: the command line after the program's name.
  explicit Simulator(const std::wstring& options) {
    std::wstring command = L"\"" + BesideThisProgram(L"terminal-sim.exe") + L"\" " + options;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
      return;
    // Shown once its whole tree is built.
    WaitFor([&] {
      window_ = FindOwnWindow();
      return window_ && IsWindowVisible(window_);
    });
  }
  static std::wstring TitleOf(const std::wstring& account) { return account + L": Demo-Server - EURUSD,H1"; }
  static Simulator OfAccount(const std::wstring& account, const std::wstring& more = L"") {
    return Simulator(L"--account " + account + L" --tick-ms 0 " + more);
  }
  ~Simulator() {
    Close();
    if (process_.hProcess) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }
  Simulator(Simulator&& other) noexcept : process_(other.process_), window_(other.window_) {
    other.process_ = {};
    other.window_ = nullptr;
  }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  HWND window() const { return window_; }

  // The first child of the first child of the seventh child of the main window.
  HWND Chart() const {
    HWND step = GetWindow(window_, GW_CHILD);
    for (int i = 0; i < 6 && step; ++i) step = GetWindow(step, GW_HWNDNEXT);
    if (step) step = GetWindow(step, GW_CHILD);
    return step ? GetWindow(step, GW_CHILD) : nullptr;
  }

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
  HWND FindOwnWindow() const {
    return WindowOfProcess(core::ToWide(tracking::kTerminalClass).c_str(), process_.dwProcessId);
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The exchange key of one simulator, emptied before and after the test. The
// empty key is the root of HKEY_CURRENT_USER: there only the exchange's own
// values go, never the whole tree.
class Exchange {
 public:
  explicit Exchange(const std::wstring& key) : key_(key) { Clear(); }
  ~Exchange() { Clear(); }
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  std::u16string Read(std::u16string_view name) { return store_.ReadIniReg(core::FromWide(key_), name); }
  void Write(std::u16string_view name, std::u16string_view value) {
    store_.WriteIniReg(core::FromWide(key_), name, value);
  }
  // Writes a command as the panel does and waits until the expert took it.
  bool Send(std::u16string_view command) {
    Write(u"prikaz", command);
    return WaitFor([&] { return Read(u"prikaz").empty(); });
  }
  bool Shows(std::u16string_view name, std::u16string_view expected,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
    return WaitFor([&] { return Read(name) == expected; }, timeout);
  }

 private:
  void Clear() {
    if (!key_.empty()) return DeleteTree(key_);
    for (const wchar_t* name :
         {L"prikaz", L"lock", L"bid_ask", L"profit", L"macd_uroven", L"macd_napravl", L"r_ord", L"profil2"})
      DeleteRootValue(name);
  }

  std::wstring key_;
  core::RegistryStore store_;
};

}  // namespace testing_support
