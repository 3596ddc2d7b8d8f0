#include "ui/menu_images_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "toolkit/win32/gdi_handles.h"

namespace {

struct Rgb {
  int r, g, b;
};

// Pixels of one image, drawn onto magenta so that gaps would show.
std::vector<Rgb> Draw(HIMAGELIST list, int index, int width, int height) {
  HDC screen = GetDC(nullptr);
  const toolkit::win32::PixelCanvas canvas(screen, width, height);
  ReleaseDC(nullptr, screen);
  for (int p = 0; p < width * height; ++p) canvas.pixels()[p] = 0xFF00FF;
  ImageList_Draw(list, index, canvas.dc(), 0, 0, ILD_NORMAL);
  GdiFlush();
  std::vector<Rgb> pixels;
  for (int p = 0; p < width * height; ++p) {
    const DWORD v = canvas.pixels()[p];
    pixels.push_back({static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)});
  }
  return pixels;
}

bool Reddish(Rgb c) { return c.r > 150 && c.g < 90 && c.b < 90; }
bool Bluish(Rgb c) { return c.b > 150 && c.r < 90 && c.g < 140; }

TEST(OrderImages, PagesWithARedAndABlueDotOnTheListsBackground) {
  const toolkit::ImageList model{22, 19, 14935011, 2};
  const ui::UniqueImageList list(ui::CreateOrderImages(model));
  ASSERT_TRUE(list);
  ASSERT_EQ(ImageList_GetImageCount(list.get()), 2);
  int width = 0, height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(list.get(), &width, &height));
  EXPECT_EQ(width, 22);
  EXPECT_EQ(height, 19);

  const struct {
    int index;
    bool (*dot)(Rgb);
    bool (*otherDot)(Rgb);
  } cases[] = {{0, Reddish, Bluish}, {1, Bluish, Reddish}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    const auto pixels = Draw(list.get(), c.index, 22, 19);
    const auto at = [&](int x, int y) { return pixels[y * 22 + x]; };
    for (const auto [x, y] : {std::pair{0, 0}, {21, 0}, {0, 18}, {21, 18}}) {
      EXPECT_EQ(at(x, y).r, 227);
      EXPECT_EQ(at(x, y).g, 227);
      EXPECT_EQ(at(x, y).b, 227);
    }
    int dot = 0, otherDot = 0, paper = 0, outline = 0;
    for (int y = 0; y < 19; ++y) {
      for (int x = 0; x < 22; ++x) {
        const Rgb p = at(x, y);
        const bool lowerRight = x >= 11 && y >= 10;
        if (c.dot(p)) dot += lowerRight ? 1 : -100;
        if (c.otherDot(p)) ++otherDot;
        if (!lowerRight && p.r == 255 && p.g == 255 && p.b == 255) ++paper;
        if (p.r < 100 && p.r == p.g && p.g == p.b) ++outline;
      }
    }
    EXPECT_GT(dot, 15) << "a dot of some size, all of it at the lower right";
    EXPECT_EQ(otherDot, 0);
    EXPECT_GT(paper, 30);
    EXPECT_GT(outline, 20);
  }
}

TEST(OrderImages, NoListForAnEmptySize) {
  EXPECT_EQ(ui::CreateOrderImages({0, 19, 14935011, 2}), nullptr);
  EXPECT_EQ(ui::CreateOrderImages({22, 0, 14935011, 2}), nullptr);
}

}  // namespace
