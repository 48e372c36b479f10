// The about box's texts: caption, build stamp and the read-me path beside the program.
#include <gtest/gtest.h>

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
}

TEST(AboutTexts, ADateThatIsNoDateIsShownAsGiven) {
  EXPECT_EQ(FormatBuildStamp("T", "Feb 29 2023", "08:34:12"), "Compiled in T on \r\nFeb 29 2023 - 08:34");
  EXPECT_EQ(FormatBuildStamp("T", "Feb 30 2024", "08:34:12"), "Compiled in T on \r\nFeb 30 2024 - 08:34");
  EXPECT_EQ(FormatBuildStamp("T", "??? ?? ????", "??:??:??"), "Compiled in T on \r\n??? ?? ???? - ??:??");
  EXPECT_EQ(FormatBuildStamp("T", "", ""), "Compiled in T on \r\n - ");
}

TEST(AboutTexts, ThisBuildsStampHasTheLongDateForm) {
  const std::string stamp = about::BuildStamp();
  const std::string first = "Compiled in " + about::DevelopmentToolName() + " on \r\n";
  ASSERT_EQ(stamp.substr(0, first.size()), first);
  EXPECT_NE(about::DevelopmentToolName().find("GCC"), std::string::npos) << "built with GCC here";
  const std::regex longDate(
      "(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), "
      "(January|February|March|April|May|June|July|August|September|October|November|December) "
      "[1-9][0-9]?, [0-9]{4} - [0-2][0-9]:[0-5][0-9]");
  EXPECT_TRUE(std::regex_match(stamp.substr(first.size()), longDate)) << stamp;
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
