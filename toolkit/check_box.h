#pragma once
// A check box. Changing the state, by the user or by code, runs OnClick at
// once; setting the state it already has does nothing.

#include "toolkit/control.h"

namespace toolkit {

class CheckBox : public CaptionedControl {
 public:
  CheckBox(Control* parent, Bounds bounds, std::u16string caption, bool checked)
      : CaptionedControl(parent, bounds, std::move(caption)), checked_(checked) {
    TabStop = true;
  }
  ControlKind Kind() const override { return ControlKind::CheckBox; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked) {
    if (Assign(checked_, checked) && OnClick) OnClick();
  }

  std::function<void()> OnClick;

 private:
  bool checked_;
};

}  // namespace toolkit
