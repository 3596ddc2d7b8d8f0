#pragma once
// Files the Windows tests look at: their own program, the panel's program
// beside it, and throwaway files.

#include <windows.h>

#include <string>

namespace testing_support {

inline std::wstring TestProgramPath() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

// A file in the folder of the test program (the build puts orderpanel.exe there).
inline std::wstring BesideTests(const std::wstring& name) {
  std::wstring path = TestProgramPath();
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

// A file with the given bytes in the temporary folder, removed at the end.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& contents) {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, folder);
    GetTempFileNameW(folder, L"opt", 0, name);
    path_ = name;
    HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() { DeleteFileW(path_.c_str()); }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace testing_support
