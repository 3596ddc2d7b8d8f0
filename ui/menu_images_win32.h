#pragma once
// The pictures of the open-orders menu, drawn by code into an image list.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "toolkit/menu.h"

namespace ui {

// Images of the model's size on its background colour: index 0 a document
// page with a red dot at its lower right, index 1 the same with a blue dot.
// The caller owns the list (hold it in a toolkit::win32::unique_image_list); nullptr on failure.
HIMAGELIST CreateOrderImages(const toolkit::ImageList& model);

}  // namespace ui
