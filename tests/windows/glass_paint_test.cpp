#include "toolkit/win32/glass_paint_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "toolkit/win32/gdi_handles.h"

namespace {

using toolkit::GlassButton;
using toolkit::GlassColors;
using toolkit::win32::GlassState;
using toolkit::win32::PaintGlassButton;
using toolkit::win32::PixelCanvas;

// Colours of the panel's buttons (0x00BBGGRR) and what they stand on.
constexpr toolkit::Color kBlue = 16344377, kLightBlue = 16682804, kRed = 254, kOrange = 362234;
constexpr toolkit::Color kNearWhite = 16776176, kPurple = 0x800080, kTeal = 0x808000, kFuchsia = 0xFF00FF;
constexpr DWORD kGround = 0xD4D0C8;  // a pixel (0x00RRGGBB) of the panel's grey

const toolkit::Font kClearType{u"Tahoma", -11, toolkit::TextRendering::ClearType};
const toolkit::Font kAntiAliased{u"Tahoma", -11, toolkit::TextRendering::AntiAliased};

struct Rgb {
  int r, g, b;
};
Rgb Channels(DWORD pixel) {
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}
Rgb Channels(toolkit::Color color) {
  return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF), static_cast<int>((color >> 16) & 0xFF)};
}
int Distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }
int Brightness(Rgb c) { return c.r + c.g + c.b; }

// A button painted onto a canvas of the panel's grey.
class Painted {
 public:
  Painted(const GlassButton& button, GlassState state, int width = 27, int height = 27, RECT rect = {0, 0, 27, 27})
      : canvas_(screen_.dc, width, height) {
    for (int p = 0; p < width * height; ++p) canvas_.pixels()[p] = kGround;
    PaintGlassButton(canvas_.dc(), rect, button, state);
    GdiFlush();
  }
  Rgb At(int x, int y) const { return Channels(canvas_.at(x, y)); }
  DWORD Raw(int x, int y) const { return canvas_.at(x, y); }
  // The mean over a block of pixels.
  Rgb Mean(int left, int top, int right, int bottom) const {
    Rgb sum{0, 0, 0};
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) sum = {sum.r + At(x, y).r, sum.g + At(x, y).g, sum.b + At(x, y).b};
    const int n = (right - left) * (bottom - top);
    return {sum.r / n, sum.g / n, sum.b / n};
  }

 private:
  struct Screen {
    HDC dc = GetDC(nullptr);
    ~Screen() { ReleaseDC(nullptr, dc); }
  } screen_;
  PixelCanvas canvas_;
};

GlassButton Button(toolkit::Color face, toolkit::Color glow, std::u16string caption = u"",
                   const toolkit::Font& font = kClearType, int width = 27) {
  return GlassButton(nullptr, {0, 0, width, 27}, std::move(caption), GlassColors{.face = face, .glow = glow}, font);
}

int CountGdiObjects() { return toolkit::win32::LiveGdiObjects(); }

TEST(GlassPaint, LeavesNoGdiObjectBehind) {
  const int before = CountGdiObjects();
  HBRUSH probe = CreateSolidBrush(0);
  ASSERT_EQ(CountGdiObjects(), before + 1) << "the count must see new objects";
  DeleteObject(probe);

  const GlassButton buttons[] = {Button(kBlue, kPurple, u"0.3"), Button(kRed, kTeal, u"1", kAntiAliased),
                                 Button(kOrange, kTeal, u"", kClearType, 33)};
  HDC screen = GetDC(nullptr);
  const PixelCanvas canvas(screen, 33, 27);
  ReleaseDC(nullptr, screen);
  const int withCanvas = CountGdiObjects();
  for (int i = 0; i < 1000; ++i)
    PaintGlassButton(canvas.dc(), {0, 0, i % 3 == 2 ? 33 : 27, 27}, buttons[i % 3], static_cast<GlassState>(i % 3));
  EXPECT_EQ(CountGdiObjects(), withCanvas);
}

TEST(GlassPaint, FaceShowsTheFaceColourUnderAShine) {
  for (const auto face : {kBlue, kLightBlue, kRed, kOrange}) {
    SCOPED_TRACE(face);
    const Painted painted(Button(face, kPurple), GlassState::Normal);
    const Rgb lower = painted.Mean(4, 15, 23, 23);
    const Rgb upper = painted.Mean(4, 4, 23, 12);
    EXPECT_LT(Distance(lower, Channels(face)), 150);
    EXPECT_LT(Distance(lower, Channels(face)), Distance(lower, Channels(kPurple)));
    EXPECT_GT(Brightness(upper), Brightness(lower) + 60) << "the upper half shines";
  }
}

