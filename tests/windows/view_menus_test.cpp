// Context menus and keyboard navigation of the views, in this process. The
// menu's own loop takes the keys posted before it opens.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/window_probe_win32.h"
#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/glass_button.h"
#include "toolkit/menu.h"
#include "toolkit/panel.h"
#include "toolkit/win32/form_window_win32.h"
#include "ui/menu_images_win32.h"

namespace {

struct MenuForm {
  toolkit::ImageList images{22, 19, 14935011, 2};
  toolkit::PopupMenu formMenu{true};
  toolkit::PopupMenu buttonMenu{false, &images};
  toolkit::Form form{200, 80, u"menus", {u"MS Sans Serif", -11}};
  toolkit::Panel panel{&form, {0, 0, 200, 80}, toolkit::kButtonFace};
  toolkit::CheckBox check{&panel, {8, 8, 60, 17}, u"check", false};
  toolkit::Edit edit{&panel, {8, 30, 60, 21}, u""};
  toolkit::GlassButton button{&panel, {100, 8, 33, 27}, u"0", {}, {u"Tahoma", -11}};

  std::vector<std::u16string> chosen;
  int popups = 0;

  MenuForm() {
    form.ContextMenu = &formMenu;
    button.ContextMenu = &buttonMenu;
    for (const char16_t* caption : {u"открыть", u"Order", u"--------", u"order & more"}) Add(formMenu, caption, -1);
    // Rebuilt on every popup, as the orders menu is.
    buttonMenu.OnPopup = [this] {
      ++popups;
      while (buttonMenu.Count()) buttonMenu.Delete(0);
      Add(buttonMenu, u"111 buy 0.1", 1);
      Add(buttonMenu, u"222 sell 0.3", 0);
    };
    check.TabOrder = 1;
    edit.TabOrder = 0;
    button.TabOrder = 2;
  }

  void Add(toolkit::PopupMenu& menu, const char16_t* caption, int image) {
    menu.Add(std::make_unique<toolkit::MenuItem>(caption, image)).OnClick = [this](toolkit::MenuItem& item) {
      chosen.push_back(item.Caption);
    };
  }
};

class ViewMenus : public testing::Test {
 protected:
  HWND WindowOf(const toolkit::Control& control) const {
    for (HWND child : testing_support::ChildrenOf(panel()))
      if (testing_support::PlaceOf(child).left == control.GetBounds().left &&
          testing_support::PlaceOf(child).top == control.GetBounds().top)
        return child;
    return nullptr;
  }
  HWND panel() const { return GetWindow(window_.Handle(), GW_CHILD); }

  // Opens the context menu of `target` as a right click would, after posting
  // the keys that the menu will read.
  void OpenMenuWithKeys(HWND target, std::initializer_list<std::pair<UINT, WPARAM>> keys) {
    for (const auto& [message, key] : keys) PostMessageW(window_.Handle(), message, key, 0);
    RECT rect;
    GetWindowRect(target, &rect);
    SendMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), MAKELPARAM(rect.left + 2, rect.top + 2));
  }

  MenuForm ui_;
  int imageListsMade_ = 0;
  toolkit::win32::FormWindow window_{ui_.form, {}, [this](const toolkit::ImageList& list) {
                                       ++imageListsMade_;
                                       return ui::CreateOrderImages(list);
                                     }};
};

TEST_F(ViewMenus, AccessKeysChooseItemsWithoutTouchingTheCaptions) {
  ShowWindow(window_.Handle(), SW_SHOW);
  // The Cyrillic 'о' and the Latin 'O' are different keys; the last item,
  // its 'o' taken by "Order", gets 'r'.
  OpenMenuWithKeys(WindowOf(ui_.check), {{WM_CHAR, L'r'}});
  OpenMenuWithKeys(WindowOf(ui_.check), {{WM_CHAR, L'о'}});
  EXPECT_EQ(ui_.chosen, (std::vector<std::u16string>{u"order & more", u"открыть"}));
  EXPECT_EQ(ui_.formMenu.Item(3).Caption, u"order & more");
}

TEST_F(ViewMenus, TheCloseButtonsMenuIsRebuiltOnEachPopupAndDrawsItsImages) {
  ShowWindow(window_.Handle(), SW_SHOW);
  for (int i = 0; i < 20; ++i) OpenMenuWithKeys(WindowOf(ui_.button), {{WM_KEYDOWN, VK_ESCAPE}});
  OpenMenuWithKeys(WindowOf(ui_.button), {{WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_RETURN}});
  EXPECT_EQ(ui_.popups, 21);
  EXPECT_EQ(ui_.chosen, (std::vector<std::u16string>{u"222 sell 0.3"}));
  EXPECT_EQ(imageListsMade_, 1);  // made once, not per popup
}

// The window of this thread's open menu, if one shows.
HWND OpenMenuOfThisThread() {
  for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr))
    if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) return menu;
  return nullptr;
}

TEST_F(ViewMenus, AMenuAskedForByKeyboardOpensAtTheControlsCorner) {
  ShowWindow(window_.Handle(), SW_SHOW);
  // The menu's own loop runs the timer: it notes where the menu shows and ends it.
  static RECT shown;
  shown = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND menu = OpenMenuOfThisThread()) {
      GetWindowRect(menu, &shown);
      EndMenu();
    }
  });
  const HWND button = WindowOf(ui_.button);
  // As the window system sends it for Shift+F10 or the menu key.
  SendMessageW(button, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button), MAKELPARAM(-1, -1));
  KillTimer(nullptr, timer);
  POINT corner{0, 0};
  ClientToScreen(button, &corner);
  EXPECT_EQ(ui_.popups, 1);
  EXPECT_EQ(shown.left, corner.x);
  EXPECT_EQ(shown.top, corner.y);
}

TEST_F(ViewMenus, EditsKeepTheirOwnMenu) {
  ShowWindow(window_.Handle(), SW_SHOW);
  OpenMenuWithKeys(WindowOf(ui_.edit), {{WM_KEYDOWN, VK_ESCAPE}});
  EXPECT_EQ(ui_.popups, 0);
  EXPECT_TRUE(ui_.chosen.empty());
}

TEST_F(ViewMenus, TabMovesTheFocusInTabOrder) {
  ShowWindow(window_.Handle(), SW_SHOW);
  SetForegroundWindow(window_.Handle());
  SetFocus(WindowOf(ui_.edit));
  std::vector<HWND> visited;
  for (int i = 0; i < 3; ++i) {
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window_.Handle(), &tab));
    visited.push_back(GetFocus());
  }
  EXPECT_EQ(visited, (std::vector<HWND>{WindowOf(ui_.check), WindowOf(ui_.button), WindowOf(ui_.edit)}));
}

}  // namespace
