#pragma once
// Direct registry access for tests, independent of the store under test.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct RawValue {
  DWORD type = 0;
  std::vector<BYTE> data;
};

inline std::optional<RawValue> ReadRaw(const std::wstring& section, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RawValue value;
  DWORD bytes = 0;
  std::optional<RawValue> result;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &bytes) == ERROR_SUCCESS) {
    value.data.resize(bytes);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &bytes) == ERROR_SUCCESS) {
      value.data.resize(bytes);
      result = value;
    }
  }
  RegCloseKey(key);
  return result;
}

// The REG_SZ text of a value, checked to be stored with exactly one null.
inline std::optional<std::u16string> ReadRawText(const std::wstring& section, const std::wstring& name) {
  const auto raw = ReadRaw(section, name);
  if (!raw || raw->type != REG_SZ || raw->data.size() < 2 || raw->data.size() % 2 != 0) return std::nullopt;
  std::u16string text(raw->data.size() / 2, u'\0');
  memcpy(text.data(), raw->data.data(), raw->data.size());
  if (text.back() != u'\0') return std::nullopt;
  text.pop_back();
  return text;
}

inline void WriteRaw(const std::wstring& section, const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

inline bool KeyExists(const std::wstring& section) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

inline DWORD ValueCount(const std::wstring& section) {
  HKEY key = nullptr;
  DWORD values = 0;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  return values;
}

inline void DeleteTree(const std::wstring& section) { RegDeleteTreeW(HKEY_CURRENT_USER, section.c_str()); }
inline void DeleteRootValue(const std::wstring& name) { RegDeleteKeyValueW(HKEY_CURRENT_USER, nullptr, name.c_str()); }

// A key of its own for each test, removed again at the end.
class ThrowawayKey {
 public:
  explicit ThrowawayKey(const std::wstring& tag)
      : path_(L"orderpanel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + tag) {
    DeleteTree(path_);
  }
  ~ThrowawayKey() { DeleteTree(path_); }
  ThrowawayKey(const ThrowawayKey&) = delete;
  ThrowawayKey& operator=(const ThrowawayKey&) = delete;
  const std::wstring& path() const { return path_; }
  std::u16string path16() const { return std::u16string(path_.begin(), path_.end()); }

 private:
  std::wstring path_;
};

}  // namespace testing_support
