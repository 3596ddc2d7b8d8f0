#include "toolkit/win32/view_win32.h"

#include <windowsx.h>

#include "toolkit/win32/popup_menu_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace toolkit::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// Names the view of a window, for the notices its parent passes back.
constexpr wchar_t kViewProperty[] = L"orderpanel.view";

// The window a parent notice is about, or nullptr when it is about none.
HWND NoticeSource(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

}  // namespace

View::View(unique_window window, Control& model, ViewContext& context)
    : window_(std::move(window)), model_(model), context_(context) {
  SetWindowSubclass(window_.get(), Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SetPropW(window_.get(), kViewProperty, this);
  model_.OnModelChanged = [this] { ShowModel(); };
}

View::~View() {
  model_.OnModelChanged = nullptr;
  if (!window_) return;
  RemoveWindowSubclass(window_.get(), Procedure, kSubclassId);
  RemovePropW(window_.get(), kViewProperty);
}

View* View::FromHandle(HWND window) {
  return window ? static_cast<View*>(GetPropW(window, kViewProperty)) : nullptr;
}

LRESULT CALLBACK View::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
  View& view = *reinterpret_cast<View*>(self);
  if (message == WM_NCDESTROY) {
    // The window goes with its parent; the view outlives it without a handle.
    RemoveWindowSubclass(window, Procedure, kSubclassId);
    RemovePropW(window, kViewProperty);
    view.window_.release();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return view.Dispatch(message, wParam, lParam);
}

LRESULT View::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto routed = RouteToChild(message, wParam, lParam)) return *routed;
  if (message == WM_PAINT) CountRepaint();
  if (const auto handled = OnMessage(message, wParam, lParam)) return *handled;
  if (message == WM_CONTEXTMENU) {
    const POINT where{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (ShowsContextMenuAt(where)) {
      ShowContextMenu(lParam);
      return 0;
    }
  }
  return CallDefault(message, wParam, lParam);
}

std::optional<LRESULT> View::RouteToChild(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND source = NoticeSource(message, lParam);
  if (!source || GetParent(source) != Handle()) return std::nullopt;
  View* child = FromHandle(source);
  return child ? child->OnParentNotice(message, wParam, lParam) : std::nullopt;
}

void View::ShowContextMenu(LPARAM where) {
  PopupMenu* menu = model_.EffectiveContextMenu();
  if (!menu) return;
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  // From the keyboard both coordinates are -1; on 64-bit the lParam itself is
  // 0xFFFFFFFF, not -1, so the coordinates are what tells.
  if (at.x == -1 && at.y == -1) {  // at the window's top-left corner
    at = {0, 0};
    ClientToScreen(Handle(), &at);
  }
  context_.menus.Show(*menu, at);
}

std::optional<LRESULT> View::OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }
std::optional<LRESULT> View::OnParentNotice(UINT, WPARAM, LPARAM) { return std::nullopt; }
void View::ShowModel() { ShowBounds(); }
bool View::ShowsContextMenuAt(POINT) const { return true; }

LRESULT View::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(Handle(), message, wParam, lParam);
}

Bounds View::ShownBounds() const { return model_.GetBounds(); }

void View::ShowBounds() {
  RECT rect;
  GetWindowRect(Handle(), &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&rect), 2);
  const Bounds bounds = ShownBounds();
  if (rect.left == bounds.left && rect.top == bounds.top && rect.right - rect.left == bounds.width &&
      rect.bottom - rect.top == bounds.height)
    return;
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool View::ShowText(std::u16string_view text) {
  const std::wstring shown = WindowTextOf(text);
  if (CurrentWindowText(Handle()) == shown) return false;
  SetWindowTextW(Handle(), shown.c_str());
  return true;
}

unique_window CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, const Control& model,
                                std::u16string_view text, HWND parent, const ViewContext& context) {
  const Bounds& bounds = model.GetBounds();
  if (model.TabStop) style |= WS_TABSTOP;
  unique_window window(CreateWindowExW(exStyle, windowClass, WindowTextOf(text).c_str(),
                                       style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                                       bounds.width, bounds.height, parent, nullptr, context.instance, nullptr));
  if (window) SendMessageW(window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(context.formFont), FALSE);
  return window;
}

std::wstring WindowTextOf(std::u16string_view text) {
  const std::u16string_view shown = text.substr(0, text.find(u'\0'));
  return std::wstring(shown.begin(), shown.end());
}

std::wstring CurrentWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace toolkit::win32
