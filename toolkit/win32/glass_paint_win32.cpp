#include "toolkit/win32/glass_paint_win32.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/win32/fonts_win32.h"
#include "toolkit/win32/gdi_handles.h"

namespace toolkit::win32 {

namespace {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb from, Rgb to, float amount) {
  return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount, from.b + (to.b - from.b) * amount};
}
Rgb Scale(Rgb colour, float factor) { return {colour.r * factor, colour.g * factor, colour.b * factor}; }

COLORREF ToColorRef(Color color) {
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;  // a palette-relative flag means nothing on a true-colour canvas
}

Rgb ToRgb(Color color) {
  const COLORREF value = ToColorRef(color);
  return {GetRValue(value) / 255.0f, GetGValue(value) / 255.0f, GetBValue(value) / 255.0f};
}

constexpr Rgb kWhite{1, 1, 1};

// How each state lights the glass.
struct Lighting {
  float brightness;   // of the whole face
  float shineTop;     // opacity of the shine at its top ...
  float shineBottom;  // ... and where it ends, half way down
  float glow;         // opacity of the glow colour at its brightest
  int captionDrop;    // pixels
};

Lighting LightingOf(GlassState state) {
  switch (state) {
    case GlassState::Hot:
      return {1.0f, 0.62f, 0.16f, 0.9f, 0};
    case GlassState::Pressed:
      return {0.8f, 0.4f, 0.1f, 0.55f, 1};
    case GlassState::Normal:
      break;
  }
  return {1.0f, 0.62f, 0.16f, 0.0f, 0};
}

// Distance from a point to the edge of the rounded rectangle (0, 0, width,
// height): negative inside.
float RoundRectDistance(float x, float y, float width, float height, float radius) {
  const float qx = std::abs(x - width / 2) - (width / 2 - radius);
  const float qy = std::abs(y - height / 2) - (height / 2 - radius);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

struct Sample {
  Rgb colour;
  float opacity = 0;
};

// The glass at any point of the button, before the caption.
class GlassFace {
 public:
  GlassFace(int width, int height, const GlassButton& button, GlassState state)
      : width_(static_cast<float>(width)),
        height_(static_cast<float>(height)),
        radius_(static_cast<float>(std::min({button.CornerRadius(), width / 2, height / 2}))),
        face_(ToRgb(button.Colors().face)),
        glow_(ToRgb(button.Colors().glow)),
        shine_(ToRgb(button.Colors().shine)),
        inner_(ToRgb(button.Colors().innerBorder)),
        outer_(ToRgb(button.Colors().outerBorder)),
        lighting_(LightingOf(state)) {}

  Sample At(float x, float y) const {
    const float depth = -RoundRectDistance(x, y, width_, height_, radius_);
    if (depth < 0) return {};
    if (depth < 1) return {outer_, kOuterOpacity};
    if (depth < 2) return {inner_, 1};
    return {Face(x, y, depth), 1};
  }

 private:
  // The outer border is a light rim, partly see-through so it softens into
  // whatever the button stands on.
  static constexpr float kOuterOpacity = 0.7f;

  Rgb Face(float x, float y, float depth) const {
    const float top = 2, bottom = height_ - 2;
    const float middle = top + (bottom - top) * 0.48f;
    Rgb colour;
    if (y < middle) {
      colour = Mix(face_, kWhite, 0.1f);
    } else {
      // Darkest just under the shine's edge, brighter again towards the bottom.
      const float down = (y - middle) / (bottom - middle);
      colour = Scale(face_, 0.72f + 0.28f * down);
    }
    // Light gathers in the glass at the bottom centre; with the pointer over
    // the button, that light is the glow colour.
    const float gx = (x - width_ / 2) / (width_ * 0.62f);
    const float gy = (y - bottom) / (height_ * 0.62f);
    const float gathered = std::max(0.0f, 1 - (gx * gx + gy * gy));
    colour = Mix(colour, Mix(face_, kWhite, 0.4f), 0.55f * gathered);
    if (lighting_.glow > 0) colour = Mix(colour, glow_, lighting_.glow * gathered);
    colour = Scale(colour, lighting_.brightness);
    // The shine: the upper half, kept one pixel off the borders.
    if (y < middle && depth >= 3) {
      const float along = (y - top) / (middle - top);
      colour = Mix(colour, shine_, lighting_.shineTop + (lighting_.shineBottom - lighting_.shineTop) * along);
    }
    return colour;
  }

  float width_, height_, radius_;
  Rgb face_, glow_, shine_, inner_, outer_;
  Lighting lighting_;
};

// Samples per pixel and axis: smooth corners, rings and shine edge.
constexpr int kSamples = 4;

Rgb ReadPixel(DWORD pixel) {
  return {((pixel >> 16) & 0xFF) / 255.0f, ((pixel >> 8) & 0xFF) / 255.0f, (pixel & 0xFF) / 255.0f};
}

DWORD WritePixel(Rgb colour) {
  const auto channel = [](float value) {
    return static_cast<DWORD>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
  };
  return channel(colour.r) << 16 | channel(colour.g) << 8 | channel(colour.b);
}

void PaintGlass(const PixelCanvas& canvas, const GlassFace& glass) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      Rgb sum;
      float opacity = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Sample sample = glass.At(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples);
          sum = {sum.r + sample.colour.r * sample.opacity, sum.g + sample.colour.g * sample.opacity,
                 sum.b + sample.colour.b * sample.opacity};
          opacity += sample.opacity;
        }
      }
      // The samples were premultiplied: what they leave uncovered shows the
      // background.
      constexpr float kCount = kSamples * kSamples;
      const float uncovered = 1 - opacity / kCount;
      const Rgb below = ReadPixel(canvas.at(x, y));
      canvas.at(x, y) = WritePixel({below.r * uncovered + sum.r / kCount, below.g * uncovered + sum.g / kCount,
                                    below.b * uncovered + sum.b / kCount});
    }
  }
}

