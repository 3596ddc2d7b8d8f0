// A minimal stand-in until the full shell services (with the version
// resource) arrive; only what the window needs to start.
#include "ui/shell_win32.h"

#include <windows.h>

namespace ui {

void Win32Shell::ShiftKey(bool) {}
void Win32Shell::OpenAddress(std::u16string_view) {}
void Win32Shell::Beep() {}

std::u16string Win32Shell::ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::u16string(path, path + length);
}

std::u16string Win32Shell::FileVersion(std::u16string_view) { return {}; }

}  // namespace ui
