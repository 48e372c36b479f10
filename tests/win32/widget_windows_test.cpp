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
  HWND tooltip = backend_->Tips().Window();
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
  list.SetCell(0, 1, "2992.5123 MHz");
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

TEST_F(WidgetWindows, AComboIndexOneBeyondTheItemsSelectsNothingAnywhere) {
  widgets::ComboBox& combo = form_->DiskSize_Combo;
  HWND hwnd = Hwnd(combo);
  const int count = static_cast<int>(combo.Items().size());
  int changes = 0;
  combo.OnChange = [&](widgets::Control&) { ++changes; };
  combo.SetItemIndex(count - 1);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), count - 1);
  combo.SetItemIndex(count);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(Text(hwnd), "");
  combo.Select(count);
  EXPECT_EQ(changes, 0) << "the user cannot pick what is not there";
}

TEST_F(WidgetWindows, AComboShowsItsFontColourClosedAndOpen) {
  widgets::ComboBox& combo = form_->DiskSize_Combo;
  HWND hwnd = Hwnd(combo);
  combo.SetFontColor(widgets::clMaroon);
  HDC dc = CreateCompatibleDC(nullptr);
  // The closed box asks its parent, naming itself; the open list asks the box.
  SendMessageA(GetParent(hwnd), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
  EXPECT_EQ(GetTextColor(dc), RGB(128, 0, 0));
  SetTextColor(dc, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(hwnd, &info));
  SendMessageA(hwnd, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(info.hwndList));
  EXPECT_EQ(GetTextColor(dc), RGB(128, 0, 0));
  DeleteDC(dc);
}

TEST_F(WidgetWindows, ANarrowerTrackBarRangeMovesThePositionInside) {
  widgets::TrackBar& bar = form_->Winamp_TrackBar;
  HWND hwnd = Hwnd(bar);
  bar.SetPosition(900);
  std::vector<int> changes;
  bar.OnChange = [&](widgets::Control&) { changes.push_back(bar.Position()); };
  bar.SetRange(0, 500);
  EXPECT_EQ(changes, std::vector<int>{500});
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0), 500);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPOS, 0, 0), 500);
  bar.SetRange(600, 1000);
  EXPECT_EQ(changes, (std::vector<int>{500, 600})) << "a raised minimum moves it up";
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPOS, 0, 0), 600);
  bar.SetOptions({.lineSize = 7, .pageSize = 70});
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETLINESIZE, 0, 0), 7) << "options set later reach the window too";
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPAGESIZE, 0, 0), 70);
  EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & TBS_NOTICKS);
}

TEST_F(WidgetWindows, ReadOnlyListsCannotEditTheirLabels) {
  widgets::ListView& list = form_->Sys_ListView;
  HWND hwnd = Hwnd(list);
  list.AddItem("CPU Clock");
  EXPECT_EQ(SendMessageA(hwnd, LVM_EDITLABELA, 0, 0), 0);
  EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & LVS_EDITLABELS);
  widgets::ListView::Options options = list.GetOptions();
  options.readOnly = false;
  list.SetOptions(options);
  HWND edit = reinterpret_cast<HWND>(SendMessageA(hwnd, LVM_EDITLABELA, 0, 0));
  EXPECT_NE(edit, nullptr) << "an editable list can";
  if (edit) SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(WidgetWindows, OneCellChangeLeavesTheRestOfTheListAlone) {
  widgets::ListView& list = form_->Sys_ListView;
  HWND hwnd = Hwnd(list);
  list.BeginUpdate();
  for (const char* name : {"a", "b", "c"}) list.AddSubItem(list.AddItem(name), "old");
  list.EndUpdate();
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageA(hwnd, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  list.SetCell(2, 1, "new");
  list.SetCell(1, 0, "B");
  char buf[32] = {};
  LVITEMA it{};
  it.pszText = buf;
  it.cchTextMax = sizeof buf;
  it.iSubItem = 1;
  SendMessageA(hwnd, LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&it));
  EXPECT_STREQ(buf, "new");
  it.iSubItem = 0;
  SendMessageA(hwnd, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&it));
  EXPECT_STREQ(buf, "B");
  EXPECT_EQ(SendMessageA(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2)
      << "the list was not rewritten: the selection stays";
}

TEST_F(WidgetWindows, TabWalksTheWindowInTabOrderAndCtrlTabChangesPages) {
  backend_->Show(*form_);
  auto press = [&](UINT vk, std::initializer_list<int> held) {
    HeldKeys keys(held);
    PostKey(GetFocus(), vk);
    Pump(app_);
    return GetFocus();
  };
  HWND strip = Hwnd(form_->Main_PageCtrl);
  SetFocus(Hwnd(form_->UpdInterval_Combo));
  ASSERT_EQ(GetFocus(), Hwnd(form_->UpdInterval_Combo));
  EXPECT_EQ(press(VK_TAB, {}), strip) << "from the last control round to the tab strip";
  // The Memory page holds no stop; then the window's controls follow their tab order.
  for (const widgets::Control* c : std::initializer_list<const widgets::Control*>{
           &form_->StayOnTop_Chk, &form_->Close_Btn, &form_->Tray_Btn, &form_->About_Btn,
           &form_->UpdInterval_Combo, &form_->Main_PageCtrl}) {
    SCOPED_TRACE(c->Name());
    EXPECT_EQ(press(VK_TAB, {}), Hwnd(*c));
  }
  EXPECT_EQ(press(VK_TAB, {VK_SHIFT}), Hwnd(form_->UpdInterval_Combo)) << "Shift+Tab goes back";
  SetFocus(strip);
  EXPECT_EQ(press(VK_TAB, {VK_CONTROL}), strip);
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(Hwnd(form_->Sys_Sheet)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(form_->Mem_Sheet)));
  press(VK_TAB, {VK_CONTROL, VK_SHIFT});
  press(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 5) << "backwards, wrapping round";
  press(VK_RIGHT, {});
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 5) << "the last tab has none to its right";
  press(VK_LEFT, {});
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 4) << "the arrow keys on the strip change pages";
  // Inside a page, Ctrl+Tab works too.
  SetFocus(Hwnd(form_->Printers_Combo));
  press(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(form_->Main_PageCtrl.ActivePageIndex(), 5);
  EXPECT_EQ(GetFocus(), strip) << "the focus leaves the page that went away";
}

}  // namespace
}  // namespace win32_tests
