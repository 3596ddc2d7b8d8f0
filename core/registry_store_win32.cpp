#include "core/registry_store_win32.h"

#include <windows.h>

#include <algorithm>
#include <optional>

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

bool Readable(DWORD bytes) { return bytes <= kMaxValueBytes; }

// The size of the value's data in bytes, without reading it; nullopt when
// there is no such value.
std::optional<DWORD> DataBytes(HKEY key, const std::wstring& valueName) {
  DWORD bytes = 0;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
  return bytes;
}

}  // namespace

std::u16string RegistryStore::ReadIniReg(std::u16string_view section, std::u16string_view name) {
  const unique_hkey key = OpenKey(section);
  if (!key) return {};
  const std::wstring valueName = ToWide(name);
  std::optional<DWORD> bytes = DataBytes(key.get(), valueName);
  if (!bytes || *bytes == 0) return {};
  // Another program may grow the value between the size query and the read;
  // a few tries with the size it reports then settle it.
  for (int attempt = 0; attempt < 4 && Readable(*bytes); ++attempt) {
    // Read straight into the text: the data need not be terminated, and the
    // text ends at its first null.
    std::u16string text(*bytes / sizeof(char16_t) + 1, u'\0');
    DWORD got = static_cast<DWORD>(text.size() * sizeof(char16_t));
    DWORD type = 0;
    const LONG status =
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got);
    if (status == ERROR_MORE_DATA) {
      bytes = got;
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    text.resize(std::min<std::size_t>(got / sizeof(char16_t), text.size()));
    text.resize(std::find(text.begin(), text.end(), u'\0') - text.begin());
    return text;
  }
  return {};
}

bool RegistryStore::TooLongToRead(std::u16string_view section, std::u16string_view name) {
  const unique_hkey key = OpenKey(section);
  if (!key) return false;
  const std::optional<DWORD> bytes = DataBytes(key.get(), ToWide(name));
  return bytes && !Readable(*bytes);
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
