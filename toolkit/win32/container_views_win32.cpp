#include "toolkit/win32/container_views_win32.h"

#include <cstdint>

#include <algorithm>

#include "toolkit/form.h"

namespace toolkit::win32 {
namespace {

const wchar_t* ContainerClass(HINSTANCE instance) {
  static const ATOM registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;  // the bevels and frames follow the size
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kContainerWindowClass;
    return RegisterClassExW(&windowClass);
  }();
  return registered ? kContainerWindowClass : nullptr;
}

// One pixel of a bevel: light on the top and left, dark on the bottom and right.
void Frame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  const auto line = [dc](int left, int top, int width, int height, COLORREF color) {
    SetBkColor(dc, color);
    const RECT r{left, top, left + width, top + height};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  };
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  line(rect.left, rect.top, width, 1, topLeft);
  line(rect.left, rect.top, 1, height, topLeft);
  line(rect.left, rect.bottom - 1, width, 1, bottomRight);
  line(rect.right - 1, rect.top, 1, height, bottomRight);
  InflateRect(&rect, -1, -1);
}

void DrawBevel(HDC dc, RECT& rect, Bevel bevel) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  if (bevel == Bevel::Raised) Frame3D(dc, rect, light, dark);
  if (bevel == Bevel::Lowered) Frame3D(dc, rect, dark, light);
}

}  // namespace

COLORREF ColorRefOf(Color color) {
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;  // palette-relative values show as plain colours on a true-colour display
}

unique_brush BrushOf(Color color) { return unique_brush(CreateSolidBrush(ColorRefOf(color))); }

ContainerView::ContainerView(Control& model, std::u16string_view text, HWND parent, ViewContext& context, Color color)
    : View(CreateChildWindow(ContainerClass(context.instance), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, model, text,
                             parent, context),
           model, context),
      color_(color),
      brush_(BrushOf(color)) {
  SetPropW(Handle(), kColorProperty, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(color)));
}

ContainerView::~ContainerView() { RemovePropW(Handle(), kColorProperty); }

std::optional<LRESULT> ContainerView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Handle(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(Handle(), &paint);
      RECT client;
      GetClientRect(Handle(), &client);
      Paint(dc, client);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Texts and buttons on the container stand on its colour.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, ColorRefOf(color_));
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(brush_.get());
    }
    default:
      return View::OnMessage(message, wParam, lParam);
  }
}

void ContainerView::ShowColor(Color color) {
  if (color == color_) return;
  color_ = color;
  brush_ = BrushOf(color);
  SetPropW(Handle(), kColorProperty, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(color)));
  InvalidateRect(Handle(), nullptr, TRUE);
}

PanelView::PanelView(Panel& model, HWND parent, ViewContext& context)
    : ContainerView(model, u"", parent, context, model.GetColor()), panel_(model) {}

void PanelView::ShowModel() {
  View::ShowModel();
  ShowColor(panel_.GetColor());
}

void PanelView::Paint(HDC dc, const RECT& client) {
  RECT rect = client;
  DrawBevel(dc, rect, panel_.OuterBevel());
  DrawBevel(dc, rect, panel_.InnerBevel());
}

GroupBoxView::GroupBoxView(GroupBox& model, HWND parent, ViewContext& context)
    : ContainerView(model, model.Caption(), parent, context, kButtonFace), box_(model) {}

void GroupBoxView::ShowModel() {
  View::ShowModel();
  if (ShowText(box_.Caption())) InvalidateRect(Handle(), nullptr, TRUE);
}

void GroupBoxView::Paint(HDC dc, const RECT& client) {
  const HGDIOBJ oldFont = SelectObject(dc, Context().formFont);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  // The etched frame runs through the middle of the caption.
  RECT frame{client.left + 1, client.top + metrics.tmHeight / 2, client.right, client.bottom};
  FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  OffsetRect(&frame, -1, -1);
  FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));

  const std::wstring caption = WindowTextOf(box_.Caption());
  if (!caption.empty()) {
    RECT text{client.left + 8, client.top, client.right - 1, client.top + metrics.tmHeight};
    constexpr UINT kFlags = DT_SINGLELINE | DT_LEFT | DT_NOPREFIX;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, kFlags | DT_CALCRECT);
    text.right = std::min(text.right, client.right - 1);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorRefOf(ShownColor()));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, kFlags);
  }
  SelectObject(dc, oldFont);
}

}  // namespace toolkit::win32
