// The Disks and Other pages as the user sees them, checked against the driver's own readings of
// the same system: drives and volumes, the tick count, the mouse and the system colours.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "platform/utf.hpp"
#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

// The locale's own rendering of a number with two decimals and grouped thousands.
std::string LocaleNumber(double value) {
  char plain[64], out[96], dec[8], thousand[8];
  std::snprintf(plain, sizeof plain, "%.2f", value);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, dec, sizeof dec);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
  NUMBERFMTA fmt{2, 1, 3, dec, thousand, 1};
  return GetNumberFormatA(LOCALE_USER_DEFAULT, 0, plain, &fmt, out, sizeof out) ? out : "<GetNumberFormatA failed>";
}

class DisksOther : public OrvaneWindow {
 protected:
  void ShowPage(int index) {
    HWND tabs = FindChild(main_, "", "SysTabControl32");
    ASSERT_NE(tabs, nullptr);
    ASSERT_TRUE(ClickTab(orvane_.Process(), tabs, index));
    Settle(300);
    ASSERT_TRUE(WaitResponsive(main_, 20000)) << "the page did not settle";
  }
  std::string Cell(HWND list, int item, int sub) { return RemoteListText(orvane_.Process(), list, item, sub); }
};

TEST_F(DisksOther, DisksRowsMatchTheDriversOwnQueries) {
  ShowPage(3);
  HWND list = FindChild(main_, "", "SysListView32");
  for (HWND h : Descendants(main_))
    if (ClassName(h) == "SysListView32" && IsWindowVisible(h)) list = h;
  ASSERT_NE(list, nullptr);
  const DWORD mask = GetLogicalDrives();
  int drives = 0;
  for (int i = 0; i < 26; ++i) drives += (mask >> i) & 1;
  ASSERT_EQ(ListItemCount(list), drives) << "the first visit fills the list";

  int row = 0, rowOfC = -1;
  for (int i = 0; i < 26; ++i) {
    if (!((mask >> i) & 1)) continue;
    const std::string root{static_cast<char>('A' + i), ':', '\\'};
    SCOPED_TRACE(root);
    wchar_t label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
    DWORD serial = 0, length = 0, flags = 0;
    const bool ok = GetVolumeInformationW(platform::Utf8ToUtf16(root).c_str(), label, MAX_PATH + 1, &serial, &length,
                                          &flags, fs, MAX_PATH + 1);
    char serialText[16];
    std::snprintf(serialText, sizeof serialText, "%04X-%04X", static_cast<unsigned>(ok ? serial >> 16 : 0),
                  static_cast<unsigned>(ok ? serial & 0xFFFF : 0));
    EXPECT_EQ(Cell(list, row, 0), (ok ? platform::Utf16ToUtf8(label, MAX_PATH) : "") + " (" + root.substr(0, 2) + ")");
    EXPECT_EQ(Cell(list, row, 3), ok ? platform::Utf16ToUtf8(fs, MAX_PATH) : "");
    EXPECT_EQ(Cell(list, row, 4), serialText);
    EXPECT_EQ(Cell(list, row, 6), std::to_string(ok ? length : 0));
    EXPECT_EQ(Cell(list, row, 7), (ok && (flags & FS_CASE_IS_PRESERVED)) ? "true" : "false");
    EXPECT_EQ(Cell(list, row, 8), (ok && (flags & FS_CASE_SENSITIVE)) ? "true" : "false");
    if (i == 2) rowOfC = row;
    ++row;
  }
  ASSERT_GE(rowOfC, 0);
  EXPECT_EQ(Cell(list, rowOfC, 5), "3: Fixed");
  char label[MAX_PATH + 1] = {};
  ASSERT_TRUE(GetVolumeInformationA("C:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0));
  ASSERT_EQ(std::string(label).size(), 20u) << "the session gives C: a 20-character label";
  EXPECT_EQ(Cell(list, rowOfC, 0), std::string(label) + " (C:)") << "a long label shows whole";

  ULARGE_INTEGER avail, total;
  ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &avail, &total, nullptr));
  EXPECT_EQ(Cell(list, rowOfC, 1), LocaleNumber(static_cast<double>(total.QuadPart) / 1024.0)) << "KiloByte";

  HWND unit = FindChild(main_, "KiloByte", "ComboBox");
  ASSERT_NE(unit, nullptr);
  PickComboItem(unit, 4);
  Settle(300);
  EXPECT_EQ(Cell(list, rowOfC, 1), LocaleNumber(static_cast<double>(total.QuadPart) / 1024.0))
      << "a new unit shows only at the next fill";
  HWND update = FindChild(main_, "&Update", "Button");
  ASSERT_NE(update, nullptr);
  PostMessageA(update, BM_CLICK, 0, 0);
  Settle(300);
  ASSERT_TRUE(WaitResponsive(main_, 20000));
  EXPECT_EQ(Cell(list, rowOfC, 1), LocaleNumber(static_cast<double>(total.QuadPart) / 1073741824.0)) << "GigaByte";
  EXPECT_EQ(ListItemCount(list), drives) << "a refill replaces the rows";
  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(main_, ShotPath("e2e-disks-page.png")));
  }
}

