#pragma once
// A single-line edit. Setting a different text runs OnChange at once, nested
// in the setter; setting the same text does nothing.

#include "toolkit/control.h"

namespace toolkit {

class Edit : public Control {
 public:
  Edit(Control* parent, Bounds bounds, std::u16string text) : Control(parent, bounds), text_(std::move(text)) {
    TabStop = true;
  }
  ControlKind Kind() const override { return ControlKind::Edit; }

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) {
    if (Assign(text_, std::move(text)) && OnChange) OnChange();
  }

  // The caret, in characters from the start; the view keeps it in step.
  std::size_t CaretPosition() const { return caret_; }
  void SetCaretPosition(std::size_t caret) { Assign(caret_, caret); }

  // Framed by a tile bevel (inner edge spaced, outer raised) instead of the
  // sunken edit border.
  bool TileBevel = false;

  std::function<void()> OnChange;

 private:
  std::u16string text_;
  std::size_t caret_ = 0;
};

}  // namespace toolkit
