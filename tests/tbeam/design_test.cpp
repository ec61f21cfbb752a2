// Design search: web enlargement by the balanced-stress estimate, then the bar search. The moments
// a trial carries are those of the classic singly reinforced rectangle, worked in double.
#include <cmath>

#include <gtest/gtest.h>

#include "tbeam/tbeam_steps.h"
#include "tbeam_fixture.h"

namespace ss::tbeam {
namespace {

using test::add_row;
using test::set_section;

// Resisting moment (K-FT., the smaller of steel at 20 ksi and concrete at 1.2 ksi) of a rectangle
// b wide with steel area `as` (own inertia `own`) at depth d, n = 10.
double rectangle_mr(double b, double d, double as, double own) {
  const double na = 10 * as;
  const double kd = (-na + std::sqrt(na * na + 2 * b * na * d)) / b;
  const double i = b * kd * kd * kd / 3 + na * (d - kd) * (d - kd) + own;
  return std::fmin(i * 20 / (d - kd) / 10 / 12, i * 1.2 / kd / 12);
}
double own8(int n) { return 10.0 * n * 0.049087; } // n #8 bars, d = 1.0

// A 12 x 24 rectangle (t = 4, slab as wide as the web) with WG = 0, so the required moment is the
// midspan live-load moment alone. Its balanced estimate is k = 1.2/(20/10 + 1.2) = 0.375,
// kd = 0.375*21.5 and Mc = 1.2*kd*12*0.5*0.875*24 = 1219.05 kip-in = 101.6 K-FT.
std::unique_ptr<ProblemState> rectangle_problem(float moment) {
  auto st = test::tbeam_problem();
  set_section(st->tbeam, 12.0f, 20.0f, 12.0f, 4.0f);
  st->m_live[10] = moment;
  return st;
}

TEST(DesignSearch, RowIsFilledInItsSteps) {
  // NO. 7 in steps of 2: trials 2, 4, 6. Four bars carry 93.6 K-FT., five 100.4, six 106.1.
  ASSERT_LT(rectangle_mr(12, 21.5, 4 * 0.79, own8(4)), 95.0);
  ASSERT_GT(rectangle_mr(12, 21.5, 5 * 0.79, own8(5)), 95.0);
  auto st = rectangle_problem(95.0f);
  TBeamState &tb = st->tbeam;
  add_row(tb, 7, 8, 2.5f, 2);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.rows, 1);
  EXPECT_EQ(tb.row[1].count, 6);
  EXPECT_EQ(tb.bw, 12.0f); // the estimate sufficed
  EXPECT_EQ(tb.depth, 20.0f);
}

TEST(DesignSearch, SuccessInRowTwoLowersTheRowCount) {
  // Row 1 (4 #8, all tried) carries 93.6; with n #4 beside it at the same level the section
  // carries 95.5, 97.2, 98.9 for n = 1, 2, 3.
  ASSERT_LT(rectangle_mr(12, 21.5, 4 * 0.79 + 2 * 0.2, own8(4) + 10 * 2 * 0.0625 * 0.049087), 98.0);
  ASSERT_GT(rectangle_mr(12, 21.5, 4 * 0.79 + 3 * 0.2, own8(4) + 10 * 3 * 0.0625 * 0.049087), 98.0);
  auto st = rectangle_problem(98.0f);
  TBeamState &tb = st->tbeam;
  add_row(tb, 4, 8, 2.5f);
  add_row(tb, 9, 4, 2.5f);
  add_row(tb, 9, 8, 5.0f);
  add_row(tb, 9, 8, 7.5f);
  add_row(tb, 9, 8, 10.0f);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.rows, 2);
  EXPECT_EQ(tb.row[1].count, 4);
  EXPECT_EQ(tb.row[2].count, 3);
  EXPECT_EQ(tb.row[3].count, 9); // unused rows keep what was entered
}

TEST(DesignSearch, RowBelowItsStepAddsNothing) {
  // Row 1 holds no bars (NO. 0): no trial, nothing carried over; row 2 at the same level then
  // behaves as a first row: five #8 carry 100.4 > 95 > 93.6.
  auto st = rectangle_problem(95.0f);
  TBeamState &tb = st->tbeam;
  add_row(tb, 0, 8, 2.5f);
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.rows, 2);
  EXPECT_EQ(tb.row[1].count, 0);
  EXPECT_EQ(tb.row[2].count, 5);
  // NO. 1 in steps of 2 is likewise skipped.
  auto st2 = rectangle_problem(95.0f);
  TBeamState &tb2 = st2->tbeam;
  add_row(tb2, 1, 8, 2.5f, 2);
  add_row(tb2, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st2, tb2), kTBeamDone);
  EXPECT_EQ(tb2.rows, 2);
  EXPECT_EQ(tb2.row[1].count, 1);
}

