#pragma once
// UTF-16 text at the Win32 edge: wchar_t is 16 bits there, so the conversion
// is a copy of code units.

#include <string>
#include <string_view>

namespace core {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace core