TEST(GlassPaint, HotShowsTheGlowColourAndPressedIsDarker) {
  const struct {
    toolkit::Color face, glow;
  } cases[] = {{kBlue, kNearWhite}, {kBlue, kPurple}, {kLightBlue, kFuchsia}, {kRed, kTeal}, {kOrange, kTeal}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.face << " " << c.glow);
    const GlassButton button = Button(c.face, c.glow);
    const Rgb normal = Painted(button, GlassState::Normal).Mean(8, 19, 19, 24);
    const Rgb hot = Painted(button, GlassState::Hot).Mean(8, 19, 19, 24);
    EXPECT_LT(Distance(hot, Channels(c.glow)) + 60, Distance(normal, Channels(c.glow)));
    const Painted pressed(button, GlassState::Pressed);
    EXPECT_LT(Brightness(pressed.Mean(3, 3, 24, 24)), Brightness(Painted(button, GlassState::Normal).Mean(3, 3, 24, 24)));
  }
}

TEST(GlassPaint, RoundedCornersKeepTheGroundAndBordersFollowTheColours) {
  const Painted painted(Button(kBlue, kPurple), GlassState::Normal);
  for (const auto [x, y] : {std::pair{0, 0}, {26, 0}, {0, 26}, {26, 26}}) EXPECT_EQ(painted.Raw(x, y), kGround) << x << "," << y;
  for (const auto [x, y] : {std::pair{13, 0}, {0, 13}, {13, 26}, {26, 13}})
    EXPECT_GT(Brightness(painted.At(x, y)), Brightness(Channels(kGround)) + 20) << "outer border: white";
  EXPECT_LT(Brightness(painted.At(13, 1)), 40) << "inner border: black";
  EXPECT_LT(Brightness(painted.At(1, 13)), 40);
  EXPECT_LT(Brightness(painted.At(25, 20)), 40);
}

TEST(GlassPaint, PaintsOnlyItsRectangle) {
  const GlassButton button = Button(kRed, kTeal, u"2");
  const Painted alone(button, GlassState::Normal);
  const Painted placed(button, GlassState::Normal, 40, 35, {10, 5, 37, 32});
  for (int y = 0; y < 35; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 10 && x < 37 && y >= 5 && y < 32;
      ASSERT_EQ(placed.Raw(x, y), inside ? alone.Raw(x - 10, y - 5) : kGround) << x << "," << y;
    }
  }
}

// Pixels that the caption turned (nearly) white: where a painting with the
// caption differs from one without.
struct CaptionPixels {
  int count = 0, top = 99, left = 99, right = -1, bottom = -1;
};

CaptionPixels Caption(const GlassButton& with, const GlassButton& without, GlassState state) {
  const Painted a(with, state), b(without, state);
  CaptionPixels found;
  for (int y = 0; y < 27; ++y) {
    for (int x = 0; x < 27; ++x) {
      const Rgb text = a.At(x, y), glass = b.At(x, y);
      if (Distance(text, glass) == 0) continue;
      if (text.r < 235 || text.g < 235 || text.b < 235) continue;
      ++found.count;
      found.top = std::min(found.top, y), found.bottom = std::max(found.bottom, y);
      found.left = std::min(found.left, x), found.right = std::max(found.right, x);
    }
  }
  return found;
}

TEST(GlassPaint, CaptionIsWhiteAndCentred) {
  for (const auto* font : {&kClearType, &kAntiAliased}) {
    const CaptionPixels found = Caption(Button(kBlue, kPurple, u"8", *font), Button(kBlue, kPurple), GlassState::Normal);
    EXPECT_GT(found.count, 6);
    EXPECT_NEAR((found.left + found.right) / 2.0, 13, 1.5);
    EXPECT_NEAR((found.top + found.bottom) / 2.0, 13, 2);
  }
}

TEST(GlassPaint, PressedCaptionSitsOnePixelLower) {
  const GlassButton with = Button(kRed, kTeal, u"4"), without = Button(kRed, kTeal);
  const CaptionPixels normal = Caption(with, without, GlassState::Normal);
  const CaptionPixels pressed = Caption(with, without, GlassState::Pressed);
  ASSERT_GT(normal.count, 0);
  EXPECT_EQ(pressed.top, normal.top + 1);
  EXPECT_EQ(pressed.left, normal.left);
}

}  // namespace
