// Cracked-section analysis against the working-stress theory of reinforced concrete, worked in
// double precision from the section's statics.
#include <cmath>

#include <gtest/gtest.h>

#include "tbeam/tbeam_steps.h"
#include "tbeam_fixture.h"

namespace ss::tbeam {
namespace {

using test::add_row;
using test::set_section;

// Relative comparison for single-precision results against double hand values.
void expect_close(double expected, float actual, double rel = 2e-6) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << "expected " << expected;
}

// Own inertia of n tension bars of diameter d with modular ratio n_t.
double bars_own(double n_t, int n, double d) { return n_t * n * d * d * d * d * 0.049087; }

TEST(CrackedSection, SinglyReinforcedRectangle) {
  // 12 x 24 in rectangle (slab as wide as the web), 4 #8 bars 2.5 in above the bottom: d = 21.5.
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  set_section(tb, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(tb, 4, 8, 2.5f);
  ASSERT_TRUE(analyse_section(*st, tb));

  const double b = 12, d = 21.5, n = 10, as = 4 * 0.79;
  const double rho_n = as / (b * d) * n;
  const double kd = (std::sqrt(2 * rho_n + rho_n * rho_n) - rho_n) * d; // classic k
  const double is = n * as * (d - kd) * (d - kd);
  const double i = b * kd * kd * kd / 3 + is + bars_own(n, 4, 1.0);
  expect_close(kd, tb.kd[1]);
  expect_close(i, tb.inertia[1]);
  expect_close(is, tb.inertia_steel[1]);
  // Steel at FS: M = I*fs/(n*(d - kd)); concrete at FC: M = I*fc/kd; kip-in to kip-ft.
  expect_close(i * 20.0 / (n * (d - kd)) / 12, tb.ms[1]);
  expect_close(i * 1.2 / kd / 12, tb.mc[1]);
  // Triangular stress block: resultant kd/3 below the top.
  expect_close(d - kd / 3, tb.jd[1]);
}

TEST(CrackedSection, NeutralAxisInTheSlabIsARectangleOfSlabWidth) {
  // 60 in slab 6 in thick on a 12 in web, h = 30, 4 #8 at 3.0 in: d = 27.
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  set_section(tb, 12.0f, 24.0f, 60.0f, 6.0f);
  add_row(tb, 4, 8, 3.0f);
  ASSERT_TRUE(analyse_section(*st, tb));

  const double bt = 60, d = 27, n = 10, as = 4 * 0.79;
  const double rho_n = as / (bt * d) * n;
  const double kd = (std::sqrt(2 * rho_n + rho_n * rho_n) - rho_n) * d;
  ASSERT_LT(kd, 6.0);
  const double i = bt * kd * kd * kd / 3 + n * as * (d - kd) * (d - kd) + bars_own(n, 4, 1.0);
  expect_close(kd, tb.kd[1]);
  expect_close(i, tb.inertia[1]);
  expect_close(i * 1.2 / kd / 12, tb.mc[1]);
  expect_close(d - kd / 3, tb.jd[1]);
}

TEST(CrackedSection, NeutralAxisInTheWebOfATee) {
  // 36 in slab 4 in thick on a 12 in web, h = 28, 8 #10 at 3.0 in: d = 25.
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  set_section(tb, 12.0f, 24.0f, 36.0f, 4.0f);
  add_row(tb, 8, 10, 3.0f);
  ASSERT_TRUE(analyse_section(*st, tb));

  // Equal first moments of the compressed concrete and the transformed steel about the axis:
  // 36*4*(kd - 2) + 12*(kd - 4)^2/2 = nAs*(d - kd).
  const double bt = 36, bw = 12, t = 4, d = 25, nas = 10 * 8 * 1.27;
  const double qa = bw / 2, qb = bt * t - bw * t + nas, qc = -(bt * t * t / 2 - bw * t * t / 2 + nas * d);
  const double kd = (-qb + std::sqrt(qb * qb - 4 * qa * qc)) / (2 * qa);
  ASSERT_GT(kd, t);
  const double overhang = (bt - bw) * t;
  const double i = bw * kd * kd * kd / 3 + overhang * (kd - t / 2) * (kd - t / 2) + overhang * t * t / 12 +
                   nas * (d - kd) * (d - kd) + bars_own(10, 8, 1.27);
  expect_close(kd, tb.kd[1]);
  expect_close(i, tb.inertia[1]);
  expect_close(i * 20.0 / (10 * (d - kd)) / 12, tb.ms[1]);
  // Compression: the slab's trapezoid (stress FC at the top, f1 under the slab) and the web's
  // triangle below it; jd = arm of the compression resultant above the axis + (d - kd).
  const double f1 = 1.2 * (kd - t) / kd, y = kd - t;
  const double c_slab_top = bt * t * 1.2 / 2, c_slab_bot = bt * t * f1 / 2, c_web = bw * y * f1 / 2;
  const double arm = (c_slab_top * (y + 2 * t / 3) + c_slab_bot * (y + t / 3) + c_web * 2 * y / 3) /
                     (c_slab_top + c_slab_bot + c_web);
  expect_close(arm + (d - kd), tb.jd[1]);
}

TEST(CrackedSection, CompressionBarsInARectangle) {
  // 12 x 24 rectangle with a 10 in "slab" so that the axis lies in it; 4 #8 at 2.5, 2 #6 2 in
  // below the top.
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  set_section(tb, 12.0f, 14.0f, 12.0f, 10.0f);
  tb.comp = BarRow{2, 6, 0, 2.0f};
  add_row(tb, 4, 8, 2.5f);
  ASSERT_TRUE(analyse_section(*st, tb));

  // Transformed section with n*As' at d' (the bars' area counted once): b*kd^2/2 + nAs'(kd - d')
  // = nAs(d - kd).
  const double b = 12, d = 21.5, dp = 2, nas = 10 * 4 * 0.79, nasp = 10 * 2 * 0.44;
  const double kd =
      (-(nas + nasp) + std::sqrt((nas + nasp) * (nas + nasp) + 2 * b * (nas * d + nasp * dp))) / b;
  const double i = b * kd * kd * kd / 3 + nas * (d - kd) * (d - kd) + nasp * (kd - dp) * (kd - dp) +
                   bars_own(10, 4, 1.0) + 10 * 2 * std::pow(0.75, 4) * 0.049;
  expect_close(kd, tb.kd[1]);
  expect_close(i, tb.inertia[1]);
  expect_close(i * 1.2 / kd / 12, tb.mc[1]);
  // Lever arm: the compression bars enter by their transformed area at kd - d' from the axis.
  const double fc3 = b * kd * 1.2 / 2;
  const double jc = (nasp * (kd - dp) + fc3 * 2 * kd / 3) / (nasp + fc3);
  expect_close(jc + (d - kd), tb.jd[1]);
}

TEST(CrackedSection, RowSetsAreCumulative) {
  // Rows 1 (4 #8 at 2.5) and 2 (2 #8 at 5.0) in a 12 x 24 rectangle: set 2 has its own axis.
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  set_section(tb, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(tb, 4, 8, 2.5f);
  add_row(tb, 2, 8, 5.0f);
  ASSERT_TRUE(analyse_section(*st, tb));

  const double b = 12, h = 24, n = 10, a = 0.79;
  const double na1 = n * 4 * a, na2 = n * 2 * a, d1 = h - 2.5, d2 = h - 5.0;
  const double kd = (-(na1 + na2) + std::sqrt((na1 + na2) * (na1 + na2) + 2 * b * (na1 * d1 + na2 * d2))) / b;
  const double is = na1 * (d1 - kd) * (d1 - kd) + na2 * (d2 - kd) * (d2 - kd);
  const double i = b * kd * kd * kd / 3 + is + bars_own(n, 6, 1.0);
  expect_close(kd, tb.kd[2]);
  expect_close(i, tb.inertia[2]);
  expect_close(is, tb.inertia_steel[2]);
  // The steel stress is taken at row 1, the lowest.
  expect_close(i * 20.0 / (n * (d1 - kd)) / 12, tb.ms[2]);
  // The steel resultant lies Is/Q below the axis.
  const double q = na1 * (d1 - kd) + na2 * (d2 - kd);
  expect_close(kd * 2 / 3 + is / q, tb.jd[2]);
  // Set 1 is the 4-bar section alone.
  const double rho_n = na1 / (b * d1);
  expect_close((std::sqrt(2 * rho_n + rho_n * rho_n) - rho_n) * d1, tb.kd[1]);
}

TEST(CrackedSection, NeutralAxisExactlyAtTheSlabUnderside) {
  // Constants chosen so that the T root is exactly 2 = t: B = 4, C = 12, bw = 2.
  SectionConstants k;
  k.nac = 2.0f;
  k.sc = 4.0f;
  // The T root ignores Sc and gives t; kd <= t takes the rectangular root with Sc, width bT = 2:
  // (sqrt(16 + 4*16) - 4)/2.
  const auto kd = neutral_axis(k, 2.0f, 12.0f, 0.0f, 0.0f, 2.0f, 2.0f, 2.0f);
  ASSERT_TRUE(kd.has_value());
  EXPECT_NEAR(*kd, (std::sqrt(80.0) - 4) / 2, 1e-6);
  // Just below t the T root stands.
  const auto above = neutral_axis(k, 2.0f, 12.0f, 0.0f, 0.0f, 2.0f, 2.0f, 1.999f);
  ASSERT_TRUE(above.has_value());
  EXPECT_EQ(*above, 2.0f);
}

TEST(CrackedSection, DegenerateSectionsAreRefusedBeforeDividing) {
  auto st = test::tbeam_problem();
  TBeamState &tb = st->tbeam;
  // No web width (resisting-moment mode takes the section as entered).
  set_section(tb, 0.0f, 20.0f, 12.0f, 4.0f);
  add_row(tb, 4, 8, 2.5f);
  EXPECT_FALSE(analyse_section(*st, tb));
  // No height: the bars lie at the top, no positive neutral axis depth.
  set_section(tb, 12.0f, 0.0f, 12.0f, 0.0f);
  add_row(tb, 4, 8, 0.0f);
  EXPECT_FALSE(analyse_section(*st, tb));
  // Axis in the slab of a section without slab width (the root of the previous test, bT = 0).
  SectionConstants k;
  k.nac = 2.0f;
  k.sc = 4.0f;
  EXPECT_FALSE(neutral_axis(k, 2.0f, 12.0f, 0.0f, 0.0f, 2.0f, 0.0f, 2.0f).has_value());
}

TEST(CrackedSection, RowSetsWithoutBars) {
  TBeamState tb;
  set_section(tb, 12.0f, 20.0f, 12.0f, 4.0f);
  add_row(tb, 0, 8, 2.5f);
  add_row(tb, 2, 8, 5.0f);
  EXPECT_FALSE(row_sets_have_bars(tb)); // set 1 is empty
  tb.row[1].count = 1;
  EXPECT_TRUE(row_sets_have_bars(tb));
  tb.row[2].count = 0; // set 2 still holds row 1's bar
  EXPECT_TRUE(row_sets_have_bars(tb));
}

} // namespace
} // namespace ss::tbeam
