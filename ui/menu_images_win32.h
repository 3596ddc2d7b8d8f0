#pragma once
// The pictures of the order menu's image list.

#include <windows.h>
#include <commctrl.h>

#include "toolkit/menu.h"

// A new image list of the program's pictures, owned by the caller.
HIMAGELIST CreateOrderImages(const toolkit::ImageList& list);
