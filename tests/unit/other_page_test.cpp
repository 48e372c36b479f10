// The Other page: uptime texts past every rollover, dates in the locale's words, a start time that
// is worked out once, the mouse position, the colour items and the printer entries.
#include "form/other_page.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

std::string Uptime(std::uint64_t ms) {
  std::string s;
  AppendUptime(s, ms);
  return s;
}

std::string DateTime(const platform::LocalDateTime& t, const platform::FormatSettings& fs = {}) {
  std::string s;
  AppendDateTime(s, t, fs);
  return s;
}

platform::LocalDateTime At(int y, int mo, int d, int dow, int h, int mi, int s, int ms = 0) {
  return {y, mo, d, dow, h, mi, s, ms};
}

TEST(Uptime, WholeDaysThenTheClockOfTheLastDay) {
  EXPECT_EQ(Uptime(0), "00 days, 00 hrs, 00 min, 00 sec");
  EXPECT_EQ(Uptime(86'399'999), "00 days, 23 hrs, 59 min, 59 sec") << "a millisecond short of a day";
  EXPECT_EQ(Uptime(86'400'000), "01 days, 00 hrs, 00 min, 00 sec");
  EXPECT_EQ(Uptime(273'903'000), "03 days, 04 hrs, 05 min, 03 sec");
  EXPECT_EQ(Uptime(10 * 86'400'000ull - 1), "09 days, 23 hrs, 59 min, 59 sec");
  EXPECT_EQ(Uptime(10 * 86'400'000ull), "10 days, 00 hrs, 00 min, 00 sec") << "two digits need no padding";
  EXPECT_EQ(Uptime(4'294'967'295), "49 days, 17 hrs, 02 min, 47 sec");
  // A 64-bit count goes on where the 32-bit one would start again from zero.
  EXPECT_EQ(Uptime(4'294'967'296 + 1000), "49 days, 17 hrs, 02 min, 48 sec");
  EXPECT_EQ(Uptime(100ull * 86'400'000 + 61'000), "100 days, 00 hrs, 01 min, 01 sec");
}

TEST(Uptime, HintCountsWholeMinutesSecondsAndMilliseconds) {
  std::string s;
  AppendUptimeHint(s, 61'500);
  EXPECT_EQ(s, "1 minutes\r\n61 seconds\r\n61500 milliseconds");
  s.clear();
  AppendUptimeHint(s, 8'640'000'123);
  EXPECT_EQ(s, "144000 minutes\r\n8640000 seconds\r\n8640000123 milliseconds");
}

TEST(DateTimeText, UsesTheLocalesNamesAndTimeSeparator) {
  EXPECT_EQ(DateTime(At(2026, 12, 7, 1, 9, 5, 3)), "Mon, December 07, 2026 / 09:05:03");
  platform::FormatSettings german;
  german.timeSeparator = ".";
  german.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  german.longMonthNames[2] = "M\xE4rz";
  EXPECT_EQ(DateTime(At(2024, 3, 1, 5, 23, 59, 0), german), "Fr, M\xE4rz 01, 2024 / 23.59.00");
  // A reading no calendar has must not index past the names.
  EXPECT_EQ(DateTime(At(999, 13, 0, 9, 0, 0, 0)), ",  00, 0999 / 00:00:00");
}

TEST(DateTimeText, StartTimeGoesBackOverDaysMonthsAndLeapDays) {
  const auto back = [](const platform::LocalDateTime& t, std::uint64_t ms) { return DateTime(SubtractMilliseconds(t, ms)); };
  EXPECT_EQ(back(At(2024, 3, 1, 5, 0, 0, 0, 0), 1), "Thu, February 29, 2024 / 23:59:59");
  EXPECT_EQ(back(At(2026, 12, 7, 1, 9, 5, 3), 273'903'000), "Fri, December 04, 2026 / 05:00:00");
  EXPECT_EQ(back(At(2025, 1, 1, 3, 0, 0, 30, 500), 30'500), "Wed, January 01, 2025 / 00:00:00");
  EXPECT_EQ(back(At(2025, 1, 1, 3, 0, 0, 0, 0), 4'294'967'296 + 86'400'000), "Mon, November 11, 2024 / 06:57:12")
      << "a count past 2^32";
}

// The first four-digit year: no padding, the century rule (1000 is no leap year), its weekdays.
TEST(DateTimeText, TheYearOneThousand) {
  EXPECT_EQ(DateTime(At(1000, 1, 1, 3, 12, 0, 0)), "Wed, January 01, 1000 / 12:00:00");
  EXPECT_EQ(DateTime(SubtractMilliseconds(At(1000, 3, 1, 6, 0, 0, 0), 1)), "Fri, February 28, 1000 / 23:59:59");
  EXPECT_EQ(funclib::DaysFromCivil(1000, 1, 1), -354285);
  EXPECT_FALSE(funclib::IsValidDate(1000, 2, 29));
  std::string iso;
  funclib::AppendIsoDateTime(iso, At(1000, 12, 31, 2, 23, 59, 58));
  funclib::AppendUtcOffset(iso, 0);
  EXPECT_EQ(iso, "1000-12-31T23:59:58+00:00");
}

TEST(SysColorItems, SkipTheColourTheSystemDoesNotHave) {
  EXPECT_EQ(SysColorIndex(0), 0);
  EXPECT_EQ(SysColorIndex(24), 24);
  EXPECT_EQ(SysColorIndex(25), 26);
  EXPECT_EQ(SysColorIndex(27), 28);
  EXPECT_EQ(SysColorIndex(-1), -1);
  EXPECT_EQ(SysColorIndex(28), -1);
}

TEST(PrinterList, NtNamesOrOneEntryPerPort) {
  const std::vector<platform::PrinterInfo> printers{{"Laser", "LPT1:, FILE:"}, {"Ink", "USB001"}, {"Fax", ""}};
  EXPECT_EQ(PrinterEntries(printers, true), (std::vector<std::string>{"Laser", "Ink", "Fax"}));
  EXPECT_EQ(PrinterEntries(printers, false),
            (std::vector<std::string>{"Laser on LPT1:", "Laser on FILE:", "Ink on USB001"}));
}

class OtherPage : public OrvaneTest {
 protected:
  TFormOrvane& Page() {
    form_ = std::make_unique<RecordingForm>(app_);
    form_->FormCreate();
    return *form_;
  }
  void Update() { form_->TFormOrvane::OtherPage_Update(); }
};

TEST_F(OtherPage, StartTimeIsSetOnceWhileTheClockRuns) {
  auto& clock = fake::Fake().clock;
  clock.tickCount = 273'903'000;
  clock.localTime = At(2026, 12, 7, 1, 9, 5, 3);
  auto& f = Page();
  EXPECT_EQ(f.CompStart_Panel.Caption(), "n/a");
  Update();
  EXPECT_EQ(f.CurTime_Panel.Caption(), "Mon, December 07, 2026 / 09:05:03");
  EXPECT_EQ(f.UpTime_Panel.Caption(), "03 days, 04 hrs, 05 min, 03 sec");
  EXPECT_EQ(f.UpTime_Panel.Hint(), "4565 minutes\r\n273903 seconds\r\n273903000 milliseconds");
  EXPECT_EQ(f.CompStart_Panel.Caption(), "Fri, December 04, 2026 / 05:00:00");
  EXPECT_EQ(f.CompStart_Panel.Tag(), 1);
  clock.tickCount += 2'000;
  clock.localTime.second += 1;  // a clock that drifts against the tick count
  Update();
  EXPECT_EQ(f.CurTime_Panel.Caption(), "Mon, December 07, 2026 / 09:05:04");
  EXPECT_EQ(f.UpTime_Panel.Caption(), "03 days, 04 hrs, 05 min, 05 sec");
  EXPECT_EQ(f.CompStart_Panel.Caption(), "Fri, December 04, 2026 / 05:00:00") << "never recomputed";
}

TEST_F(OtherPage, MousePositionOrNotAvailable) {
  auto& f = Page();
  fake::Fake().desktop.cursor = platform::ScreenPoint{-1280, 1023};  // a monitor left of the main one
  Update();
  EXPECT_EQ(f.MouPos_Panel.Caption(), "-1280 x 1023");
  fake::Fake().desktop.cursor.reset();
  Update();
  EXPECT_EQ(f.MouPos_Panel.Caption(), "n/a");
}

TEST_F(OtherPage, ColourItemsPaintTheSwatchWithTheirSystemColour) {
  auto& f = Page();
  EXPECT_EQ(f.SysColor_Panel.Parent(), &f.Misc_Grp) << "the swatch sits in the \"Other Stuff\" group";
  const widgets::Color layout = f.SysColor_Panel.GetColor();
  EXPECT_TRUE(fake::Fake().desktop.colourQueries.empty()) << "start-up selects item 0 without painting it";
  for (const auto& [item, index] : {std::pair{24, 24}, {25, 26}, {27, 28}}) {
    f.SysColor_Combo.Select(item);
    EXPECT_EQ(fake::Fake().desktop.colourQueries.back(), index) << f.SysColor_Combo.Text();
    EXPECT_EQ(f.SysColor_Panel.GetColor(), 0x010101u * index);
  }
  EXPECT_NE(layout, f.SysColor_Panel.GetColor());
}

TEST_F(OtherPage, CursorItemsShowTheirScreenCursor) {
  app_.SetCursorHandle(widgets::crDefault, 0x510);
  app_.SetCursorHandle(widgets::crSizeAll, 0x522);
  TFormOrvane f(app_);
  f.FormCreate();
  EXPECT_EQ(f.SysCursor_Image.Icon(), 0x510u) << "start-up shows cursor 0, the arrow";
  f.Cursor_Combo.Select(1);
  EXPECT_EQ(f.SysCursor_Image.Icon(), 0u) << "-1: None empties the picture";
  f.Cursor_Combo.Select(22);
  EXPECT_EQ(f.SysCursor_Image.Icon(), 0x522u);
  f.Cursor_Combo.Select(0);
  EXPECT_EQ(f.SysCursor_Image.Icon(), 0x510u);
}

TEST_F(OtherPage, PrinterListFollowsThePlatformFamily) {
  fake::Fake().printers.installed = {{"Laser", "LPT1:,COM2:"}};
  fake::Fake().sysinfo.version->platformId = 1;
  auto& f = Page();
  EXPECT_EQ(fake::Fake().printers.queries, std::vector<bool>{false});
  EXPECT_EQ(f.Printers_Combo.Items(), (std::vector<std::string>{"Laser on LPT1:", "Laser on COM2:"}));
  EXPECT_EQ(f.Printers_Combo.ItemIndex(), 0);

  fake::ResetFake();
  auto& g = Page();
  EXPECT_EQ(fake::Fake().printers.queries, std::vector<bool>{true});
  EXPECT_TRUE(g.Printers_Combo.Items().empty());
  EXPECT_EQ(g.Printers_Combo.ItemIndex(), -1) << "no selection in an empty list";
}

}  // namespace
}  // namespace testing_orvane
