// The real orderpanel.exe, looked at from outside through the Win32 API.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/running_panel_win32.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/win32/container_views_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"

namespace {

using testing_support::ChildrenOf;
using testing_support::ClassOf;
using testing_support::ClientSizeOf;
using testing_support::PlaceOf;
using testing_support::TextOf;

// A label grows to fit its text in the font at hand: its design size is the least.
enum class Kind { Container, Glass, Edit, TileEdit, Check, Checked, Radio, Selected, Text, Label };

struct DesignedControl {
  const wchar_t* parent;  // the parent's text
  int left, top, width, height;
  Kind kind;
  const wchar_t* text;  // nullptr: not looked at
};

// The design's places within the parent, sizes and texts after start.
const DesignedControl kDesign[] = {
    {L"", 8, 0, 27, 27, Kind::Glass, L"0.1"},
    {L"", 40, 0, 27, 27, Kind::Glass, L"0.3"},
    {L"", 72, 0, 27, 27, Kind::Glass, L"1"},
    {L"", 104, 0, 27, 27, Kind::Glass, L"2"},
    {L"", 136, 0, 33, 27, Kind::Glass, L"0"},
    {L"", 8, 31, 27, 27, Kind::Glass, L"0.1"},
    {L"", 40, 31, 27, 27, Kind::Glass, L"0.3"},
    {L"", 72, 31, 27, 27, Kind::Glass, L"1"},
    {L"", 104, 31, 27, 27, Kind::Glass, L"2"},
    {L"", 136, 31, 33, 27, Kind::Glass, L"0"},
    {L"", 8, 26, 81, 5, Kind::Container, L""},
    {L"", 96, 26, 33, 5, Kind::Container, L""},
    {L"", 184, 8, 13, 13, Kind::Label, L"SL"},
    {L"", 208, 8, 39, 13, Kind::Label, L"TP, pips"},
    {L"", 176, 24, 33, 21, Kind::Edit, L"35"},
    {L"", 208, 24, 33, 21, Kind::Edit, L"100"},
    {L"", 176, 48, 97, 17, Kind::Checked, L"по первому орд"},
    {L"", 8, 64, 73, 121, Kind::Container, L" разм. лота "},
    {L"", 79, 64, 177, 129, Kind::Container, L" Ордера "},
    {L"", 8, 192, 241, 41, Kind::Container, L"  заголовок формы  "},
    {L"", 8, 232, 265, 49, Kind::Container, L" Групповая политика TP "},
    {L"", 8, 287, 27, 13, Kind::Label, nullptr},
    {L"", 176, 287, 97, 13, Kind::Label, L"www.forexfactory.com"},
    {L" разм. лота ", 8, 16, 41, 21, Kind::TileEdit, L"0.1"},
    {L" разм. лота ", 8, 40, 41, 21, Kind::TileEdit, L"0.3"},
    {L" разм. лота ", 8, 64, 41, 21, Kind::TileEdit, L"1"},
    {L" разм. лота ", 8, 88, 41, 21, Kind::TileEdit, L"2"},
    {L" Ордера ", 8, 16, 161, 17, Kind::Check, L"Закрывать по лучшей цене"},
    {L" Ордера ", 8, 32, 145, 17, Kind::Check, L"Перекрыть и закрыть"},
    {L" Ордера ", 8, 48, 161, 17, Kind::Checked, L"Закрывать не перекрывая"},
    {L" Ордера ", 8, 64, 49, 17, Kind::Checked, L"Звук"},
    {L" Ордера ", 8, 80, 25, 21, Kind::Edit, L"999"},
    {L" Ордера ", 38, 84, 133, 13, Kind::Label, L"время жизни приказа,сек"},
    {L" Ордера ", 8, 104, 121, 17, Kind::Check, L"Общий профиль"},
    {L"  заголовок формы  ", 8, 16, 33, 17, Kind::Check, L"b"},
    {L"  заголовок формы  ", 48, 16, 25, 17, Kind::Checked, L"s"},
    {L"  заголовок формы  ", 96, 16, 25, 17, Kind::Check, L"a"},
    {L"  заголовок формы  ", 136, 16, 25, 17, Kind::Checked, L"p"},
    {L" Групповая политика TP ", 8, 16, 249, 17, Kind::Selected, L"У каждого ордера свой профит"},
    {L" Групповая политика TP ", 8, 32, 249, 17, Kind::Radio, L"Общий профит у всех ордеров"},
    {L" Групповая политика TP ", 8, 48, 201, 17, Kind::Radio, L"Общий профит, но с настройками"},
    {L" Групповая политика TP ", 40, 64, 79, 17, Kind::Text, L"просадка 3*TP"},
    {L" Групповая политика TP ", 24, 64, 17, 21, Kind::Edit, L"3"},
    {L" Групповая политика TP ", 136, 64, 121, 17, Kind::Checked, L"безубыток лесенки"},
    {L" Групповая политика TP ", 8, 88, 169, 17, Kind::Radio, L"Безубыток каждого ордера"},
    {L" Групповая политика TP ", 40, 104, 79, 17, Kind::Text, L"просадка 3*TP"},
    {L" Групповая политика TP ", 24, 104, 17, 21, Kind::Edit, L"3"},
};

// What a control's window must be for its kind: class, button type, border.
void ExpectKind(HWND window, Kind kind) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR buttonType = style & BS_TYPEMASK;
  const bool checked = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  switch (kind) {
    case Kind::Container:
      EXPECT_EQ(ClassOf(window), toolkit::win32::kContainerWindowClass);
      break;
    case Kind::Glass:
      EXPECT_EQ(ClassOf(window), L"Button");
      EXPECT_EQ(buttonType, BS_OWNERDRAW);
      EXPECT_TRUE(style & WS_TABSTOP);
      break;
    case Kind::Edit:
    case Kind::TileEdit:
      EXPECT_EQ(ClassOf(window), L"Edit");
      EXPECT_EQ((exStyle & WS_EX_CLIENTEDGE) != 0, kind == Kind::Edit);
      EXPECT_TRUE(style & WS_TABSTOP);
      break;
    case Kind::Check:
    case Kind::Checked:
      EXPECT_EQ(buttonType, BS_AUTOCHECKBOX);
      EXPECT_EQ(checked, kind == Kind::Checked);
      break;
    case Kind::Radio:
    case Kind::Selected:
      EXPECT_EQ(buttonType, BS_AUTORADIOBUTTON);
      EXPECT_EQ(checked, kind == Kind::Selected);
      break;
    case Kind::Text:
    case Kind::Label:
      EXPECT_EQ(ClassOf(window), L"Static");
      break;
  }
}

class PanelWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(panel_.Window()) << "orderpanel.exe showed no window"; }

  HWND Panel1() const { return GetWindow(panel_.Window(), GW_CHILD); }
  RECT Frame() const {
    RECT frame;
    GetWindowRect(panel_.Window(), &frame);
    return frame;
  }
  bool ClientSizeIs(int width, int height) const {
    const SIZE size = ClientSizeOf(panel_.Window());
    return size.cx == width && size.cy == height;
  }
  // The form and Panel1 both have the layout's size.
  bool LayoutIs(int width, int height) const {
    const RECT panel = PlaceOf(Panel1());
    return ClientSizeIs(width, height) && panel.right == width && panel.bottom == height;
  }

  testing_support::RunningPanel panel_;
};

TEST_F(PanelWindow, StartsCompactTopmostWithAFixedCloseOnlyFrame) {
  const HWND form = panel_.Window();
  EXPECT_EQ(TextOf(form), L"1.38553");
  EXPECT_TRUE(ClientSizeIs(175, 58));
  const LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Panel1 fills the client area.
  ASSERT_EQ(ChildrenOf(form).size(), 1u);
  const RECT panel = PlaceOf(Panel1());
  EXPECT_EQ(panel.left, 0);
  EXPECT_EQ(panel.top, 0);
  EXPECT_EQ(panel.right, 175);
  EXPECT_EQ(panel.bottom, 58);
}

