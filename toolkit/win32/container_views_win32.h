#pragma once
// The containers: a panel (a colour with optional bevels) and a group box (an
// etched frame with its caption). Both are windows of our own class, painted
// here, which parent other controls and hand keyboard navigation down.

#include "toolkit/panel.h"
#include "toolkit/win32/view_win32.h"

namespace toolkit::win32 {

inline constexpr wchar_t kContainerWindowClass[] = L"OrderPanelContainer";

// The brush of a toolkit colour, system colours included.
unique_brush BrushOf(Color color);
COLORREF ColorRefOf(Color color);

// The colour a container shows, as a window property that another program
// (automation, tests) can read: the indicator bars carry their meaning in it.
inline constexpr wchar_t kColorProperty[] = L"orderpanel.color";

class ContainerView : public View {
 protected:
  ContainerView(Control& model, std::u16string_view text, HWND parent, ViewContext& context, Color color);
  ~ContainerView() override;

  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void Paint(HDC dc, const RECT& client) = 0;

  void ShowColor(Color color);
  Color ShownColor() const { return color_; }

 private:
  Color color_;
  unique_brush brush_;
};

class PanelView final : public ContainerView {
 public:
  PanelView(Panel& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  void Paint(HDC dc, const RECT& client) override;
  Panel& panel_;
};

class GroupBoxView final : public ContainerView {
 public:
  GroupBoxView(GroupBox& model, HWND parent, ViewContext& context);

 private:
  void ShowModel() override;
  void Paint(HDC dc, const RECT& client) override;
  GroupBox& box_;
};

}  // namespace toolkit::win32
