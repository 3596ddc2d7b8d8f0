#pragma once
// A store that fails on demand, for fault injection: a failed read gives
// empty text and a failed write keeps the old value, as the registry store
// does when the registry refuses.

#include "tests/support/memory_store.h"

namespace testing_support {

class FailingStore final : public core::IniStore {
 public:
  // Fail every n-th call (1: all); 0: none.
  int failEvery = 0;

  std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) override {
    if (Fails()) return {};
    return inner.ReadIniReg(section, name);
  }
  void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) override {
    if (!Fails()) inner.WriteIniReg(section, name, value);
  }
  bool TooLongToRead(std::u16string_view section, std::u16string_view name) override {
    return !Fails() && inner.TooLongToRead(section, name);
  }

  MemoryStore inner;

 private:
  bool Fails() { return failEvery > 0 && ++calls_ % failEvery == 0; }
  long calls_ = 0;
};

}  // namespace testing_support
