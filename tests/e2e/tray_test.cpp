// The window in the notification area, as the user meets it: "&Tray" hides the window (and its
// task-bar entry) behind the tray icon's hidden window; a left click on the icon, as the shell
// reports it to that window, brings the window back on the same page with the same interval and
// stay-on-top state.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

constexpr UINT kTrayCallback = WM_USER + 1;

class Tray : public OrvaneWindow {
 protected:
  // The tray component's hidden window of this Orvane process, or nullptr.
  HWND TrayWindow() {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "KvTrayCtrlClass", nullptr)) != nullptr;) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == orvane_.ProcessId()) return w;
    }
    return nullptr;
  }
  // Waits until the condition holds (posted messages are handled after sent ones, so answering a
  // sent message proves nothing about them).
  template <class Condition>
  static bool WaitFor(Condition done, DWORD timeoutMs = 5000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
      if (done()) return true;
      Sleep(50);
    }
    return done();
  }
  bool WaitVisible(bool visible, DWORD timeoutMs = 5000) {
    return WaitFor([&] { return (IsWindowVisible(main_) != 0) == visible; }, timeoutMs);
  }
  // What the bottom-right corner of the screen shows: the end of the task bar, where the
  // notification area has its icons (Wine's desktop draws the task bar itself; it is no window of
  // its own to look for).
  static std::vector<std::uint8_t> TrayArea() {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    return ScreenPixels(RECT{w - 64, h - 32, w, h});
  }
  bool Topmost() { return (GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
};

TEST_F(Tray, TrayHidesTheWindowAndALeftClickOnTheIconBringsItBackUnchanged) {
  HWND tabs = FindChild(main_, "", "SysTabControl32");
  HWND interval = FindChild(main_, "0.050 s", "ComboBox");
  HWND onTop = FindChild(main_, "&Stay on Top", "Button");
  HWND trayBtn = FindChild(main_, "&Tray", "Button");
  ASSERT_TRUE(tabs && interval && onTop && trayBtn);
  HWND hidden = TrayWindow();
  ASSERT_NE(hidden, nullptr) << "no KvTrayCtrlClass window in Orvane's process";
  EXPECT_EQ(WindowText(hidden), "Kelvo Tray Controller v1.3");
  EXPECT_FALSE(IsWindowVisible(hidden));

  // Away from every default: the Disks page, a 1 s interval, on top.
  ASSERT_TRUE(ClickTab(orvane_.Process(), tabs, 3));
  SendMessageA(interval, CB_SETCURSEL, 6, 0);
  PostMessageA(GetParent(interval), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(interval), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(interval));
  PostMessageA(onTop, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return Topmost(); }, 15000)) << "\"&Stay on Top\" did not take effect";
  ASSERT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 3);
  ASSERT_EQ(WindowText(interval), "1.000 s");

  const std::vector<std::uint8_t> noIcon = TrayArea();
  ASSERT_FALSE(noIcon.empty());
  PostMessageA(trayBtn, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitVisible(false)) << "\"&Tray\" did not hide the window";
  EXPECT_TRUE(WaitFor([&] { return TrayArea() != noIcon; })) << "no icon appeared in the notification area";
  EXPECT_EQ(TrayWindow(), hidden) << "the hidden window lives on while the icon shows";
  EXPECT_FALSE(IsWindowVisible(hidden));
  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(GetDesktopWindow(), ShotPath("e2e-tray.png")));
  }

  // The mouse on the icon other than a left release leaves the window hidden.
  for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP}) PostMessageA(hidden, kTrayCallback, 0, mouse);
  EXPECT_FALSE(WaitVisible(true, 1000)) << "the window came back without a left click";

  PostMessageA(hidden, kTrayCallback, 0, WM_LBUTTONUP);
  ASSERT_TRUE(WaitVisible(true)) << "a left click on the icon did not bring the window back";
  EXPECT_EQ(GetForegroundWindow(), main_) << "the window comes back active";
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 3);
  EXPECT_TRUE(IsWindowVisible(FindChild(main_, "Disks", "OrvaneTabSheet")));
  EXPECT_EQ(SendMessageA(interval, CB_GETCURSEL, 0, 0), 6);
  EXPECT_EQ(WindowText(interval), "1.000 s");
  EXPECT_EQ(SendMessageA(onTop, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(Topmost()) << "the window stays on top after coming back";
  EXPECT_TRUE(WaitFor([&] { return TrayArea() == noIcon; })) << "the icon stayed in the notification area";

  // The button swaps again; closing while in the tray ends the program with its hidden window.
  PostMessageA(trayBtn, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitVisible(false)) << "a second \"&Tray\" did not hide the window again";
  PostMessageA(main_, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(orvane_.WaitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(TrayWindow(), nullptr);
}

}  // namespace
}  // namespace e2e
