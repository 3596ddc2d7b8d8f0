#pragma once
// Labels and static texts: a caption on the parent's colour. A label grows
// to fit its text, so a longer text than the design's is never cut off.

#include "toolkit/panel.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

class TextView final : public View {
 public:
  TextView(CaptionedControl& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  Bounds ShownBounds() const override;
  CaptionedControl& text_;
};

}  // namespace toolkit::win32
