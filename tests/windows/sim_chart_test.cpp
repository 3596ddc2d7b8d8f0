#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "sim/chart_view_win32.h"
#include "sim/expert.h"
#include "tests/support/memory_store.h"

namespace {

// The chart's picture, as it draws it into a bitmap of ours.
std::vector<DWORD> PictureOf(HWND chart) {
  RECT client;
  GetClientRect(chart, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(chart, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(static_cast<std::size_t>(client.right) * client.bottom);
  GetDIBits(memory, bitmap, 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::size_t ColoursOf(std::vector<DWORD> pixels) {
  std::sort(pixels.begin(), pixels.end());
  return static_cast<std::size_t>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
}

TEST(SimulatorChart, DrawsTheMovingPrice) {
  testing_support::MemoryStore store;
  sim::Expert expert(store, u"chart-test", 7);
  const sim::ChartContent content{&expert, u""};
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  sim::RegisterChartView(instance);
  const HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                     instance, nullptr);
  ASSERT_TRUE(frame);
  const HWND chart = sim::CreateChartView(instance, frame, &content);
  ASSERT_TRUE(chart);
  MoveWindow(chart, 0, 0, 600, 400, FALSE);

  const std::vector<DWORD> before = PictureOf(chart);
  EXPECT_GT(ColoursOf(before), 4u);  // a price line, grid, labels: not a blank area
  for (int step = 0; step < 20; ++step) expert.StepMarket();
  EXPECT_NE(PictureOf(chart), before);
  DestroyWindow(frame);
}

}  // namespace
