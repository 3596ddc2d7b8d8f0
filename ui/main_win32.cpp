// orderpanel.exe: the panel's window and message loop.
#include <windows.h>

#include "core/registry_store_win32.h"
#include "core/win32_text.h"
#include "ui/form1.h"
#include "ui/shell_win32.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // single fixed border, close box only

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// This window runs no timers yet, so nothing asks it about terminals.
class NoTerminalsSeen : public tracking::WindowSystem {
 public:
  tracking::WindowHandle ForegroundWindow() override { return 0; }
  std::u16string ClassName(tracking::WindowHandle, int) override { return {}; }
  std::u16string WindowText(tracking::WindowHandle, int) override { return {}; }
  tracking::WindowHandle FirstChild(tracking::WindowHandle) override { return 0; }
  tracking::WindowHandle NextSibling(tracking::WindowHandle) override { return 0; }
  std::optional<tracking::Rect> WindowRect(tracking::WindowHandle) override { return std::nullopt; }
  void SetZOrder(tracking::WindowHandle, tracking::ZOrder) override {}
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  core::RegistryStore store;
  NoTerminalsSeen windows;
  ui::Win32Shell shell;
  ui::Platform platform{store, windows, shell};
  TForm1 form(platform);
  form.FormCreate();

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  RECT frame{0, 0, form.ClientWidth(), form.ClientHeight()};
  AdjustWindowRect(&frame, kStyle, FALSE);
  const std::wstring title = core::ToWide(form.Caption());
  HWND window = CreateWindowExW(0, kWindowClass, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
