#pragma once
// The name of a version resource's string block, taken from one entry of its
// translation table.

#include <cstdint>
#include <string>

namespace ui {

// `translation` holds the language in its low 16 bits and the code page in
// its high 16 bits; the name is eight upper-case hex digits, language first
// (0x04E40409 -> "040904E4").
std::u16string VersionBlockName(std::uint32_t translation);

}  // namespace ui
