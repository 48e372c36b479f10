// The about box's texts: caption, build stamp and the read-me path beside the program.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "about/about_texts.hpp"

namespace {

using about::FormatBuildStamp;

TEST(AboutTexts, CaptionKeepsItsBlankForAnEmptyText) {
  EXPECT_EQ(about::AboutCaption("Orvane v1.61 beta"), "About Orvane v1.61 beta");
  EXPECT_EQ(about::AboutCaption(""), "About ");
}

TEST(AboutTexts, BuildStampNamesToolWeekdayDateAndTimeOnTwoLines) {
  EXPECT_EQ(FormatBuildStamp("MinGW-w64 GCC 12.2", "Feb 18 2003", "08:34:12"),
            "Compiled in MinGW-w64 GCC 12.2 on \r\nTuesday, February 18, 2003 - 08:34");
  // The compiler pads a one-digit day with a blank; the stamp shows the day without it.
  EXPECT_EQ(FormatBuildStamp("T", "Jan  1 2000", "00:00:59"), "Compiled in T on \r\nSaturday, January 1, 2000 - 00:00");
  // Around leap days and century years.
  EXPECT_EQ(FormatBuildStamp("T", "Feb 29 2024", "23:59:59"), "Compiled in T on \r\nThursday, February 29, 2024 - 23:59");
  EXPECT_EQ(FormatBuildStamp("T", "Dec 31 1999", "12:00:00"), "Compiled in T on \r\nFriday, December 31, 1999 - 12:00");
  EXPECT_EQ(FormatBuildStamp("T", "Mar  1 2100", "07:05:00"), "Compiled in T on \r\nMonday, March 1, 2100 - 07:05");
  EXPECT_EQ(FormatBuildStamp("T", "Feb 29 2000", "07:05:00"), "Compiled in T on \r\nTuesday, February 29, 2000 - 07:05")
      << "a century divisible by 400 is a leap year";
  EXPECT_EQ(FormatBuildStamp("T", "Mar  1 1900", "07:05:00"), "Compiled in T on \r\nThursday, March 1, 1900 - 07:05");
}

TEST(AboutTexts, ADateThatIsNoDateIsShownAsGiven) {
  EXPECT_EQ(FormatBuildStamp("T", "Feb 29 2023", "08:34:12"), "Compiled in T on \r\nFeb 29 2023 - 08:34");
  EXPECT_EQ(FormatBuildStamp("T", "Feb 29 1900", "08:34:12"), "Compiled in T on \r\nFeb 29 1900 - 08:34")
      << "a century not divisible by 400 is no leap year";
  EXPECT_EQ(FormatBuildStamp("T", "Feb 30 2024", "08:34:12"), "Compiled in T on \r\nFeb 30 2024 - 08:34");
  EXPECT_EQ(FormatBuildStamp("T", "??? ?? ????", "??:??:??"), "Compiled in T on \r\n??? ?? ???? - ??:??");
  EXPECT_EQ(FormatBuildStamp("T", "", ""), "Compiled in T on \r\n - ");
}

TEST(AboutTexts, ThisBuildsStampIsARealDayNoLaterThanToday) {
  const std::string stamp = about::BuildStamp();
  static const std::regex kStamp(
      "Compiled in [^\r\n]+ on \r\n([A-Za-z]+), ([A-Za-z]+) ([1-9][0-9]?), ([0-9]{4}) - ([01][0-9]|2[0-3]):[0-5][0-9]");
  std::smatch m;
  ASSERT_TRUE(std::regex_match(stamp, m, kStamp)) << stamp;
  static constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
  static constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  unsigned month = 0;
  while (month < 12 && m[2] != kMonths[month]) ++month;
  ASSERT_LT(month, 12u) << stamp;
  using namespace std::chrono;
  const year_month_day date{year{std::stoi(m[4])}, std::chrono::month{month + 1}, day{static_cast<unsigned>(std::stoi(m[3]))}};
  ASSERT_TRUE(date.ok()) << stamp;
  EXPECT_EQ(m[1], kDays[weekday{sys_days{date}}.c_encoding()]) << stamp;
  EXPECT_LE(sys_days{date}, floor<days>(system_clock::now()) + days{1}) << "built before this test runs";
}

TEST(AboutTexts, ReadmeLiesInTheExecutablesFolderBlanksAndAll) {
  EXPECT_EQ(about::ReadmePath("C:\\Program Files\\Orvane Tools\\Orvane.exe"),
            "C:\\Program Files\\Orvane Tools\\Readme.txt");
  EXPECT_EQ(about::ReadmePath("C:\\Orvane.exe"), "C:\\Readme.txt");
  EXPECT_EQ(about::ReadmePath("\\\\server\\my share\\Orvane.exe"), "\\\\server\\my share\\Readme.txt");
  EXPECT_EQ(about::ReadmePath("C:Orvane.exe"), "C:Readme.txt");
  EXPECT_EQ(about::ReadmePath(""), "Readme.txt");
}

}  // namespace
