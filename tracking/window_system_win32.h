#pragma once
// The window system of Windows, for following the terminal in front.

#include "tracking/window_system.h"

namespace tracking {

class Win32WindowSystem final : public WindowSystem {
 public:
  WindowHandle ForegroundWindow() override;
  std::u16string ClassName(WindowHandle window, int bufferChars) override;
  std::u16string WindowText(WindowHandle window, int bufferChars) override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  std::optional<Rect> WindowRect(WindowHandle window) override;
  void SetZOrder(WindowHandle window, ZOrder order) override;
};

}  // namespace tracking
