#include "toolkit/win32/form_view_win32.h"

#include "toolkit/win32/popup_menu_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace toolkit::win32 {
namespace {

const wchar_t* FormClass(HINSTANCE instance) {
  static const ATOM registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormWindowClass;
    return RegisterClassExW(&windowClass);
  }();
  return registered ? kFormWindowClass : nullptr;
}

SIZE OuterSizeOf(int clientWidth, int clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

unique_window CreateFormWindow(const Form& form, const ViewContext& context) {
  const SIZE outer = OuterSizeOf(form.ClientWidth(), form.ClientHeight());
  unique_window window(CreateWindowExW(0, FormClass(context.instance), WindowTextOf(form.Caption()).c_str(),
                                       kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                                       context.instance, nullptr));
  // Close only: a fixed-size window has nothing to size, minimise or restore.
  if (const HMENU system = GetSystemMenu(window.get(), FALSE)) {
    for (const UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
      DeleteMenu(system, command, MF_BYCOMMAND);
  }
  return window;
}

}  // namespace

FormView::FormView(Form& model, ViewContext& context, std::vector<Timer*> timers)
    : View(CreateFormWindow(model, context), model, context), form_(model) {
  context.menus.SetOwner(Handle());
  timers_.emplace(Handle(), std::move(timers));
  TakePlace();
}

void FormView::ShowModel() {
  if (takingPlace_) return;
  if (ShowText(form_.Caption())) CountRepaint();  // the title bar is drawn anew
  ShowClientSize();
  ShowPlace();
}

void FormView::ShowClientSize() {
  RECT client;
  GetClientRect(Handle(), &client);
  if (client.right == form_.ClientWidth() && client.bottom == form_.ClientHeight()) return;
  const SIZE outer = OuterSizeOf(form_.ClientWidth(), form_.ClientHeight());
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormView::ShowPlace() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  if (frame.left == form_.Left() && frame.top == form_.Top()) return;
  SetWindowPos(Handle(), nullptr, form_.Left(), form_.Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormView::TakePlace() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  takingPlace_ = true;
  form_.SetLeft(frame.left);
  form_.SetTop(frame.top);
  takingPlace_ = false;
}

std::optional<LRESULT> FormView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RepaintCountMessage()) return static_cast<LRESULT>(RepaintCount());
  if (message == GdiCountMessage()) return LiveGdiObjects();
  switch (message) {
    case WM_WINDOWPOSCHANGED:
      if (!(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOMOVE)) TakePlace();
      return std::nullopt;
    case WM_TIMER:
      if (timers_->Tick(wParam)) return 0;
      return std::nullopt;
    case WM_MEASUREITEM:
      if (Context().menus.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      return std::nullopt;
    case WM_DRAWITEM:
      if (Context().menus.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return std::nullopt;
    case WM_ACTIVATE:
      return OnActivate(wParam);
    case WM_CLOSE:
      if (form_.OnClose) form_.OnClose();
      CallDefault(message, wParam, lParam);
      PostQuitMessage(0);
      return 0;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> FormView::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    return std::nullopt;
  }
  // Back to the control that had the focus, or at first to the first in the tab order.
  HWND target = lastFocus_ && IsChild(Handle(), lastFocus_) ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (!target) return std::nullopt;
  SetFocus(target);
  return 0;
}

bool FormView::ShowsContextMenuAt(POINT screen) const {
  if (screen.x == -1 && screen.y == -1) return true;
  // The title bar keeps the system menu.
  RECT client;
  GetClientRect(Handle(), &client);
  ScreenToClient(Handle(), &screen);
  return PtInRect(&client, screen);
}

}  // namespace toolkit::win32
