// Shear connectors and web stiffeners of a plate girder, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "girder/girder_report.h"

namespace ss {
namespace {

// Web 60 x 3/8 (area 22.5 in^2), FS 20 ksi.
ProblemState web_state(float tw) {
  ProblemState st;
  st.beam_type = 4;
  st.web_d = 60.0f;
  st.web_t = tw;
  st.fs = 20.0f;
  return st;
}

TEST(GirderStiffeners, LongitudinalWhenTheWebIsThinnerThanD_sqrtFs_23000) {
  // 60*sqrt(20000)/23000 = 0.36893 in.
  ProblemState st = web_state(0.375f);
  girder_stiffeners(st);
  EXPECT_EQ(st.girder.longitudinal, 0);
  st = web_state(0.3125f);
  girder_stiffeners(st);
  EXPECT_EQ(st.girder.longitudinal, 1);
}

TEST(GirderStiffeners, SpacingAtTheSupportAndInside) {
  ProblemState st = web_state(0.375f);
  // Support: 100 kips over 22.5 in^2: sqrt(4444.4) = 66.667; 0.375 < 60*66.667/7500 = 0.533.
  // Spacing min(5500*0.375/66.667, 30) = min(30.94, 30) = 30.
  st.v_girder[0] = 40.0f;
  st.v_live_pos[0] = 60.0f;
  st.v_rri[0] = 1000.0f; // not part of the support shear
  // k = 1: 225 kips: sqrt(10000) = 100, 11000*0.375/100 = 41.25.
  st.v_noncomp[2] = 200.0f;
  st.v_sidewalk_pos[1] = 25.0f;
  // k = 2: -225 kips (loads off centre): its magnitude counts, 41.25 again.
  st.v_pload[4] = -225.0f;
  // k = 3: 25 kips: sqrt(1111.1) = 33.33, 11000*0.375/33.33 = 123.75, capped at D = 60.
  st.v_comp[6] = 25.0f;
  // k = 4..10 carry no shear: 0.375 < 60/150 = 0.4 still wants stiffeners, at the cap D.
  girder_stiffeners(st);
  const GirderState &g = st.girder;
  ASSERT_TRUE(g.transverse_needed);
  EXPECT_FLOAT_EQ(g.spacing[0], 30.0f);
  EXPECT_FLOAT_EQ(g.spacing[1], 41.25f);
  EXPECT_FLOAT_EQ(g.spacing[2], 41.25f);
  EXPECT_FLOAT_EQ(g.spacing[3], 60.0f);
  for (int k = 4; k <= 10; ++k) EXPECT_EQ(g.spacing[static_cast<std::size_t>(k)], 60.0f) << k;
}

TEST(GirderStiffeners, InteriorPointsThatPassPrintZero) {
  ProblemState st = web_state(0.5f); // 0.5 >= 60/150
  // Support 150 kips over 30 in^2: sqrt(5000) = 70.71, 60*70.71/7500 = 0.566 > 0.5: needed.
  st.v_girder[0] = 150.0f;
  // k = 1: 400 kips, sqrt(13333) = 115.5, spacing 11000*0.5/115.5 = 47.6; k = 2..10: 50 kips,
  // sqrt(1666.7) = 40.8, 60*40.8/7500 = 0.327 <= 0.5: none needed.
  st.v_girder[2] = 400.0f;
  for (int k = 2; k <= 10; ++k) st.v_live_pos[k] = 50.0f;
  girder_stiffeners(st);
  ASSERT_TRUE(st.girder.transverse_needed);
  EXPECT_FLOAT_EQ(st.girder.spacing[0], 30.0f); // min(5500*0.5/70.71 = 38.9, 30)
  EXPECT_NEAR(st.girder.spacing[1], 11000.0 * 0.5 / std::sqrt(400000.0 / 30.0), 1e-4);
  for (int k = 2; k <= 10; ++k) EXPECT_EQ(st.girder.spacing[static_cast<std::size_t>(k)], 0.0f) << k;
}

TEST(GirderStiffeners, StockyWebNeedsNoneEvenWhereAnInteriorPointFails) {
  ProblemState st = web_state(0.5f);
  // Support 100 kips: sqrt(3333.3) = 57.7, 60*57.7/7500 = 0.462 <= 0.5.
  st.v_girder[0] = 100.0f;
  st.v_live_pos[5] = 500.0f; // would fail at k = 5
  girder_stiffeners(st);
  EXPECT_FALSE(st.girder.transverse_needed);
}

TEST(GirderStiffeners, WebWithoutAreaStaysFinite) {
  ProblemState st = web_state(0.0f);
  st.v_girder[0] = 100.0f;
  girder_stiffeners(st);
  ASSERT_TRUE(st.girder.transverse_needed); // 0 < 60/150
  EXPECT_EQ(st.girder.spacing[0], 30.0f);
  EXPECT_EQ(st.girder.spacing[10], 60.0f);
}

// Composite girder: web-and-plates area 100 in^2, FS 20, FC 1.2, slab 77.7 x 8.
//   P1 = 100*20/0.55 = 3636.4, P2 = 2.125*1.2*77.7*8 = 1585.08: the slab governs.
TEST(GirderConnectors, ForTheUltimateStrengthOfSteelOrSlab) {
  ProblemState st = web_state(0.375f);
  st.beam_type = 5;
  st.girder.steel[kWebPlates].area = 100.0f;
  st.fc = 1.2f;
  st.slab_width = 77.7f;
  st.slab_thickness = 8.0f;
  st.ultimate_strength = 35.0f; // 2*1585.08/(0.85*35) = 106.56 -> 107
  girder_stiffeners(st);
  EXPECT_EQ(st.girder.connectors, 107);
  st.ultimate_strength = 0.5f; // taken as 1 kip: 3170.16/0.85 = 3729.6 -> 3730
  girder_stiffeners(st);
  EXPECT_EQ(st.girder.connectors, 3730);
  st.slab_thickness = 20.0f; // P2 = 3962.7: the steel governs, 2*3636.4/(0.85*20) = 427.8 -> 428
  st.ultimate_strength = 20.0f;
  girder_stiffeners(st);
  EXPECT_EQ(st.girder.connectors, 428);
}

TEST(GirderRecords, NotDesignedRecordCarriesTheProblemNumber) {
  std::ostringstream os;
  Report report(os);
  std::istringstream in;
  DeckReader deck(in);
  ProblemState st;
  st.problem_number = make_word("P12");
  ss::Run run{st, report, deck};
  print_not_designed(run, "FS NOT GIVEN");
  EXPECT_EQ(os.str().substr(os.str().find("PLATE")),
            "PLATE GIRDER NOT DESIGNED - FS NOT GIVEN  PROBLEM NUMBER  P12 \r");
}

} // namespace
} // namespace ss
