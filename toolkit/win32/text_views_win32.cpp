#include "toolkit/win32/text_views_win32.h"

#include <algorithm>

namespace toolkit::win32 {

TextView::TextView(CaptionedControl& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"STATIC", SS_LEFT, 0, model, model.Caption(), parent, context), model, context),
      text_(model) {
  ShowBounds();
}

void TextView::ShowModel() {
  ShowText(text_.Caption());
  View::ShowModel();
}

Bounds TextView::ShownBounds() const {
  Bounds bounds = text_.GetBounds();
  if (text_.Kind() != ControlKind::Label) return bounds;
  const std::wstring text = WindowTextOf(text_.Caption());
  const HDC dc = GetDC(Handle());
  const HGDIOBJ oldFont = SelectObject(dc, Context().formFont);
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_LEFT);
  SelectObject(dc, oldFont);
  ReleaseDC(Handle(), dc);
  bounds.width = std::max<int>(bounds.width, extent.right);
  bounds.height = std::max<int>(bounds.height, extent.bottom);
  return bounds;
}

}  // namespace toolkit::win32
