#include "toolkit/win32/popup_menu_win32.h"

#include <algorithm>

#include "toolkit/access_keys.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {
namespace {

constexpr int kImageGap = 4;
constexpr int kTextPadding = 6;

}  // namespace

PopupMenuPresenter::PopupMenuPresenter(ImageFactory images) : imageFactory_(std::move(images)) {}

void PopupMenuPresenter::Show(PopupMenu& menu, POINT screen) {
  menu.Popup();
  if (menu.Count() == 0) return;
  std::vector<std::u16string> captions;
  std::vector<MenuItem*> items;
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    items.push_back(&menu.Item(i));
    captions.push_back(menu.Item(i).Caption);
  }
  const std::vector<std::u16string> shownCaptions = ShownMenuCaptions(captions, menu.AutoHotkeys());

  shownImages_ = menu.Images();
  shown_.clear();
  unique_menu popup(CreatePopupMenu());
  for (std::size_t i = 0; i < items.size(); ++i) {
    shown_.push_back({WindowTextOf(shownCaptions[i]), items[i]->ImageIndex});
    const UINT_PTR command = i + 1;
    if (shownImages_)
      AppendMenuW(popup.get(), MF_OWNERDRAW, command, reinterpret_cast<LPCWSTR>(i));
    else
      AppendMenuW(popup.get(), MF_STRING, command, shown_.back().caption.c_str());
  }
  const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
      popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner_, nullptr));
  popup.reset();
  shown_.clear();
  shownImages_ = nullptr;
  if (chosen == 0 || chosen > items.size()) return;
  // Timer ticks run while the menu is open; click the item only if it is still there.
  MenuItem* item = items[chosen - 1];
  for (std::size_t i = 0; i < menu.Count(); ++i)
    if (&menu.Item(i) == item) return item->Click();
}

HFONT PopupMenuPresenter::MenuFont() {
  if (!menuFont_) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    menuFont_.reset(CreateFontIndirectW(&metrics.lfMenuFont));
  }
  return menuFont_.get();
}

HIMAGELIST PopupMenuPresenter::ImagesOf(const ImageList& list) {
  for (const auto& [known, images] : imageLists_)
    if (known == &list) return images.get();
  return imageLists_.emplace_back(&list, unique_image_list(imageFactory_ ? imageFactory_(list) : nullptr))
      .second.get();
}

bool PopupMenuPresenter::Measure(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || item.itemData >= shown_.size() || !shownImages_) return false;
  const ShownItem& shown = shown_[item.itemData];
  const HDC dc = GetDC(owner_);
  const HGDIOBJ oldFont = SelectObject(dc, MenuFont());
  RECT text{0, 0, 0, 0};
  DrawTextW(dc, shown.caption.c_str(), static_cast<int>(shown.caption.size()), &text, DT_SINGLELINE | DT_CALCRECT);
  SelectObject(dc, oldFont);
  ReleaseDC(owner_, dc);
  item.itemWidth = static_cast<UINT>(kImageGap + shownImages_->width + kTextPadding + text.right + kTextPadding);
  item.itemHeight = static_cast<UINT>(std::max<LONG>(shownImages_->height + 2, text.bottom + 4));
  return true;
}

bool PopupMenuPresenter::Draw(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || item.itemData >= shown_.size() || !shownImages_) return false;
  const ShownItem& shown = shown_[item.itemData];
  const bool selected = item.itemState & ODS_SELECTED;
  const HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

  const HIMAGELIST images = ImagesOf(*shownImages_);
  const int imageTop = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - shownImages_->height) / 2;
  if (images && shown.image >= 0 && shown.image < ImageList_GetImageCount(images))
    ImageList_Draw(images, shown.image, dc, item.rcItem.left + kImageGap / 2, imageTop, ILD_NORMAL);

  RECT text = item.rcItem;
  text.left += kImageGap + shownImages_->width + kTextPadding;
  const HGDIOBJ oldFont = SelectObject(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const UINT hidePrefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  DrawTextW(dc, shown.caption.c_str(), static_cast<int>(shown.caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | hidePrefix);
  SelectObject(dc, oldFont);
  return true;
}

}  // namespace toolkit::win32
