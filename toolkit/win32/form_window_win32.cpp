#include "toolkit/win32/form_window_win32.h"

#include <algorithm>
#include <climits>

#include "toolkit/win32/button_views_win32.h"
#include "toolkit/win32/container_views_win32.h"
#include "toolkit/win32/edit_view_win32.h"
#include "toolkit/win32/form_view_win32.h"
#include "toolkit/win32/glass_button_view_win32.h"
#include "toolkit/win32/text_views_win32.h"

namespace toolkit::win32 {
namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

HFONT FormFont(FontCache& fonts, const Form& form) { return fonts.Get(form.GetFont()); }

std::unique_ptr<View> CreateView(Control& control, HWND parent, ViewContext& context) {
  switch (control.Kind()) {
    case ControlKind::Panel:
      return std::make_unique<PanelView>(static_cast<Panel&>(control), parent, context);
    case ControlKind::GroupBox:
      return std::make_unique<GroupBoxView>(static_cast<GroupBox&>(control), parent, context);
    case ControlKind::Label:
    case ControlKind::StaticText:
      return std::make_unique<TextView>(static_cast<CaptionedControl&>(control), parent, context);
    case ControlKind::Edit:
      return std::make_unique<EditView>(static_cast<Edit&>(control), parent, context);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxView>(static_cast<CheckBox&>(control), parent, context);
    case ControlKind::RadioButton:
      return std::make_unique<RadioButtonView>(static_cast<RadioButton&>(control), parent, context);
    case ControlKind::GlassButton:
      return std::make_unique<GlassButtonView>(static_cast<GlassButton&>(control), parent, context);
    case ControlKind::Form:
      break;
  }
  return nullptr;
}

// Siblings in keyboard order; those without a place in it come last, in
// creation order. Windows made in this order stack so that the dialog
// navigation follows it.
std::vector<Control*> InTabOrder(const std::vector<Control*>& children) {
  std::vector<Control*> ordered = children;
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    const auto key = [](const Control* c) { return c->TabOrder < 0 ? INT_MAX : c->TabOrder; };
    return key(a) < key(b);
  });
  return ordered;
}

}  // namespace

FormWindow::FormWindow(Form& form, std::vector<Timer*> timers, PopupMenuPresenter::ImageFactory images)
    : menus_(std::move(images)),
      context_{ProgramInstance(), FormFont(fonts_, form), fonts_, menus_},
      tooltips_(ProgramInstance()) {
  views_.push_back(std::make_unique<FormView>(form, context_, std::move(timers)));
  CreateChildren(form, views_.front()->Handle());
}

FormWindow::~FormWindow() {
  // Children first, so that no window outlives the view that listens to it.
  while (!views_.empty()) views_.pop_back();
}

HWND FormWindow::Handle() const { return views_.front()->Handle(); }

void FormWindow::CreateChildren(Control& parent, HWND parentWindow) {
  for (Control* child : InTabOrder(parent.Children())) {
    std::unique_ptr<View> view = CreateView(*child, parentWindow, context_);
    if (!view) continue;
    const HWND window = view->Handle();
    if (child->HintShown()) tooltips_.Add(window, child->Hint);
    views_.push_back(std::move(view));
    CreateChildren(*child, window);
  }
}

int RunMessageLoop(HWND form) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace toolkit::win32
