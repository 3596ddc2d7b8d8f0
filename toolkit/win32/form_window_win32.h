#pragma once
// The windows of a whole form: walks the form's control tree and makes a view
// for each control, with the form's font, the tab order, the tooltips, the
// timers and the context menus. Owns them all; the models must outlive it.

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "toolkit/win32/fonts_win32.h"
#include "toolkit/win32/popup_menu_win32.h"
#include "toolkit/win32/tooltips_win32.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

class FormWindow {
 public:
  // The window is hidden until the caller shows it.
  FormWindow(Form& form, std::vector<Timer*> timers, PopupMenuPresenter::ImageFactory images);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  HWND Handle() const;
  HWND TooltipHandle() const { return tooltips_.Handle(); }

 private:
  void CreateChildren(Control& parent, HWND parentWindow);

  FontCache fonts_;
  PopupMenuPresenter menus_;
  ViewContext context_;
  Tooltips tooltips_;
  std::vector<std::unique_ptr<View>> views_;  // the form first, parents before children
};

// Runs the message loop with the keyboard navigation of a dialog until the
// form is closed; returns the exit code.
int RunMessageLoop(HWND form);

}  // namespace toolkit::win32
