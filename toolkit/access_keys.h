#pragma once
// The captions a menu shows: every '&' of a caption shown as itself, and, with
// automatic access keys, one '&' inserted before a letter that no other item
// of the menu uses yet. The model's captions stay as they are.

#include <string>
#include <vector>

namespace toolkit {

std::vector<std::u16string> ShownMenuCaptions(const std::vector<std::u16string>& captions, bool autoHotkeys);

}  // namespace toolkit
