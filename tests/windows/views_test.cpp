// The views of a small form, in this process: user input reaches the models
// once, model changes reach the windows, unchanged values draw nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/window_probe_win32.h"
#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/glass_button.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/win32/form_window_win32.h"
#include "toolkit/win32/repaint_counter_win32.h"
#include "toolkit/win32/tooltips_win32.h"
#include "ui/form1.h"

namespace {

using testing_support::PumpUntil;
using testing_support::TextOf;
using toolkit::Bounds;

// The window at a model's place (unique within the forms here).
HWND WindowAt(HWND root, Bounds bounds) {
  struct Search {
    Bounds want;
    HWND found = nullptr;
  } search{bounds};
  EnumChildWindows(
      root,
      [](HWND window, LPARAM data) {
        auto& search = *reinterpret_cast<Search*>(data);
        const RECT place = testing_support::PlaceOf(window);
        if (place.left != search.want.left || place.top != search.want.top || place.right != search.want.width ||
            place.bottom != search.want.height)
          return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct SmallForm {
  toolkit::Form form{200, 120, u"small", {u"MS Sans Serif", -11}};
  toolkit::Panel panel{&form, {0, 0, 200, 120}, toolkit::kButtonFace, toolkit::Bevel::Raised, toolkit::Bevel::Lowered};
  toolkit::Edit edit{&panel, {8, 8, 60, 21}, u"0.1"};
  toolkit::CheckBox check{&panel, {8, 32, 80, 17}, u"check", false};
  toolkit::RadioGroup group;
  toolkit::RadioButton first{&panel, {8, 52, 80, 17}, u"first", group, true};
  toolkit::RadioButton second{&panel, {8, 72, 80, 17}, u"second", group, false};
  toolkit::GlassButton button{&panel, {100, 8, 27, 27}, u"1", {.face = 0xF93965, .glow = 0x800080}, {u"Tahoma", -11}};
  toolkit::Panel bar{&panel, {100, 40, 40, 5}, 0x000080};
  toolkit::Label label{&panel, {100, 50, 60, 13}, u"label"};
  toolkit::Timer timer{20, false};

  int changes = 0;
  int clicks = 0;
  int buttonClicks = 0;

  SmallForm() {
    edit.OnChange = [this] { ++changes; };
    check.OnClick = [this] { ++clicks; };
    button.OnClick = [this] { ++buttonClicks; };
    check.Hint = u"two\rlines";
    check.ShowHint = true;
    second.Hint = u"never shown";
    second.ShowHint = false;
  }
};

class Views : public testing::Test {
 protected:
  HWND Of(const toolkit::Control& control) const { return WindowAt(window_.Handle(), control.GetBounds()); }
  // The draws that `action` causes, at once or once the pending ones are done.
  template <typename Action>
  unsigned long DrawsOf(Action action) const {
    const unsigned long before = toolkit::win32::RepaintCount();
    action();
    RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return toolkit::win32::RepaintCount() - before;
  }

  SmallForm ui_;
  toolkit::win32::FormWindow window_{ui_.form, {&ui_.timer}, nullptr};
};

TEST_F(Views, TypingReachesTheModelOnceAndCodeReachesTheWindow) {
  SetWindowTextW(Of(ui_.edit), L"0.25");
  EXPECT_EQ(ui_.edit.Text(), u"0.25");
  EXPECT_EQ(ui_.changes, 1);

  ui_.edit.SetText(u"7");
  EXPECT_EQ(TextOf(Of(ui_.edit)), L"7");
  EXPECT_EQ(ui_.changes, 2);
}

TEST_F(Views, AChangeHandlerThatRewritesTheTextLeavesItsTextAndCaretInTheWindow) {
  // A filter that drops letters and puts the caret after the text it kept.
  ui_.edit.OnChange = [this] {
    ++ui_.changes;
    std::u16string kept;
    for (char16_t c : ui_.edit.Text())
      if (c < u'a' || c > u'z') kept += c;
    if (kept == ui_.edit.Text()) return;
    ui_.edit.SetText(kept);
    ui_.edit.SetCaretPosition(1);
  };
  const HWND edit = Of(ui_.edit);
  SendMessageW(edit, EM_SETSEL, 3, 3);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));  // typed: "0.1x"
  EXPECT_EQ(ui_.edit.Text(), u"0.1");
  EXPECT_EQ(TextOf(edit), L"0.1");
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 1u);
  EXPECT_EQ(ui_.changes, 2);  // the typed text, then the rewritten one
}

TEST_F(Views, TheCaretOfTheUserReachesTheModelBeforeTheChangeHandler) {
  std::size_t caretSeen = 0;
  ui_.edit.OnChange = [this, &caretSeen] { caretSeen = ui_.edit.CaretPosition(); };
  const HWND edit = Of(ui_.edit);
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"5"));
  EXPECT_EQ(ui_.edit.Text(), u"05.1");
  EXPECT_EQ(caretSeen, 2u);
}

