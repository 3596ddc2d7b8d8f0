#pragma once
// The store of text values under HKEY_CURRENT_USER. An empty section names the
// root itself. Reads of anything missing give empty text; failures never reach
// the caller.

#include <string>
#include <string_view>

namespace core {

class IniStore {
 public:
  virtual ~IniStore() = default;
  virtual std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) = 0;
  virtual void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) = 0;
};

}  // namespace core
