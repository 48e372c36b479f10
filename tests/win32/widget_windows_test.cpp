// The widget backend keeps each real window in step with its widget, and turns what the user does
// to the window into the widget's own events.
#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using WidgetWindows = RealWindow;

std::string TipText(HWND tooltip, HWND tool) {
  char buf[256] = {};
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = GetParent(tool);
  ti.uId = reinterpret_cast<UINT_PTR>(tool);
  ti.lpszText = buf;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
  return buf;
}

TEST_F(WidgetWindows, HintsBecomeTooltipsAndFollowTheirText) {
  HWND tooltip = backend_->Tooltip();
  ASSERT_NE(tooltip, nullptr) << "the reset buttons have hints from the start";
  const LRESULT tools = SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  EXPECT_EQ(TipText(tooltip, Hwnd(form_->RamResetMes_Spd)), "Reset mesure counter!");
  form_->RamFree_Panel.SetHint("Copy Value:\r\n\"n/a\"");
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), tools + 1);
  EXPECT_EQ(TipText(tooltip, Hwnd(form_->RamFree_Panel)), "Copy Value:\r\n\"n/a\"");
  form_->RamFree_Panel.SetHint("Value Already Copied:\r\n\"n/a\"");
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), tools + 1);
  EXPECT_EQ(TipText(tooltip, Hwnd(form_->RamFree_Panel)), "Value Already Copied:\r\n\"n/a\"");
  form_->RamFree_Panel.SetShowHint(false);
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), tools);
}

TEST_F(WidgetWindows, CursorsFollowTheControlAndTheScreen) {
  HWND panel = Hwnd(form_->RamSize_Panel);
  auto cursorOver = [&](HWND hwnd) {
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(32761));  // the program's own
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(cursorOver(panel), hand);
  app_.SetScreenCursor(widgets::crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
  EXPECT_EQ(cursorOver(panel), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))) << "the screen cursor wins";
  app_.SetScreenCursor(widgets::crDefault);
  EXPECT_EQ(cursorOver(panel), hand);
}

TEST_F(WidgetWindows, ListItemsReachTheListInOneBatch) {
  widgets::ListView& list = form_->Sys_ListView;
  HWND hwnd = Hwnd(list);
  list.BeginUpdate();
  list.AddSubItem(list.AddItem("CPU Clock"), "calulation clock freq...");
  list.AddItem("");
  EXPECT_EQ(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0), 0) << "nothing reaches the window inside a batch";
  list.EndUpdate();
  ASSERT_EQ(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0), 2);
  char buf[64] = {};
  LVITEMA it{};
  it.iSubItem = 1;
  it.pszText = buf;
  it.cchTextMax = sizeof buf;
  SendMessageA(hwnd, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&it));
  EXPECT_STREQ(buf, "calulation clock freq...");
  list.SetSubItem(0, 0, "2992.5123 MHz");
  SendMessageA(hwnd, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&it));
  EXPECT_STREQ(buf, "2992.5123 MHz");
}

TEST_F(WidgetWindows, TrackBarMovesBothWays) {
  widgets::TrackBar& bar = form_->Winamp_TrackBar;
  HWND hwnd = Hwnd(bar);
  std::vector<int> changes;
  bar.OnChange = [&](widgets::Control&) { changes.push_back(bar.Position()); };
  bar.SetPosition(666);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPOS, 0, 0), 666);
  // The user drags the thumb: the bar moves and tells its parent.
  SendMessageA(hwnd, TBM_SETPOS, TRUE, 250);
  SendMessageA(GetParent(hwnd), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 250), reinterpret_cast<LPARAM>(hwnd));
  SendMessageA(GetParent(hwnd), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(hwnd));
  EXPECT_EQ(bar.Position(), 250);
  EXPECT_EQ(changes, (std::vector<int>{666, 250})) << "one change per new position";
  bar.SetSelection(0, 250);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETSELEND, 0, 0), 250);
}

TEST_F(WidgetWindows, SpeedButtonClicksKeepTheGroupExclusive) {
  backend_->Show(*form_);
  std::vector<int> pressed;
  for (auto* b : {&form_->Play_SpdBtn, &form_->Pause_SpdBtn})
    b->OnMouseDown = [&](widgets::Control& c, widgets::MouseButton, widgets::ShiftState, int, int) {
      pressed.push_back(static_cast<int>(c.Tag()));
    };
  SendMessageA(Hwnd(form_->Pause_SpdBtn), BM_CLICK, 0, 0);
  EXPECT_TRUE(form_->Pause_SpdBtn.Down());
  EXPECT_FALSE(form_->Play_SpdBtn.Down());
  EXPECT_EQ(pressed, std::vector<int>{3}) << "the mouse-down handler sees the button's tag";
}

TEST_F(WidgetWindows, ChoosingAPageFromTheTabsRaisesTheChange) {
  backend_->Show(*form_);
  HWND tabs = Hwnd(form_->Main_PageCtrl);
  int changes = 0;
  form_->Main_PageCtrl.OnChange = [&](widgets::Control&) { ++changes; };
  SendMessageA(tabs, TCM_SETCURSEL, 4, 0);
  NMHDR nm{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(GetParent(tabs), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 4);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(Hwnd(form_->Misc_Sheet)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(form_->Mem_Sheet)));
}

}  // namespace
}  // namespace win32_tests
