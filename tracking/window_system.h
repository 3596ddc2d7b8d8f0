#pragma once
// What the panel asks of the window system to follow the terminal in front.
// Handles are opaque numbers; 0 is no window.

#include <cstdint>
#include <optional>
#include <string>

namespace tracking {

using WindowHandle = std::uintptr_t;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class ZOrder {
  Topmost,
  Bottom,
  // Topmost once more, through the ordinary band: a terminal that has just
  // come to the front was raised over the panel on screen, and under Wine
  // only a change of the topmost state puts the panel back above it.
  ReassertTopmost,
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual WindowHandle ForegroundWindow() = 0;
  // At most `bufferChars` - 1 characters, as a buffer of that size holds.
  virtual std::u16string ClassName(WindowHandle window, int bufferChars) = 0;
  virtual std::u16string WindowText(WindowHandle window, int bufferChars) = 0;
  virtual WindowHandle FirstChild(WindowHandle window) = 0;   // top of the children's z-order
  virtual WindowHandle NextSibling(WindowHandle window) = 0;  // next lower in z-order
  virtual std::optional<Rect> WindowRect(WindowHandle window) = 0;
  // Changes only the z-order: no move, no resize, never activates.
  virtual void SetZOrder(WindowHandle window, ZOrder order) = 0;
};

}  // namespace tracking
