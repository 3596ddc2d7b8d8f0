#include "toolkit/win32/edit_view_win32.h"

#include <algorithm>

namespace toolkit::win32 {
namespace {

// The tile bevel: a raised line, then one line of space, around the text.
constexpr int kTileBevelWidth = 2;

DWORD ExStyleOf(const Edit& edit) { return edit.TileBevel ? 0 : WS_EX_CLIENTEDGE; }

}  // namespace

EditView::EditView(Edit& model, HWND parent, ViewContext& context)
    : View(CreateChildWindow(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, ExStyleOf(model), model, model.Text(), parent,
                             context),
           model, context),
      edit_(model) {
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // no limit: the program may set texts of any length
  if (edit_.TileBevel)
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowModel();
}

void EditView::ShowModel() {
  if (takingUserText_) return;
  View::ShowModel();
  const std::wstring text = WindowTextOf(edit_.Text());
  if (CurrentWindowText(Handle()) != text) {
    settingText_ = true;
    SetWindowTextW(Handle(), text.c_str());
    settingText_ = false;
  }
  const std::size_t caret = std::min(edit_.CaretPosition(), text.size());
  if (ShownCaret() != caret) {
    const auto at = static_cast<LPARAM>(caret);
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(at), at);
  }
}

std::size_t EditView::ShownCaret() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return end;
}

std::optional<LRESULT> EditView::OnParentNotice(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return std::nullopt;
  if (!settingText_ && !takingUserText_) TakeUserText();
  return 0;
}

void EditView::TakeUserText() {
  // The caret first, so that the change handler sees where the user is.
  takingUserText_ = true;
  edit_.SetCaretPosition(ShownCaret());
  const std::wstring text = CurrentWindowText(Handle());
  edit_.SetText(std::u16string(text.begin(), text.end()));
  takingUserText_ = false;
  ShowModel();
}

std::optional<LRESULT> EditView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!edit_.TileBevel) return std::nullopt;
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
      InflateRect(&client, -kTileBevelWidth, -kTileBevelWidth);
      return result;
    }
    case WM_NCPAINT:
      CallDefault(message, wParam, lParam);
      PaintTileBevel();
      return 0;
    default:
      return std::nullopt;
  }
}

void EditView::PaintTileBevel() {
  const HDC dc = GetWindowDC(Handle());
  RECT rect;
  GetWindowRect(Handle(), &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  DrawEdge(dc, &rect, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
  const HBRUSH space = GetSysColorBrush(COLOR_WINDOW);
  for (int i = 1; i < kTileBevelWidth; ++i) {
    FrameRect(dc, &rect, space);
    InflateRect(&rect, -1, -1);
  }
  ReleaseDC(Handle(), dc);
}

bool EditView::ShowsContextMenuAt(POINT) const { return false; }

}  // namespace toolkit::win32
