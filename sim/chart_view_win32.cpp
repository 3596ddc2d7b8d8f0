#include "sim/chart_view_win32.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/win32_text.h"
#include "sim/publication.h"
#include "toolkit/win32/gdi_handles.h"

namespace sim {
namespace {

using toolkit::win32::ScopedSelection;
using toolkit::win32::unique_bitmap;
using toolkit::win32::unique_brush;
using toolkit::win32::unique_font;
using toolkit::win32::unique_memory_dc;
using toolkit::win32::unique_pen;

constexpr int kAxisWidth = 70;
constexpr int kInfoHeight = 58;
constexpr int kPixelsPerStep = 3;
constexpr int kLabelWidth = 130;
constexpr COLORREF kBuyColour = RGB(30, 90, 220);
constexpr COLORREF kSellColour = RGB(200, 40, 40);

// The price band on screen, in points, and its mapping to pixels.
struct Scale {
  std::int64_t low = 0;
  std::int64_t high = 1;
  int top = 0;
  int bottom = 1;
  int Y(std::int64_t price) const {
    return top + static_cast<int>((high - price) * (bottom - top) / std::max<std::int64_t>(high - low, 1));
  }
  bool Shows(std::int64_t price) const { return price >= low && price <= high; }
};

Scale ScaleFor(const std::vector<std::int64_t>& bids, const Expert& expert, int top, int bottom) {
  std::int64_t low = *std::min_element(bids.begin(), bids.end());
  std::int64_t high = std::max(*std::max_element(bids.begin(), bids.end()), expert.market().quote().ask);
  for (const Order& order : expert.book().Orders()) {
    low = std::min(low, order.openPrice);
    high = std::max(high, order.openPrice);
  }
  const std::int64_t margin = std::max<std::int64_t>((high - low) / 10, 20 - (high - low) / 2);
  return {low - margin, high + margin, top, bottom};
}

// A round number of points between grid lines (1, 2, 5, 10, 20, ...), for
// at most eight lines.
std::int64_t GridStep(const Scale& scale) {
  const std::int64_t range = scale.high - scale.low;
  for (std::int64_t decade = 1;; decade *= 10)
    for (const std::int64_t unit : {1, 2, 5})
      if (range / (unit * decade) <= 8) return unit * decade;
}

std::u16string Whole(std::int64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

void Text(HDC dc, int x, int y, std::u16string_view text) {
  const std::wstring wide = core::ToWide(text);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void HorizontalLine(HDC dc, int left, int right, int y, int style, COLORREF colour) {
  const unique_pen pen(CreatePen(style, 1, colour));
  const ScopedSelection selected(dc, pen.get());
  MoveToEx(dc, left, y, nullptr);
  LineTo(dc, right, y);
}

void DrawGrid(HDC dc, const Scale& scale, int right) {
  const std::int64_t step = GridStep(scale);
  SetTextColor(dc, RGB(90, 90, 90));
  for (std::int64_t price = (scale.low / step + 1) * step; price < scale.high; price += step) {
    const int y = scale.Y(price);
    HorizontalLine(dc, 0, right, y, PS_SOLID, RGB(232, 232, 232));
    Text(dc, right + 6, y - 7, PriceText(price));
  }
}

void DrawBids(HDC dc, const std::vector<std::int64_t>& bids, const Scale& scale, int right) {
  std::vector<POINT> points;
  const int count = static_cast<int>(bids.size());
  for (int i = 0; i < count; ++i) points.push_back({right - (count - 1 - i) * kPixelsPerStep, scale.Y(bids[i])});
  const unique_pen pen(CreatePen(PS_SOLID, 2, RGB(0, 60, 140)));
  const ScopedSelection selected(dc, pen.get());
  Polyline(dc, points.data(), count);
}

void DrawQuote(HDC dc, const Scale& scale, const Quote& quote, int right) {
  HorizontalLine(dc, 0, right, scale.Y(quote.ask), PS_DOT, kSellColour);
  HorizontalLine(dc, 0, right, scale.Y(quote.bid), PS_DOT, RGB(60, 60, 60));
  // The bid's label on the axis, as on any chart.
  const int y = scale.Y(quote.bid);
  RECT label{right + 1, y - 8, right + kAxisWidth, y + 8};
  const unique_brush fill(CreateSolidBrush(RGB(0, 60, 140)));
  FillRect(dc, &label, fill.get());
  SetTextColor(dc, RGB(255, 255, 255));
  Text(dc, right + 6, y - 7, PriceText(quote.bid));
}

void DrawOrders(HDC dc, const Scale& scale, const Expert& expert, int right) {
  std::vector<POINT> labels;
  for (const Order& order : expert.book().Orders()) {
    const COLORREF colour = order.side == Side::Buy ? kBuyColour : kSellColour;
    const int y = scale.Y(order.openPrice);
    HorizontalLine(dc, 0, right, y, PS_DASH, colour);
    SetTextColor(dc, colour);
    // Orders at about the same price get their labels side by side.
    POINT at{4, y - 15};
    while (std::any_of(labels.begin(), labels.end(),
                       [&](const POINT& used) { return used.x == at.x && std::abs(used.y - at.y) < 14; }))
      at.x += kLabelWidth;
    labels.push_back(at);
    std::u16string label(u"#");
    label += Whole(order.ticket) + u" " + SideText(order.side) + u" " + LotText(order.lot);
    Text(dc, at.x, at.y, label);
    if (order.stopLoss && scale.Shows(order.stopLoss))
      HorizontalLine(dc, right / 2, right, scale.Y(order.stopLoss), PS_DOT, RGB(230, 110, 0));
    if (order.takeProfit && scale.Shows(order.takeProfit))
      HorizontalLine(dc, right / 2, right, scale.Y(order.takeProfit), PS_DOT, RGB(0, 150, 60));
  }
}

void DrawInfo(HDC dc, const ChartContent& content, int width, int top) {
  const Expert& expert = *content.expert;
  const Quote quote = expert.market().quote();
  RECT band{0, top, width, top + kInfoHeight};
  const unique_brush fill(CreateSolidBrush(RGB(244, 246, 250)));
  FillRect(dc, &band, fill.get());
  HorizontalLine(dc, 0, width, top, PS_SOLID, RGB(200, 200, 200));
  SetTextColor(dc, RGB(20, 20, 20));
  const Centilots buy = expert.book().Total(Side::Buy);
  const Centilots sell = expert.book().Total(Side::Sell);
  Text(dc, 6, top + 3,
       expert.symbol() + u"   bid " + PriceText(quote.bid) + u"   ask " + PriceText(quote.ask) + u"   spread " +
           Whole(quote.ask - quote.bid) + u"   MACD " + Whole(expert.market().MacdLevel()) + u" / " +
           Whole(expert.market().MacdDirection()));
  Text(dc, 6, top + 21,
       u"buy " + LotText(buy) + u"   sell " + LotText(sell) + u"   net " + LotText(buy - sell) + u"   profit " +
           MoneyText(expert.book().FloatingCents(quote)) + u"   orders " + Whole(expert.book().Orders().size()));
  SetTextColor(dc, RGB(0, 90, 0));
  Text(dc, 6, top + 39, content.lastHappening.empty() ? u"waiting for a command" : content.lastHappening);
}

// Draws the whole chart onto `screen`: for a paint, and for a picture of the
// window that another program asks for (WM_PRINTCLIENT).
void Draw(HWND window, HDC screen, const ChartContent& content) {
  RECT client;
  GetClientRect(window, &client);
  const int width = std::max<int>(client.right, 1);
  const int height = std::max<int>(client.bottom, 1);
  // Drawn off screen first, so that ten frames a second don't flicker.
  const unique_memory_dc dc(CreateCompatibleDC(screen));
  const unique_bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  if (dc && bitmap) {
    const ScopedSelection canvas(dc.get(), bitmap.get());
    const unique_font font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    const ScopedSelection lettering(dc.get(), font.get());
    const unique_brush white(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc.get(), &client, white.get());
    SetBkMode(dc.get(), TRANSPARENT);

    const auto& recent = content.expert->market().RecentBids();
    const int right = std::max(width - kAxisWidth, 10);
    const std::size_t shown = std::min<std::size_t>(recent.size(), right / kPixelsPerStep + 1);
    const std::vector<std::int64_t> bids(recent.end() - shown, recent.end());
    const Scale scale = ScaleFor(bids, *content.expert, 10, std::max(height - kInfoHeight - 10, 20));
    DrawGrid(dc.get(), scale, right);
    DrawBids(dc.get(), bids, scale, right);
    DrawOrders(dc.get(), scale, *content.expert, right);
    DrawQuote(dc.get(), scale, content.expert->market().quote(), right);
    DrawInfo(dc.get(), content, width, height - kInfoHeight);
    BitBlt(screen, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
  }
}

LRESULT CALLBACK ChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (const auto* content = reinterpret_cast<const ChartContent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
          content && content->expert) {
        PAINTSTRUCT paint;
        Draw(window, BeginPaint(window, &paint), *content);
        EndPaint(window, &paint);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (const auto* content = reinterpret_cast<const ChartContent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
          content && content->expert) {
        Draw(window, reinterpret_cast<HDC>(wParam), *content);
        return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterChartView(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ChartProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
  windowClass.lpszClassName = kChartViewClass;
  RegisterClassExW(&windowClass);
}

HWND CreateChartView(HINSTANCE instance, HWND parent, const ChartContent* content) {
  return CreateWindowExW(0, kChartViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr, instance,
                         const_cast<ChartContent*>(content));
}

}  // namespace sim
