#include "toolkit/win32/text_views_win32.h"

namespace toolkit::win32 {

TextView::TextView(CaptionedControl& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"STATIC", SS_LEFT, 0, model, model.Caption(), parent, context), model, context),
      text_(model) {}

void TextView::ShowModel() {
  View::ShowModel();
  ShowText(text_.Caption());
}

}  // namespace toolkit::win32
