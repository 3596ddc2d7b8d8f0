// CPU time per second of the real panel at steady state, beside a simulated
// terminal in front whose status stays the same, against a floor process
// that makes the bare calls of the design at the design's rates. Each side
// is counted as its own process plus the wine server, which does the other
// half of every window and registry call.
//
// Run by ./bench in a Wine session:
//   steady_cpu_benchmark.exe
// and, started by itself, the floor: steady_cpu_benchmark.exe --floor KEY LEFT TOP
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/bench/bench_support_win32.h"
#include "tests/bench/quiet_terminal_win32.h"
#include "tests/support/running_panel_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/form_view_win32.h"

namespace {

using namespace std::chrono_literals;

constexpr int kRounds = 4;
constexpr DWORD kMeasuredMilliseconds = 5000;

// The floor: a window of the panel's style and size where the panel docks,
// shown topmost without taking the front, and the design's three timers
// doing their bare calls.
std::wstring floorKey;

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  if (message != WM_TIMER) return DefWindowProcW(window, message, wParam, lParam);
  switch (wParam) {
    case 1:  // following the terminal, every 100 ms
      bench::BareTrackingCalls(window, floorKey.c_str());
      break;
    case 2:  // the status, every 50 ms
      bench::BareStatusReads(floorKey.c_str());
      break;
    case 4:  // the open orders, every second
      bench::BareRead(floorKey.c_str(), L"r_ord");
      break;
  }
  return 0;
}

int RunFloor(std::wstring key, int left, int top) {
  floorKey = std::move(key);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FloorProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"SteadyCpuFloor";
  RegisterClassExW(&windowClass);
  RECT frame{0, 0, 175, 58};
  AdjustWindowRectEx(&frame, toolkit::win32::kFormStyle, FALSE, 0);
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"floor", toolkit::win32::kFormStyle,
                                      left, top, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                      windowClass.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  SetTimer(window, 1, 100, nullptr);
  SetTimer(window, 2, 50, nullptr);
  SetTimer(window, 4, 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

// The floor as a process of its own, ended when it goes.
class FloorProcess {
 public:
  FloorProcess(const std::wstring& key, POINT place) {
    std::wstring command = L"\"" + testing_support::BesideThisProgram(L"steady_cpu_benchmark.exe") + L"\" --floor " +
                           key + L" " + std::to_wstring(place.x) + L" " + std::to_wstring(place.y);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
      return;
    testing_support::WaitUntil([&] { return WindowOf(); });
  }
  ~FloorProcess() {
    if (!process_.hProcess) return;
    if (const HWND window = WindowOf()) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  FloorProcess(const FloorProcess&) = delete;
  FloorProcess& operator=(const FloorProcess&) = delete;
  HWND WindowOf() const { return testing_support::WindowOfProcess(L"SteadyCpuFloor", process_.dwProcessId); }

 private:
  PROCESS_INFORMATION process_{};
};

// The Linux side, seen through drive Z:. Wine's GetProcessTimes gives next
// to nothing for another process, so every process here is counted from
// its Linux task files: all its threads' time on the CPU, in nanoseconds.
std::string ReadLinuxFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

template <typename Each>
void ForEachEntry(const std::wstring& folder, Each each) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.cFileName[0] >= L'0' && found.cFileName[0] <= L'9') each(std::wstring(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// The Linux process of this session (told apart by its prefix) whose
// command line holds `part`; empty when there is none.
std::wstring LinuxProcessOf(const std::string& part) {
  char prefix[MAX_PATH] = {};
  GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
  const std::string ownPrefix = std::string("WINEPREFIX=") + prefix + '\0';
  std::wstring match;
  ForEachEntry(L"Z:\\proc", [&](const std::wstring& pid) {
    if (!match.empty()) return;
    const std::wstring folder = L"Z:\\proc\\" + pid;
    std::string command = ReadLinuxFile(folder + L"\\cmdline");
    std::replace(command.begin(), command.end(), '\0', ' ');
    if (command.find(part) == std::string::npos) return;
    if (('\0' + ReadLinuxFile(folder + L"\\environ")).find('\0' + ownPrefix) != std::string::npos) match = pid;
  });
  return match;
}

double LinuxCpuMicroseconds(const std::wstring& pid) {
  const std::wstring tasks = L"Z:\\proc\\" + pid + L"\\task";
  double nanoseconds = 0;
  ForEachEntry(tasks, [&](const std::wstring& task) {
    nanoseconds += std::strtod(ReadLinuxFile(tasks + L"\\" + task + L"\\schedstat").c_str(), nullptr);
  });
  return nanoseconds / 1000;
}

// Milliseconds of CPU per second of the measured time, the process's and
// the server's, while this program only waits.
std::optional<double> CpuPerSecond(const std::wstring& process, const std::wstring& server) {
  if (process.empty()) return std::nullopt;
  const double before = LinuxCpuMicroseconds(process) + LinuxCpuMicroseconds(server);
  const double start = bench::NowMicroseconds();
  Sleep(kMeasuredMilliseconds);
  const double seconds = (bench::NowMicroseconds() - start) / 1e6;
  return (LinuxCpuMicroseconds(process) + LinuxCpuMicroseconds(server) - before) / 1000 / seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && argv[1] == std::wstring(L"--floor")) return RunFloor(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
  const char* what = "panel CPU per second of steady state / its floor";
  const std::wstring server = LinuxProcessOf("wineserver");
  if (server.empty()) {
    bench::Row(what, "? (no wine server of this prefix)", "at most 1.3");
    return 1;
  }
  const bench::QuietTerminal terminal;
  RECT chart;
  GetWindowRect(terminal.Chart(), &chart);
  std::vector<double> panelRounds, floorRounds;
  for (int round = 0; round < kRounds; ++round) {
    {
      const testing_support::RunningPanel panel;
      const bool docked = terminal.InFrontUntil([&] {
        RECT frame;
        GetWindowRect(panel.Window(), &frame);
        return frame.left == chart.left && frame.top == chart.top;
      });
      if (!docked) {
        bench::Row(what, "? (the panel never docked)", "at most 1.3");
        return 1;
      }
      testing_support::PumpUntil([] { return false; }, 1s);
      const auto cpu = CpuPerSecond(LinuxProcessOf("\\orderpanel.exe"), server);
      if (!cpu) break;
      panelRounds.push_back(*cpu);
    }
    const FloorProcess floor(terminal.Key(), {chart.left, chart.top});
    terminal.InFrontUntil([] { return true; });
    testing_support::PumpUntil([] { return false; }, 1s);
    const auto cpu = CpuPerSecond(LinuxProcessOf("steady_cpu_benchmark.exe --floor"), server);
    if (!cpu) break;
    floorRounds.push_back(*cpu);
  }
  if (floorRounds.size() < kRounds) {
    bench::Row(what, "? (a process not found on the Linux side)", "at most 1.3");
    return 1;
  }
  const double panel = bench::Median(panelRounds), floor = bench::Median(floorRounds);
  char figure[96];
  std::snprintf(figure, sizeof figure, "%.2f (%.1f ms / %.1f ms per s)", panel / floor, panel, floor);
  bench::Row(what, figure, "at most 1.3");
  return 0;
}
