#pragma once
// An in-memory store for host tests: the registry's behaviour without the
// registry, with counts of the calls made.

#include <map>
#include <string>
#include <utility>

#include "core/store.h"

namespace testing_support {

class MemoryStore final : public core::IniStore {
 public:
  using Key = std::pair<std::u16string, std::u16string>;  // section, value name

  std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) override {
    ++reads;
    const auto found = values.find(Key(section, name));
    return found == values.end() || !Readable(found->second) ? std::u16string() : found->second;
  }
  void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) override {
    ++writes;
    values[Key(section, name)] = std::u16string(value);
  }
  bool TooLongToRead(std::u16string_view section, std::u16string_view name) override {
    const auto found = values.find(Key(section, name));
    return found != values.end() && !Readable(found->second);
  }

  bool Has(std::u16string_view section, std::u16string_view name) const {
    return values.count(Key(section, name)) != 0;
  }
  std::u16string Get(std::u16string_view section, std::u16string_view name) const {
    const auto found = values.find(Key(section, name));
    return found == values.end() ? std::u16string() : found->second;
  }

  // A steady status as the expert publishes it under `key`.
  void PublishStatus(const std::u16string& key) {
    values[{key, u"bid_ask"}] = u"EURUSD!1.38553!1.38563!10";
    values[{key, u"lock"}] = u"0.3!0.1!0.2";
    values[{key, u"profit"}] = u"-12.50";
    values[{key, u"macd_uroven"}] = u"40";
    values[{key, u"macd_napravl"}] = u"-3";
  }

  std::map<Key, std::u16string> values;
  int reads = 0;
  int writes = 0;

 private:
  // As the registry keeps it: the text and its terminating null.
  static bool Readable(const std::u16string& text) { return (text.size() + 1) * 2 <= core::kMaxValueBytes; }
};

}  // namespace testing_support