TEST(DesignSearch, SizesWithoutABarCountOnlyInTheRowsReached) {
  // Row 1 (9 #8) suffices with five bars (100.4 > 95): row 2, of size 12, is never reached and the
  // settled section holds no bar outside the table.
  auto st = rectangle_problem(95.0f);
  TBeamState &tb = st->tbeam;
  add_row(tb, 9, 8, 2.5f);
  add_row(tb, 4, 12, 5.0f);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.rows, 1);
  EXPECT_EQ(tb.row[1].count, 5);
  EXPECT_TRUE(bars_usable(tb));
  // Row 1 (4 #8) carries only 93.6: the search reaches row 2 and rejects its size.
  auto short_row = rectangle_problem(95.0f);
  add_row(short_row->tbeam, 4, 8, 2.5f);
  add_row(short_row->tbeam, 4, 12, 5.0f);
  EXPECT_EQ(design_search(*short_row, short_row->tbeam), kTBeamRejected);
  // A blank row (no bars, no size) gets no trial; when the search succeeds beyond it, the settled
  // rows include it and the section is refused.
  auto blank = rectangle_problem(95.0f);
  add_row(blank->tbeam, 0, 0, 0.0f);
  add_row(blank->tbeam, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*blank, blank->tbeam), kTBeamDone);
  EXPECT_EQ(blank->tbeam.rows, 2);
  EXPECT_FALSE(bars_usable(blank->tbeam));
}

TEST(DesignSearch, WebGrowsUntilTheEstimateCoversTheMoment) {
  // 120 K-FT. = 1440 kip-in > 1219.05: one step to 13 x 26 (kd = 0.375*23.5, Mc = 1563.8).
  // The 13 in wide rectangle with d = 23.5 then needs five #8 (108.8 with four, 123.3 with five).
  ASSERT_LT(rectangle_mr(13, 23.5, 4 * 0.79, own8(4)), 120.0);
  ASSERT_GT(rectangle_mr(13, 23.5, 5 * 0.79, own8(5)), 120.0);
  auto st = rectangle_problem(120.0f);
  TBeamState &tb = st->tbeam;
  tb.delta_w = 1.0f;
  tb.delta_d = 2.0f;
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.bw, 13.0f);
  EXPECT_EQ(tb.depth, 22.0f);
  EXPECT_EQ(tb.row[1].count, 5);
}

TEST(DesignSearch, SelfWeightCountsInTheRequiredMoment) {
  // WG 0.15 on the 12 x 24 rectangle over 40 ft: 0.3 kips/ft, 60 K-FT. at midspan; with 40 K-FT.
  // of live load the 100 K-FT. need five #8 (four carry 93.6).
  auto st = rectangle_problem(40.0f);
  st->wg = 0.15f;
  TBeamState &tb = st->tbeam;
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamDone);
  EXPECT_EQ(tb.row[1].count, 5);
}

TEST(DesignSearch, Failures) {
  // No growth possible while the estimate falls short.
  auto st = rectangle_problem(120.0f);
  TBeamState &tb = st->tbeam;
  tb.delta_w = 1.0f;
  tb.delta_d = -1.0f;
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamImpossible);
  EXPECT_EQ(tb.bw, 12.0f);

  // All rows tried: 4 #8 and one #3 carry about 94.5 < 100.
  auto st2 = rectangle_problem(100.0f);
  TBeamState &tb2 = st2->tbeam;
  add_row(tb2, 4, 8, 2.5f);
  add_row(tb2, 1, 3, 2.5f);
  EXPECT_EQ(design_search(*st2, tb2), kTBeamImpossible);
  EXPECT_EQ(tb2.rows, 2);

  // Rows given: none.
  auto st3 = rectangle_problem(10.0f);
  EXPECT_EQ(design_search(*st3, st3->tbeam), kTBeamImpossible);
}

TEST(DesignSearch, EnlargementIsBounded) {
  // Tiny steps against a huge moment: the web grows 1000 times, then the design gives up.
  auto st = rectangle_problem(1.0e9f);
  TBeamState &tb = st->tbeam;
  tb.delta_w = 0.001f;
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamImpossible);
  EXPECT_NEAR(tb.bw, 13.0f, 1e-3f);
  EXPECT_EQ(tb.depth, 20.0f);
}

TEST(DesignSearch, ShrinkingWebEndsTheSearch) {
  // DELTA-W -6 with DELTA-D 10: 12 -> 6 -> 0 in width; a web of no width has no neutral axis.
  auto st = rectangle_problem(1.0e9f);
  TBeamState &tb = st->tbeam;
  tb.delta_w = -6.0f;
  tb.delta_d = 10.0f;
  add_row(tb, 9, 8, 2.5f);
  EXPECT_EQ(design_search(*st, tb), kTBeamImpossible);
  EXPECT_EQ(tb.bw, 0.0f);
}

} // namespace
} // namespace ss::tbeam
