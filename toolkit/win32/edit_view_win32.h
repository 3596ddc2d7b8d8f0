#pragma once
// A single-line edit. What the user types reaches the model once; a change
// handler may rewrite the text (and the caret) from inside the change, and the
// window then shows the model's text with the model's caret.

#include "toolkit/edit.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

class EditView final : public View {
 public:
  EditView(Edit& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  std::optional<LRESULT> OnParentNotice(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool ShowsContextMenuAt(POINT screen) const override;

  void TakeUserText();
  std::size_t ShownCaret() const;
  void PaintTileBevel();

  Edit& edit_;
  bool takingUserText_ = false;  // model changes wait until the user's text is in
  bool settingText_ = false;     // the window's own change notice is not user input
};

}  // namespace toolkit::win32
