// A minimal stand-in until the real pictures arrive: plain squares of two
// colours on the list's background.
#include "ui/menu_images_win32.h"

HIMAGELIST CreateOrderImages(const toolkit::ImageList& list) {
  const HIMAGELIST images = ImageList_Create(list.width, list.height, ILC_COLOR24, list.count, 0);
  const HDC screen = GetDC(nullptr);
  for (int i = 0; i < list.count; ++i) {
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, list.width, list.height);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, list.width, list.height};
    const HBRUSH background = CreateSolidBrush(list.background & 0x00FFFFFF);
    FillRect(dc, &all, background);
    DeleteObject(background);
    const RECT dot{list.width - 8, list.height - 8, list.width - 2, list.height - 2};
    const HBRUSH mark = CreateSolidBrush(i == 0 ? RGB(220, 0, 0) : RGB(0, 0, 220));
    FillRect(dc, &dot, mark);
    DeleteObject(mark);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  ReleaseDC(nullptr, screen);
  return images;
}
