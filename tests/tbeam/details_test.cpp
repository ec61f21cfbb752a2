// Girder dead load, bar cut-off points, stirrup spacing and the section stiffness along the span,
// worked by hand from statics and the development-length rules.
#include <cmath>

#include <gtest/gtest.h>

#include "tbeam/tbeam_steps.h"
#include "tbeam_fixture.h"

namespace ss::tbeam {
namespace {

using test::add_row;
using test::set_section;

TEST(GirderDeadLoad, UniformLoadOfTheTee) {
  // 12 in web, h = 24, slab 36 x 4: 12*24 + 24*4 = 384 sq in at 0.15 kips/cu ft = 0.4 kips/ft.
  auto st = test::tbeam_problem(40.0f);
  st->wg = 0.15f;
  set_section(st->tbeam, 12.0f, 20.0f, 36.0f, 4.0f);
  st->m_girder[0] = st->m_girder[40] = 99.0f; // an earlier problem's values
  girder_dead_load(*st);
  EXPECT_FLOAT_EQ(st->tbeam.girder_weight, 0.4f);
  EXPECT_FLOAT_EQ(st->v_girder[0], 8.0f); // wL/2
  EXPECT_NEAR(st->v_girder[20], 0.0f, 1e-5f);
  EXPECT_FLOAT_EQ(st->v_girder[5], 8.0f - 0.4f * 5.0f);
  EXPECT_FLOAT_EQ(st->m_girder[20], 80.0f); // wL^2/8
  EXPECT_FLOAT_EQ(st->m_girder[10], 60.0f); // w x (L - x)/2
  EXPECT_FLOAT_EQ(st->m_girder[30], 60.0f);
  EXPECT_EQ(st->m_girder[0], 0.0f);
  EXPECT_EQ(st->m_girder[40], 0.0f);
}

// Span of 40 ft (stations 1 ft apart) whose total moment at twentieth point k is 100k K-FT.
std::unique_ptr<ProblemState> linear_moment_problem() {
  auto st = test::tbeam_problem(40.0f);
  for (int k = 1; k <= 10; ++k) st->m_live[static_cast<std::size_t>(k)] = 100.0f * static_cast<float>(k);
  set_section(st->tbeam, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(st->tbeam, 4, 8, 2.5f);
  add_row(st->tbeam, 2, 8, 5.0f);
  return st;
}

TEST(BarCutOff, MomentReachedExactlyAtATwentiethPoint) {
  // Row 1 carries min(350, 300) = 300, reached at point 3 (x = 6 ft). Row 2 (#8) runs on by the
  // largest of 15 diameters (1.25 ft), L/20 (2 ft) and the development length at 20 ksi with the
  // bond stress sqrt(3000)*4.8 = 262.9 psi: (20*0.79*1000/3.142)/262.9/12 = 1.59 ft.
  auto st = linear_moment_problem();
  st->tbeam.ms[1] = 350.0f;
  st->tbeam.mc[1] = 300.0f;
  bar_cut_offs(*st);
  EXPECT_EQ(st->tbeam.cut[1], 0.0f);
  EXPECT_FLOAT_EQ(st->tbeam.cut[2], 4.0f);
}

TEST(BarCutOff, MomentReachedBetweenPoints) {
  // 250 lies halfway from point 2 (200) to point 3 (300): x = 5 ft, cut-off 3 ft.
  auto st = linear_moment_problem();
  st->tbeam.ms[1] = 250.0f;
  st->tbeam.mc[1] = 260.0f;
  bar_cut_offs(*st);
  EXPECT_FLOAT_EQ(st->tbeam.cut[2], 3.0f);
  // Below the first point the walk interpolates from the support's zero moment: 50 at x = 1.
  st->tbeam.ms[1] = 50.0f;
  bar_cut_offs(*st);
  EXPECT_EQ(st->tbeam.cut[2], 0.0f); // 1 - 2 < 0
}

TEST(BarCutOff, PredecessorsCarryTheMomentEverywhereAndBondIsCapped) {
  // 10 ft span, a #3 row 2 with FS 60 ksi: the bond stress sqrt(3000)*4.8/0.375 = 701 psi is
  // capped at 500, so the development length (60*0.11*1000/1.178)/500/12 = 0.9338 ft beats
  // 15 diameters (0.469) and L/20 (0.5). The moment never reaches row 1's capacity: the cut-off is
  // the midspan less that length.
  auto st = test::tbeam_problem(10.0f);
  st->fs = 60.0f;
  for (int k = 1; k <= 10; ++k) st->m_live[static_cast<std::size_t>(k)] = 10.0f * static_cast<float>(k);
  set_section(st->tbeam, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(st->tbeam, 4, 8, 2.5f);
  add_row(st->tbeam, 2, 3, 5.0f);
  st->tbeam.ms[1] = st->tbeam.mc[1] = 5000.0f;
  bar_cut_offs(*st);
  const double development = 60.0 * 0.11 * 1000 / 1.178 / 500 / 12;
  EXPECT_NEAR(st->tbeam.cut[2], 5.0 - development, 2e-6);
}

TEST(BarCutOff, ExtensionBeyondHalfTheSpanCutsAtTheSupport) {
  // 2 ft span, #18 bars: 15 diameters alone are 2.82 ft > 1 ft.
  auto st = test::tbeam_problem(2.0f);
  set_section(st->tbeam, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(st->tbeam, 4, 8, 2.5f);
  add_row(st->tbeam, 2, 18, 5.0f);
  st->tbeam.ms[1] = st->tbeam.mc[1] = 5000.0f;
  bar_cut_offs(*st);
  EXPECT_EQ(st->tbeam.cut[2], 0.0f);
}

// One row of 4 #8 at 2.5 in a 24 in deep web: effective depth 21.5 in. fc = 1.2/0.4 = 3 ksi,
// sqrt(3000) = 54.77: the concrete takes 0.95*54.77 = 52.03 psi, the limit is 4*54.77 = 219.1 psi.
std::unique_ptr<ProblemState> shear_problem(float bw, float support_shear) {
  auto st = test::tbeam_problem(40.0f);
  set_section(st->tbeam, bw, 20.0f, bw, 4.0f);
  add_row(st->tbeam, 4, 8, 2.5f);
  st->v_live_pos[0] = support_shear;
  return st;
}

TEST(StirrupSpacing, NoExcessShear) {
  // v' <= 0: the smaller of 4*bw and 24 in, then of the minimum-steel spacing 40000*0.4/(bw*50).
  auto st = shear_problem(12.0f, 0.0f);
  ASSERT_EQ(stirrup_spacings(*st), kTBeamDone);
  EXPECT_FLOAT_EQ(st->tbeam.spacing[1], 24.0f); // s0 = 26.67
  auto wide = shear_problem(20.0f, 0.0f);
  ASSERT_EQ(stirrup_spacings(*wide), kTBeamDone);
  EXPECT_FLOAT_EQ(wide->tbeam.spacing[1], 16.0f); // s0 = 16000/1000
  auto narrow = shear_problem(5.0f, 0.0f);
  ASSERT_EQ(stirrup_spacings(*narrow), kTBeamDone);
  EXPECT_FLOAT_EQ(narrow->tbeam.spacing[1], 20.0f); // 4*bw
}

TEST(StirrupSpacing, GradeSixtyWhenFsIsExactly24) {
  // The 20 in web: s0 = 60000*0.4/1000 = 24 with FS = 24.0, so the 24 in cap governs.
  auto st = shear_problem(20.0f, 0.0f);
  st->fs = 24.0f;
  ASSERT_EQ(stirrup_spacings(*st), kTBeamDone);
  EXPECT_FLOAT_EQ(st->tbeam.spacing[1], 24.0f);
  auto near = shear_problem(20.0f, 0.0f);
  near->fs = 24.01f;
  ASSERT_EQ(stirrup_spacings(*near), kTBeamDone);
  EXPECT_FLOAT_EQ(near->tbeam.spacing[1], 16.0f);
}

TEST(StirrupSpacing, ExcessShear) {
  const double c = std::sqrt(3000.0);
  // v = 0.1 ksi: v' = 0.1 - 0.05203 below vm/2: s = 0.4*20/(12*v').
  auto low = shear_problem(12.0f, 25.8f); // 0.1*12*21.5
  ASSERT_EQ(stirrup_spacings(*low), kTBeamDone);
  EXPECT_NEAR(low->tbeam.spacing[1], 8.0 / (12 * (0.1 - 0.95 * c / 1000)), 1e-4);
  // v = 0.2 ksi: v' above vm/2; s2 = 40000*0.2/600 = 13.3 is not smaller than 8/(12 v').
  auto high = shear_problem(12.0f, 51.6f);
  ASSERT_EQ(stirrup_spacings(*high), kTBeamDone);
  EXPECT_NEAR(high->tbeam.spacing[1], 8.0 / (12 * (0.2 - 0.95 * c / 1000)), 1e-4);
  // With FS 70, s1 = 28/(12 v') = 15.8 exceeds s2 = 13.3 (half of s0 = 26.7), which governs.
  auto capped = shear_problem(12.0f, 51.6f);
  capped->fs = 70.0f;
  ASSERT_EQ(stirrup_spacings(*capped), kTBeamDone);
  EXPECT_NEAR(capped->tbeam.spacing[1], 40000.0 * 0.2 / (50 * 12), 1e-5);
  // v = 0.3 ksi: v' = 0.248 > 0.219, design impossible.
  auto over = shear_problem(12.0f, 77.4f);
  EXPECT_EQ(stirrup_spacings(*over), kTBeamImpossible);
}

TEST(StirrupSpacing, TakenAtTheTwentiethPointBeforeTheCutOff) {
  // Row 2 cut off at 4.5 ft of 40: point trunc(4.5*20/40 + 1) - 1 = 2. Rows 1 and 2 (4 and 2 #8
  // at 2.5 and 5.0) have their centroid at (4*2.5 + 2*5)/6 = 3.333 in: d = 20.667.
  auto st = test::tbeam_problem(40.0f);
  set_section(st->tbeam, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(st->tbeam, 4, 8, 2.5f);
  add_row(st->tbeam, 2, 8, 5.0f);
  st->tbeam.cut[2] = 4.5f;
  st->v_live_pos[2] = 0.1f * 12.0f * (24.0f - 20.0f / 6.0f);
  st->v_live_pos[0] = 1000.0f; // row 1 is checked at the support
  EXPECT_EQ(stirrup_spacings(*st), kTBeamImpossible);
  st->v_live_pos[0] = 0.0f;
  ASSERT_EQ(stirrup_spacings(*st), kTBeamDone);
  const double c = std::sqrt(3000.0);
  EXPECT_NEAR(st->tbeam.spacing[2], 8.0 / (12 * (0.1 - 0.95 * c / 1000)), 1e-3);
  EXPECT_FLOAT_EQ(st->tbeam.spacing[1], 24.0f);
}

TEST(SectionStiffness, RowSetInForceAlongTheSpan) {
  auto st = test::tbeam_problem(40.0f);
  TBeamState &tb = st->tbeam;
  tb.rows = 3;
  tb.inertia[1] = 100.0f;
  tb.inertia[2] = 200.0f;
  tb.inertia[3] = 300.0f;
  tb.cut[1] = 0.0f;
  tb.cut[2] = 5.0f; // exactly at fortieth point 5: that point takes set 2
  tb.cut[3] = 12.5f;
  section_stiffness(*st);
  EXPECT_EQ(st->i_steel[0], 100.0f);
  EXPECT_EQ(st->i_steel[4], 100.0f);
  EXPECT_EQ(st->i_steel[5], 200.0f);
  EXPECT_EQ(st->i_steel[12], 200.0f);
  EXPECT_EQ(st->i_steel[13], 300.0f);
  EXPECT_EQ(st->i_steel[20], 300.0f);
  for (int j = 0; j <= 19; ++j)
    EXPECT_EQ(st->i_steel[static_cast<std::size_t>(40 - j)], st->i_steel[static_cast<std::size_t>(j)]) << j;
  // One row: I(1) everywhere.
  tb.rows = 1;
  section_stiffness(*st);
  for (float v : st->i_steel) EXPECT_EQ(v, 100.0f);
}

} // namespace
} // namespace ss::tbeam
