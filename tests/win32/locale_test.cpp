#include <windows.h>

#include <gtest/gtest.h>

#include "platform/locale.hpp"

namespace {

std::string LocaleText(LCTYPE what) {
  char buf[16] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buf, sizeof buf);
  return buf;
}

// Sets a user locale value for the test's lifetime.
class UserLocaleValue {
 public:
  UserLocaleValue(LCTYPE what, const char* value) : what_(what), saved_(LocaleText(what)) {
    SetLocaleInfoA(LOCALE_USER_DEFAULT, what_, value);
  }
  ~UserLocaleValue() { SetLocaleInfoA(LOCALE_USER_DEFAULT, what_, saved_.c_str()); }

 private:
  LCTYPE what_;
  std::string saved_;
};

TEST(Locale, ReportsTheUsersSeparators) {
  const platform::FormatSettings fs = platform::GetFormatSettings();
  EXPECT_EQ(fs.thousandSeparator, LocaleText(LOCALE_STHOUSAND));
  EXPECT_EQ(fs.decimalSeparator, LocaleText(LOCALE_SDECIMAL));
  EXPECT_EQ(fs.timeSeparator, LocaleText(LOCALE_STIME));
  EXPECT_FALSE(fs.decimalSeparator.empty());
}

TEST(Locale, FollowsAChangeOfTheUsersSettings) {
  UserLocaleValue thousand(LOCALE_STHOUSAND, "'");
  UserLocaleValue decimal(LOCALE_SDECIMAL, ",");
  const platform::FormatSettings fs = platform::GetFormatSettings();
  EXPECT_EQ(fs.thousandSeparator, "'");
  EXPECT_EQ(fs.decimalSeparator, ",");
}

}  // namespace
