#include "funclib/format.hpp"

#include <gtest/gtest.h>

#include <limits>

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

// Where rounding from the first 15 significant digits decides: the 16th digit, integer parts of
// 15 digits and more, negatives that round to zero. Expectations from exact decimal arithmetic.
TEST(FormatNumber, RoundsFromFifteenSignificantDigits) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {2.675, 2, "2.68"},                  // 2.67499999999999982236...
      {1.005, 2, "1.01"},                  // 1.00499999999999989341...: the 16th digit rounds up
      {1.004999999999994, 2, "1.00"},      // 1.00499999999999389821...: and here down
      {0.4999999999999999, 0, "1"},        // 0.49999999999999988897...: a carry through 15 nines
      {0.004999999999999999, 2, "0.01"},   // the same behind leading zeros
      {0.0009999999999999998, 2, "0.00"},  // the carry stops short of the shown digits
      {0.1, 18, "0.100000000000000000"},   // no binary noise after the 15th digit
      {123456789.12345679, 8, "123,456,789.12345700"},
      {99999999999999.95, 1, "100,000,000,000,000.0"},  // 99999999999999.953125 at 15 digits
      {1e15 + 0.5, 1, "1,000,000,000,000,001.0"},       // 16 integer digits: rounded at the units
      {123456789012345678.0, 0, "123,456,789,012,345,680"},
      {1e20, 0, "100,000,000,000,000,000,000"},  // the first value of three 32-bit limbs' digits
      {2e20, 1, "200,000,000,000,000,000,000.0"},
      {1e25, 0, "10,000,000,000,000,000,905,969,664"},
      {1.23456789e23, 0, "123,456,789,000,000,003,637,248"},
      {1267650600228229401496703205376.0, 0, "1,267,650,600,228,229,401,496,703,205,376"},  // 2^100
      {-0.0499999999999999, 1, "0.0"},
      {-0.04999999999999999, 1, "-0.1"},
      {-0.4999999999999999, 0, "-1"},
      {-1e-300, 2, "0.00"},
      {-5e-324, 18, "0.000000000000000000"},
      {-4.999999999999999e-19, 18, "-0.000000000000000001"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.decimals, English()), c.text);

  // The largest double: 309 exact digits in 103 groups.
  const std::string max = FormatNumber(std::numeric_limits<double>::max(), 0, English());
  EXPECT_EQ(max.size(), 309u + 102u);
  EXPECT_EQ(max.substr(0, 24), "179,769,313,486,231,570,");
  EXPECT_EQ(max.substr(max.size() - 12), ",124,858,368");
}

}  // namespace
