// Numeric and text input fields of the deck.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "deck/field.h"
#include "deck/record.h"
#include "state/fatal.h"

namespace ss {
namespace {

TEST(ParseInt, BlanksSignsAndBlankFields) {
  EXPECT_EQ(parse_int(" 5  "), 5);
  EXPECT_EQ(parse_int("  -3"), -3);
  EXPECT_EQ(parse_int("1 2 "), 12);
  EXPECT_EQ(parse_int("    "), 0);
  EXPECT_EQ(parse_int("+7"), 7);
}

TEST(ParseInt, RejectsWhatIsNotAnInteger) {
  EXPECT_FALSE(parse_int("1A"));
  EXPECT_FALSE(parse_int("--1"));
  EXPECT_FALSE(parse_int("1.5"));
  EXPECT_FALSE(parse_int("1-"));
  EXPECT_FALSE(parse_int("99999999999"));
}

TEST(ParseReal, ImpliedDecimals) {
  EXPECT_EQ(parse_real("1234", 3), 1.234f);
  EXPECT_EQ(parse_real(" 5  ", 3), 0.005f);
  EXPECT_EQ(parse_real("20", 0), 20.0f);
  EXPECT_EQ(parse_real("-125", 2), -1.25f);
  EXPECT_EQ(parse_real("    ", 2), 0.0f);
}

TEST(ParseReal, AWrittenPointOverridesTheImpliedDecimals) {
  EXPECT_EQ(parse_real("12.5", 3), 12.5f);
  EXPECT_EQ(parse_real(".5", 3), 0.5f);
  EXPECT_EQ(parse_real("3.", 2), 3.0f);
}

TEST(ParseReal, Exponents) {
  EXPECT_EQ(parse_real("1.5E2", 3), 150.0f);
  EXPECT_EQ(parse_real("15D-1", 0), 1.5f);
  EXPECT_EQ(parse_real("15E1", 1), 15.0f); // the implied decimal still applies
}

TEST(ParseReal, RoundsOnceFromTheDecimalValue) {
  // 0.1 is not a float: the nearest float, not 1/10 computed in float.
  EXPECT_EQ(parse_real("1", 1), 0.1f);
  EXPECT_EQ(parse_real("29", 2), 0.29f);
  EXPECT_EQ(parse_real("1.1", 3), 1.1f);
}

TEST(ParseReal, ScaledField) {
  EXPECT_EQ(parse_real("  5", 0, 3), 0.005f);
  EXPECT_EQ(parse_real("150", 0, 3), 0.150f);
  EXPECT_EQ(parse_real("1.5", 0, 3), 0.0015f);
  EXPECT_EQ(parse_real("1E2", 0, 3), 100.0f); // no scaling when an exponent is written
}

TEST(ParseReal, RejectsWhatIsNotANumber) {
  EXPECT_FALSE(parse_real("1A", 0));
  EXPECT_FALSE(parse_real("+-1", 0));
  EXPECT_FALSE(parse_real("1.2.3", 0));
  EXPECT_FALSE(parse_real("1E", 0));
  EXPECT_FALSE(parse_real("1E-", 0)); // an exponent needs its digits, signed or not
  EXPECT_FALSE(parse_real("2.5D+", 2));
  EXPECT_FALSE(parse_real("E5", 0));
  EXPECT_FALSE(parse_real("9E99", 0)); // beyond the range of a float
}

// Short decimals take one float operation instead of strtof: every generated field, short or long
// (up to 12 digits, exponents up to 45), reads as strtof reads its exact decimal value.
TEST(ParseReal, EveryFieldIsTheNearestFloatToItsDecimal) {
  std::uint32_t seed = 7;
  auto next = [&seed](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  for (int n = 0; n < 200000; ++n) {
    std::string field = n % 3 == 0 ? "-" : (n % 7 == 0 ? "+" : "");
    const std::uint32_t length = 1 + next(12);
    const std::uint32_t point = next(length + 4); // beyond the digits: no point
    for (std::uint32_t k = 0; k < length; ++k) {
      if (k == point) field += '.';
      field += static_cast<char>('0' + (k == 0 && next(2) == 0 ? 0 : next(10)));
    }
    if (point == length) field += '.';
    const int d = static_cast<int>(next(6)), scale = static_cast<int>(next(4));
    long exponent = point <= length ? 0 : -d;
    if (next(3) == 0) {
      const long e = static_cast<long>(next(46)) * (next(2) == 0 ? -1 : 1);
      field += (next(2) == 0 ? "E" : "D") + std::to_string(e);
      exponent += e;
    } else {
      exponent -= scale;
    }
    const std::string digits = field.substr(0, field.find_first_of("ED"));
    const float want = std::strtof((digits + "e" + std::to_string(exponent)).c_str(), nullptr);
    const std::optional<float> got = parse_real(field, d, scale);
    if (!std::isfinite(want) || (want != 0.0f && std::fabs(want) < 1.17549435e-38f)) continue;
    ASSERT_TRUE(got) << field;
    ASSERT_EQ(std::memcmp(&*got, &want, sizeof want), 0) << field << " d=" << d << " scale=" << scale;
  }
}

TEST(Record, ShortRecordsReadAsBlanks) {
  const Record r("3");
  EXPECT_EQ(r.i(1, 1), 3);
  EXPECT_EQ(r.f(18, 8, 1), 0.0f);
  EXPECT_EQ(r.a(2, 2), make_word("  "));
  EXPECT_EQ(r.column(80), ' ');
}

TEST(Record, TextFieldsKeepNonAsciiBytes) {
  const Record r(std::string("*B04\xC3\xA9\0X", 7));
  EXPECT_EQ(r.a(5, 4)[0], '\xC3');
  EXPECT_EQ(r.a(5, 4)[2], '\0');
}

TEST(Record, AMalformedFieldNamesUnitFileLineAndColumns) {
  const Record r("1RB1HS20    5000012501250 9X0", 7, "bridge.deck");
  try {
    r.f(26, 4, 3);
    FAIL() << "no error";
  } catch (const FatalError &e) {
    const std::string m = e.what();
    EXPECT_NE(m.find("input conversion error"), std::string::npos) << m;
    EXPECT_NE(m.find("unit 5"), std::string::npos) << m;
    EXPECT_NE(m.find("bridge.deck"), std::string::npos) << m;
    EXPECT_NE(m.find("line 7"), std::string::npos) << m;
    EXPECT_NE(m.find("columns 26-29"), std::string::npos) << m;
  }
}

} // namespace
} // namespace ss
