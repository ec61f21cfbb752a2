// Iw / Fw.d / An output rules and the report writer's carriage control.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

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

namespace ss {
namespace {

// Fw.d worked out the slow, plainly exact way: the value's full decimal expansion (a float has at
// most 149 decimals; d + 60 are printed and the digit after the d-th decides), rounded half away
// from zero digit by digit, then the width rules.
std::string exact_f(int w, int d, float value) {
  if (!std::isfinite(value)) return std::string(static_cast<std::size_t>(w), '*');
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", d + 150, std::fabs(static_cast<double>(value)));
  std::string s(buf);
  const std::size_t point = s.find('.');
  std::string digits = s.substr(0, point) + s.substr(point + 1, static_cast<std::size_t>(d));
  if (s[point + 1 + static_cast<std::size_t>(d)] >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(0, "1");
    else
      ++digits[i - 1];
  }
  std::string ints = digits.substr(0, digits.size() - static_cast<std::size_t>(d));
  ints.erase(0, ints.find_first_not_of('0') == std::string::npos ? ints.size() : ints.find_first_not_of('0'));
  std::string body = ints + "." + digits.substr(digits.size() - static_cast<std::size_t>(d));
  const bool negative = value < 0 && body.find_first_not_of("0.") != std::string::npos;
  if (negative) body = "-" + body;
  if (ints.empty() && static_cast<int>(body.size()) < w) body.insert(negative ? 1 : 0, "0");
  if (static_cast<int>(body.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
  return std::string(static_cast<std::size_t>(w) - body.size(), ' ') + body;
}

void expect_exact(float v, int d) {
  for (int w : {1, 3, 6, 10, 14, 40})
    ASSERT_EQ(format_f(w, d, v), exact_f(w, d, v)) << v << " w=" << w << " d=" << d;
}

// The in-place Fw.d gives the exact rounding on a sample spread over every float bit pattern and
// on every kind of boundary: halves at each decimal place and their neighbours, carries into a
// new digit, the ends of the double fast path, zeros, denormals, the largest floats.
TEST(FormatF, InPlaceDigitsAreTheExactRounding) {
  for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << 32); bits += 40009) {
    float v;
    const auto b = static_cast<std::uint32_t>(bits);
    std::memcpy(&v, &b, sizeof v);
    expect_exact(v, static_cast<int>(bits % 9));
  }
  for (int d = 0; d <= 8; ++d) {
    const double scale = std::pow(10.0, d);
    for (double m : {0.0, 1.0, 4.0, 9.0, 99.0, 12344.0, 999999.0, 1e9 - 1, 1e14 - 1, 1e15, 1e20}) {
      const float half = static_cast<float>((m + 0.5) / scale);
      for (float v :
           {half, std::nextafter(half, 0.0f), std::nextafter(half, 1e38f), static_cast<float>(m / scale)})
        for (float s : {v, -v}) expect_exact(s, d);
    }
  }
  for (float v : {0.0f, -0.0f, 1e-45f, 1.17549435e-38f, 3.4028235e38f, 0.5f, 0.05f, 0.95f, 9.995f, 99.5f})
    for (int d = 0; d <= 12; ++d) expect_exact(v, d), expect_exact(-v, d);
}

// Iw at the ends of its range and of each width.
TEST(FormatI, EveryWidthBoundary) {
  std::vector<std::int64_t> values = {0, std::numeric_limits<std::int64_t>::min(),
                                      std::numeric_limits<std::int64_t>::max()};
  for (std::int64_t p = 1, k = 0; k <= 18; ++k, p = k <= 18 ? p * 10 : p) // p = 10^k
    for (std::int64_t v : {p - 1, p, -p + 1, -p}) values.push_back(v);
  for (std::int64_t v : values)
    for (int w = -1; w <= 21; ++w) {
      const std::string s = std::to_string(v);
      const std::string want = static_cast<int>(s.size()) > w
                                   ? std::string(static_cast<std::size_t>(std::max(w, 0)), '*')
                                   : std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
      ASSERT_EQ(format_i(w, v), want) << v << " w=" << w;
    }
}

} // namespace
} // namespace ss
