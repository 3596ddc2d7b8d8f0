#pragma once
// The form's top-level window: a single fixed border, a title bar with the
// system menu and the close box only. Its client size follows the model, and
// so does its place (the outer frame's top-left corner); moves by the user go
// back into the model. It drives the form's timers and keeps the keyboard
// focus on the control that had it.

#include <optional>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "toolkit/win32/timers_win32.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

inline constexpr wchar_t kFormWindowClass[] = L"OrderPanelForm";
inline constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

class FormView final : public View {
 public:
  // The window is made hidden, at the window system's default place.
  FormView(Form& model, ViewContext& context, std::vector<Timer*> timers);

 private:
  void ShowModel() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool ShowsContextMenuAt(POINT screen) const override;

  void ShowClientSize();
  void ShowPlace();
  void TakePlace();
  std::optional<LRESULT> OnActivate(WPARAM wParam);

  Form& form_;
  std::optional<TimerDriver> timers_;
  bool takingPlace_ = false;  // the model learns where the window is: no echo
  HWND lastFocus_ = nullptr;
};

}  // namespace toolkit::win32
