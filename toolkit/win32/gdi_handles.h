#pragma once
// Owners of GDI objects and memory DCs, and a selection that undoes itself,
// so that every object a paint makes is freed on every path.

#include <windows.h>

#include "core/unique_handle.h"

namespace toolkit::win32 {

template <typename Handle>
struct GdiObjectTraits {
  using handle_type = Handle;
  static Handle empty() { return nullptr; }
  static void close(Handle object) { DeleteObject(object); }
};

using UniqueBitmap = core::unique_handle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = core::unique_handle<GdiObjectTraits<HFONT>>;
using UniqueBrush = core::unique_handle<GdiObjectTraits<HBRUSH>>;
using UniquePen = core::unique_handle<GdiObjectTraits<HPEN>>;

struct MemoryDcTraits {
  using handle_type = HDC;
  static HDC empty() { return nullptr; }
  static void close(HDC dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = core::unique_handle<MemoryDcTraits>;

// A selected object can't be deleted: this puts the previous one back at the
// end of the scope. Declare it after the owner of the object it selects.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A 32-bit top-down DIB section selected into its own memory DC: pixels that
// code can write directly (0x00RRGGBB per pixel, rows without padding) and
// that GDI can draw into and copy from.
class PixelCanvas {
 public:
  PixelCanvas(HDC compatibleWith, int width, int height);
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;
  ~PixelCanvas() {
    if (previous_) SelectObject(dc_.get(), previous_);
  }

  explicit operator bool() const { return pixels_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Call GdiFlush() between GDI drawing and direct pixel access.
  DWORD* pixels() const { return pixels_; }
  DWORD& at(int x, int y) const { return pixels_[y * width_ + x]; }

 private:
  int width_;
  int height_;
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  DWORD* pixels_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

inline PixelCanvas::PixelCanvas(HDC compatibleWith, int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(compatibleWith)) {
  if (!dc_ || width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) return;
  previous_ = SelectObject(dc_.get(), bitmap_.get());
  pixels_ = static_cast<DWORD*>(bits);
}

}  // namespace toolkit::win32
