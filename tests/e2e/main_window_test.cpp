// The main window as the user meets it: fixed size, no maximise, centred, its pages switch by
// clicking their tabs, the Memory page shows the system's own figures, Esc and WM_CLOSE end it.
#include <gtest/gtest.h>

#include "funclib/format.hpp"
#include "platform/locale.hpp"
#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

using MainWindow = OrvaneWindow;

TEST_F(MainWindow, IsFixedCentredAndEndsOnClose) {
  EXPECT_EQ(ClassName(main_), "TFormOrvane");
  const SIZE client = ClientSize(main_);
  EXPECT_EQ(client.cx, 376);
  EXPECT_EQ(client.cy, 331);

  const LONG style = GetWindowLongA(main_, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "the window must not be maximisable";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";

  const RECT r = ScreenRect(main_);
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((r.left + r.right) / 2 - sw / 2), 1);
  EXPECT_LE(std::abs((r.top + r.bottom) / 2 - sh / 2), 1);

  PostMessageA(main_, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(orvane_.WaitForExit(10000, &code)) << "the process did not end after WM_CLOSE";
  EXPECT_EQ(code, 0u);
}

TEST_F(MainWindow, MemoryPageShowsTheSystemsPhysicalMemory) {
  HWND ram = ValueOf("Total physical RAM size:");
  ASSERT_NE(ram, nullptr);
  MEMORYSTATUSEX ms{};
  ms.dwLength = sizeof ms;
  ASSERT_TRUE(GlobalMemoryStatusEx(&ms));
  const std::string expected =
      funclib::FormatNumber(static_cast<double>(ms.ullTotalPhys) / 1024.0, 0, platform::GetFormatSettings()) + " k";
  EXPECT_EQ(WindowText(ram), expected);
  HWND load = ValueOf("Memory load:");
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(WindowText(load).back(), '%');
  for (const char* counter : {"RAM Measure:", "SWAP Measure:", "Total Memory Measure:"}) {
    HWND h = ValueOf(counter);
    ASSERT_NE(h, nullptr) << counter;
    EXPECT_EQ(WindowText(h).substr(WindowText(h).size() - 2), " k") << counter;
  }
  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(main_, ShotPath("e2e-memory-page.png")));
  }
}

TEST_F(MainWindow, ClickingATabShowsItsPage) {
  HWND tabs = FindChild(main_, "", "SysTabControl32");
  ASSERT_NE(tabs, nullptr);
  PostMessageA(FindChild(main_, "&Update", "Button"), WM_CHAR, 'x', 0);  // a button of a hidden page
  Settle(500);  // a message sent at once would be answered before the posted one is read
  ASSERT_TRUE(WaitResponsive(main_, 1000)) << "a character for the hidden Disks page hung the window";
  for (int i : {4, 1, 5, 3, 0}) {
    ASSERT_TRUE(ClickTab(orvane_.Process(), tabs, i)) << kPages[i];
    Settle(300);
    ASSERT_TRUE(WaitResponsive(main_, 10000)) << kPages[i];  // the System page measures the clock
    for (const char* other : kPages) {
      HWND sheet = FindChild(main_, other, "OrvaneTabSheet");
      ASSERT_NE(sheet, nullptr) << other;
      // With no player running, the Winamp tab shows an empty page.
      const bool shown = other == kPages[i] && i != 5;
      EXPECT_EQ(IsWindowVisible(sheet) != 0, shown) << "after clicking " << kPages[i] << ": " << other;
    }
  }
}

TEST_F(MainWindow, EscEndsTheProgram) {
  PostMessageA(main_, WM_KEYDOWN, VK_ESCAPE, 0);
  DWORD code = 1234;
  ASSERT_TRUE(orvane_.WaitForExit(10000, &code)) << "Esc did not end the program";
  EXPECT_EQ(code, 0u);
}

// Run with the screen at 144 dpi: the window and its controls are half as large again.
TEST_F(MainWindow, ScalesWithTheScreenDpi) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  ASSERT_EQ(dpi, 144) << "run this test in the 144-dpi session";
  const SIZE client = ClientSize(main_);
  EXPECT_EQ(client.cx, 564);
  EXPECT_EQ(client.cy, 497);
  HWND close = FindChild(main_, "&Close", "Button");
  ASSERT_NE(close, nullptr);
  RECT r = ScreenRect(close);
  MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 468);
  EXPECT_EQ(r.top, 456);
  EXPECT_EQ(r.right - r.left, 86);
  EXPECT_EQ(r.bottom - r.top, 32);
  HWND ram = FindChild(main_, "Total physical RAM size:", "Static");
  ASSERT_NE(ram, nullptr);
  EXPECT_EQ(ScreenRect(ram).bottom - ScreenRect(ram).top, 20);
  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(main_, ShotPath("e2e-144dpi.png")));
  }
}

}  // namespace
}  // namespace e2e
