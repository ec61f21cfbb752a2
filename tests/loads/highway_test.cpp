// H and HS truck, lane and military loadings with impact, and their envelope.
#include "loads/highway.h"

#include <gtest/gtest.h>

#include "span.h"

namespace ss {
namespace {

using test::kH;
using test::kHS;
using test::load;
using test::span;
using test::tol;

TEST(Impact, IsCappedAtThirtyPercent) {
  EXPECT_FLOAT_EQ(impact_multiplier(100.0f), 1.0f + 50.0f / 225.0f); // 1.2222
  EXPECT_NEAR(impact_multiplier(100.0f), 1.22222, 1e-5);
  EXPECT_EQ(impact_multiplier(20.0f), 1.3f); // 1 + 50/145 = 1.3448 is capped
  EXPECT_EQ(impact_multiplier(0.0f), 1.3f);
  EXPECT_NEAR(impact_multiplier(41.6667f), 1.3f, 1e-6); // 50/(len + 125) = 0.3 at 41.667 ft
}

TEST(Impact, StationMultipliersUseTheLoadedLengthAndAreDividedByTheSpan) {
  auto st = span(100.0f, kHS, 20);
  load(*st);
  EXPECT_FLOAT_EQ(st->impact, 1.0f + 50.0f / 225.0f);
  // k = 2: x = 10, L - x = 90
  EXPECT_NEAR(st->impact_pos[2], (1.0 + 50.0 / 215.0) / 100.0, 1e-7);
  EXPECT_NEAR(st->impact_neg[2], 1.3 / 100.0, 1e-8); // 1 + 50/135 is capped
  EXPECT_NEAR(st->impact_pos[10], st->impact_neg[10], 1e-9);
}

TEST(DeflectionLoads, WheelAndLaneLoadsWithImpactAndMomentFactor) {
  auto st = span(100.0f, kHS, 20, 0.5f, 0.7f);
  load(*st);
  const double imp = 1.0 + 50.0 / 225.0;
  EXPECT_NEAR(st->truck_wheel_load, 16.0 * imp * 0.5, tol(9.78));
  EXPECT_NEAR(st->lane_conc_load, 9.0 * imp * 0.5, tol(5.5));
  EXPECT_NEAR(st->lane_uniform_load, 0.16 * imp * 0.5, tol(0.1));
  EXPECT_NEAR(st->military_wheel_load, 12.0 * imp * 0.5, tol(7.3));
}

TEST(DeflectionLoads, AreKeptForTheRailroadClassToo) {
  auto st = span(100.0f, test::kRR, 80);
  load(*st);
  EXPECT_NEAR(st->truck_wheel_load, 64.0 * (1.0 + 50.0 / 225.0), tol(78.3));
}

// The worked example: HS20 on 100 ft, D.F.M. = D.F.V. = 1, at midspan (a = b = 50).
TEST(HighwayMidspan, HS20On100FeetTruckGoverns) {
  auto st = span(100.0f, kHS, 20);
  load(*st);
  const double imp = 1.0 + 50.0 / 225.0;
  EXPECT_NEAR(st->m_truck[10], imp * (16 * 50 * 50 + 16 * 50 * 36 + 4 * 50 * 36) / 100.0, tol(928.9));
  EXPECT_NEAR(st->m_truck[10], 928.9, 0.05);
  EXPECT_NEAR(st->m_lane[10], 50 * 50 * imp * (0.16 * 100 + 9) / 100.0, tol(763.9));
  EXPECT_NEAR(st->m_lane[10], 763.9, 0.05);
  EXPECT_EQ(st->m_live[10], st->m_truck[10]);
  EXPECT_EQ(st->m_code[10], kTruckCode);
  EXPECT_EQ(code_letter(st->m_code[10]), 'T');
}

TEST(HighwayMoment, TruckFormulaSwitchesBetweenPointsSixAndSeven) {
  auto st = span(100.0f, kHS, 20);
  load(*st);
  const double imp = 1.0 + 50.0 / 225.0;
  // k = 6 (a = 30): 16 kips at 30 ft, 16 at 44 ft and 4 at 58 ft: 30*(16*70 + 16*56 + 4*42)/100.
  EXPECT_NEAR(st->m_truck[6], imp * 655.2, tol(800.8));
  // k = 7 (a = 35): 16 kips at 35 ft, 16 at 49 ft, 4 at 21 ft: (16*35*65 + 16*35*51 + 4*65*21)/100.
  EXPECT_NEAR(st->m_truck[7], imp * 704.2, tol(860.7));
}

// Hand-worked statics for H20 and HS20 at 30, 60 and 120 ft: truck with the heavy load at midspan
// and its other loads 14 ft either side, truck with the heavy load on the left support, and the
// lane load (0.32 k/ft on the wheel line, 9 kips for moment, 13 kips for shear).
struct Statics {
  float length;          // ft
  int live_class;        // 1 H, 2 HS
  double imp;            // 1 + 50/(L + 125), capped at 1.3
  double truck_moment;   // K-FT. at midspan without impact
  double truck_reaction; // KIPS at the left support without impact
  double lane_moment;    // K-FT. at midspan without impact
  double lane_reaction;  // KIPS
};

class HighwayStatics : public testing::TestWithParam<Statics> {};

TEST_P(HighwayStatics, MidspanMomentsAndSupportShears) {
  const Statics &c = GetParam();
  auto st = span(c.length, c.live_class, 20);
  load(*st);
  EXPECT_NEAR(st->m_truck[10], c.imp * c.truck_moment, tol(c.imp * c.truck_moment));
  EXPECT_NEAR(st->vpos_truck[0], c.imp * c.truck_reaction, tol(c.imp * c.truck_reaction));
  EXPECT_NEAR(st->m_lane[10], c.imp * c.lane_moment, tol(c.imp * c.lane_moment));
  EXPECT_NEAR(st->vpos_lane[0], c.imp * c.lane_reaction, tol(c.imp * c.lane_reaction));
}

INSTANTIATE_TEST_SUITE_P(
    Spans, HighwayStatics,
    testing::Values(
        // 30 ft: 50/155 caps the impact. HS midspan: 16*15*15/30 + 16*15*1/30 + 4*1*15/30 = 130;
        // support: 16 + 16*16/30 + 4*2/30 = 24.8. H: 120 + 4*15*1/30 = 122; 16 + 4*16/30.
        // Lane: 0.16*15*15 + 9*15*15/30 = 103.5; 0.32*30/2 + 13 = 17.8.
        Statics{30.0f, kHS, 1.3, 130.0, 24.8, 103.5, 17.8},
        Statics{30.0f, kH, 1.3, 122.0, 16.0 + 64.0 / 30.0, 103.5, 17.8},
        // 60 ft: HS 16*30*30/60 + 16*30*16/60 + 4*16*30/60 = 240 + 128 + 32; 16 + 16*46/60 + 4*32/60.
        Statics{60.0f, kHS, 1.0 + 50.0 / 185.0, 400.0, 30.4, 279.0, 22.6},
        Statics{60.0f, kH, 1.0 + 50.0 / 185.0, 272.0, 16.0 + 4.0 * 46.0 / 60.0, 279.0, 22.6},
        // 120 ft: HS 480 + 16*60*46/120 + 4*46*60/120 = 480 + 368 + 92; 16 + 16*106/120 + 4*92/120.
        Statics{120.0f, kHS, 1.0 + 50.0 / 245.0, 940.0, 33.2, 846.0, 32.2},
        Statics{120.0f, kH, 1.0 + 50.0 / 245.0, 572.0, 16.0 + 4.0 * 106.0 / 120.0, 846.0, 32.2}));

TEST(HighwayShear, MidspanShearsUseTheStationImpact) {
  auto st = span(60.0f, kHS, 20);
  load(*st);
  // a = b = 30: I(30) = 1 + 50/155 capped at 1.3; loads at 30, 16 and 2 ft from the right support.
  EXPECT_NEAR(st->vpos_truck[10], 1.3 * (16 * 30 + 16 * 16 + 4 * 2) / 60.0, tol(16.12));
  EXPECT_NEAR(st->vneg_truck[10], 1.3 * (16 * 30 + 16 * 16 + 4 * 2) / 60.0, tol(16.12));
  // Lane: uniform load on 30 ft plus 13 kips at the station: (0.16*30*30 + 13*30)/60.
  EXPECT_NEAR(st->vpos_lane[10], 1.3 * (0.16 * 900 + 390) / 60.0, tol(11.57));
  // Military: 12 kips at 30 and at 26 ft from the right support.
  EXPECT_NEAR(st->vpos_military[10], 1.3 * 12 * 56 / 60.0, tol(14.56));
  EXPECT_EQ(st->v_live_neg[10], -st->vneg_truck[10]);
  EXPECT_EQ(st->v_live_pos[10], st->vpos_truck[10]);
  EXPECT_EQ(st->v_code[10], kTruckCode);
}

TEST(HighwayShear, SupportShearTakesTheShearFactorForTheLoadOnTheBearing) {
  auto st = span(60.0f, kHS, 20, 0.5f, 0.8f);
  load(*st);
  const double imp = 1.0 + 50.0 / 185.0;
  EXPECT_NEAR(st->vpos_truck[0], imp * (0.8 * 16 + 0.5 * (16 * 46 + 4 * 32) / 60.0), tol(26.0));
  EXPECT_NEAR(st->vpos_lane[0], imp * (0.5 * 0.16 * 60 + 0.8 * 13), tol(19.3));
  EXPECT_NEAR(st->vpos_military[0], imp * (0.8 * 12 + 0.5 * 12 * 56 / 60.0), tol(19.3));
  // Nothing is loaded for moment or negative shear at the support.
  EXPECT_EQ(st->m_truck[0], 0.0f);
  EXPECT_EQ(st->vneg_truck[0], 0.0f);
  EXPECT_EQ(st->m_lane[0], 0.0f);
  EXPECT_EQ(st->vneg_military[0], 0.0f);
}

TEST(HighwayShear, SpanShorterThan14FeetCarriesOnlyTheHeavyLoad) {
  auto st = span(10.0f, kHS, 20);
  load(*st);
  EXPECT_NEAR(st->vpos_truck[0], 1.3 * 16, tol(20.8));
  // Midspan moment of one 16-kip load: 16*10/4 = 40.
  EXPECT_NEAR(st->m_truck[10], 1.3 * 40, tol(52));
  // Military: both 12-kip loads on: 12*5*5/10 + 12*5*1/10 = 36.
  EXPECT_NEAR(st->m_military[10], 1.3 * 36, tol(46.8));
  EXPECT_EQ(st->m_code[10], kTruckCode);
}

TEST(HighwayEnvelope, EachLoadingCanGovern) {
  // H20, 30 ft: military 1.3*(90 + 66) = 202.8 over truck 158.6 and lane 134.55.
  auto short_span = span(30.0f, kH, 20);
  load(*short_span);
  EXPECT_NEAR(short_span->m_military[10], 1.3 * 156, tol(202.8));
  EXPECT_EQ(short_span->m_live[10], short_span->m_military[10]);
  EXPECT_EQ(code_letter(short_span->m_code[10]), 'M');
  // H20, 120 ft: lane 1.2041*846 over military 1.2041*696 and truck 1.2041*572.
  auto long_span = span(120.0f, kH, 20);
  load(*long_span);
  EXPECT_EQ(long_span->m_live[10], long_span->m_lane[10]);
  EXPECT_EQ(long_span->m_code[10], code_word('L'));
  // HS20, 60 ft: truck 400 over military 336 and lane 279 (all times 1.2703).
  auto mid_span = span(60.0f, kHS, 20);
  load(*mid_span);
  EXPECT_EQ(mid_span->m_code[10], kTruckCode);
  EXPECT_EQ(mid_span->v_code[0], kTruckCode);
}

TEST(HighwayEnvelope, EqualZerosAtTheSupportGoToTheMilitaryLoading) {
  auto st = span(60.0f, kHS, 20);
  load(*st);
  EXPECT_EQ(st->m_live[0], 0.0f);
  EXPECT_EQ(st->m_code[0], code_word('M'));
  EXPECT_EQ(st->v_live_neg[0], 0.0f);
}

TEST(HighwayEnvelope, AllLoadingsLeftOut) {
  auto st = span(60.0f, kHS, 20);
  st->omit_truck = 1;
  st->omit_lane = 1;
  st->omit_military = 1;
  load(*st);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_live[k], 0.0f) << k;
    EXPECT_EQ(st->v_live_pos[k], 0.0f) << k;
    EXPECT_EQ(st->v_live_neg[k], 0.0f) << k;
    EXPECT_EQ(st->m_truck[k], 0.0f) << k;
    EXPECT_EQ(st->vpos_lane[k], 0.0f) << k;
    EXPECT_EQ(st->vneg_military[k], 0.0f) << k;
    EXPECT_EQ(st->m_code[k], code_word('M')) << k;
    EXPECT_EQ(st->v_code[k], code_word('M')) << k;
    EXPECT_EQ(code_letter(st->v_code[k]), 'M');
  }
}

