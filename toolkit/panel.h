#pragma once
// Containers and plain texts: a coloured bevelled panel, a group box, a label
// and a static text.

#include <cstdint>

#include "toolkit/control.h"

namespace toolkit {

class Panel : public Control {
 public:
  using Control::Control;
  Panel(Control* parent, Bounds bounds, std::uint32_t color) : Control(parent, bounds), color_(color) {}

  std::uint32_t Color() const { return color_; }
  void SetColor(std::uint32_t color) { Assign(color_, color); }

 private:
  std::uint32_t color_ = 0;
};

class GroupBox : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
};

class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
};

class StaticText : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
};

}  // namespace toolkit
