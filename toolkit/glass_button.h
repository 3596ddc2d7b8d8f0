#pragma once
// The glass-look push button: a caption, its colours and a click.

#include <cstdint>

#include "toolkit/control.h"

namespace toolkit {

using Color = std::uint32_t;  // 0x00BBGGRR

struct GlassColors {
  Color face = 0;
  Color glow = 0;
  Color fore = 0xFFFFFF;
  Color innerBorder = 0x000000;
  Color outerBorder = 0xFFFFFF;
  Color shine = 0xFFFFFF;
};

class GlassButton : public CaptionedControl {
 public:
  GlassButton(Control* parent, Bounds bounds, std::u16string caption, GlassColors colors)
      : CaptionedControl(parent, bounds, std::move(caption)), colors_(colors) {}

  const GlassColors& Colors() const { return colors_; }
  int CornerRadius() const { return 4; }

  // A click by the user (or a test standing in for one).
  void Click() {
    if (OnClick) OnClick();
  }
  std::function<void()> OnClick;

 private:
  GlassColors colors_;
};

}  // namespace toolkit