// The session of this test gives D: a label in three scripts: its row shows it whole, read from
// the list in Unicode.
TEST_F(DisksOther, ALabelInAnyScriptShowsWhole) {
  ASSERT_TRUE(GetLogicalDrives() & (1u << 3)) << "the session has no drive D:";
  ShowPage(3);
  HWND list = FindChild(FindChild(main_, "Disks", "OrvaneTabSheet"), "", "SysListView32");
  std::string row = "<no D: row>";
  for (int i = 0; i < ListItemCount(list); ++i)
    if (Cell(list, i, 0).ends_with("(D:)")) row = Cell(list, i, 0);
  EXPECT_EQ(row, "Тест Größe 测试 (D:)");
}

TEST_F(DisksOther, OtherPageFollowsTheClockMouseAndColours) {
  ASSERT_TRUE(SetCursorPos(211, 307));
  ShowPage(4);
  HWND uptime = ValueBeside(main_, "Windows Uptime:");
  HWND mouse = ValueBeside(main_, "Mouse positions:");
  ASSERT_NE(uptime, nullptr);
  ASSERT_NE(mouse, nullptr);

  using Tick64 = ULONGLONG(WINAPI*)();
  const auto tick64 = reinterpret_cast<Tick64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  ASSERT_NE(tick64, nullptr);
  const ULONGLONG before = tick64() / 1000;
  const std::string shown = WindowText(uptime);
  const ULONGLONG after = tick64() / 1000;
  unsigned days = 0, hours = 0, minutes = 0, seconds = 0;
  ASSERT_EQ(std::sscanf(shown.c_str(), "%u days, %u hrs, %u min, %u sec", &days, &hours, &minutes, &seconds), 4)
      << shown;
  const ULONGLONG total = ((days * 24ull + hours) * 60 + minutes) * 60 + seconds;
  EXPECT_GE(total + 2, before) << shown;  // the page refreshes every 50 ms; allow for a slow host
  EXPECT_LE(total, after) << shown;

  EXPECT_EQ(WindowText(mouse), "211 x 307");
  ASSERT_TRUE(SetCursorPos(5, 600));
  Settle(300);
  EXPECT_EQ(WindowText(mouse), "5 x 600");

  HWND group = FindChild(main_, "Other Stuff", "OrvaneGroupBox");
  ASSERT_NE(group, nullptr);
  HWND swatch = nullptr;
  const RECT g = ScreenRect(group);
  for (HWND h : Descendants(group)) {
    const RECT r = ScreenRect(h);
    if (GetParent(h) == group && ClassName(h) == "OrvanePanel" && r.left - g.left == 136 && r.top - g.top == 20)
      swatch = h;
  }
  ASSERT_NE(swatch, nullptr) << "the swatch is a child of the \"Other Stuff\" group";
  EXPECT_TRUE(IsWindowVisible(swatch));
  HWND colours = FindChild(group, "Scrollbar", "ComboBox");
  ASSERT_NE(colours, nullptr);
  const RECT r = ScreenRect(swatch);
  auto centre = [&] {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return c;
  };
  const COLORREF unpainted = centre();
  ASSERT_NE(GetSysColor(COLOR_HIGHLIGHT), unpainted) << "the test needs a colour the swatch does not show yet";
  PickComboItem(colours, 13);  // "Highlight"
  Settle(500);
  EXPECT_EQ(centre(), GetSysColor(COLOR_HIGHLIGHT));
  PickComboItem(colours, 25);  // "Hot light": the items skip colour 25, which the system lacks
  Settle(500);
  EXPECT_EQ(centre(), GetSysColor(COLOR_HOTLIGHT)) << "the swatch shows colour 26";

  // The cursor picture: empty for "-1: None", the arrow's pixels for "0: Default".
  HWND cursors = FindChild(main_, "0: Default", "ComboBox");
  ASSERT_NE(cursors, nullptr);
  HWND picture = nullptr;
  for (HWND h : Descendants(GetParent(cursors)))
    if (ClassName(h) == "OrvaneImage") picture = h;
  ASSERT_NE(picture, nullptr);
  auto pictureColours = [&] {
    const RECT p = ScreenRect(picture);
    HDC screen = GetDC(nullptr);
    std::set<COLORREF> seen;
    for (int y = p.top; y < p.bottom; y += 2)
      for (int x = p.left; x < p.right; x += 2) seen.insert(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return seen.size();
  };
  EXPECT_GT(pictureColours(), 1u) << "the arrow shows at start-up";
  PickComboItem(cursors, 1);
  Settle(500);
  EXPECT_EQ(pictureColours(), 1u) << "\"None\" leaves the picture empty";
  PickComboItem(cursors, 0);
  Settle(500);
  EXPECT_GT(pictureColours(), 1u);
  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(main_, ShotPath("e2e-other-page.png")));
  }
}

