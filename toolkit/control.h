#pragma once
// The base of every control model: its place in the parent, and the hook
// through which a window mirrors model changes. Models notify only on real
// changes, so an unchanged value never causes a repaint.

#include <functional>
#include <string>

namespace toolkit {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

class Control {
 public:
  explicit Control(Control* parent = nullptr, Bounds bounds = {}) : parent_(parent), bounds_(bounds) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  Control* Parent() const { return parent_; }
  const Bounds& GetBounds() const { return bounds_; }
  void SetBounds(Bounds bounds) { Assign(bounds_, bounds); }

  // Set by the view that shows this control; called after each real change.
  std::function<void()> OnModelChanged;

 protected:
  // Stores `value` and tells the view; false (and no notice) when unchanged.
  template <typename T, typename U>
  bool Assign(T& field, U&& value) {
    if (field == value) return false;
    field = std::forward<U>(value);
    if (OnModelChanged) OnModelChanged();
    return true;
  }

 private:
  Control* parent_;
  Bounds bounds_;
};

// A control that shows a caption (labels, group boxes, static texts, buttons).
class CaptionedControl : public Control {
 public:
  CaptionedControl(Control* parent, Bounds bounds, std::u16string caption)
      : Control(parent, bounds), caption_(std::move(caption)) {}
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { Assign(caption_, std::move(caption)); }

 private:
  std::u16string caption_;
};

}  // namespace toolkit
