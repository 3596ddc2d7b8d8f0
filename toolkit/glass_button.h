#pragma once
// The glass-look push button: a caption in its own font, its colours and a
// click.

#include "toolkit/control.h"

namespace toolkit {

struct GlassColors {
  Color face = 0;
  Color glow = 0;  // the face while the pointer is over the button
  Color fore = 0xFFFFFF;
  Color innerBorder = 0x000000;
  Color outerBorder = 0xFFFFFF;
  Color shine = 0xFFFFFF;
};

class GlassButton : public CaptionedControl {
 public:
  GlassButton(Control* parent, Bounds bounds, std::u16string caption, GlassColors colors, Font font)
      : CaptionedControl(parent, bounds, std::move(caption)), colors_(colors), font_(std::move(font)) {
    TabStop = true;
  }
  ControlKind Kind() const override { return ControlKind::GlassButton; }

  const GlassColors& Colors() const { return colors_; }
  const Font& CaptionFont() const { return font_; }
  int CornerRadius() const { return 4; }

  // A click by the user (or a test standing in for one).
  void Click() {
    if (OnClick) OnClick();
  }
  std::function<void()> OnClick;

 private:
  GlassColors colors_;
  Font font_;
};

}  // namespace toolkit
