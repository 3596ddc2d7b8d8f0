#include "ui/shell_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <vector>

#include "core/win32_text.h"
#include "ui/version_block.h"

namespace ui {

void Win32Shell::ShiftKey(bool down) { keybd_event(VK_SHIFT, 0, down ? 0 : KEYEVENTF_KEYUP, 0); }

void Win32Shell::OpenAddress(std::u16string_view address) {
  const std::wstring file = core::ToWide(address);
  ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::Beep() { MessageBeep(MB_OK); }

std::u16string Win32Shell::ProgramPath() {
  // A full buffer means the path may have been cut: try again with more room.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return core::FromWide(path);
    }
    path.resize(path.size() * 2);
  }
}

std::u16string Win32Shell::FileVersion(std::u16string_view fileName) {
  const std::wstring name = core::ToWide(fileName);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &handle);
  if (size == 0) return {};
  std::vector<std::byte> data(size);
  if (!GetFileVersionInfoW(name.c_str(), handle, size, data.data())) return {};

  void* table = nullptr;
  UINT tableBytes = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &table, &tableBytes) ||
      tableBytes < sizeof(std::uint32_t))
    return {};
  std::uint32_t firstTranslation;
  std::memcpy(&firstTranslation, table, sizeof firstTranslation);

  const std::wstring query = L"\\StringFileInfo\\" + core::ToWide(VersionBlockName(firstTranslation)) + L"\\FileVersion";
  void* text = nullptr;
  UINT textChars = 0;
  if (!VerQueryValueW(data.data(), query.c_str(), &text, &textChars) || !text) return {};
  const auto* chars = static_cast<const wchar_t*>(text);
  return core::FromWide(std::wstring_view(chars, wcsnlen(chars, textChars)));
}

}  // namespace ui