TEST_F(PanelWindow, EveryControlSitsAtItsDesignPlaceWithItsDesignText) {
  std::vector<HWND> windows = ChildrenOf(Panel1());
  for (HWND box : ChildrenOf(Panel1()))
    for (HWND child : ChildrenOf(box)) windows.push_back(child);
  ASSERT_EQ(windows.size(), std::size(kDesign));
  for (const DesignedControl& designed : kDesign) {
    SCOPED_TRACE(testing::Message() << "at " << designed.left << "," << designed.top);
    HWND found = nullptr;
    for (HWND window : windows) {
      const RECT place = PlaceOf(window);
      const HWND parent = GetParent(window);
      if (place.left == designed.left && place.top == designed.top && TextOf(parent) == designed.parent &&
          parent != panel_.Window())
        found = window;
    }
    ASSERT_TRUE(found) << "no control";
    const RECT place = PlaceOf(found);
    if (designed.kind == Kind::Label) {
      EXPECT_GE(place.right, designed.width);
      EXPECT_GE(place.bottom, designed.height);
    } else {
      EXPECT_EQ(place.right, designed.width);
      EXPECT_EQ(place.bottom, designed.height);
    }
    if (designed.text) EXPECT_EQ(TextOf(found), designed.text);
    ExpectKind(found, designed.kind);
  }
}

TEST_F(PanelWindow, SiblingsStackInTabOrder) {
  std::vector<POINT> places;
  for (HWND child : ChildrenOf(Panel1())) {
    const RECT place = PlaceOf(child);
    places.push_back({place.left, place.top});
  }
  // Group boxes 1 and 2, each row's 1st, 3rd, 2nd, 4th and close button,
  // group box 3, the two edits, the check box, group box 4, the strips, then
  // the labels.
  const std::vector<POINT> expected = {{8, 64},   {79, 64},  {8, 0},    {72, 0},   {40, 0},   {104, 0},
                                       {136, 0},  {8, 31},   {72, 31},  {40, 31},  {104, 31}, {136, 31},
                                       {8, 192},  {176, 24}, {208, 24}, {176, 48}, {8, 232},  {8, 26},
                                       {96, 26},  {184, 8},  {208, 8},  {8, 287},  {176, 287}};
  ASSERT_EQ(places.size(), expected.size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].x, expected[i].x) << "z-order position " << i;
    EXPECT_EQ(places[i].y, expected[i].y) << "z-order position " << i;
  }
}

TEST_F(PanelWindow, SettingsItemSwitchesTheLayoutAndKeepsThePlace) {
  const RECT before = Frame();
  panel_.ChooseFromContextMenu(Panel1(), 0);
  ASSERT_TRUE(testing_support::WaitUntil([this] { return LayoutIs(279, 303); }));
  EXPECT_EQ(Frame().left, before.left);
  EXPECT_EQ(Frame().top, before.top);

  panel_.ChooseFromContextMenu(Panel1(), 0);
  ASSERT_TRUE(testing_support::WaitUntil([this] { return LayoutIs(175, 58); }));
  EXPECT_EQ(Frame().left, before.left);
  EXPECT_EQ(Frame().top, before.top);
}

TEST_F(PanelWindow, AnswersItsRepaintCount) {
  const UINT message = RegisterWindowMessageW(toolkit::win32::kRepaintCountMessageName);
  // It draws itself once shown.
  EXPECT_TRUE(testing_support::WaitUntil([&] {
    DWORD_PTR count = 0;
    return SendMessageTimeoutW(panel_.Window(), message, 0, 0, SMTO_ABORTIFHUNG, 5000, &count) && count > 0;
  }));
}

}  // namespace
