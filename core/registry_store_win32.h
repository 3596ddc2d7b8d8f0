#pragma once
// The store on the Windows registry: each call opens (or creates) its key
// under HKEY_CURRENT_USER with full access and closes it again.

#include "core/store.h"

namespace core {

class RegistryStore final : public IniStore {
 public:
  std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) override;
  void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) override;
  bool TooLongToRead(std::u16string_view section, std::u16string_view name) override;
};

}  // namespace core