void DrawCaption(const PixelCanvas& canvas, const std::wstring& text, COLORREF colour, int drop) {
  SetTextColor(canvas.dc(), colour);
  RECT box{0, drop, canvas.width(), canvas.height() + drop};
  DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A soft shadow one pixel below the caption keeps it legible where the shine
// or a light glow lies behind it: the caption in black, mixed in at part
// strength.
void DrawCaptionShadow(const PixelCanvas& canvas, const std::wstring& text, int drop) {
  constexpr float kStrength = 0.4f;
  GdiFlush();
  const std::vector<DWORD> glass(canvas.pixels(), canvas.pixels() + canvas.width() * canvas.height());
  DrawCaption(canvas, text, RGB(0, 0, 0), drop + 1);
  GdiFlush();
  for (std::size_t i = 0; i < glass.size(); ++i) {
    DWORD& pixel = canvas.pixels()[i];
    if (pixel != glass[i]) pixel = WritePixel(Mix(ReadPixel(glass[i]), ReadPixel(pixel), kStrength));
  }
}

void PaintCaption(const PixelCanvas& canvas, const GlassButton& button, GlassState state) {
  const std::u16string& caption = button.Caption();
  if (caption.empty()) return;
  const unique_font font = CreateFontOf(button.CaptionFont());
  const ScopedSelection selected(canvas.dc(), font.get());
  SetBkMode(canvas.dc(), TRANSPARENT);
  const std::wstring text(caption.begin(), caption.end());
  const int drop = LightingOf(state).captionDrop;
  DrawCaptionShadow(canvas, text, drop);
  DrawCaption(canvas, text, ToColorRef(button.Colors().fore), drop);
}

}  // namespace

void PaintGlassButton(HDC dc, const RECT& rect, const GlassButton& button, GlassState state) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const PixelCanvas canvas(dc, width, height);
  if (!canvas) return;
  BitBlt(canvas.dc(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  PaintGlass(canvas, GlassFace(width, height, button, state));
  PaintCaption(canvas, button, state);
  BitBlt(dc, rect.left, rect.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
}

}  // namespace toolkit::win32
