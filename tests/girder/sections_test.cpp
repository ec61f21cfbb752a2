// Plate girder section properties against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "girder/sections.h"

namespace ss {
namespace {

// Relative closeness for values worked by hand in decimals.
void expect_close(float got, double want) {
  EXPECT_NEAR(got, want, 2e-6 * (std::abs(want) > 1 ? std::abs(want) : 1.0)) << "want " << want;
}

// Web 48 x 1/2, top flange 12 x 1, bottom flange 16 x 1.5 (in).
//   areas: web 24, top 12, bottom 24, total 60
//   flange centroids from the web's middle: top -24.5, bottom +24.75
//   neutral axis: (24*24.75 - 12*24.5)/60 = 300/60 = 5 below the web's middle
//   I: web 0.5*48^3/12 + 24*5^2 = 4608 + 600 = 5208
//      top 12*1^2/12 + 12*29.5^2 = 1 + 10443 = 10444
//      bottom 24*1.5^2/12 + 24*19.75^2 = 4.5 + 9361.5 = 9366        total 25018
//   top fibre 24 + 1 + 5 = 30 above the axis, bottom fibre 24 + 1.5 - 5 = 20.5 below
TEST(GirderSections, WebAndFlangesByHand) {
  const SteelSection s = steel_section(48.0f, 0.5f, Plate{12.0f, 1.0f}, Plate{16.0f, 1.5f});
  expect_close(s.area, 60.0);
  expect_close(s.ybar, 5.0);
  expect_close(s.inertia, 25018.0);
  expect_close(s.ytop, -30.0);
  expect_close(s.ybot, 20.5);
  EXPECT_EQ(s.t_top, 1.0f);
  EXPECT_EQ(s.t_bot, 1.5f);
  expect_close(web_inertia(48.0f, 0.5f), 4608.0);
}

TEST(GirderSections, SymmetricSectionHasItsAxisAtMidDepth) {
  // Web 60 x 3/8 with 14 x 1.25 plates: I = 0.375*60^3/12 + 2*(14*1.25^3/12 + 17.5*30.625^2).
  const SteelSection s = steel_section(60.0f, 0.375f, Plate{14.0f, 1.25f}, Plate{14.0f, 1.25f});
  expect_close(s.ybar, 0.0);
  expect_close(s.inertia, 6750.0 + 2.0 * (14.0 * 1.953125 / 12.0 + 17.5 * 30.625 * 30.625));
  expect_close(-s.ytop, s.ybot);
  expect_close(s.ybot, 31.25);
}

// The slab over the section of WebAndFlangesByHand, with a 1 in top cover plate (as thick as the
// top flange): width 80, thickness 8, coping 2, n = 8.
//   slab centroid: 1 + 2 + 4 = 7 above the top of the web, 31 above its middle, 36 above the axis
//   n:  slab area 640/8 = 80, own I 80*64/12 = 426.667
//       axis from the web's middle: (60*5 - 80*31)/140 = -15.5714 (above)
//       I = 25018 + 60*20.5714^2 + 426.667 + 80*15.4286^2 = 69878.95
//       top of steel 25 - 15.5714 = 9.4286 above, bottom 25.5 + 15.5714 = 41.0714 below
//       top of concrete 35 - 15.5714 = 19.4286 above, /8 = 2.42857
//       Q = 80*15.4286 = 1234.29 (slab above the axis: negative), q = -1234.29/69878.95
//   3n: slab area 26.6667, own I 142.222; axis (300 - 26.6667*31)/86.6667 = -6.0769
//       I = 25018 + 60*11.0769^2 + 142.222 + 26.6667*24.9231^2 = 49086.37
//       top of steel 18.9231, bottom 31.5769, top of concrete 28.9231/24 = 1.20513
TEST(GirderSections, CompositeForNAnd3NByHand) {
  const SteelSection s = steel_section(48.0f, 0.5f, Plate{12.0f, 1.0f}, Plate{16.0f, 1.5f});
  const Slab slab{80.0f, 8.0f, 2.0f};
  const float area = (8.0f * 80.0f) / 8.0f;
  const float inertia = (area * 64.0f) / 12.0f;
  const CompositeSection n = composite_section(s, 48.0f, 1.0f, slab, area, inertia, 8);
  expect_close(n.inertia, 25018.0 + 60.0 * (5.0 + 2180.0 / 140.0) * (5.0 + 2180.0 / 140.0) + 1280.0 / 3.0 +
                              80.0 * (31.0 - 2180.0 / 140.0) * (31.0 - 2180.0 / 140.0));
  expect_close(n.ytop, -(25.0 - 2180.0 / 140.0));
  expect_close(n.ybot, 25.5 + 2180.0 / 140.0);
  expect_close(n.yconc, -(35.0 - 2180.0 / 140.0) / 8.0);
  expect_close(n.q, -80.0 * (31.0 - 2180.0 / 140.0) / n.inertia);

  const CompositeSection n3 = composite_section(s, 48.0f, 1.0f, slab, area / 3.0f, inertia / 3.0f, 24);
  const double a3 = 80.0 / 3.0, axis3 = (a3 * 31.0 - 300.0) / (60.0 + a3);
  expect_close(n3.inertia, 25018.0 + 60.0 * (5.0 + axis3) * (5.0 + axis3) + 1280.0 / 9.0 +
                               a3 * (31.0 - axis3) * (31.0 - axis3));
  expect_close(n3.ytop, -(25.0 - axis3));
  expect_close(n3.ybot, 25.5 + axis3);
  expect_close(n3.yconc, -(35.0 - axis3) / 24.0);
}

// A state holding a girder whose cover plates are `plate` and whose flanges are `flange`.
ProblemState girder_state(Plate flange, Plate plate) {
  ProblemState st;
  st.web_d = 54.0f;
  st.web_t = 0.4375f;
  st.top_flange_w = flange.width;
  st.top_flange_t = flange.thickness;
  st.bot_flange_w = flange.width + 2.0f;
  st.bot_flange_t = flange.thickness;
  st.top_plate.width = plate.width;
  st.top_plate.thickness = plate.thickness;
  st.bottom_plate.width = plate.width + 2.0f;
  st.bottom_plate.thickness = plate.thickness;
  st.slab_width = 84.0f;
  st.slab_thickness = 7.5f;
  st.coping = 1.5f;
  st.wg = 0.49f;
  st.girder.n = 9;
  return st;
}

void composite_all(ProblemState &st) {
  for (auto kind : {kWebFlanges, kWebTopPlate, kWebBottomPlate, kWebPlates})
    girder_composite_section(st, kind);
}

TEST(GirderSections, CoverPlatesEqualToFlangesGiveOneSection) {
  ProblemState st = girder_state(Plate{12.0f, 1.0f}, Plate{12.0f, 1.0f});
  girder_steel_sections(st);
  composite_all(st);
  const GirderState &g = st.girder;
  for (int k = 1; k < kGirderSections; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(g.steel[k].area, g.steel[0].area);
    EXPECT_EQ(g.steel[k].ybar, g.steel[0].ybar);
    EXPECT_EQ(g.steel[k].inertia, g.steel[0].inertia);
    EXPECT_EQ(g.steel[k].ytop, g.steel[0].ytop);
    EXPECT_EQ(g.steel[k].ybot, g.steel[0].ybot);
    for (const auto *c : {&g.comp_n, &g.comp_3n}) {
      EXPECT_EQ((*c)[k].inertia, (*c)[0].inertia);
      EXPECT_EQ((*c)[k].ytop, (*c)[0].ytop);
      EXPECT_EQ((*c)[k].ybot, (*c)[0].ybot);
      EXPECT_EQ((*c)[k].yconc, (*c)[0].yconc);
      EXPECT_EQ((*c)[k].q, (*c)[0].q);
    }
  }
  // W BM = (54*0.4375 + 12*1 + 14*1)*0.49/144 kips/ft.
  expect_close(st.wbm, (23.625 + 26.0) * 0.49 / 144.0);
  EXPECT_EQ(g.half_depth, 27.0f);
}

TEST(GirderSections, SlabKeepsItsHeightOverTheThinnerFlange) {
  // Top plate 1.5 in, top flange 1 in: over the flange the top of concrete lies 0.5 in further
  // above the top of steel than over the plate.
  ProblemState st = girder_state(Plate{12.0f, 1.0f}, Plate{12.0f, 1.5f});
  girder_steel_sections(st);
  composite_all(st);
  const GirderState &g = st.girder;
  for (auto kind : {kWebFlanges, kWebBottomPlate}) {
    const float above = g.comp_n[kind].ytop - g.comp_n[kind].yconc * 9.0f;
    EXPECT_NEAR(above, 7.5 + 1.5 + 0.5, 1e-4);
  }
  for (auto kind : {kWebTopPlate, kWebPlates}) {
    const float above = g.comp_n[kind].ytop - g.comp_n[kind].yconc * 9.0f;
    EXPECT_NEAR(above, 7.5 + 1.5, 1e-4);
  }
}

TEST(GirderSections, ModularRatioBelowOneBecomesTen) {
  EXPECT_EQ(girder_modular_ratio(0), 10);
  EXPECT_EQ(girder_modular_ratio(-3), 10);
  EXPECT_EQ(girder_modular_ratio(1), 1);
  EXPECT_EQ(girder_modular_ratio(8), 8);
}

TEST(GirderSections, WebDepthDefaultsToAFootPer25FtRoundedUp) {
  EXPECT_EQ(default_web_depth(100.0f), 48.0f);
  EXPECT_EQ(default_web_depth(101.0f), 60.0f);
  EXPECT_EQ(default_web_depth(110.0f), 60.0f);
  EXPECT_EQ(default_web_depth(20.0f), 12.0f);
}

TEST(GirderSections, WebThicknessDefaultRoundsUpToSixteenths) {
  // FS 20: sqrt(20000)/23000 = 0.0061488; 16*60*0.0061488 = 5.90 -> 6/16.
  EXPECT_EQ(default_web_thickness(60.0f, 20.0f), 0.375f);
  // FS 27: sqrt(27000)/23000 = 0.0071442; 16*72*0.0071442 = 8.23 -> 9/16.
  EXPECT_EQ(default_web_thickness(72.0f, 27.0f), 0.5625f);
  // FS 10 would give 0.0043478, below the 1/170 floor: 16*48/170 = 4.52 -> 5/16.
  EXPECT_EQ(default_web_thickness(48.0f, 10.0f), 0.3125f);
}

TEST(GirderSections, TruncationStaysInRange) {
  EXPECT_EQ(trunc_i32(4.9999f), 4);
  EXPECT_EQ(trunc_i32(-4.9999f), -4);
  EXPECT_EQ(trunc_i32(1e30f), 2147483647);
  EXPECT_EQ(trunc_i32(-1e30f), -2147483647 - 1);
  EXPECT_EQ(trunc_i32(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(GirderSections, SectionWithoutAreaStaysFinite) {
  const SteelSection s = steel_section(0.0f, 0.0f, Plate{}, Plate{});
  EXPECT_EQ(s.area, 0.0f);
  EXPECT_EQ(s.ybar, 0.0f);
  EXPECT_EQ(s.inertia, 0.0f);
  const CompositeSection c = composite_section(s, 0.0f, 0.0f, Slab{}, 0.0f, 0.0f, 10);
  EXPECT_EQ(c.inertia, 0.0f);
  EXPECT_EQ(c.q, 0.0f);
}

} // namespace
} // namespace ss
