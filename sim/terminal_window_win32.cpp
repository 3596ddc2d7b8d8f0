#include "sim/terminal_window_win32.h"

#include <algorithm>
#include <string>

#include "core/win32_text.h"
#include "sim/publication.h"
#include "tracking/tracking_tick.h"

namespace sim {
namespace {

constexpr wchar_t kPaneClass[] = L"TerminalSimPane";
constexpr wchar_t kHolderClass[] = L"TerminalSimHolder";
constexpr int kHeaderHeight = 20;
constexpr int kBarHeight = 24;
constexpr int kStatusHeight = 22;
constexpr int kLogHeight = 170;
constexpr int kColumnWidth = 300;
constexpr int kQuotesHeight = 96;
constexpr int kLogLines = 500;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

std::wstring MainClass() { return core::ToWide(tracking::kTerminalClass); }

std::u16string Whole(std::int64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

void FillFirstChild(HWND window, int top) {
  RECT client;
  GetClientRect(window, &client);
  if (HWND child = GetWindow(window, GW_CHILD))
    MoveWindow(child, 0, top, client.right, std::max<int>(client.bottom - top, 0), TRUE);
}

// A pane: its title in a header strip, its one child below it.
LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      FillFirstChild(window, kHeaderHeight);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT header;
      GetClientRect(window, &header);
      header.bottom = kHeaderHeight;
      FillRect(dc, &header, GetSysColorBrush(COLOR_INACTIVECAPTION));
      wchar_t title[128] = {};
      GetWindowTextW(window, title, 128);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_INACTIVECAPTIONTEXT));
      HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      header.left += 6;
      DrawTextW(dc, title, -1, &header, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
      SelectObject(dc, previous);
      EndPaint(window, &paint);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The workspace and the chart frame: each is filled by its one child.
LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    FillFirstChild(window, 0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, int background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

HWND Child(HINSTANCE instance, const wchar_t* className, std::u16string_view text, DWORD style, HWND parent) {
  const std::wstring wide = core::ToWide(text);
  HWND child = CreateWindowExW(0, className, wide.c_str(), kChildStyle | style, 0, 0, 0, 0, parent, nullptr, instance,
                               nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void SetTextIfChanged(HWND window, std::u16string_view text) {
  const std::wstring wanted = core::ToWide(text);
  const int length = GetWindowTextLengthW(window);
  std::wstring current(length + 1, L'\0');
  current.resize(GetWindowTextW(window, current.data(), length + 1));
  if (current != wanted) SetWindowTextW(window, wanted.c_str());
}

std::u16string TimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  wsprintfW(text, L"%02u:%02u:%02u.%03u", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  return core::FromWide(text);
}

std::u16string OrderLine(const Order& order) {
  std::u16string line(u"#");
  line += Whole(order.ticket) + u"  " + SideText(order.side) + u" " + LotText(order.lot) + u" at " +
          PriceText(order.openPrice);
  if (order.stopLoss) line += u"  SL " + PriceText(order.stopLoss);
  if (order.takeProfit) line += u"  TP " + PriceText(order.takeProfit);
  return line;
}

}  // namespace

TerminalWindow::TerminalWindow(HINSTANCE instance, const Options& options, const Expert& expert)
    : expert_(expert), publishMs_(options.publishMs) {
  content_.expert = &expert;
  const std::wstring mainClass = MainClass();
  Register(instance, mainClass.c_str(), MainProc, COLOR_BTNFACE);
  Register(instance, kPaneClass, PaneProc, COLOR_WINDOW);
  Register(instance, kHolderClass, HolderProc, COLOR_APPWORKSPACE);
  RegisterChartView(instance);
  const std::wstring title = core::ToWide(options.title);
  main_ = CreateWindowExW(0, mainClass.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, options.x,
                          options.y, options.width, options.height, nullptr, nullptr, instance, this);
  if (!main_) return;
  CreateChildren(instance);
  Layout();
  ShowWindow(main_, SW_SHOWNORMAL);
  Refresh();
}

void TerminalWindow::CreateChildren(HINSTANCE instance) {
  const std::u16string key = expert_.key();
  children_[0] = Child(instance, L"STATIC", u"  terminal-sim: a stand-in terminal for the order panel", SS_CENTERIMAGE,
                       main_);
  children_[1] = Child(instance, L"STATIC",
                       u"  exchange key HKEY_CURRENT_USER\\" + key + u"    publishing every " + Whole(publishMs_) +
                           u" ms",
                       SS_CENTERIMAGE, main_);
  children_[2] = Child(instance, kPaneClass, u"Quotes", 0, main_);
  quotes_ = Child(instance, L"STATIC", u"", SS_LEFT, children_[2]);
  children_[3] = Child(instance, kPaneClass, u"Open orders", 0, main_);
  orders_ = Child(instance, L"LISTBOX", u"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, children_[3]);
  children_[4] = Child(instance, kPaneClass, u"Expert log: commands as they arrive", 0, main_);
  log_ = Child(instance, L"LISTBOX", u"", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, children_[4]);
  SendMessageW(log_, LB_SETHORIZONTALEXTENT, 2000, 0);
  children_[5] = Child(instance, L"STATIC", u"", SS_SUNKEN | SS_CENTERIMAGE, main_);
  status_ = children_[5];
  children_[6] = Child(instance, kHolderClass, u"", 0, main_);
  chartFrame_ = Child(instance, kHolderClass, expert_.symbol() + u",H1", WS_CAPTION, children_[6]);
  chart_ = CreateChartView(instance, chartFrame_, &content_);
  // The panel walks the children in z-order; pin that order rather than
  // rely on where the system puts each new child.
  SetWindowPos(children_[0], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t i = 1; i < children_.size(); ++i)
    SetWindowPos(children_[i], children_[i - 1], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TerminalWindow::Layout() {
  RECT client;
  GetClientRect(main_, &client);
  const int width = client.right;
  const int height = client.bottom;
  const int middleTop = 2 * kBarHeight;
  const int middleBottom = std::max(height - kStatusHeight - kLogHeight, middleTop + kQuotesHeight);
  MoveWindow(children_[0], 0, 0, width, kBarHeight, TRUE);
  MoveWindow(children_[1], 0, kBarHeight, width, kBarHeight, TRUE);
  MoveWindow(children_[2], 0, middleTop, kColumnWidth, kQuotesHeight, TRUE);
  MoveWindow(children_[3], 0, middleTop + kQuotesHeight, kColumnWidth, middleBottom - middleTop - kQuotesHeight, TRUE);
  MoveWindow(children_[4], 0, middleBottom, width, kLogHeight, TRUE);
  MoveWindow(children_[5], 0, middleBottom + kLogHeight, width, kStatusHeight, TRUE);
  MoveWindow(children_[6], kColumnWidth, middleTop, std::max(width - kColumnWidth, 0), middleBottom - middleTop, TRUE);
}

LRESULT CALLBACK TerminalWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TerminalWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_SIZE:
      if (self && self->chart_) self->Layout();
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {640, 480};
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TerminalWindow::Log(const Happening& happening) {
  std::u16string line = happening.command.empty() ? happening.outcome : happening.command + u"  ->  " + happening.outcome;
  if (happening.sound) line += u"  (with sound)";
  content_.lastHappening = line;
  AddLine(TimeNow() + u"  " + line);
  InvalidateRect(chart_, nullptr, FALSE);
}

void TerminalWindow::Note(std::u16string_view text) { AddLine(TimeNow() + u"  " + std::u16string(text)); }

void TerminalWindow::AddLine(std::u16string_view line) {
  const std::wstring wide = core::ToWide(line);
  SendMessageW(log_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  while (SendMessageW(log_, LB_GETCOUNT, 0, 0) > kLogLines) SendMessageW(log_, LB_DELETESTRING, 0, 0);
  SendMessageW(log_, LB_SETTOPINDEX, SendMessageW(log_, LB_GETCOUNT, 0, 0) - 1, 0);
}

void TerminalWindow::Refresh() {
  const Quote quote = expert_.market().quote();
  SetTextIfChanged(quotes_, u"  " + expert_.symbol() + u"\r\n  bid     " + PriceText(quote.bid) + u"\r\n  ask     " +
                                PriceText(quote.ask) + u"\r\n  spread  " + Whole(quote.ask - quote.bid));
  const Book& book = expert_.book();
  SetTextIfChanged(status_, u"  " + Whole(book.Orders().size()) + u" open orders    buy " +
                                LotText(book.Total(Side::Buy)) + u"    sell " + LotText(book.Total(Side::Sell)) +
                                u"    profit " + MoneyText(book.FloatingCents(quote)) + u"    closed " +
                                MoneyText(book.ClosedCents()));
  RefreshOrders();
  InvalidateRect(chart_, nullptr, FALSE);
}

void TerminalWindow::RefreshOrders() {
  if (expert_.book().Revision() == shownRevision_) return;
  shownRevision_ = expert_.book().Revision();
  SendMessageW(orders_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(orders_, LB_RESETCONTENT, 0, 0);
  for (const Order& order : expert_.book().Orders()) {
    const std::wstring line = core::ToWide(OrderLine(order));
    SendMessageW(orders_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageW(orders_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(orders_, nullptr, TRUE);
}

}  // namespace sim