// The system's scroll-bar loop pumps the messages while a dropped list's thumb is held: the Other
// page goes on refreshing meanwhile, and its mouse position follows the pointer through the drag.
TEST_F(DisksOther, TheMousePositionFollowsThePointerWhileAListsThumbIsDragged) {
  ShowPage(4);
  HWND combo = nullptr;  // the system colours: more entries than the list shows at once
  for (HWND h : Descendants(main_))
    if (ClassName(h) == "ComboBox" && IsWindowVisible(h) && SendMessageA(h, CB_GETCOUNT, 0, 0) > 12) combo = h;
  ASSERT_NE(combo, nullptr);
  HWND mouse = ValueOf("Mouse positions:");
  ASSERT_NE(mouse, nullptr);
  // Drops the list down, presses its thumb and drags it for 2 s, 10 positions of 200 ms; counts the
  // positions the panel showed. False when the press missed the thumb (the list did not scroll).
  int shown = 0;
  auto drag = [&]() -> bool {
    const RECT c = ScreenRect(combo);
    MouseTo((c.left + c.right) / 2, (c.top + c.bottom) / 2);
    MouseLeftClick();
    HWND list = nullptr;
    for (DWORD waited = 0; !list && waited < 3000; waited += 50, Sleep(50))
      for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "ComboLBox", nullptr)) != nullptr;) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == orvane_.ProcessId() && IsWindowVisible(w)) list = w;
      }
    if (!list) return false;
    Settle(300);
    // The thumb lies at the top of the scroll bar, just below its up arrow.
    const RECT l = ScreenRect(list);
    const int x = l.right - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int y = l.top + 1 + GetSystemMetrics(SM_CYVSCROLL) + 4;
    MouseTo(x, y);
    MouseLeft(true);
    shown = 0;
    for (int i = 1; i <= 10; ++i) {
      const int py = y + i * 3;
      MouseTo(x, py);
      Sleep(200);
      shown += WindowText(mouse) == std::to_string(x) + " x " + std::to_string(py);
    }
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    MouseLeft(false);
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    Settle(300);
    return top > 0;
  };
  bool scrolled = false;
  for (int attempt = 0; attempt < 3 && !scrolled; ++attempt) scrolled = drag();
  ASSERT_TRUE(scrolled) << "the drag never scrolled the list: no scroll loop ran";
  EXPECT_EQ(shown, 10) << "of 10 pointer positions shown during the drag";
}

}  // namespace
}  // namespace e2e
