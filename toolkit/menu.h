#pragma once
// Popup menus with items made and removed at run time, and the image list
// their items draw from.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace toolkit {

// Images of one size on one background colour; what each index shows is the
// program's own drawing, made by the view.
struct ImageList {
  int width = 0;
  int height = 0;
  Color background = 0;
  int count = 0;
};

class MenuItem {
 public:
  explicit MenuItem(std::u16string caption, int imageIndex = -1)
      : Caption(std::move(caption)), ImageIndex(imageIndex) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::u16string Caption;
  int ImageIndex;
  std::function<void(MenuItem&)> OnClick;

  void Click() {
    if (OnClick) OnClick(*this);
  }
};

class PopupMenu {
 public:
  PopupMenu(bool autoHotkeys, const ImageList* images = nullptr) : autoHotkeys_(autoHotkeys), images_(images) {}
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  // When on, the view gives each item an access key of its own.
  bool AutoHotkeys() const { return autoHotkeys_; }
  const ImageList* Images() const { return images_; }

  std::size_t Count() const { return items_.size(); }
  MenuItem& Item(std::size_t index) { return *items_[index]; }
  MenuItem& Add(std::unique_ptr<MenuItem> item) { return *items_.emplace_back(std::move(item)); }
  MenuItem& Insert(std::size_t index, std::unique_ptr<MenuItem> item) {
    return **items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(index, items_.size())),
                           std::move(item));
  }
  void Delete(std::size_t index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index)); }

  // Runs before the menu is shown, so the program can rebuild it.
  std::function<void()> OnPopup;
  void Popup() {
    if (OnPopup) OnPopup();
  }

 private:
  bool autoHotkeys_;
  const ImageList* images_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace toolkit
