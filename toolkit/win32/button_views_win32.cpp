#include "toolkit/win32/button_views_win32.h"

namespace toolkit::win32 {
namespace {

bool IsClick(UINT message, WPARAM wParam) { return message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED; }

}  // namespace

void ShowChecked(HWND button, bool checked) {
  const bool shown = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (shown != checked) SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

CheckBoxView::CheckBoxView(CheckBox& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"BUTTON", BS_AUTOCHECKBOX, 0, model, model.Caption(), parent, context), model, context),
      box_(model) {
  ShowChecked(Handle(), box_.Checked());
}

void CheckBoxView::ShowModel() {
  View::ShowModel();
  ShowText(box_.Caption());
  ShowChecked(Handle(), box_.Checked());
}

std::optional<LRESULT> CheckBoxView::OnParentNotice(UINT message, WPARAM wParam, LPARAM) {
  if (!IsClick(message, wParam)) return std::nullopt;
  box_.SetChecked(SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
  // A handler may have refused the change without the model noticing one.
  ShowChecked(Handle(), box_.Checked());
  return 0;
}

RadioButtonView::RadioButtonView(RadioButton& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"BUTTON", BS_AUTORADIOBUTTON, 0, model, model.Caption(), parent, context), model,
           context),
      button_(model) {
  ShowChecked(Handle(), button_.Checked());
}

void RadioButtonView::ShowModel() {
  View::ShowModel();
  ShowText(button_.Caption());
  ShowChecked(Handle(), button_.Checked());
}

std::optional<LRESULT> RadioButtonView::OnParentNotice(UINT message, WPARAM wParam, LPARAM) {
  if (!IsClick(message, wParam)) return std::nullopt;
  button_.SetChecked(true);
  ShowChecked(Handle(), button_.Checked());
  return 0;
}

}  // namespace toolkit::win32
