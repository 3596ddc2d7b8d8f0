#pragma once
// The store of text values under HKEY_CURRENT_USER. An empty section names the
// root itself. Reads of anything missing give empty text; failures never reach
// the caller.

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// The most data a value may hold and still be read: its text and terminating
// null, in bytes (131,071 characters). The panel reads five status values
// every 50 ms, and values of megabytes, read whole, would hold it up for most
// of that (under Wine 5 to 25 ms a megabyte); no expert publishes such text and
// no control could show it. A longer value reads as empty, like one of another
// type, and stays stored as it is.
inline constexpr std::size_t kMaxValueBytes = 256 * 1024;

// The longest text that can be read back.
inline constexpr std::size_t kMaxValueChars = kMaxValueBytes / 2 - 1;

class IniStore {
 public:
  virtual ~IniStore() = default;
  virtual std::u16string ReadIniReg(std::u16string_view section, std::u16string_view name) = 0;
  virtual void WriteIniReg(std::u16string_view section, std::u16string_view name, std::u16string_view value) = 0;
  // The value is there but holds more than kMaxValueBytes, so it read as
  // empty. Tells it from a missing value where a write would replace it.
  virtual bool TooLongToRead(std::u16string_view section, std::u16string_view name) = 0;
};

}  // namespace core
