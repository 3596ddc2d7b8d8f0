#pragma once
// A single-line edit. Setting a different text runs OnChange at once, nested
// in the setter; setting the same text does nothing.

#include "toolkit/control.h"

namespace toolkit {

class Edit : public Control {
 public:
  Edit(Control* parent, Bounds bounds, std::u16string text) : Control(parent, bounds), text_(std::move(text)) {}

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) {
    if (Assign(text_, std::move(text)) && OnChange) OnChange();
  }

  std::function<void()> OnChange;

 private:
  std::u16string text_;
};

}  // namespace toolkit
