#include "toolkit/win32/glass_button_view_win32.h"

#include "toolkit/win32/fonts_win32.h"
#include "toolkit/win32/glass_paint_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace toolkit::win32 {

GlassButtonView::GlassButtonView(GlassButton& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"BUTTON", BS_OWNERDRAW, 0, model, model.Caption(), parent, context), model, context),
      button_(model) {
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(context.fonts.Get(model.CaptionFont())), FALSE);
}

void GlassButtonView::ShowModel() {
  View::ShowModel();
  ShowText(button_.Caption());  // the button redraws itself for a new text
}

std::optional<LRESULT> GlassButtonView::OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    button_.Click();
    return 0;
  }
  return std::nullopt;
}

std::optional<LRESULT> GlassButtonView::OnMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the drawing covers every pixel
    case WM_MOUSEMOVE:
      if (!hot_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
        SetHot(true);
      }
      return std::nullopt;
    case WM_MOUSELEAVE:
      // Kept from the themed button, which would repaint for its own hot
      // state, which this face never shows.
      SetHot(false);
      return 0;
    default:
      return std::nullopt;
  }
}

void GlassButtonView::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void GlassButtonView::Draw(const DRAWITEMSTRUCT& item) {
  CountRepaint();
  const RECT& rect = item.rcItem;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // Drawn off screen and copied at once, so the face never flickers. The
  // corners outside the rounded face show the parent's colour.
  unique_memory_dc canvas(CreateCompatibleDC(item.hDC));
  unique_bitmap pixels(CreateCompatibleBitmap(item.hDC, width, height));
  if (!canvas || !pixels) return;
  const HGDIOBJ oldBitmap = SelectObject(canvas.get(), pixels.get());
  const HGDIOBJ oldFont = SelectObject(canvas.get(), Context().fonts.Get(button_.CaptionFont()));
  const RECT local{0, 0, width, height};
  const auto background = reinterpret_cast<HBRUSH>(SendMessageW(
      GetParent(Handle()), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(canvas.get()), reinterpret_cast<LPARAM>(Handle())));
  FillRect(canvas.get(), &local, background ? background : GetSysColorBrush(COLOR_BTNFACE));

  const GlassState state = (item.itemState & ODS_SELECTED) ? GlassState::Pressed
                           : hot_                          ? GlassState::Hot
                                                           : GlassState::Normal;
  PaintGlassButton(canvas.get(), local, button_, state);
  BitBlt(item.hDC, rect.left, rect.top, width, height, canvas.get(), 0, 0, SRCCOPY);
  SelectObject(canvas.get(), oldFont);
  SelectObject(canvas.get(), oldBitmap);
}

}  // namespace toolkit::win32
