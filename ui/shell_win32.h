#pragma once
// The shell services of Windows.

#include "ui/platform.h"

namespace ui {

class Win32Shell final : public Shell {
 public:
  void ShiftKey(bool down) override;
  void OpenAddress(std::u16string_view address) override;
  void Beep() override;
  std::u16string ProgramPath() override;
  std::u16string FileVersion(std::u16string_view fileName) override;
};

}  // namespace ui
