#pragma once
// Draws a glass button's face, caption and borders into `rect` of `dc`.

#include <windows.h>

#include "toolkit/glass_button.h"

enum class GlassState { Normal, Hot, Pressed };

void PaintGlassButton(HDC dc, const RECT& rect, const toolkit::GlassButton& button, GlassState state);
