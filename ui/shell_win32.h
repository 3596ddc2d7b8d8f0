#pragma once
// The shell services of ui::Shell on Windows: keyboard, browser, sound and
// version resources.

#include "ui/platform.h"

namespace ui {

class Win32Shell : public Shell {
 public:
  void ShiftKey(bool down) override;
  void OpenAddress(std::u16string_view address) override;
  void Beep() override;
  std::u16string ProgramPath() override;
  std::u16string FileVersion(std::u16string_view fileName) override;
};

}  // namespace ui
