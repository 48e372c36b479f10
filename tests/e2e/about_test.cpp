// The about box as the user meets it: F1 or "&About" opens it, modal over the main window, with
// the caption, the maker's title and the build stamp of this very program; a key that types a
// character closes it, an arrow key does not, and each opening makes a new window.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

const char* const kAboutCaption = "About Orvane v1.61 beta";

class About : public OrvaneWindow {
 protected:
  // The about box of this Orvane process, waited for; nullptr if it does not come.
  HWND WaitForBox(DWORD timeoutMs = 5000) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
      for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, kAboutCaption)) != nullptr;) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == orvane_.ProcessId() && IsWindowVisible(w)) return w;
      }
      Sleep(50);
    }
    return nullptr;
  }
  static bool WaitGone(HWND box, DWORD timeoutMs = 5000) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
      if (!IsWindow(box)) return true;
      Sleep(50);
    }
    return false;
  }
};

// The stamp's second line, "Tuesday, February 18, 2003 - 08:34", read back as a time; false when
// it is not in that form or names the wrong weekday for its date.
bool ParseStampTime(const std::string& line, SYSTEMTIME* out, std::string* why) {
  static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  static const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  char weekday[16] = {}, month[16] = {};
  int day = 0, year = 0, hour = 0, minute = 0;
  if (std::sscanf(line.c_str(), "%15[A-Za-z], %15[A-Za-z] %d, %d - %d:%d", weekday, month, &day, &year, &hour,
                  &minute) != 6) {
    *why = "not in the long date form";
    return false;
  }
  SYSTEMTIME st{};
  for (int m = 0; m < 12; ++m)
    if (std::strcmp(month, kMonths[m]) == 0) st.wMonth = static_cast<WORD>(m + 1);
  st.wYear = static_cast<WORD>(year);
  st.wDay = static_cast<WORD>(day);
  st.wHour = static_cast<WORD>(hour);
  st.wMinute = static_cast<WORD>(minute);
  FILETIME ft;
  if (!st.wMonth || !SystemTimeToFileTime(&st, &ft) || !FileTimeToSystemTime(&ft, out)) {
    *why = "no such date";
    return false;
  }
  if (std::strcmp(weekday, kDays[out->wDayOfWeek]) != 0) {
    *why = std::string("that date is a ") + kDays[out->wDayOfWeek];
    return false;
  }
  return true;
}

ULONGLONG Minutes(const SYSTEMTIME& st) {
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  return ((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 600000000ULL;
}

TEST_F(About, F1OpensTheBoxModallyAndACharacterKeyClosesIt) {
  PostMessageA(main_, WM_KEYDOWN, VK_F1, 0);
  HWND box = WaitForBox();
  ASSERT_NE(box, nullptr) << "F1 did not open \"" << kAboutCaption << "\"";
  EXPECT_EQ(ClassName(box), "TFormAbout");
  EXPECT_EQ(GetWindow(box, GW_OWNER), main_) << "the box belongs to the main window";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes no input while the box is up";
  EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  const SIZE client = ClientSize(box);
  EXPECT_EQ(client.cx, 236);
  EXPECT_EQ(client.cy, 162);
  EXPECT_NE(FindChild(box, "Kelvo Productions", "Static"), nullptr);
  EXPECT_NE(FindChild(box, "www.kelvo.example", "Static"), nullptr);

  // The stamp: the compiler, then the date and time this program was built, which is shortly
  // before the exe file was written.
  HWND stamp = nullptr;
  for (HWND c : Descendants(box))
    if (WindowText(c).rfind("Compiled in ", 0) == 0) stamp = c;
  ASSERT_NE(stamp, nullptr);
  const std::string text = WindowText(stamp);
  const size_t br = text.find("\r\n");
  ASSERT_NE(br, std::string::npos) << text;
  EXPECT_EQ(text.substr(br - 4, 4), " on ") << text;
  SYSTEMTIME built{};
  std::string why;
  ASSERT_TRUE(ParseStampTime(text.substr(br + 2), &built, &why)) << text << ": " << why;
  WIN32_FILE_ATTRIBUTE_DATA exe{};
  ASSERT_TRUE(GetFileAttributesExA(WindowsPath(TheEnv().orvane).c_str(), GetFileExInfoStandard, &exe));
  FILETIME local;
  SYSTEMTIME written;
  FileTimeToLocalFileTime(&exe.ftLastWriteTime, &local);
  FileTimeToSystemTime(&local, &written);
  EXPECT_LE(Minutes(built), Minutes(written)) << text;
  EXPECT_LE(Minutes(written) - Minutes(built), 120u) << "the stamp is not this build's: " << text;

  if (!TheEnv().shots.empty()) {
    EXPECT_TRUE(Screenshot(box, ShotPath("e2e-about.png")));
  }

  PostMessageA(box, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(box, WM_KEYDOWN, VK_F1, 0);
  PostMessageA(main_, WM_KEYDOWN, VK_F1, 0);  // the disabled main window's short-cut does nothing
  EXPECT_FALSE(WaitGone(box, 800)) << "a key that types nothing closed the box";
  for (HWND w : OtherTopWindows(orvane_.ProcessId(), main_)) EXPECT_EQ(w, box) << "another window: " << WindowText(w);

  PostMessageA(box, WM_CHAR, 'x', 0);
  ASSERT_TRUE(WaitGone(box)) << "a letter did not close the box";
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_TRUE(IsWindowVisible(main_));

  // Again from the button: a new box, closed by Esc.
  HWND button = FindChild(main_, "&About", "Button");
  ASSERT_NE(button, nullptr);
  PostMessageA(button, BM_CLICK, 0, 0);
  HWND again = WaitForBox();
  ASSERT_NE(again, nullptr) << "\"&About\" did not open the box";
  PostMessageA(again, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitGone(again)) << "Esc did not close the box";
  EXPECT_TRUE(IsWindow(main_)) << "Esc in the box must not close the main window";
}

}  // namespace
}  // namespace e2e
