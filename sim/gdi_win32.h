#pragma once
// Owners of the GDI objects the simulator draws with, and of a selection
// into a device context, so that every object goes back and is deleted.

#include <windows.h>

#include "core/unique_handle.h"

namespace sim {

struct GdiObjectTraits {
  using handle_type = HGDIOBJ;
  static HGDIOBJ empty() { return nullptr; }
  static void close(HGDIOBJ object) { DeleteObject(object); }
};
using unique_gdi_object = core::unique_handle<GdiObjectTraits>;

struct MemoryDcTraits {
  using handle_type = HDC;
  static HDC empty() { return nullptr; }
  static void close(HDC dc) { DeleteDC(dc); }
};
using unique_memory_dc = core::unique_handle<MemoryDcTraits>;

// Selects an object for the life of the scope and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

inline unique_gdi_object Pen(int style, int width, COLORREF colour) {
  return unique_gdi_object(CreatePen(style, width, colour));
}
inline unique_gdi_object Brush(COLORREF colour) { return unique_gdi_object(CreateSolidBrush(colour)); }

}  // namespace sim