TEST_F(Views, ClicksReachTheBoxesAndTheButtonAndHandlersMayUndoThem) {
  SendMessageW(Of(ui_.check), BM_CLICK, 0, 0);
  EXPECT_TRUE(ui_.check.Checked());
  EXPECT_EQ(ui_.clicks, 1);

  ui_.check.SetChecked(false);
  EXPECT_EQ(SendMessageW(Of(ui_.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  ui_.check.OnClick = [this] { ui_.check.SetChecked(false); };  // refuses to be ticked
  SendMessageW(Of(ui_.check), BM_CLICK, 0, 0);
  EXPECT_FALSE(ui_.check.Checked());
  EXPECT_EQ(SendMessageW(Of(ui_.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageW(Of(ui_.second), BM_CLICK, 0, 0);
  EXPECT_TRUE(ui_.second.Checked());
  EXPECT_FALSE(ui_.first.Checked());
  ui_.first.SetChecked(true);
  EXPECT_EQ(SendMessageW(Of(ui_.first), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Of(ui_.second), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageW(Of(ui_.button), BM_CLICK, 0, 0);
  EXPECT_EQ(ui_.buttonClicks, 1);
  ui_.button.SetCaption(u"0.3");
  EXPECT_EQ(TextOf(Of(ui_.button)), L"0.3");
}

TEST_F(Views, UnchangedValuesDrawNothingAndChangedOnesDo) {
  ShowWindow(window_.Handle(), SW_SHOWNOACTIVATE);
  DrawsOf([] {});
  EXPECT_EQ(DrawsOf([this] {
              ui_.form.SetCaption(u"small");
              ui_.edit.SetText(u"0.1");
              ui_.check.SetChecked(false);
              ui_.button.SetCaption(u"1");
              ui_.bar.SetColor(0x000080);
              ui_.label.SetCaption(u"label");
            }),
            0u);

  // The window already shows what the model now says: nothing to draw either.
  DrawsOf([this] { SetWindowTextW(Of(ui_.label), L"shown"); });
  EXPECT_EQ(DrawsOf([this] { ui_.label.SetCaption(u"shown"); }), 0u);

  EXPECT_GT(DrawsOf([this] { ui_.bar.SetColor(0x0200FF00); }), 0u);
  EXPECT_GT(DrawsOf([this] { ui_.button.SetCaption(u"2"); }), 0u);
  EXPECT_GT(DrawsOf([this] { ui_.form.SetCaption(u"1.2 (3) 4"); }), 0u);
}

TEST_F(Views, AGlassButtonLightsUpOnceWhenThePointerEntersAndGoesOutWhenItLeaves) {
  ShowWindow(window_.Handle(), SW_SHOWNOACTIVATE);
  DrawsOf([] {});
  const HWND button = Of(ui_.button);
  EXPECT_GT(DrawsOf([&] { SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); }), 0u);
  EXPECT_EQ(DrawsOf([&] { SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }), 0u);
  EXPECT_GT(DrawsOf([&] { SendMessageW(button, WM_MOUSELEAVE, 0, 0); }), 0u);
  EXPECT_EQ(DrawsOf([&] { SendMessageW(button, WM_MOUSELEAVE, 0, 0); }), 0u);
}

TEST_F(Views, TextsOfAnyLengthShowUpToTheirFirstNullAndDrawOnce) {
  // Registry texts reach captions unchecked: long, and with nulls inside.
  std::u16string huge(200000, u'7');
  huge[100000] = u'\0';
  const std::wstring shown(100000, L'7');
  ui_.form.SetCaption(huge);
  ui_.button.SetCaption(huge);
  ui_.edit.SetText(huge);
  ui_.label.SetCaption(huge);
  EXPECT_EQ(TextOf(window_.Handle()), shown);
  EXPECT_EQ(TextOf(Of(ui_.button)), shown);
  EXPECT_EQ(TextOf(Of(ui_.edit)), shown);

  // What follows the null never shows, so changing only that draws nothing.
  huge[150000] = u'8';
  EXPECT_EQ(DrawsOf([&] {
              ui_.form.SetCaption(huge);
              ui_.button.SetCaption(huge);
            }),
            0u);
}

TEST_F(Views, TheFormFollowsItsModelAndFeedsMovesBackWithoutEcho) {
  ui_.form.SetClientHeight(58);
  ui_.form.SetClientWidth(175);
  EXPECT_EQ(testing_support::ClientSizeOf(window_.Handle()).cx, 175);
  EXPECT_EQ(testing_support::ClientSizeOf(window_.Handle()).cy, 58);

  ui_.form.SetLeft(120);
  ui_.form.SetTop(90);
  RECT frame;
  GetWindowRect(window_.Handle(), &frame);
  EXPECT_EQ(frame.left, 120);
  EXPECT_EQ(frame.top, 90);

  SetWindowPos(window_.Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(ui_.form.Left(), 300);
  EXPECT_EQ(ui_.form.Top(), 200);
  GetWindowRect(window_.Handle(), &frame);
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 200);
}

TEST_F(Views, ALabelGrowsToItsTextButNeverBelowItsDesignSize) {
  const HWND label = Of(ui_.label);
  ui_.label.SetCaption(u"a much longer caption than the design had");
  EXPECT_GT(testing_support::PlaceOf(label).right, 60);
  EXPECT_EQ(testing_support::PlaceOf(label).left, 100);

  ui_.label.SetCaption(u"x");
  EXPECT_EQ(testing_support::PlaceOf(label).right, 60);
  EXPECT_EQ(testing_support::PlaceOf(label).bottom, 13);
}

TEST_F(Views, TimersTickThroughTheLoopOnlyWhileSwitchedOn) {
  int ticks = 0;
  ui_.timer.OnTimer = [&] { ++ticks; };
  ui_.timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  ui_.timer.SetEnabled(false);
  const int stopped = ticks;
  PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(ticks, stopped);
}

TEST_F(Views, HintsShowAsLinesAndOnlyWhereSwitchedOn) {
  const HWND tooltip = window_.TooltipHandle();
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = GetParent(Of(ui_.check));
  tool.uId = reinterpret_cast<UINT_PTR>(Of(ui_.check));
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"two\r\nlines");
  EXPECT_GT(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 0);
}

TEST(TooltipText, EveryLineBreakBecomesOneCarriageReturnLineFeed) {
  EXPECT_EQ(toolkit::win32::TooltipTextOf(u"a\rb"), L"a\r\nb");
  EXPECT_EQ(toolkit::win32::TooltipTextOf(u"a\r\nb\r"), L"a\r\nb\r\n");
  EXPECT_EQ(toolkit::win32::TooltipTextOf(u"one line"), L"one line");
}

TEST(PanelViews, TheFormsHintsShowExceptRadioButton6s) {
  testing_support::FakePlatform fake;
  TForm1 form(fake.platform);
  toolkit::win32::FormWindow window(form, {}, nullptr);
  // Fourteen hints in the design; RadioButton6's alone stays hidden.
  EXPECT_EQ(SendMessageW(window.TooltipHandle(), TTM_GETTOOLCOUNT, 0, 0), 14);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  const HWND radio6 = WindowAt(window.Handle(), form.RadioButton6.GetBounds());
  tool.hwnd = GetParent(radio6);
  tool.uId = reinterpret_cast<UINT_PTR>(radio6);
  EXPECT_FALSE(SendMessageW(window.TooltipHandle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
}

}  // namespace
