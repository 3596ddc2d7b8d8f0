#pragma once
// Paints a glass-look button completely: a rounded, glossy face in the
// button's colours with its shine, borders and caption.

#include <windows.h>

#include "toolkit/glass_button.h"

namespace toolkit::win32 {

enum class GlassState {
  Normal,
  Hot,      // the pointer is over the button: its glow colour shows
  Pressed,  // held down: darker, the shine dimmed, the caption one pixel lower
};

// Draws off screen and copies the result onto `dc` at `rect` in one step, so
// the button never flickers. The corners outside the rounded shape keep what
// `dc` already shows there (the parent's background).
void PaintGlassButton(HDC dc, const RECT& rect, const toolkit::GlassButton& button, GlassState state);

}  // namespace toolkit::win32
