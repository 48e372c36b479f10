// The shell on real windows: stay on top, the refresh timer, the keyboard.
#include "tests/win32/win32_fixture.hpp"
#include "widgets/win32/peers.hpp"

namespace win32_tests {
namespace {

using Shell = RealWindow;

bool Topmost(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(Shell, StayOnTopSetsAndClearsTheTopmostStyle) {
  backend_->Show(*form_);
  HWND check = Hwnd(form_->StayOnTop_Chk);
  ASSERT_FALSE(Topmost(main_));
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_TRUE(form_->StayOnTop_Chk.Checked());
  EXPECT_TRUE(Topmost(main_));
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_FALSE(form_->StayOnTop_Chk.Checked());
  EXPECT_FALSE(Topmost(main_));
}

// Ticks of Timer1 while the messages are handled for `ms` milliseconds.
int TicksDuring(TFormOrvane& form, widgets::Application& app, DWORD ms) {
  int ticks = 0;
  auto tick = form.Timer1.OnTimer;
  form.Timer1.OnTimer = [&](widgets::Component& c) {
    ++ticks;
    tick(c);
  };
  Pump(app, ms);
  form.Timer1.OnTimer = tick;
  return ticks;
}

TEST_F(Shell, TheTimerFollowsTheIntervalCombo) {
  HWND combo = Hwnd(form_->UpdInterval_Combo);
  auto choose = [&](int item) {  // as the user does: select, and the list tells its parent
    SendMessageA(combo, CB_SETCURSEL, item, 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  };
  choose(8);
  EXPECT_EQ(form_->Timer1.Interval(), 5000u);
  EXPECT_EQ(TicksDuring(*form_, app_, 400), 0);
  choose(0);
  EXPECT_EQ(form_->Timer1.Interval(), 10u);
  EXPECT_GE(TicksDuring(*form_, app_, 400), 10);
}

TEST_F(Shell, EscPressesTheCloseButton) {
  backend_->Show(*form_);
  PostMessageA(main_, WM_KEYDOWN, VK_ESCAPE, 0);
  Pump(app_);
  EXPECT_TRUE(form_->Closed());
  EXPECT_FALSE(IsWindow(main_));
}

TEST_F(Shell, UnderlinedLettersPressTheirControls) {
  backend_->Show(*form_);
  PostMessageA(main_, WM_SYSCHAR, 's', 1 << 29);
  Pump(app_);
  EXPECT_TRUE(form_->StayOnTop_Chk.Checked()) << "Alt+S";
  EXPECT_TRUE(Topmost(main_));

  int updates = 0;
  form_->DiskUpdate_Btn.OnClick = [&](widgets::Control&) { ++updates; };
  PostMessageA(main_, WM_SYSCHAR, 'u', 1 << 29);
  Pump(app_);
  EXPECT_EQ(updates, 0) << "Alt+U works only while the Disks page shows";
  form_->Main_PageCtrl.SetActivePageIndex(3);
  PostMessageA(main_, WM_SYSCHAR, 'u', 1 << 29);
  Pump(app_);
  EXPECT_EQ(updates, 1);

  PostMessageA(main_, WM_SYSCHAR, 'c', 1 << 29);
  Pump(app_);
  EXPECT_TRUE(form_->Closed()) << "Alt+C";
}

TEST_F(Shell, PopupMenuShortCutsAreInstalled) {
  auto* menu = dynamic_cast<widgets::win32::MenuPeerBase*>(form_->PopupMenu1.GetPeer());
  ASSERT_NE(menu, nullptr);
  ACCEL accels[8];
  const int n = CopyAcceleratorTableA(menu->Accelerators(), accels, 8);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(accels[0].key, VK_F1);
  EXPECT_EQ(accels[1].key, VK_F11);
  EXPECT_EQ(accels[2].key, 'Q');
  EXPECT_EQ(accels[2].fVirt & FALT, FALT);
  EXPECT_EQ(GetMenuItemCount(menu->Menu()), 5);
  char text[64] = {};
  GetMenuStringA(menu->Menu(), 4, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Close\tAlt+Q");

  // F1 and F11 reach their items through the window's short-cuts.
  backend_->Show(*form_);
  PostMessageA(main_, WM_KEYDOWN, 'Q', 0);
  Pump(app_);
  EXPECT_FALSE(form_->Closed()) << "Q alone is no short-cut";
}

}  // namespace
}  // namespace win32_tests
