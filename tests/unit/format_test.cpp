#include "funclib/format.hpp"

#include <gtest/gtest.h>

using funclib::FormatNumber;

namespace {

platform::FormatSettings English() { return {}; }
platform::FormatSettings German() {
  platform::FormatSettings fs;
  fs.thousandSeparator = ".";
  fs.decimalSeparator = ",";
  return fs;
}

TEST(FormatNumber, GroupsThousandsWithTheLocaleSeparator) {
  EXPECT_EQ(FormatNumber(0, 0, English()), "0");
  EXPECT_EQ(FormatNumber(999, 0, English()), "999");
  EXPECT_EQ(FormatNumber(1000, 0, English()), "1,000");
  EXPECT_EQ(FormatNumber(1048576, 0, English()), "1,048,576");
  EXPECT_EQ(FormatNumber(123456789012.0, 0, English()), "123,456,789,012");
  EXPECT_EQ(FormatNumber(1048576.25, 1, German()), "1.048.576,3");
  EXPECT_EQ(FormatNumber(-2048, 0, English()), "-2,048");
}

TEST(FormatNumber, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatNumber(0.5, 0, English()), "1");
  EXPECT_EQ(FormatNumber(1.5, 0, English()), "2");
  EXPECT_EQ(FormatNumber(2.5, 0, English()), "3");  // printf would give 2
  EXPECT_EQ(FormatNumber(-2.5, 0, English()), "-3");
  EXPECT_EQ(FormatNumber(37.25, 1, English()), "37.3");
  EXPECT_EQ(FormatNumber(0.15, 1, English()), "0.2");  // the decimal the user means, not its binary neighbour
  EXPECT_EQ(FormatNumber(2.449, 1, English()), "2.4");
  EXPECT_EQ(FormatNumber(999.95, 1, English()), "1,000.0");  // a carry that adds a digit and a separator
  EXPECT_EQ(FormatNumber(999999.5, 0, English()), "1,000,000");
}

TEST(FormatNumber, NeverShowsMinusZero) {
  EXPECT_EQ(FormatNumber(-0.0, 0, English()), "0");
  EXPECT_EQ(FormatNumber(-0.4, 0, English()), "0");
  EXPECT_EQ(FormatNumber(-0.04, 1, English()), "0.0");
  EXPECT_EQ(FormatNumber(-0.05, 1, English()), "-0.1");
}

TEST(FormatNumber, PadsDecimalsAndHandlesLargeAndOddValues) {
  EXPECT_EQ(FormatNumber(37.5, 1, English()), "37.5");
  EXPECT_EQ(FormatNumber(100, 1, English()), "100.0");
  EXPECT_EQ(FormatNumber(1e-9, 2, English()), "0.00");
  // 24 GiB in KiB, above anything 32 bits hold.
  EXPECT_EQ(FormatNumber(25769803776.0 / 1024, 0, English()), "25,165,824");
  EXPECT_EQ(FormatNumber(18446744073709551615.0, 0, English()), "18,446,744,073,709,551,616");
  EXPECT_EQ(FormatNumber(1.0 / 0.0, 0, English()), "INF");
}

}  // namespace
