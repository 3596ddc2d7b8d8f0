// A minimal stand-in painter: the face colour and the caption. The glossy one
// replaces it.
#include "toolkit/win32/glass_paint_win32.h"

#include <string>

void PaintGlassButton(HDC dc, const RECT& rect, const toolkit::GlassButton& button, GlassState state) {
  const toolkit::GlassColors& colors = button.Colors();
  const toolkit::Color face = state == GlassState::Hot ? colors.glow : colors.face;
  const HBRUSH brush = CreateSolidBrush(face & 0x00FFFFFF);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  RECT text = rect;
  if (state == GlassState::Pressed) OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colors.fore & 0x00FFFFFF);
  const std::u16string& caption = button.Caption();
  const std::wstring shown(caption.begin(), caption.end());
  DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}
