// Whole-program checks of the rolled design: the chosen row against a search worked by hand from
// the table, and the time of a composite design that searches the whole table.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>

#include "rolled/section_table.h"
#include "support/deck_text.h"
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

// Spans, loads, plates and slabs written with exponents, in design and analysis mode, for each
// rolled beam type: every problem ends with a report or a status line, none hangs.
TEST(RolledDeck, ExtremeInputEndsEveryProblem) {
  using test::Cols;
  std::string text;
  int n = 0;
  for (const char *beam : {"RB", "RP", "CB"})
    for (const char *length : {"1.E30", "99999.", ".001", "1.E-30"})
      for (const char *da : {"0", "1"}) {
        const std::string number = "X" + std::string(n < 9 ? "00" : "0") + std::to_string(n + 1);
        ++n;
        const bool analysis = std::string(da) == "1";
        text += Cols().at(1, "*B04").at(5, number).at(9, "EXTREME INPUT").line();
        text += Cols()
                    .at(1, "1")
                    .at(2, beam)
                    .at(4, da)
                    .at(5, "HS20")
                    .at(12, length)
                    .at(18, "1.2")
                    .at(22, "1.2")
                    .at(26, "1.")
                    .at(32, "9.E9")
                    .at(36, ".1")
                    .at(44, "29.")
                    .at(48, analysis ? "1.E9" : "")
                    .at(60, "1E9")
                    .at(64, "36")
                    .line();
        text += Cols()
                    .at(1, "3")
                    .at(2, analysis ? "" : "36")
                    .at(18, "1.E30")
                    .at(26, "1.E9")
                    .at(31, ".001")
                    .line();
        if (std::string(beam) != "RB")
          text += Cols()
                      .at(1, "4")
                      .at(2, "1.E30")
                      .at(8, "9.E9")
                      .at(13, "1.")
                      .at(17, "30.")
                      .at(21, "24.")
                      .at(25, "99")
                      .at(27, "-5.")
                      .at(31, "1.E9")
                      .at(36, "1.E3")
                      .at(40, "1.E30")
                      .at(46, "-1E9")
                      .at(50, ".5")
                      .at(55, "1E9")
                      .at(59, "5.")
                      .line();
      }
  const auto start = std::chrono::steady_clock::now();
  const test::DeckRun run = test::run_deck(text);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(run.diagnostic, "");
  // Each problem ends in the live-load deflections, an unavailable line or an error line.
  std::size_t ends = 0;
  for (const char *end : {"LIVE LOAD DEFLECTIONS", "ROLLED BEAM UNAVAILABLE", "ERROR"})
    for (std::size_t at = run.report.find(end); at != std::string::npos; at = run.report.find(end, at + 1))
      ++ends;
  EXPECT_EQ(ends, static_cast<std::size_t>(n));
  EXPECT_LT(took.count(), 10.0);
}

} // namespace
} // namespace ss
