#include "toolkit/win32/tooltips_win32.h"

#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

Tooltips::Tooltips(HINSTANCE instance)
    // No owner: the tooltip lives exactly as long as this object.
    : window_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                              nullptr)) {
  // A width limit makes the tooltip break lines; the screen's width breaks
  // them only where the hint does.
  SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

void Tooltips::Add(HWND control, std::u16string_view hint) {
  std::wstring text = TooltipTextOf(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring TooltipTextOf(std::u16string_view hint) {
  const std::wstring text = WindowTextOf(hint);
  std::wstring lines;
  lines.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    lines += text[i];
    if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) lines += L'\n';
  }
  return lines;
}

}  // namespace toolkit::win32
