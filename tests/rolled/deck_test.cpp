// Whole-program checks of the rolled design: the chosen row against a search worked by hand from
// the table, and the time of a composite design that searches the whole table.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>

#include "rolled/section_table.h"
#include "support/run_deck.h"

namespace ss {
namespace {

namespace fs = std::filesystem;

std::string deck(const std::string &name) {
  return test::read_file((fs::path(SIMPLE_SPAN_TEST_DECKS) / (name + ".deck")).string());
}

// The row printed in the row-number line after the page header (columns 11-13).
int printed_row(const std::string &report) {
  const std::size_t header = report.find("SIMPLE SPAN OUTPUT DATA PROBLEM NUMBER");
  if (header == std::string::npos) return -1;
  const std::size_t line = report.find("\r\n", header);
  return std::stoi(report.substr(line + 2 + 9, 3));
}

// rolled-rb-lightest: HS20 lane loading alone (truck and military left out), 50 ft, all factors
// 1, WDLNC 1 kip/ft, E = 29000 ksi, TYPE STEEL 36 (20 ksi), designation 18 WF 35 in design mode:
// the lightest acceptable row from row 1 on.
struct HandCheck {
  double s_required; // in^3
  double s;          // in^3
  double deflection; // in
  double allowed;    // in
  bool passes() const { return s_required <= s && deflection <= allowed; }
};

HandCheck by_hand(const RolledRow &t) {
  const double L = 50.0;
  const double imp = 1.0 + 50.0 / (L + 125.0);                         // 1.2857
  const double lane_moment = 25.0 * 25.0 * imp * (0.16 * L + 9.0) / L; // 273.2 K-FT.
  const double dead = 1.0 * L * L / 8.0 + t.weight * L * L / 8000.0;   // WDLNC and the beam
  HandCheck c{};
  c.s_required = (dead + lane_moment) * 12.0 / 20.0;
  c.s = t.inertia / (t.d * 0.5);
  // Lane deflection at midspan: the concentrated load 9 * IMP at midspan plus the lane load
  // 2 * 0.16 * IMP kips/ft over the span, E = 29000 ksi, lengths in inches.
  const double span_in = L * 12.0;
  const double p = 9.0 * imp;
  const double w = 2.0 * 0.16 * imp / 12.0;
  const double ei = 29000.0 * t.inertia;
  c.deflection = p * std::pow(span_in, 3) / (48.0 * ei) + 5.0 * w * std::pow(span_in, 4) / (384.0 * ei);
  c.allowed = L * 0.015;
  return c;
}

TEST(RolledDeck, ChosenRowIsTheLightestThatPassesWorkedByHandFromTheTable) {
  int best = 0;
  for (std::int32_t r = 1; r <= kRolledRowCount; ++r) {
    const RolledRow &t = rolled_row(r);
    const HandCheck c = by_hand(t);
    // No row lies so close to a limit that single precision could decide otherwise.
    EXPECT_GT(std::fabs(c.s / c.s_required - 1.0), 0.002) << r;
    EXPECT_GT(std::fabs(c.deflection / c.allowed - 1.0), 0.002) << r;
    if (c.passes() && (best == 0 || t.weight < rolled_row(best).weight)) best = r;
  }
  ASSERT_EQ(best, 96); // 33 WF 130: S = 405.4 >= 375.8 in^3, deflection 0.565 <= 0.75 in
  EXPECT_EQ(rolled_row(96).weight, 130);
  // The next lighter rows fail: 30 WF 124 (row 83) and 33 WF 118 (row 95) on strength,
  // 27 WF 114 (row 66) on deflection as well.
  EXPECT_FALSE(by_hand(rolled_row(83)).passes());
  EXPECT_LT(by_hand(rolled_row(83)).s, by_hand(rolled_row(83)).s_required);
  EXPECT_FALSE(by_hand(rolled_row(95)).passes());
  EXPECT_GT(by_hand(rolled_row(66)).deflection, 0.75);

  const test::DeckRun run = test::run_deck(deck("rolled-rb-lightest"));
  EXPECT_EQ(run.diagnostic, "");
  EXPECT_EQ(printed_row(run.report), best);
  EXPECT_NE(run.report.find(" 33WF130"), std::string::npos);
}

TEST(RolledDeck, CompositeDesignThroughTheWholeTableIsFast) {
  // 90 ft under HS20 with 60 in of slab: no row takes plates before 36 WF 395 (row 124); every
  // row runs its thickness and width trials with their live-load deflections.
  const std::string text = deck("rolled-cb-last-row");
  test::DeckRun run = test::run_deck(text);
  ASSERT_NE(run.report.find(" 36WF395"), std::string::npos);
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run = test::run_deck(text);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "timed only without sanitizers (" << best << " ms)";
#else
  EXPECT_LT(best, 20.0);
#endif
}

} // namespace
} // namespace ss
