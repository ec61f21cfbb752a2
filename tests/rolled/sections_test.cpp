// Steel and composite section properties, worked by hand with the parallel-axis theorem.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "rolled/section_table.h"
#include "rolled/sections.h"
#include "rolled_fixture.h"

namespace ss {
namespace {

// A synthetic beam: 10 in^2, 20 in deep, I = 1000 in^4.
RolledState beam(float bt = 0.0f, float wb = 0.0f) {
  RolledState r;
  r.area = 10.0f;
  r.d = 20.0f;
  r.yc = 10.0f;
  r.inertia = 1000.0f;
  r.bt = bt;
  r.wb = wb;
  return r;
}

TEST(SteelSections, WithoutPlatesAllFourAreTheBeam) {
  RolledState r = beam();
  steel_sections(r, 0.0f, 0.0f);
  for (const RolledSteel &s : r.steel) {
    EXPECT_EQ(s.area, 10.0f);
    EXPECT_EQ(s.e, 0.0f);
    EXPECT_EQ(s.inertia, 1000.0f);
    EXPECT_EQ(s.ytop, -10.0f);
    EXPECT_EQ(s.ybot, 10.0f);
  }
}

TEST(SteelSections, TopPlateMovesTheAxisUp) {
  // Plate 1 x 10 on top: centroid 10.5 in above mid-depth, so the axis rises
  // 10 * 10.5 / 20 = 5.25 in; I = 1000 + 10 * 5.25^2 + 10/12 + 10 * 5.25^2 = 1552.083.
  RolledState r = beam();
  steel_sections(r, 1.0f, 10.0f);
  const RolledSteel &s = r.steel[kBeamTopPlate];
  EXPECT_FLOAT_EQ(s.area, 20.0f);
  EXPECT_FLOAT_EQ(s.e, -5.25f);
  EXPECT_NEAR(s.inertia, 1552.0833, 1e-3);
  EXPECT_FLOAT_EQ(s.ytop, -5.75f); // 10 - 5.25 + 1 in to the plate's top
  EXPECT_FLOAT_EQ(s.ybot, 15.25f);
  EXPECT_FLOAT_EQ(s.ybot - s.ytop, 21.0f);
}

TEST(SteelSections, BottomPlateMovesTheAxisDown) {
  // Plate 2 x 5 below: the same area, centroid 11 in below: e = 5.5,
  // I = 1000 + 10 * 5.5^2 + 5 * 8 / 12 + 10 * 5.5^2 = 1608.333.
  RolledState r = beam(2.0f, 5.0f);
  steel_sections(r, 0.0f, 0.0f);
  const RolledSteel &s = r.steel[kBeamBottomPlate];
  EXPECT_FLOAT_EQ(s.e, 5.5f);
  EXPECT_NEAR(s.inertia, 1608.3333, 1e-3);
  EXPECT_FLOAT_EQ(s.ytop, -15.5f);
  EXPECT_FLOAT_EQ(s.ybot, 6.5f); // 10 - 5.5 + 2
  // With both plates the bottom plate alone is present: the same values.
  EXPECT_EQ(r.steel[kBeamPlates].inertia, s.inertia);
}

TEST(SteelSections, SymmetricPlatesKeepTheAxisAndGiveBothFormsOfI) {
  // 30 WF 173 with 1 x 14 plates top and bottom.
  RolledState r;
  const RolledRow &t = rolled_row(86);
  r.area = t.area;
  r.d = t.d;
  r.yc = t.d * 0.5f;
  r.inertia = t.inertia;
  r.bt = 1.0f;
  r.wb = 14.0f;
  steel_sections(r, 1.0f, 14.0f);
  const RolledSteel &s = r.steel[kBeamPlates];
  EXPECT_EQ(s.e, 0.0f); // exactly: the plates' first moments cancel
  EXPECT_FLOAT_EQ(s.area, 51.0f + 28.0f);
  // I3 = I + IT + IB ...
  const float it = 14.0f * (15.7f * 15.7f) + 14.0f / 12.0f;
  EXPECT_NEAR(s.inertia, 8230.0 + 2.0 * it, 0.05);
  // ... and the form (D2^3 - d^3) * w / 12 + I with D2 = d + 2 bt = 32.4: 15134.053.
  const double d2 = 30.4 + 2.0;
  const double closed = (d2 * d2 * d2 - 30.4 * 30.4 * 30.4) * 14.0 / 12.0 + 8230.0;
  EXPECT_NEAR(closed, 15134.053, 1e-3);
  EXPECT_NEAR(s.inertia, closed, 0.02);
  EXPECT_FLOAT_EQ(s.ytop, -16.2f);
  EXPECT_FLOAT_EQ(s.ybot, 16.2f);
}

TEST(SteelSections, NoAreaAtAllKeepsTheAxisAtMidDepth) {
  RolledState r = beam();
  r.area = 0.0f; // an input-defined beam of no weight
  steel_sections(r, 0.0f, 0.0f);
  for (const RolledSteel &s : r.steel) {
    EXPECT_EQ(s.e, 0.0f);
    EXPECT_EQ(s.inertia, 1000.0f);
  }
}

struct Slab : test::RolledProblem {
  Slab() : RolledProblem(40.0f, 3) {
    st->slab_width = 60.0f;
    st->slab_thickness = 6.0f;
    st->coping = 0.0f;
    st->modular_ratio = 10;
    st->fc = 1.2f;
    st->rolled = beam();
    steel_sections(st->rolled, 0.0f, 0.0f);
  }
};

TEST(CompositeSections, BeamWithSlabForNAndThreeN) {
  // Slab 60 x 6 over n = 10: 36 in^2 with its centroid 13 in above the beam's mid-depth.
  // n: the axis rises 36 * 13 / 46 = 10.1739 in; I = 1000 + 10 * 10.1739^2 + 108 + 36 * 2.8261^2.
  Slab p;
  composite_sections(*p.st);
  const RolledComposite &n = p.st->rolled.comp_n[kBeamAlone];
  const double s = -36.0 * 13.0 / 46.0;
  EXPECT_NEAR(n.inertia, 1000.0 + 10.0 * s * s + 108.0 + 36.0 * (13.0 + s) * (13.0 + s), 1e-2);
  EXPECT_NEAR(n.inertia, 2430.609, 1e-2);
  EXPECT_NEAR(n.ytop, -(10.0 + s), 1e-5);
  EXPECT_NEAR(n.ybot, 10.0 - s, 1e-5);
  EXPECT_NEAR(n.yconc, (-(10.0 + s) - 6.0) / 10.0, 1e-5);
  EXPECT_NEAR(n.q, 10.0 * s / 2430.609, 1e-7);
  EXPECT_LT(n.q, 0.0f);
  // 3n: 12 in^2 of slab, axis rises 12 * 13 / 22 = 7.0909 in.
  const RolledComposite &n3 = p.st->rolled.comp_3n[kBeamAlone];
  const double s3 = -12.0 * 13.0 / 22.0;
  EXPECT_NEAR(n3.inertia, 1000.0 + 10.0 * s3 * s3 + 36.0 + 12.0 * (13.0 + s3) * (13.0 + s3), 1e-2);
  EXPECT_NEAR(n3.ytop, -(10.0 + s3), 1e-5);
  EXPECT_NEAR(n3.ybot, 10.0 - s3, 1e-5);
  EXPECT_NEAR(n3.yconc, (-(10.0 + s3) - 6.0) / 30.0, 1e-5);
}

TEST(CompositeSections, ConcreteDistanceUsesTheTopPlateThicknessForEverySection) {
  // With a top plate the slab sits on the plate; hc = c + t - tt also for the sections that
  // have no top plate.
  Slab p;
  p.st->top_plate.thickness = 1.0f;
  p.st->top_plate.width = 10.0f;
  steel_sections(p.st->rolled, 1.0f, 10.0f);
  composite_sections(*p.st);
  const RolledComposite &n = p.st->rolled.comp_n[kBeamAlone];
  EXPECT_FLOAT_EQ(n.yconc, (n.ytop - 5.0f) / 10.0f);
}

TEST(CompositeSections, BlankRatioAndConcreteStressTakeTheirDefaults) {
  Slab p;
  p.st->modular_ratio = 0;
  p.st->fc = 0.0f;
  composite_sections(*p.st);
  EXPECT_EQ(p.st->modular_ratio, 10);
  EXPECT_EQ(p.st->fc, 1.2f);
  p.st->modular_ratio = -4;
  p.st->fc = -1.0f;
  composite_sections(*p.st);
  EXPECT_EQ(p.st->modular_ratio, 10);
  EXPECT_EQ(p.st->fc, 1.2f);
}

// The section with both plates as a plate search works it, for one thickness and for four lanes
// of thicknesses, is bit for bit the state's section with both plates, over generated beams,
// slabs and plates (zero areas and thicknesses among them).
TEST(BothPlatesSection, EveryLaneIsTheStateSectionBitForBit) {
  std::mt19937 random(16);
  const float picks[] = {0.0f, 0.25f, 0.5625f, 1.0f, 3.5f, 12.0f, 29.3f, 1.0e-3f, 7.0e4f};
  auto pick = [&] {
    return picks[random() % std::size(picks)] * (1.0f + static_cast<float>(random() % 97) / 64.0f);
  };
  auto bits = [](float v) { return std::bit_cast<std::uint32_t>(v); };
  for (int trial = 0; trial < 400; ++trial) {
    Slab p;
    ProblemState &st = *p.st;
    RolledState &r = st.rolled;
    r.area = pick();
    r.d = pick();
    r.yc = r.d * 0.5f;
    r.inertia = pick();
    r.wb = pick();
    st.slab_width = pick();
    st.slab_thickness = pick();
    st.coping = pick();
    st.modular_ratio = static_cast<std::int32_t>(random() % 12);
    st.top_plate.thickness = pick();
    st.top_plate.width = pick();
    const BothPlatesSection section(st);
    const Lanes bt{pick(), pick(), pick(), pick()};
    BothPlatesLanes lanes;
    section.work(r, bt, lanes);
    for (int k = 0; k < kLanes; ++k) {
      BothPlates one;
      section.work(r, bt[k], one);
      r.bt = bt[k];
      steel_sections(r, st.top_plate.thickness, st.top_plate.width);
      composite_sections(st);
      const RolledSteel &s = r.steel[kBeamPlates];
      const RolledComposite &n = r.comp_n[kBeamPlates];
      const RolledComposite &n3 = r.comp_3n[kBeamPlates];
      const float expected[] = {s.area, s.e,    s.inertia,  s.ytop,  s.ybot, n.inertia,
                                n.ytop, n.ybot, n3.inertia, n3.ytop, n3.ybot};
      const float single[] = {one.steel.area, one.steel.e,   one.steel.inertia, one.steel.ytop,
                              one.steel.ybot, one.n.inertia, one.n.ytop,        one.n.ybot,
                              one.n3.inertia, one.n3.ytop,   one.n3.ybot};
      const float lane[] = {lanes.steel.area[k], lanes.steel.e[k],    lanes.steel.inertia[k],
                            lanes.steel.ytop[k], lanes.steel.ybot[k], lanes.n.inertia[k],
                            lanes.n.ytop[k],     lanes.n.ybot[k],     lanes.n3.inertia[k],
                            lanes.n3.ytop[k],    lanes.n3.ybot[k]};
      for (std::size_t v = 0; v < std::size(expected); ++v) {
        EXPECT_EQ(bits(single[v]), bits(expected[v])) << "trial " << trial << " value " << v;
        EXPECT_EQ(bits(lane[v]), bits(expected[v])) << "trial " << trial << " lane " << k << " value " << v;
      }
    }
  }
}

TEST(SectionAt, ClassifiesEveryStretchOfTheSpan) {
  CoverPlate top{10.0f, 1.0f, 10.0f, 20.0f}; // 10 .. 30
  CoverPlate bot{5.0f, 1.0f, 10.0f, 30.0f};  // 5 .. 35
  EXPECT_EQ(section_at(4.9f, top, bot), kBeamAlone);
  EXPECT_EQ(section_at(5.0f, top, bot), kBeamBottomPlate);
  EXPECT_EQ(section_at(10.0f, top, bot), kBeamPlates);
  EXPECT_EQ(section_at(29.9f, top, bot), kBeamPlates);
  EXPECT_EQ(section_at(30.0f, top, bot), kBeamBottomPlate);
  EXPECT_EQ(section_at(35.0f, top, bot), kBeamAlone);
  // The longer plate on top.
  EXPECT_EQ(section_at(7.0f, bot, top), kBeamTopPlate);
  EXPECT_EQ(section_at(32.0f, bot, top), kBeamTopPlate);
  EXPECT_EQ(section_at(20.0f, bot, top), kBeamPlates);
  // Plates over the full span: the support carries both.
  CoverPlate full{0.0f, 1.0f, 10.0f, 40.0f};
  EXPECT_EQ(section_at(0.0f, full, full), kBeamPlates);
}

TEST(ShearConnectors, SteelOrSlabForceOverTheConnectorStrength) {
  // Steel governs: 20 * 20 / 0.55 = 727.27 kips; 2 * 727.27 / (0.85 * 2) = 855.6 -> 856.
  EXPECT_EQ(shear_connectors(20.0f, 20.0f, 1.2f, 60.0f, 6.0f, 2.0f), 856);
  // Slab governs: 2.125 * 1.2 * 60 * 6 = 918 kips; 2 * 918 / (0.85 * 3) = 720 -> 720 (rounded up
  // only past a whole connector).
  EXPECT_EQ(shear_connectors(100.0f, 20.0f, 1.2f, 60.0f, 6.0f, 3.0f), 720);
}

TEST(ShearConnectors, StrengthBlankOrBelowOneKipCountsAsOneKip) {
  // 2 * 727.27 / 0.85 = 1711.2 -> 1712.
  EXPECT_EQ(shear_connectors(20.0f, 20.0f, 1.2f, 60.0f, 6.0f, 1.0f), 1712);
  EXPECT_EQ(shear_connectors(20.0f, 20.0f, 1.2f, 60.0f, 6.0f, 0.5f), 1712);
  EXPECT_EQ(shear_connectors(20.0f, 20.0f, 1.2f, 60.0f, 6.0f, 0.0f), 1712);
  EXPECT_EQ(shear_connectors(20.0f, 20.0f, 1.2f, 60.0f, 6.0f, -3.0f), 1712);
}

} // namespace
} // namespace ss
