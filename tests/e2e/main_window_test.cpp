// The main window as the user meets it: fixed size, no maximise, centred caption, closes cleanly.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_env.hpp"

namespace e2e {
namespace {

TEST(MainWindow, OpensFixedWithItsCaptionAndEndsOnClose) {
  Program orvane;
  ASSERT_TRUE(orvane.Start(TheEnv().orvane)) << "cannot start " << TheEnv().orvane;
  HWND main = orvane.WaitForWindow(kMainCaption, "", 15000);
  ASSERT_NE(main, nullptr) << "no visible window captioned \"" << kMainCaption << "\"";

  EXPECT_EQ(ClassName(main), "TFormOrvane");
  const SIZE client = ClientSize(main);
  EXPECT_EQ(client.cx, 376);
  EXPECT_EQ(client.cy, 331);

  const LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "the window must not be maximisable";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";

  // Centred on the screen.
  const RECT r = ScreenRect(main);
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((r.left + r.right) / 2 - sw / 2), 1);
  EXPECT_LE(std::abs((r.top + r.bottom) / 2 - sh / 2), 1);

  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(main, ShotPath("e2e-main-window.png")));
  }

  PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(orvane.WaitForExit(10000, &code)) << "the process did not end after WM_CLOSE";
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace e2e
