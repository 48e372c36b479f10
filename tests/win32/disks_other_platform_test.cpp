// The drive, clock, desktop, printer and locale-name wrappers against Wine's real Win32, each
// compared with the system's own answer.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.hpp"
#include "platform/desktop.hpp"
#include "platform/disks.hpp"
#include "platform/locale.hpp"
#include "platform/printers.hpp"

namespace {

// A function of kernel32 that older systems lack, or nullptr.
template <class Fn>
Fn Kernel32Function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// A drive letter that does not exist here.
char MissingLetter() {
  const DWORD mask = GetLogicalDrives();
  for (int i = 25; i >= 3; --i)
    if (!(mask & (1u << i))) return static_cast<char>('A' + i);
  return 0;
}

TEST(Disks, VolumeOfCMatchesTheSystemsOwnQuery) {
  EXPECT_TRUE(platform::QueryLogicalDrives() & (1u << 2)) << "C: exists";
  char label[MAX_PATH + 1], fs[MAX_PATH + 1];
  DWORD serial = 0, maxLength = 0, flags = 0;
  ASSERT_TRUE(GetVolumeInformationA("C:\\", label, sizeof label, &serial, &maxLength, &flags, fs, sizeof fs));
  platform::VolumeInfo v;
  ASSERT_TRUE(platform::QueryVolumeInfo("C:\\", v));
  EXPECT_EQ(v.label, label);
  EXPECT_EQ(v.serial, serial);
  EXPECT_EQ(v.maxComponentLength, maxLength);
  EXPECT_EQ(v.flags, flags);
  EXPECT_EQ(v.fileSystem, fs);
}

TEST(Disks, SizesAndTypeOfC) {
  std::uint64_t freeBytes = 0, total = 0;
  ASSERT_TRUE(platform::QueryDiskSpace("C:\\", freeBytes, total));
  ULARGE_INTEGER avail, bytes;
  ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &avail, &bytes, nullptr));
  EXPECT_EQ(total, bytes.QuadPart);
  EXPECT_GT(total, 0u);
  EXPECT_LE(freeBytes, total);
  EXPECT_EQ(platform::QueryDriveType("C:\\"), 3u);
}

TEST(Disks, MissingDriveFailsWithoutABox) {
  const char letter = MissingLetter();
  ASSERT_NE(letter, 0);
  const std::string root{letter, ':', '\\'};
  const platform::CriticalErrorsFail quiet;
  platform::VolumeInfo v;
  EXPECT_FALSE(platform::QueryVolumeInfo(root, v));
  std::uint64_t freeBytes = 7, total = 7;
  EXPECT_FALSE(platform::QueryDiskSpace(root, freeBytes, total));
  EXPECT_EQ(platform::QueryDriveType(root), 1u) << "no root directory";
}

TEST(Disks, CriticalErrorsFailOnlyWhileTheGuardLives) {
  const auto getMode = Kernel32Function<DWORD(WINAPI*)()>("GetThreadErrorMode");
  ASSERT_NE(getMode, nullptr);
  const auto setMode = Kernel32Function<BOOL(WINAPI*)(DWORD, LPDWORD)>("SetThreadErrorMode");
  ASSERT_NE(setMode, nullptr);
  DWORD original = 0;
  // From known modes, not whatever earlier tests left: a guard that never restores must fail.
  for (const DWORD start : {DWORD{0}, DWORD{SEM_NOGPFAULTERRORBOX}}) {
    ASSERT_TRUE(setMode(start, start == 0 ? &original : nullptr));
    {
      const platform::CriticalErrorsFail quiet;
      EXPECT_TRUE(getMode() & SEM_FAILCRITICALERRORS) << start;
    }
    EXPECT_EQ(getMode(), start) << "the mode the guard found is back";
  }
  setMode(original, nullptr);
}

TEST(Clock, TickCountIsTheSystems64BitCount) {
  const auto tick64 = Kernel32Function<ULONGLONG(WINAPI*)()>("GetTickCount64");
  ASSERT_NE(tick64, nullptr);
  const ULONGLONG before = tick64();
  const std::uint64_t ours = platform::QueryTickCount();
  const ULONGLONG after = tick64();
  EXPECT_GE(ours, before);
  EXPECT_LE(ours, after);
}

TEST(Clock, LocalTimeIsTheSystems) {
  SYSTEMTIME st;
  GetLocalTime(&st);
  const platform::LocalDateTime t = platform::QueryLocalTime();
  EXPECT_EQ(t.year, st.wYear);
  EXPECT_EQ(t.dayOfWeek, st.wDayOfWeek);
  EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second, st.wHour * 3600 + st.wMinute * 60 + st.wSecond)
      << "within the same second (rarely off by one at a second's turn)";
}

TEST(Desktop, CursorPositionAndSystemColours) {
  ASSERT_TRUE(SetCursorPos(123, 45));
  platform::ScreenPoint p;
  ASSERT_TRUE(platform::QueryCursorPos(p));
  EXPECT_EQ(p.x, 123);
  EXPECT_EQ(p.y, 45);
  for (int index : {COLOR_SCROLLBAR, COLOR_INFOBK, COLOR_HOTLIGHT, COLOR_GRADIENTINACTIVECAPTION})
    EXPECT_EQ(platform::QuerySysColor(index), GetSysColor(index)) << index;
}

TEST(Printers, BothQueriesListWhatTheSpoolerHas) {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
  std::string buffer(needed, '\0');
  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4,
                            reinterpret_cast<BYTE*>(buffer.data()), needed, &needed, &count));
  const auto nt = platform::EnumeratePrinters(true);
  ASSERT_EQ(nt.size(), count);
  for (DWORD i = 0; i < count; ++i)
    EXPECT_EQ(nt[i].name, reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data())[i].pPrinterName);
  for (const auto& p : platform::EnumeratePrinters(false)) EXPECT_FALSE(p.name.empty());
}

TEST(Locale, DayAndMonthNamesAreTheLocales) {
  const platform::FormatSettings fs = platform::GetFormatSettings();
  char buf[96];
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME7, buf, sizeof buf), 0);
  EXPECT_EQ(fs.shortDayNames[0], buf) << "Sunday first";
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME6, buf, sizeof buf), 0);
  EXPECT_EQ(fs.shortDayNames[6], buf);
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME12, buf, sizeof buf), 0);
  EXPECT_EQ(fs.longMonthNames[11], buf);
}

}  // namespace
