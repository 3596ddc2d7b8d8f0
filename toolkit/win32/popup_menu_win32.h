#pragma once
// Shows a toolkit popup menu: runs its OnPopup, builds a fresh menu from its
// items, tracks it and clicks the chosen item. Menus with an image list are
// owner-drawn, each item with its picture left of the caption. Nothing built
// for one popup outlives it; the menu font and the image lists are made once.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/menu.h"
#include "toolkit/win32/handles_win32.h"

namespace toolkit::win32 {

class PopupMenuPresenter {
 public:
  // Makes the pictures of an image list; the presenter owns what it returns.
  using ImageFactory = std::function<HIMAGELIST(const ImageList&)>;

  explicit PopupMenuPresenter(ImageFactory images);

  // The window that receives the menu's messages while it is open.
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(PopupMenu& menu, POINT screen);

  // WM_MEASUREITEM and WM_DRAWITEM of the owner-drawn items; false for others.
  bool Measure(MEASUREITEMSTRUCT& item);
  bool Draw(const DRAWITEMSTRUCT& item);

 private:
  struct ShownItem {
    std::wstring caption;
    int image;
  };

  HIMAGELIST ImagesOf(const ImageList& list);
  HFONT MenuFont();

  ImageFactory imageFactory_;
  HWND owner_ = nullptr;
  unique_font menuFont_;
  std::vector<std::pair<const ImageList*, unique_image_list>> imageLists_;
  // Of the menu being shown.
  std::vector<ShownItem> shown_;
  const ImageList* shownImages_ = nullptr;
};

}  // namespace toolkit::win32
