#include "core/registry_store_win32.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/unique_handle.h"
#include "core/win32_text.h"

namespace core {
namespace {

struct RegistryKeyTraits {
  using handle_type = HKEY;
  static HKEY empty() { return nullptr; }
  static void close(HKEY key) { RegCloseKey(key); }
};
using unique_hkey = unique_handle<RegistryKeyTraits>;

unique_hkey OpenKey(std::u16string_view section) {
  unique_hkey key;
  const std::wstring path = ToWide(section);
  // The outcome is not looked at: a key that failed to open stays empty and
  // every later call on it fails quietly.
  if (path.empty()) {
    RegOpenKeyExW(HKEY_CURRENT_USER, L"", 0, KEY_ALL_ACCESS, key.put());
  } else {
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    key.put(), nullptr);
  }
  return key;
}

// The data as text up to its first null; the size is in bytes and the data
// need not be terminated.
std::u16string TextOf(const std::vector<wchar_t>& data, DWORD bytes) {
  const auto end = data.begin() + std::min<std::size_t>(bytes / sizeof(wchar_t), data.size());
  return FromWide(std::wstring_view(data.data(), std::find(data.begin(), end, L'\0') - data.begin()));
}

}  // namespace

std::u16string RegistryStore::ReadIniReg(std::u16string_view section, std::u16string_view name) {
  const unique_hkey key = OpenKey(section);
  if (!key) return {};
  const std::wstring valueName = ToWide(name);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || bytes == 0)
    return {};
  // Another program may grow the value between the size query and the read;
  // a few tries with the size it reports then settle it.
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LONG status =
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
    if (status == ERROR_MORE_DATA) {
      bytes = got;
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    return TextOf(data, got);
  }
  return {};
}

void RegistryStore::WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) {
  const unique_hkey key = OpenKey(section);
  if (!key) return;
  const std::wstring valueName = ToWide(name);
  const std::wstring data = ToWide(value);
  // REG_SZ with its terminating null: (length + 1) x 2 bytes.
  RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace core
