// Iw / Fw.d / An output rules and the report writer's carriage control.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>

#include "report/format.h"
#include "report/line.h"
#include "report/report.h"
#include "state/fatal.h"

namespace ss {
namespace {

TEST(FormatF, WidthAndAsterisks) {
  EXPECT_EQ(format_f(8, 1, 12345.6f), " 12345.6");
  EXPECT_EQ(format_f(8, 1, 123456.7f), "123456.7");
  EXPECT_EQ(format_f(8, 1, 1234567.0f), "********");
  EXPECT_EQ(format_f(10, 2, 12.5f), "     12.50");
}

TEST(FormatF, LeadingZeroOnlyWhenThereIsRoom) {
  EXPECT_EQ(format_f(5, 3, 0.5f), "0.500");
  EXPECT_EQ(format_f(4, 3, 0.5f), ".500");
  EXPECT_EQ(format_f(5, 3, -0.5f), "-.500");
  EXPECT_EQ(format_f(6, 3, -0.5f), "-0.500");
  EXPECT_EQ(format_f(4, 3, -0.5f), "****");
}

TEST(FormatF, RoundsHalvesAwayFromZeroAndCarries) {
  EXPECT_EQ(format_f(6, 2, 0.125f), "  0.13"); // 0.125 is exact in binary
  EXPECT_EQ(format_f(6, 2, -0.125f), " -0.13");
  EXPECT_EQ(format_f(6, 1, 9.96f), "  10.0");
  EXPECT_EQ(format_f(4, 1, 99.96f), "****"); // rounds to 100.0, five characters
  EXPECT_EQ(format_f(7, 3, 0.0f), "  0.000");
  EXPECT_EQ(format_f(5, 0, 7.5f), "   8.");
}

TEST(FormatF, NegativeRoundingToZeroLosesItsSign) {
  EXPECT_EQ(format_f(7, 3, -0.0001f), "  0.000");
  EXPECT_EQ(format_f(4, 1, -0.04f), " 0.0");
  EXPECT_EQ(format_f(4, 1, -0.05f), "-0.1");
}

TEST(FormatF, NonFiniteValuesPrintAsterisks) {
  EXPECT_EQ(format_f(9, 2, std::numeric_limits<float>::infinity()), "*********");
  EXPECT_EQ(format_f(9, 2, std::nanf("")), "*********");
}

TEST(FormatI, RightAlignedWithAsterisksOnOverflow) {
  EXPECT_EQ(format_i(2, 25), "25");
  EXPECT_EQ(format_i(2, 100), "**");
  EXPECT_EQ(format_i(2, -5), "-5");
  EXPECT_EQ(format_i(2, -10), "**");
  EXPECT_EQ(format_i(5, 0), "    0");
  EXPECT_EQ(format_i_trunc(6, -2.9f), "    -2");
  EXPECT_EQ(format_i_trunc(6, 1e30f), "******");
  EXPECT_EQ(format_i_trunc(6, std::nanf("")), "******");
}

TEST(Line, PlacesFieldsByColumn) {
  const Line l =
      Line::cc('0').text(2, "ERROR").i(7, 4, 3).text(11, "  PROBLEM NUMBER  ").a(29, 4, make_word("P1"));
  EXPECT_EQ(l.str(), "0ERROR   3  PROBLEM NUMBER  P1  ");
  EXPECT_EQ(Line().f(1, 10, 2, 12.5f).str(), "     12.50");
  EXPECT_EQ(Line::cc(' ').text(5, "X").str(), "    X");
  EXPECT_TRUE(Line().empty());
}

TEST(Line, TextFieldsKeepTheirBlanksAndAnPadsOnTheLeft) {
  EXPECT_EQ(Line::cc(' ').a(3, 3, make_word("ABCD")).str(), "  ABC");
  EXPECT_EQ(Line::cc(' ').a(3, 6, make_word("AB")).str(), "    AB  ");
}

TEST(Report, CarriageControlBecomesMotionBytes) {
  EXPECT_EQ(encode_record(" ABC"), "\nABC\r");
  EXPECT_EQ(encode_record("0ABC"), "\n\nABC\r");
  EXPECT_EQ(encode_record("1ABC"), "\fABC\r");
  EXPECT_EQ(encode_record("+ABC"), "ABC\r");
  EXPECT_EQ(encode_record("-ABC"), "\nABC\r");
  EXPECT_EQ(encode_record(""), "\n\r");
  EXPECT_EQ(encode_record("0"), "\n\n\r");
}

TEST(Report, FirstLineIsStoredLikeEveryOther) {
  std::ostringstream os;
  Report r(os);
  r.put(Line::cc('0').text(2, "A"));
  r.empty();
  r.put(Line::cc('1').text(2, "B"));
  EXPECT_EQ(os.str(), "\n\nA\r\n\r\fB\r");
}

TEST(Report, AFailedWriteIsAFatalError) {
  std::ostringstream os;
  os.setstate(std::ios::badbit);
  Report r(os, "full.out");
  EXPECT_THROW(r.put(Line::cc(' ').text(2, "X")), FatalError);
}

} // namespace
} // namespace ss

namespace ss {
namespace {

// The fast rounding path agrees with rounding the exact decimal expansion digit by digit.
TEST(FormatF, FastPathAgreesWithExactDigits) {
  std::uint32_t seed = 12345;
  for (int n = 0; n < 200000; ++n) {
    seed = seed * 1664525u + 1013904223u;
    const int d = static_cast<int>(seed % 9);
    seed = seed * 1664525u + 1013904223u;
    const float v = (static_cast<float>(seed % 2000000) - 1000000.0f) / static_cast<float>(1 << (seed % 17));
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", d + 60, std::fabs(static_cast<double>(v)));
    // Half away from zero on the exact digits.
    std::string s(buf);
    const std::size_t point = s.find('.');
    std::string digits = s.substr(0, point) + s.substr(point + 1, static_cast<std::size_t>(d));
    const bool up = s[point + 1 + static_cast<std::size_t>(d)] >= '5';
    long long q = std::stoll(digits) + (up ? 1 : 0);
    std::string want = std::to_string(q);
    if (want.size() <= static_cast<std::size_t>(d))
      want.insert(0, static_cast<std::size_t>(d) - want.size() + 1, '0');
    want.insert(want.size() - static_cast<std::size_t>(d), ".");
    if (v < 0 && q != 0) want = "-" + want;
    const std::string got = format_f(40, d, v);
    ASSERT_EQ(got.substr(got.find_first_not_of(' ')), want) << v << " d=" << d;
  }
}

} // namespace
} // namespace ss
