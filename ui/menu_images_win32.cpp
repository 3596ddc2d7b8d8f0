#include "ui/menu_images_win32.h"

#include <algorithm>
#include <cmath>

#include "toolkit/win32/gdi_handles.h"

namespace ui {

namespace {

struct Rgb {
  int r, g, b;
};

DWORD ToPixel(Rgb c) { return static_cast<DWORD>(c.r << 16 | c.g << 8 | c.b); }

Rgb FromColorRef(toolkit::Color color) {
  return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF), static_cast<int>((color >> 16) & 0xFF)};
}

Rgb Mix(Rgb from, Rgb to, double amount) {
  const auto channel = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
  return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

constexpr Rgb kOutline{72, 72, 72};
constexpr Rgb kPaper{255, 255, 255};
constexpr Rgb kFlap{200, 200, 200};
constexpr Rgb kFlapEdge{128, 128, 128};
constexpr Rgb kTextLine{160, 160, 160};

struct Dot {
  Rgb fill;
  Rgb rim;
};
constexpr Dot kDots[] = {
    {{224, 32, 32}, {150, 0, 0}},   // 0: red
    {{40, 96, 232}, {16, 40, 150}},  // 1: blue
};

// One image, `width` x `height`, whose top-left pixel is `origin` in a strip
// of `stride` pixels per row.
class Picture {
 public:
  Picture(DWORD* origin, int stride, int width, int height) : origin_(origin), stride_(stride), width_(width), height_(height) {}

  void Fill(Rgb colour) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) Set(x, y, colour);
  }

  // A page with its top right corner folded over, a few lines of text on it.
  void Page() {
    const int left = width_ / 2 - 6, right = left + 10;  // right: the last column
    const int top = 1, bottom = height_ - 2;              // bottom: the last row
    const int fold = 4, foldLeft = right - fold;
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const int intoFold = x - foldLeft, belowTop = y - top;
        if (intoFold > belowTop) continue;  // cut off by the fold
        const bool edge = x == left || x == right || y == top || y == bottom || intoFold == belowTop;
        const bool flap = intoFold >= 0 && belowTop <= fold;
        const bool flapEdge = flap && (intoFold == 0 || belowTop == fold);
        Set(x, y, edge ? kOutline : flapEdge ? kFlapEdge : flap ? kFlap : kPaper);
      }
    }
    for (int y = top + 3; y < bottom - 1; y += 2) {
      const int end = y <= top + fold ? foldLeft - 2 : right - 2;
      for (int x = left + 2; x <= end; ++x) Set(x, y, kTextLine);
    }
  }

  // A round dot over the page's lower right corner, smooth at its edge.
  void DotAtLowerRight(const Dot& dot) {
    const double cx = width_ / 2 + 4.5, cy = height_ - 3.5, radius = 3.6;
    constexpr int kSamples = 4;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        int inside = 0, rim = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            const double d = std::hypot(x + (sx + 0.5) / kSamples - cx, y + (sy + 0.5) / kSamples - cy);
            if (d < radius - 0.9) ++inside;
            else if (d < radius) ++rim;
          }
        }
        if (inside + rim == 0) continue;
        const Rgb colour = Mix(dot.rim, dot.fill, static_cast<double>(inside) / (inside + rim));
        Set(x, y, Mix(Get(x, y), colour, static_cast<double>(inside + rim) / (kSamples * kSamples)));
      }
    }
  }

 private:
  void Set(int x, int y, Rgb colour) {
    if (x >= 0 && x < width_ && y >= 0 && y < height_) origin_[y * stride_ + x] = ToPixel(colour);
  }
  Rgb Get(int x, int y) const {
    const DWORD p = origin_[y * stride_ + x];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
  }

  DWORD* origin_;
  int stride_, width_, height_;
};

}  // namespace

HIMAGELIST CreateOrderImages(const toolkit::ImageList& model) {
  constexpr int kCount = static_cast<int>(std::size(kDots));
  if (model.width <= 0 || model.height <= 0) return nullptr;

  // All images side by side in one bitmap, which the list cuts into images.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = model.width * kCount;
  info.bmiHeader.biHeight = -model.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const toolkit::win32::UniqueBitmap strip(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!strip) return nullptr;

  for (int index = 0; index < kCount; ++index) {
    Picture picture(static_cast<DWORD*>(bits) + index * model.width, model.width * kCount, model.width, model.height);
    picture.Fill(FromColorRef(model.background));
    picture.Page();
    picture.DotAtLowerRight(kDots[index]);
  }

  UniqueImageList list(ImageList_Create(model.width, model.height, ILC_COLOR24, kCount, 0));
  if (!list || ImageList_Add(list.get(), strip.get(), nullptr) < 0) return nullptr;
  return list.release();
}

}  // namespace ui
