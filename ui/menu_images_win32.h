#pragma once
// The pictures of the open-orders menu, drawn by code into an image list.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "core/unique_handle.h"
#include "toolkit/menu.h"

namespace ui {

struct ImageListTraits {
  using handle_type = HIMAGELIST;
  static HIMAGELIST empty() { return nullptr; }
  static void close(HIMAGELIST list) { ImageList_Destroy(list); }
};
using UniqueImageList = core::unique_handle<ImageListTraits>;

// Images of the model's size on its background colour: index 0 a document
// page with a red dot at its lower right, index 1 the same with a blue dot.
// The caller owns the list (hold it in a UniqueImageList); nullptr on failure.
HIMAGELIST CreateOrderImages(const toolkit::ImageList& model);

}  // namespace ui
