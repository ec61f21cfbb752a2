// The check's two ways of printing a float in its fewest digits must agree, so that the check's
// findings read the same wherever it is built.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "check/shortest.h"

namespace ss::test {
namespace {

std::string by_to_chars(float v) {
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// Random bit patterns over the whole range; the decimals a deck field writes (up to six digits
// with up to three decimals); the neighbours of every power of two, where a float's decimal
// neighbourhood is lopsided; and zeros, infinities and subnormals.
TEST(Shortest, PrintfPathMatchesToCharsOnEveryKindOfFloat) {
  std::vector<float> values = {0.0f,
                               -0.0f,
                               std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::denorm_min(),
                               std::numeric_limits<float>::max(),
                               std::numeric_limits<float>::min()};
  std::mt19937 rng(17);
  for (int i = 0; i < 200000; ++i) {
    const float v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
    if (!std::isnan(v)) values.push_back(v);
  }
  for (int n = 0; n < 1000000; n += 7)
    values.push_back(std::strtof((std::to_string(n) + "e-3").c_str(), nullptr));
  for (int e = -149; e <= 127; ++e)
    for (int step = -2; step <= 2; ++step) {
      const float p = std::ldexp(1.0f, e);
      values.push_back(
          std::bit_cast<float>(std::bit_cast<std::uint32_t>(p) + static_cast<std::uint32_t>(step)));
    }
  int wrong = 0;
  for (float v : values)
    if (check::shortest_by_printf(v) != by_to_chars(v) && ++wrong <= 5)
      ADD_FAILURE() << std::hexfloat << v << ": " << check::shortest_by_printf(v) << ", to_chars "
                    << by_to_chars(v);
  EXPECT_EQ(wrong, 0) << "of " << values.size();
}

} // namespace
} // namespace ss::test
