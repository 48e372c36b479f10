#include <windows.h>

#include <gtest/gtest.h>

#include "platform/locale.hpp"
#include "tests/win32/win32_fixture.hpp"

namespace {

std::string LocaleText(LCTYPE what) {
  char buf[16] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buf, sizeof buf);
  return buf;
}

// Sets a user locale value for the test's lifetime.
class UserLocaleValue {
 public:
  UserLocaleValue(LCTYPE what, const char* value) : what_(what), saved_(WideText(what)) {
    SetLocaleInfoA(LOCALE_USER_DEFAULT, what_, value);
  }
  UserLocaleValue(LCTYPE what, const wchar_t* value) : what_(what), saved_(WideText(what)) {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, what_, value);
  }
  ~UserLocaleValue() { SetLocaleInfoW(LOCALE_USER_DEFAULT, what_, saved_.c_str()); }

 private:
  static std::wstring WideText(LCTYPE what) {
    wchar_t buf[16] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, what, buf, 16);
    return buf;
  }
  LCTYPE what_;
  std::wstring saved_;
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

TEST(Locale, ASeparatorNoCodePageHoldsStaysWhole) {
  // The narrow no-break space that French and several other locales group thousands with.
  UserLocaleValue thousand(LOCALE_STHOUSAND, L"\x202F");
  UserLocaleValue decimal(LOCALE_SDECIMAL, L"\x066B");  // the Arabic decimal separator
  const platform::FormatSettings fs = platform::GetFormatSettings();
  EXPECT_EQ(fs.thousandSeparator, "\xE2\x80\xAF");
  EXPECT_EQ(fs.decimalSeparator, "\xD9\xAB");
}

// The total memory in KiB as the Memory page must show it, grouped with `separator`.
std::string TotalKiB(const std::string& separator) {
  MEMORYSTATUSEX ms{};
  ms.dwLength = sizeof ms;
  EXPECT_TRUE(GlobalMemoryStatusEx(&ms));
  const std::string digits = std::to_string((ms.ullTotalPhys + 512) / 1024);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out + " k";
}

using LocaleOnTheMemoryPage = win32_tests::RealWindow;

TEST_F(LocaleOnTheMemoryPage, ASeparatorChangeShowsAfterTheSettingChangeMessage) {
  HWND ramSize = Hwnd(form_->RamSize_Panel);
  const std::string before = LocaleText(LOCALE_STHOUSAND);
  ASSERT_NE(before, "'");
  ASSERT_GE(TotalKiB("").size(), 6u) << "the total needs a thousands group for this test";
  EXPECT_EQ(win32_tests::Text(ramSize), TotalKiB(before));

  UserLocaleValue thousand(LOCALE_STHOUSAND, L"\x202F");  // a narrow no-break space: in no ANSI code page
  form_->Timer1.Tick();
  EXPECT_EQ(win32_tests::Text(ramSize), TotalKiB(before)) << "the separators are read on the message only";

  SendMessageW(main_, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
  form_->Timer1.Tick();
  EXPECT_EQ(win32_tests::Text(ramSize), TotalKiB("\xE2\x80\xAF"));
}

}  // namespace
