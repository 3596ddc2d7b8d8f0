#pragma once
// The one owner of each kind of window-system handle the views hold.

#include <windows.h>
#include <commctrl.h>

#include "core/unique_handle.h"

namespace toolkit::win32 {

struct WindowTraits {
  using handle_type = HWND;
  static HWND empty() { return nullptr; }
  static void close(HWND window) { DestroyWindow(window); }
};

struct MenuTraits {
  using handle_type = HMENU;
  static HMENU empty() { return nullptr; }
  static void close(HMENU menu) { DestroyMenu(menu); }
};

template <typename Object>
struct GdiObjectTraits {
  using handle_type = Object;
  static Object empty() { return nullptr; }
  static void close(Object object) { DeleteObject(object); }
};

struct MemoryDcTraits {
  using handle_type = HDC;
  static HDC empty() { return nullptr; }
  static void close(HDC dc) { DeleteDC(dc); }
};

struct ImageListTraits {
  using handle_type = HIMAGELIST;
  static HIMAGELIST empty() { return nullptr; }
  static void close(HIMAGELIST images) { ImageList_Destroy(images); }
};

using unique_window = core::unique_handle<WindowTraits>;
using unique_menu = core::unique_handle<MenuTraits>;
using unique_font = core::unique_handle<GdiObjectTraits<HFONT>>;
using unique_brush = core::unique_handle<GdiObjectTraits<HBRUSH>>;
using unique_bitmap = core::unique_handle<GdiObjectTraits<HBITMAP>>;
using unique_pen = core::unique_handle<GdiObjectTraits<HPEN>>;
using unique_memory_dc = core::unique_handle<MemoryDcTraits>;
using unique_image_list = core::unique_handle<ImageListTraits>;

}  // namespace toolkit::win32
