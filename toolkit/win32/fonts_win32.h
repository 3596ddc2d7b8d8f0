#pragma once
// The fonts of one form, made once per distinct toolkit font and kept as long
// as the views that use them.

#include <windows.h>

#include <utility>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/win32/handles_win32.h"

namespace toolkit::win32 {

// A new GDI font for a toolkit font: face, height and text rendering.
unique_font CreateFontOf(const Font& font);

class FontCache {
 public:
  HFONT Get(const Font& font);

 private:
  std::vector<std::pair<Font, unique_font>> fonts_;
};

}  // namespace toolkit::win32
