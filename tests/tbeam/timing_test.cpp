// A design with web enlargement and nine rows, run through the whole program: well under 5 ms.
#include <algorithm>
#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "support/run_deck.h"

namespace ss::test {
namespace {

TEST(TBeamTiming, DesignWithEnlargementAndNineRows) {
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "timed in optimized builds only";
#endif
  // Eight enlargements of the web, then rows of #7 filled in steps of 2 up to row 7; the report
  // runs through the moments, shears and deflections.
  const std::string deck = "*B04N002T-BEAM DESIGN  ENLARGED  NINE ROWS  HS20  40 FT\n"
                           "1TB0HS20    40000100010001000 0 300         300\n"
                           "31010 9120001000200002000      6000          4 72 250 4 72 400\n"
                           "4 4 72 550 4 72 700 4 72 850 4 721000 4 721150 4 721300 4 721450\n";
  ASSERT_NE(run_deck(deck).report.find("DEPTH = 36.000"), std::string::npos);
  // The median of a few runs, so that a busy machine does not decide the outcome.
  std::vector<double> ms;
  for (int i = 0; i < 21; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run_deck(deck);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(ms.begin(), ms.begin() + 10, ms.end());
  EXPECT_LT(ms[10], 5.0);
  RecordProperty("median_ms", std::to_string(ms[10]));
}

} // namespace
} // namespace ss::test
