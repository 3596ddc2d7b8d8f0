#pragma once
// The glass button: a real, owner-drawn button window whose text is the
// caption. It lights up while the pointer is over it.

#include "toolkit/glass_button.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

class GlassButtonView final : public View {
 public:
  GlassButtonView(GlassButton& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  std::optional<LRESULT> OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void Draw(const DRAWITEMSTRUCT& item);
  void SetHot(bool hot);

  GlassButton& button_;
  bool hot_ = false;
};

}  // namespace toolkit::win32
