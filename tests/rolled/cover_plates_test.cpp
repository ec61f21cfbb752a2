// Cover plate design: plated allowable stress, plate sizing and its bounded width steps, cut-off
// points, terminal weld and the plate extent loop.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "rolled/cover_plates.h"
#include "rolled/sections.h"
#include "rolled_fixture.h"
#include "state/state_compare.h"

namespace ss {
namespace {

using test::RolledProblem;

TEST(PlatedAllowable, Steel441StepsDownWithPlateThickness) {
  RolledProblem p;
  p.st->type_steel = 441;
  p.st->fs = 0.0f;
  p.st->rolled.fs_section = 27.0f;
  EXPECT_EQ(plated_allowable(*p.st, 0.75f), 27.0f);
  EXPECT_EQ(plated_allowable(*p.st, 0.8125f), 25.0f);
  EXPECT_EQ(plated_allowable(*p.st, 1.5f), 25.0f);
  EXPECT_EQ(plated_allowable(*p.st, 1.5625f), 23.0f);
  // Never above the section's own allowable stress.
  p.st->rolled.fs_section = 24.0f;
  EXPECT_EQ(plated_allowable(*p.st, 0.8125f), 24.0f);
  // A given FS wins.
  p.st->fs = 30.0f;
  EXPECT_EQ(plated_allowable(*p.st, 0.8125f), 30.0f);
}

TEST(PlatedAllowable, OtherSteelsKeepTheSectionsStress) {
  RolledProblem p;
  p.st->fs = 0.0f;
  p.st->rolled.fs_section = 20.0f;
  for (const std::int32_t steel : {36, 572, 588}) {
    p.st->type_steel = steel;
    EXPECT_EQ(plated_allowable(*p.st, 2.0f), 20.0f) << steel;
  }
}

// An "RP" row under a given midspan moment, E = 0 (every deflection passes).
struct PlatedRow : RolledProblem {
  PlatedRow(std::int32_t r, float m_total, std::int32_t beam_type = 2) : RolledProblem(30.0f, beam_type) {
    row(r);
    st->rolled.m_total = m_total;
    st->rolled.m_dead = 0.0f;
    st->rolled.steel_index = 4;
    st->rolled.fs_section = 20.0f;
    st->rolled.fs_plated = 20.0f;
  }
};

TEST(PlateSizing, LightLoadNeedsNoPlate) {
  // A plate that passes at 1/4 in is thinner than the 5/16 in minimum: the width drops by half
  // inches until it is gone and the bare beam, which passes, is the design.
  PlatedRow p(1, 10.0f);
  ASSERT_TRUE(design_row_plates(*p.st));
  EXPECT_EQ(p.st->rolled.bt, 0.0f);
  EXPECT_EQ(p.st->rolled.wb, 0.0f);
  EXPECT_EQ(p.st->top_plate.thickness, 0.0f);
  EXPECT_EQ(p.st->top_plate.width, 0.0f);
  EXPECT_EQ(p.st->bottom_plate.thickness, 0.3125f); // the minimum is stored back
}

TEST(PlateSizing, QuarterInchWidthMeansNoPlates) {
  PlatedRow p(1, 10.0f);
  p.st->bottom_plate.width = 0.25f;
  ASSERT_TRUE(design_row_plates(*p.st));
  EXPECT_EQ(p.st->rolled.bt, 0.0f);
  EXPECT_EQ(p.st->rolled.wb, 0.0f);
  // The bare beam failing is a plate of no size that fails: the row is rejected.
  PlatedRow q(1, 400.0f);
  q.st->bottom_plate.width = 0.25f;
  EXPECT_FALSE(design_row_plates(*q.st));
}

TEST(PlateSizing, FirstPassingThicknessAtTheStartingWidth) {
  // 18 WF 35 (d 17.7, bf 6, tf 0.425) starts at trunc(2 * 6 - 2.5) * 0.5 = 4.5 in. Under 150 K-FT.
  // and 20 ksi it needs S >= 90 in^3 plus the plates' weight: 4.5 x 0.4375 gives
  // D2 = 18.575, I = (18.575^3 - 17.7^3) * 4.5 / 12 + 510 = 833.9, S = 89.8 (fails);
  // 4.5 x 0.5: D2 = 18.7, I = 882.7, S = 94.4 (passes).
  PlatedRow p(1, 150.0f);
  ASSERT_TRUE(design_row_plates(*p.st));
  EXPECT_EQ(p.st->rolled.wb, 4.5f);
  EXPECT_EQ(p.st->rolled.bt, 0.5f);
  EXPECT_EQ(p.st->top_plate.thickness, 0.5f);
  EXPECT_EQ(p.st->top_plate.width, 4.5f);
  const double d2 = 17.7 + 1.0;
  EXPECT_NEAR(p.st->i_steel[20], (d2 * d2 * d2 - 17.7 * 17.7 * 17.7) * 4.5 / 12.0 + 510.0, 0.05);
  EXPECT_NEAR(p.st->i_steel[20], 882.7, 0.05);
}

TEST(PlateSizing, WidthStepsThatWouldCycleEndTheRow) {
  // A minimum thickness above twice the flange thickness can never be reached: 4.5 in plates
  // pass thin and are narrowed, 4 in plates run out of thickness, the width jumps to
  // trunc(6 + 3.9999) = 9 in and is narrowed back to 4 in. The second time the thickness runs
  // out the row is rejected instead of going round again.
  PlatedRow p(1, 190.0f);
  p.st->bottom_plate.thickness = 9.0f;
  EXPECT_FALSE(design_row_plates(*p.st));
}

TEST(PlateSizing, GivenWidthIsNotWidened) {
  PlatedRow p(1, 400.0f);
  p.st->bottom_plate.width = 5.0f;
  EXPECT_FALSE(design_row_plates(*p.st));
}

TEST(PlateSizing, WidestWidthADeckWritesWithoutExponentIsNarrowedToTheEnd) {
  // "999." fills the four columns of the WIDTH field. Under a light load every width passes at
  // 1/4 in, thinner than the 5/16 in minimum, so the plate is narrowed by half inches through
  // (999 - 4) / 0.5 + 1 = 1991 widths until it is gone and the bare beam is the design, as it is
  // from the 4.5 in starting width.
  PlatedRow p(1, 10.0f);
  p.st->bottom_plate.width = 999.0f;
  ASSERT_TRUE(design_row_plates(*p.st));
  EXPECT_EQ(p.st->rolled.bt, 0.0f);
  EXPECT_EQ(p.st->rolled.wb, 0.0f);
}

TEST(PlateSizing, HugeGivenWidthEndsTheRow) {
  // A width given with an exponent never shrinks by half inches: the row is rejected.
  PlatedRow p(1, 150.0f);
  p.st->bottom_plate.width = 1.0e30f;
  EXPECT_FALSE(design_row_plates(*p.st));
}

// A plated beam whose bare-beam stress rises by 3 ksi per twentieth point: all live load (the
// dead-load share R is 0), 25 K-FT. more at each point, I = 1000, yc = 10.
struct CutOffs : RolledProblem {
  CutOffs(std::int32_t live_class) : RolledProblem(40.0f, 2) {
    st->live_class = live_class;
    RolledState &r = st->rolled;
    r.inertia = 1000.0f;
    r.yc = 10.0f;
    r.fs_section = 20.0f;
    r.steel[kBeamPlates].inertia = 2000.0f;
    r.steel[kBeamPlates].ytop = -12.0f;
    r.steel[kBeamPlates].ybot = 11.0f;
    for (int k = 1; k <= 10; ++k) st->m_live[static_cast<std::size_t>(k)] = 25.0f * static_cast<float>(k);
  }
};

TEST(CutOffPoints, FatigueAndStrengthByLinearInterpolation) {
  // Class H: fa = 8 / (1 - 0) = 8 ksi, reached between points 2 (6 ksi) and 3 (9 ksi):
  // t = (8 - 6) / ((9 - 6) - 8 + 8) = 2/3, XF = 4 + 2/3 * 2 ft. Strength, 20 ksi, between
  // points 6 (18) and 7 (21): XS = 12 + 2/3 * 2. The plated stress is 0.6 of fb.
  CutOffs p(1);
  cut_off_points(*p.st);
  EXPECT_NEAR(p.st->rolled.xf, 4.0 + 4.0 / 3.0, 1e-5);
  EXPECT_NEAR(p.st->rolled.xs, 12.0 + 4.0 / 3.0, 1e-5);
  EXPECT_EQ(p.st->rolled.rs, 0.0f);
  EXPECT_NEAR(p.st->rolled.fps, 0.6 * 20.0, 1e-5);
}

TEST(CutOffPoints, RailroadFatigueRangeAboveTheAllowableMeetsStrengthTogether) {
  // Class RR: 21 ksi is cut to FSd = 20; both points are found between points 6 and 7.
  CutOffs p(3);
  cut_off_points(*p.st);
  EXPECT_NEAR(p.st->rolled.xf, 12.0 + 4.0 / 3.0, 1e-5);
  EXPECT_NEAR(p.st->rolled.xs, 12.0 + 4.0 / 3.0, 1e-5);
}

TEST(CutOffPoints, NeverReachedGivesMidspan) {
  CutOffs p(1);
  for (auto &m : p.st->m_live) m = m * 0.1f; // 0.3 ksi per point, at most 3 ksi
  p.st->m_comp[20] = 0.0f;
  cut_off_points(*p.st);
  EXPECT_EQ(p.st->rolled.xf, 20.0f);
  EXPECT_EQ(p.st->rolled.xs, 20.0f);
  EXPECT_EQ(p.st->rolled.rs, 0.0f);
  EXPECT_NEAR(p.st->rolled.fps, 0.6 * 3.0, 1e-5); // the plated stress at midspan
}

TEST(CutOffPoints, NoLoadAtAllGivesNoDeadLoadShare) {
  CutOffs p(2);
  p.st->m_live.fill(0.0f);
  cut_off_points(*p.st);
  EXPECT_EQ(p.st->rolled.rs, 0.0f);
  EXPECT_EQ(p.st->rolled.xf, 20.0f);
}

TEST(TerminalWeld, SizeFromThePlatedStressOrTheThicknessMinimum) {
  RolledProblem p;
  RolledState &r = p.st->rolled;
  p.st->live_class = 1;
  r.steel_index = 4;
  r.rs = 0.5f;
  r.fps = 20.0f;
  r.bt = 1.0f;
  r.tf = 0.8f;
  p.st->top_plate.thickness = 0.0f;
  // FRw = min(1.0 * 9 / (1 - 0.31), 12.4) = 12.4; size = 20 * 1 / (12.4 * 2.82843) = 0.5703 in,
  // 9.12 sixteenths -> 10; the thickness minimum (0.75 < 1 <= 1.5) is 5.
  terminal_weld(*p.st);
  EXPECT_EQ(r.weld, 10);
  // Railroad, steel index 1, class factor 1.0: FRw = 12 / (1 - 0.5 * 0.2) = 13.33;
  // size = 10 * 0.5 / (13.33 * 2.82843) = 0.1326 in -> 3 sixteenths; minimum 3 for 0.5 in.
  p.st->live_class = 3;
  r.steel_index = 1;
  r.rs = 0.2f;
  r.fps = 10.0f;
  r.bt = 0.5f;
  r.tf = 0.5f;
  terminal_weld(*p.st);
  EXPECT_EQ(r.weld, 3);
}

TEST(TerminalWeld, ThicknessClassesSetTheMinimum) {
  RolledProblem p;
  RolledState &r = p.st->rolled;
  p.st->live_class = 2;
  r.steel_index = 1;
  r.fps = 0.0f;
  r.bt = 0.0f;
  const struct {
    float tm;
    std::int32_t minimum;
  } cases[] = {{0.5f, 3}, {0.5625f, 4}, {0.75f, 4}, {1.0f, 5}, {1.5f, 5},
               {2.0f, 6}, {2.25f, 6},   {3.0f, 8},  {6.0f, 8}, {6.5f, 10}};
  for (const auto &c : cases) {
    r.tf = c.tm;
    terminal_weld(*p.st);
    EXPECT_EQ(r.weld, c.minimum) << c.tm;
  }
  // The thickest of flange, bottom plate and top plate counts.
  r.tf = 0.5f;
  p.st->top_plate.thickness = 2.0f;
  terminal_weld(*p.st);
  EXPECT_EQ(r.weld, 6);
}

TEST(PlateExtent, DeflectionThatNeverPassesStopsAtTheSupport) {
  // The allowed deflection is below any deflection: the plates are lengthened half a foot at a
  // time until they start at the support, and that design is kept.
  PlatedRow p(9, 120.0f);
  ASSERT_TRUE(design_row_plates(*p.st));
  p.st->allowed_deflection = -1.0f;
  lay_out_plates(*p.st, true);
  EXPECT_EQ(p.st->bottom_plate.x_begin, 0.0f);
  EXPECT_EQ(p.st->bottom_plate.length, 30.0f);
  EXPECT_EQ(p.st->top_plate.x_begin, 0.0f);
  EXPECT_EQ(p.st->top_plate.length, 30.0f);
}

TEST(PlateExtent, PlatesStartAtTheFatigueCutOffOrTheTerminalDistanceBeforeStrength) {
  // Half dead, half live load, both as x (30 - x): the bare 18 WF 35 is overstressed at midspan.
  // Class H: fa = 8 / (1 - 0.5) = 16 ksi is met before FSd = 20 ksi; the plates begin at the
  // fatigue cut-off or 0.125 * wb ft before the strength cut-off, whichever comes first, and run
  // symmetric about midspan.
  PlatedRow p(1, 0.0f);
  p.st->live_class = 1;
  for (int k = 1; k <= 10; ++k) {
    const auto j = static_cast<std::size_t>(2 * k);
    const float x = p.st->x[j];
    p.st->m_noncomp[j] = 0.375f * x * (30.0f - x);
    p.st->m_live[static_cast<std::size_t>(k)] = p.st->m_noncomp[j];
  }
  p.st->rolled.m_dead = p.st->m_noncomp[20];
  p.st->rolled.m_total = p.st->m_noncomp[20] + p.st->m_live[10];
  ASSERT_TRUE(design_row_plates(*p.st));
  ASSERT_GT(p.st->rolled.wb, 0.0f);
  // The cut-off points alone, on a copy.
  ProblemState cut = *p.st;
  self_weight(cut);
  steel_sections(cut.rolled, cut.top_plate.thickness, cut.top_plate.width);
  cut_off_points(cut);
  EXPECT_LT(cut.rolled.xf, cut.rolled.xs);
  EXPECT_GT(cut.rolled.xs, 4.5f); // fb = 20 ksi near x (30 - x) = 128 ft^2, x = 5.4 ft
  EXPECT_LT(cut.rolled.xs, 6.0f);

  lay_out_plates(*p.st, true);
  const RolledState &r = p.st->rolled;
  const float start = std::max(0.0f, std::min(cut.rolled.xf, cut.rolled.xs - 0.125f * r.wb));
  EXPECT_EQ(p.st->bottom_plate.x_begin, start);
  EXPECT_EQ(p.st->top_plate.x_begin, start);
  EXPECT_EQ(p.st->bottom_plate.length, 30.0f - 2.0f * start);
  EXPECT_EQ(p.st->top_plate.length, p.st->bottom_plate.length);
  // Beyond the plates the beam stands alone; between them both plates.
  EXPECT_EQ(p.st->i_steel[0], 510.0f);
  EXPECT_EQ(p.st->i_steel[20], r.steel[kBeamPlates].inertia);
}

// A composite search works only the section with both plates at each trial and the others when
// it ends: over rows, moments, slabs and top plates, every section a passing search leaves must
// be, bit for bit, the full set worked at the thickness it settled on.
TEST(PlateSizing, CompositeSearchLeavesEverySectionOfItsThickness) {
  int passed = 0;
  for (const std::int32_t r : {1, 20, 60, 100, 140})
    for (const float m : {60.0f, 250.0f, 900.0f, 2500.0f})
      for (const float tt : {0.0f, 0.5f}) {
        PlatedRow p(r, m, 3);
        p.st->rolled.m_dead = m * 0.4f;
        p.st->slab_width = 84.0f;
        p.st->slab_thickness = 7.5f;
        p.st->coping = tt > 0.0f ? 1.0f : 0.0f;
        p.st->top_plate.thickness = tt;
        p.st->top_plate.width = 8.0f * tt;
        if (!design_row_plates(*p.st)) continue;
        ++passed;
        RolledProblem q;
        *q.st = *p.st;
        steel_sections(q.st->rolled, tt, 8.0f * tt);
        composite_sections(*q.st);
        const auto same = [](const auto &a, const auto &b) { return std::memcmp(&a, &b, sizeof a) == 0; };
        EXPECT_TRUE(same(p.st->rolled.steel, q.st->rolled.steel)) << r << " " << m << " " << tt;
        EXPECT_TRUE(same(p.st->rolled.comp_n, q.st->rolled.comp_n)) << r << " " << m << " " << tt;
        EXPECT_TRUE(same(p.st->rolled.comp_3n, q.st->rolled.comp_3n)) << r << " " << m << " " << tt;
      }
  EXPECT_GT(passed, 10);
}

// Working the strength checks of four thicknesses ahead settles, and leaves in the state, bit for
// bit what trying the thicknesses one after the other does: over generated rows, moments, steels,
// given stresses, plate widths and deflection limits of both plated beams.
TEST(PlateSizing, ThicknessesWorkedAheadLeaveTheStateOfOneTrialAtATime) {
  std::mt19937 random(16);
  const auto any = [&](std::initializer_list<float> v) { return v.begin()[random() % v.size()]; };
  int passed = 0;
  for (int trial = 0; trial < 2000; ++trial) {
    const auto row = static_cast<std::int32_t>(1 + random() % kRolledRowCount);
    PlatedRow p(row, any({10.0f, 150.0f, 600.0f, 2000.0f, 6000.0f}), trial % 2 == 0 ? 2 : 3);
    ProblemState &st = *p.st;
    st.rolled.m_dead = st.rolled.m_total * any({0.0f, 0.3f, 0.7f});
    st.m_comp[20] = st.rolled.m_dead * any({0.0f, 0.25f});
    st.type_steel = static_cast<std::int32_t>(any({36.0f, 441.0f, 572.0f}));
    st.fs = any({0.0f, 0.0f, 22.0f});
    st.rolled.fs_section = any({20.0f, 27.0f});
    st.bottom_plate.width = any({0.0f, 0.0f, 0.25f, 9.0f, 14.5f});
    st.bottom_plate.thickness = any({0.0f, 0.5f, 1.0f});
    st.slab_width = 84.0f;
    st.slab_thickness = 7.5f;
    st.e = any({0.0f, 2416.67f});
    st.truck_wheel_load = 16.0f;
    st.lane_conc_load = 18.0f;
    st.lane_uniform_load = 0.32f;
    st.allowed_deflection = st.length * any({0.0004f, 0.00125f, 0.01f});
    auto plain = std::make_unique<ProblemState>(st);
    const bool designed = design_row_plates(st);
    ASSERT_EQ(designed, design_row_plates(*plain, false)) << trial;
    EXPECT_EQ(state_difference(st, *plain), "") << trial;
    passed += designed ? 1 : 0;
  }
  EXPECT_GT(passed, 400);
  EXPECT_LT(passed, 1600);
}

} // namespace
} // namespace ss