TEST(HighwayEnvelope, OnlyTheLoadingsLeftInCount) {
  auto st = span(120.0f, kH, 20); // the lane load would govern the midspan moment
  st->omit_lane = 1;
  load(*st);
  EXPECT_EQ(st->m_lane[10], 0.0f);
  EXPECT_EQ(st->m_live[10], st->m_military[10]);
  EXPECT_EQ(st->m_code[10], code_word('M'));
  st->omit_lane = 0;
  st->omit_military = 1;
  st->omit_truck = 1;
  load(*st);
  EXPECT_EQ(st->m_live[10], st->m_lane[10]);
  EXPECT_EQ(st->m_code[10], code_word('L'));
  // At the support all three stored moments are zero, the military one included: "M".
  EXPECT_EQ(st->m_code[0], code_word('M'));
}

TEST(HighwayEnvelope, NegativeShearIsMinusTheLargest) {
  auto st = span(60.0f, kHS, 20);
  load(*st);
  for (int k = 1; k <= 10; ++k) {
    const float largest = std::max(std::max(st->vneg_truck[k], st->vneg_lane[k]), st->vneg_military[k]);
    EXPECT_GT(largest, 0.0f);
    EXPECT_EQ(st->v_live_neg[k], -largest) << k;
  }
}

TEST(HighwayEnvelope, RailroadValuesStayZero) {
  auto st = span(60.0f, kHS, 20);
  load(*st);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_rri[k], 0.0f);
    EXPECT_EQ(st->v_rri[k], 0.0f);
  }
}

} // namespace
} // namespace ss
