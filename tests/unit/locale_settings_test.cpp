// The user's separators: read once at start, again on a change of the locale settings, and used
// from the next refresh on; an empty decimal separator reads as ".".
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

using LocaleSettings = OrvaneTest;

TEST_F(LocaleSettings, AnEmptyDecimalSeparatorFallsBackToAPoint) {
  fake::Fake().format.decimalSeparator = "";
  fake::Fake().format.thousandSeparator = "";
  auto& f = Start();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37.5%)   393216 k") << "an empty thousands separator stays empty";
}

TEST_F(LocaleSettings, ALocaleChangeShowsFromTheNextRefreshAndTicksNeverReadIt) {
  auto& f = Start();
  const int reads = fake::Fake().formatReads;
  Tick();
  Tick();
  EXPECT_EQ(fake::Fake().formatReads, reads) << "a refresh must not read the locale";

  fake::Fake().format.thousandSeparator = " ";  // the blank that stands for a no-break space
  fake::Fake().format.decimalSeparator = ",";
  f.SettingChange("Environment");  // another area: the separators stay
  Tick();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37.5%)   393,216 k");

  f.SettingChange("intl");
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37.5%)   393,216 k") << "captions change at the refresh, not before";
  Tick();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37,5%)   393 216 k");
  EXPECT_EQ(f.RamSize_Panel.Caption(), "1 048 576 k");
  EXPECT_EQ(fake::Fake().formatReads, reads + 1);

  fake::Fake().format.decimalSeparator = "";
  f.SettingChange("");  // a change that names no area is read as well
  Tick();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37.5%)   393 216 k");
}

}  // namespace
}  // namespace testing_orvane
