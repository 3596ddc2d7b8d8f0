#pragma once
// Radio buttons grouped by their container: selecting one clears the others
// of its group, then runs its OnClick. Selecting the selected one does nothing.

#include <vector>

#include "toolkit/control.h"

namespace toolkit {

class RadioButton;

class RadioGroup {
 public:
  void Add(RadioButton& button) { members_.push_back(&button); }
  const std::vector<RadioButton*>& Members() const { return members_; }

 private:
  std::vector<RadioButton*> members_;
};

class RadioButton : public CaptionedControl {
 public:
  RadioButton(Control* parent, Bounds bounds, std::u16string caption, RadioGroup& group, bool checked)
      : CaptionedControl(parent, bounds, std::move(caption)), group_(group), checked_(checked) {
    group_.Add(*this);
  }
  ControlKind Kind() const override { return ControlKind::RadioButton; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked) {
    if (!checked) {
      Assign(checked_, false);
      return;
    }
    if (checked_) return;
    for (RadioButton* other : group_.Members())
      if (other != this) other->Assign(other->checked_, false);
    Assign(checked_, true);
    if (OnClick) OnClick();
  }

  std::function<void()> OnClick;

 private:
  RadioGroup& group_;
  bool checked_;
};

}  // namespace toolkit
