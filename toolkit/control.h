#pragma once
// The base of every control model: its place in the parent's client area, the
// tree of controls, hints, tab order and context menu, and the hook through
// which a window mirrors model changes. Models notify only on real changes,
// so an unchanged value never causes a repaint.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace toolkit {

using Color = std::uint32_t;  // Windows layout: 0x00BBGGRR, or 0x02BBGGRR palette-relative

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum class TextRendering { Default, ClearType, AntiAliased };

struct Font {
  std::u16string face;
  int height = 0;  // pixels; negative: character height, as in a LOGFONT
  TextRendering rendering = TextRendering::Default;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class ControlKind { Form, Panel, GroupBox, Label, StaticText, Edit, CheckBox, RadioButton, GlassButton };

class PopupMenu;

class Control {
 public:
  Control(Control* parent, Bounds bounds) : parent_(parent), bounds_(bounds) {
    if (parent_) parent_->children_.push_back(this);
  }
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  virtual ControlKind Kind() const = 0;

  Control* Parent() const { return parent_; }
  // In creation order.
  const std::vector<Control*>& Children() const { return children_; }

  const Bounds& GetBounds() const { return bounds_; }
  void SetBounds(Bounds bounds) { Assign(bounds_, bounds); }

  // Tooltip text; lines are joined by character 13. Shown only where the
  // switch, own or inherited from the parents, is on.
  std::u16string Hint;
  std::optional<bool> ShowHint;
  bool HintShown() const {
    for (const Control* c = this; c; c = c->parent_)
      if (c->ShowHint) return *c->ShowHint && !Hint.empty();
    return false;
  }

  // Position in the keyboard order among the parent's children; -1: none.
  int TabOrder = -1;
  bool TabStop = false;

  // Own context menu, or nullptr for the parent's.
  PopupMenu* ContextMenu = nullptr;
  PopupMenu* EffectiveContextMenu() const {
    for (const Control* c = this; c; c = c->parent_)
      if (c->ContextMenu) return c->ContextMenu;
    return nullptr;
  }

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
  std::vector<Control*> children_;
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
