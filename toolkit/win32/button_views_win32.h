#pragma once
// Check boxes and radio buttons. A click by the user reaches the model,
// whose handlers may change this or other boxes again; the window then shows
// whatever the model ends with.

#include "toolkit/check_box.h"
#include "toolkit/radio_button.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

class CheckBoxView final : public View {
 public:
  CheckBoxView(CheckBox& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  std::optional<LRESULT> OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam) override;
  CheckBox& box_;
};

class RadioButtonView final : public View {
 public:
  RadioButtonView(RadioButton& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  std::optional<LRESULT> OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam) override;
  RadioButton& button_;
};

// Sets the button's check mark unless it shows `checked` already.
void ShowChecked(HWND button, bool checked);

}  // namespace toolkit::win32
