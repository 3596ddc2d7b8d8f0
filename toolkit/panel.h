#pragma once
// Containers and plain texts: a coloured bevelled panel, a group box, a label
// and a static text.

#include "toolkit/control.h"

namespace toolkit {

enum class Bevel { None, Raised, Lowered };

class Panel : public Control {
 public:
  Panel(Control* parent, Bounds bounds, Color color, Bevel outer = Bevel::None, Bevel inner = Bevel::None)
      : Control(parent, bounds), color_(color), outer_(outer), inner_(inner) {}
  ControlKind Kind() const override { return ControlKind::Panel; }

  Color GetColor() const { return color_; }
  void SetColor(Color color) { Assign(color_, color); }
  Bevel OuterBevel() const { return outer_; }
  Bevel InnerBevel() const { return inner_; }

 private:
  Color color_;
  Bevel outer_;
  Bevel inner_;
};

class GroupBox : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  ControlKind Kind() const override { return ControlKind::GroupBox; }
};

class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  ControlKind Kind() const override { return ControlKind::Label; }
};

class StaticText : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  ControlKind Kind() const override { return ControlKind::StaticText; }
};

}  // namespace toolkit
