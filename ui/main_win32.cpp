// orderpanel.exe: the panel's one form in its window, and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "core/registry_store_win32.h"
#include "toolkit/win32/form_window_win32.h"
#include "tracking/window_system_win32.h"
#include "ui/form1.h"
#include "ui/menu_images_win32.h"
#include "ui/shell_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  core::RegistryStore store;
  tracking::Win32WindowSystem windows;
  ui::Win32Shell shell;
  ui::Platform platform{store, windows, shell};
  TForm1 form(platform);
  // Closing the window runs form.OnClose (bound by the form) and ends the loop.
  toolkit::win32::FormWindow window(form, {&form.Timer1, &form.Timer2, &form.Timer4}, ui::CreateOrderImages);
  if (!window.Handle()) return 1;
  form.SetHandle(reinterpret_cast<toolkit::WindowHandle>(window.Handle()));
  form.FormCreate();
  ShowWindow(window.Handle(), showCommand);
  return toolkit::win32::RunMessageLoop(window.Handle());
}
