// The CSV's numbers are the report's: the same rounding, without the field width.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "export/printed.h"
#include "report/format.h"

namespace ss::exporting {
namespace {

// The report's field, trimmed, with the leading zero the CSV always has.
std::string report_value(int d, float v) {
  std::string s = format_f(60, d, v);
  return s.substr(s.find_first_not_of(' '));
}

TEST(CellF, RoundsHalvesAwayFromZeroLikeTheReport) {
  EXPECT_EQ(cell_f(2, 0.125f), "0.13"); // 0.125 is exact: a true half
  EXPECT_EQ(cell_f(2, -0.125f), "-0.13");
  EXPECT_EQ(cell_f(1, 0.25f), "0.3");
  EXPECT_EQ(cell_f(1, 0.35f), "0.3"); // the float just below 0.35
  EXPECT_EQ(cell_f(3, 0.0f), "0.000");
  EXPECT_EQ(cell_f(1, -0.0f), "0.0");
  EXPECT_EQ(cell_f(1, -0.04f), "0.0");    // a negative value that rounds to zero loses its sign
  EXPECT_EQ(cell_f(1, 270.55f), "270.5"); // 270.54998...
  EXPECT_EQ(cell_f(1, 270.5625f), "270.6");
  EXPECT_EQ(cell_f(2, 9.995f), "9.99");        // 9.99499988...
  EXPECT_EQ(cell_f(1, 99999.95f), "100000.0"); // 99999.953125: the carry runs through
}

TEST(CellF, WiderThanAnyColumnAndEmptyWhenUndefined) {
  EXPECT_EQ(cell_f(1, 123456789.0f), "123456792.0"); // the float nearest 123456789
  EXPECT_EQ(cell_f(2, std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(cell_f(2, std::nanf("")), "");
  EXPECT_EQ(cell_f(1, 3.0e38f), report_value(1, 3.0e38f)); // beyond the fast path
}

TEST(CellF, EqualsTheReportFormattingOnManyValues) {
  std::mt19937 gen(20261208);
  std::uniform_int_distribution<std::uint32_t> bits;
  int checked = 0;
  for (int i = 0; i < 60000; ++i) {
    std::uint32_t b = bits(gen);
    float v;
    std::memcpy(&v, &b, sizeof v);
    if (!std::isfinite(v)) continue;
    if (i % 2) v = std::ldexp(std::fmod(v, 1.0f), static_cast<int>(b % 40)); // moderate magnitudes
    for (int d = 1; d <= 4; ++d) ASSERT_EQ(cell_f(d, v), report_value(d, v)) << v << " d=" << d;
    ++checked;
  }
  // Every tie a float can hold at one and two decimals below 1000.
  for (int n = 0; n < 40000; ++n) {
    const float v = static_cast<float>(n) / 8.0f;
    for (int d = 1; d <= 3; ++d) ASSERT_EQ(cell_f(d, v), report_value(d, v)) << v;
  }
  EXPECT_GT(checked, 30000);
}

TEST(CellI, TruncatesTowardZero) {
  EXPECT_EQ(cell_i(20000.999f), "20000");
  EXPECT_EQ(cell_i(-2094.9f), "-2094");
  EXPECT_EQ(cell_i(-0.5f), "0");
  EXPECT_EQ(cell_i(std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(cell_i(1.0e30f), "");
}

} // namespace
} // namespace ss::exporting
