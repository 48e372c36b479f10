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

// Alt+T while a value panel's tooltip shows: the tip goes with the window, the keyboard focus is
// left on no hidden window, and the window comes back with the focus on the control that had it.
TEST_F(Tray, AltTWithATipShowingLeavesNoFocusBehindAndRestoreGivesItBack) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
  auto focus = [&] { return GetGUIThreadInfo(thread, &gui) ? gui.hwndFocus : nullptr; };
  auto key = [](BYTE vk, bool up) { keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0); };
  HWND trayBtn = FindChild(main_, "&Tray", "Button");
  ASSERT_NE(trayBtn, nullptr);
  const RECT r = ScreenRect(ValueOf("Total physical RAM size:"));
  MouseTo(r.left + 2, r.top + 2);  // a move, wherever the mouse was left
  MouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ASSERT_TRUE(WaitFor([&] { return VisibleTooltip(orvane_.ProcessId()) != nullptr; })) << "no tip showed";
  key(VK_MENU, false), key('T', false), key('T', true), key(VK_MENU, true);
  ASSERT_TRUE(WaitVisible(false)) << "Alt+T did not hide the window";
  Settle(300);
  EXPECT_EQ(VisibleTooltip(orvane_.ProcessId()), nullptr) << "the tip outlived the window";
  HWND left = focus();
  EXPECT_TRUE(left == nullptr || IsWindowVisible(left)) << "the focus stayed on hidden " << ClassName(left);
  PostMessageA(TrayWindow(), kTrayCallback, 0, WM_LBUTTONUP);
  ASSERT_TRUE(WaitVisible(true));
  // Alt+T is the button's mnemonic: the button took the focus as it was pressed, and has it again.
  EXPECT_TRUE(WaitFor([&] { return focus() == trayBtn; })) << "the focus came back on " << ClassName(focus());
}

// The session ends while the window is in the tray: the icon goes at once, as the system may end
// the process any moment after it.
TEST_F(Tray, TheIconGoesWhenTheSessionEnds) {
  const std::vector<std::uint8_t> noIcon = TrayArea();
  PostMessageA(FindChild(main_, "&Tray", "Button"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitVisible(false));
  ASSERT_TRUE(WaitFor([&] { return TrayArea() != noIcon; })) << "no icon appeared";
  for (HWND w : {main_, TrayWindow()}) SendMessageA(w, WM_QUERYENDSESSION, 0, 0);
  for (HWND w : {main_, TrayWindow()}) SendMessageA(w, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(WaitFor([&] { return TrayArea() == noIcon; })) << "the icon outlived the session";
}

}  // namespace
}  // namespace e2e
