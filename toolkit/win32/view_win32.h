#pragma once
// The base of every view: one window that shows one control model. It owns
// the window, listens to its messages, and takes back from its parent the
// notices the window sends there about itself (commands, owner drawing,
// colours), so that each view handles its own window's events.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/win32/handles_win32.h"

namespace toolkit::win32 {

class FontCache;
class PopupMenuPresenter;

// What every view of one form shares.
struct ViewContext {
  HINSTANCE instance;
  HFONT formFont;
  FontCache& fonts;
  PopupMenuPresenter& menus;
};

class View {
 public:
  View(const View&) = delete;
  View& operator=(const View&) = delete;
  virtual ~View();

  HWND Handle() const { return window_.get(); }
  Control& Model() const { return model_; }

  // The view that shows `window`, or nullptr.
  static View* FromHandle(HWND window);

 protected:
  // Takes the window over and mirrors every later change of the model into it.
  View(unique_window window, Control& model, ViewContext& context);

  ViewContext& Context() const { return context_; }

  // A message to this view's window; nullopt leaves it to the window's own class.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A notice the window sent its parent about itself: WM_COMMAND, WM_DRAWITEM,
  // WM_CTLCOLOR*. nullopt leaves it to the parent.
  virtual std::optional<LRESULT> OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam);
  // Brings the window in line with the model, touching only what differs.
  virtual void ShowModel();
  // False where the window's class has a context menu of its own. From the
  // keyboard, `screen` is (-1, -1).
  virtual bool ShowsContextMenuAt(POINT screen) const;

  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
  // Where the window belongs: the model's bounds, unless a kind of view
  // knows better.
  virtual Bounds ShownBounds() const;
  // Moves the window to ShownBounds() unless it is there already.
  void ShowBounds();
  // Sets the window text unless it shows `text` already; true when it changed.
  bool ShowText(std::u16string_view text);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> RouteToChild(UINT message, WPARAM wParam, LPARAM lParam);
  void ShowContextMenu(LPARAM where);

  unique_window window_;
  Control& model_;
  ViewContext& context_;
};

// A child window for `model` in `parent`, at the model's bounds, with the
// form's font.
unique_window CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, const Control& model,
                                std::u16string_view text, HWND parent, const ViewContext& context);

// What a window shows of `text`: the window system ends texts at a null.
std::wstring WindowTextOf(std::u16string_view text);
std::wstring CurrentWindowText(HWND window);

}  // namespace toolkit::win32
