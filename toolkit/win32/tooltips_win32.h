#pragma once
// The form's one tooltip control, with a tool for each control that shows
// its hint.

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/win32/handles_win32.h"

namespace toolkit::win32 {

class Tooltips {
 public:
  explicit Tooltips(HINSTANCE instance);
  HWND Handle() const { return window_.get(); }

  // Lines of `hint` are joined by character 13; each shows as a line.
  void Add(HWND control, std::u16string_view hint);

 private:
  unique_window window_;
};

// The tooltip text of a hint: each line break as CR LF.
std::wstring TooltipTextOf(std::u16string_view hint);

}  // namespace toolkit::win32
