// LLDEFL on beams of constant inertia: every loading against the elastic closed forms.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "deflection/deflection.h"
#include "loads/dead_loads.h"

namespace ss {
namespace {

constexpr double kEread = 29.0; // thousands of ksi, as read
constexpr double kI = 20000.0;  // in^4

// Closed forms in kips and feet times this give inches.
double to_inches(double inertia = kI) { return 1728.0 / (kEread * 1000.0 * inertia); }

// A rolled beam of constant inertia, class HS, with D.F.D. / D.F.M. = 0.75.
std::unique_ptr<ProblemState> beam(float length) {
  auto st = std::make_unique<ProblemState>();
  st->length = length;
  st->beam_type = 1;
  st->live_class = 2;
  st->dfm = 0.8f;
  st->dfd = 0.6f;
  st->e = 29.0f / 0.012f;
  st->i_steel.fill(static_cast<float>(kI));
  st->i_n.fill(1.0f); // must not be used for a non-composite beam
  set_stations(*st);
  set_deflection_limit(*st);
  return st;
}

constexpr double kR = 0.75; // D.F.D. / D.F.M.

void near(double actual, double expected) { EXPECT_NEAR(actual, expected, 2e-5 * std::fabs(expected)); }

TEST(Lldefl, LaneIsAMidspanPointLoadPlusTheFullUniformLoad) {
  auto st = beam(80.0f);
  st->omit_truck = st->omit_military = 1;
  st->lane_conc_load = 18.0f;
  st->lane_uniform_load = 0.32f; // half the lane load per foot
  LLDEFL(*st);
  const double L = 80.0;
  near(st->defl_lane, (18.0 * L * L * L / 48.0 + 2 * 0.32 * 5.0 * std::pow(L, 4) / 384.0) * to_inches() * kR);
  EXPECT_EQ(st->defl_truck, 0.0f);
  EXPECT_EQ(st->defl_military, 0.0f);
  EXPECT_EQ(st->defl_total, st->defl_lane);
}

TEST(Lldefl, CompositeTypesUseTheCompositeInertia) {
  for (int type : {3, 5}) {
    auto st = beam(80.0f);
    st->beam_type = type;
    st->i_n.fill(40000.0f);
    st->i_steel.fill(1.0f);
    st->omit_truck = st->omit_military = 1;
    st->lane_conc_load = 18.0f;
    LLDEFL(*st);
    near(st->defl_lane, 18.0 * 80.0 * 80.0 * 80.0 / 48.0 * to_inches(40000.0) * kR);
  }
}

TEST(Lldefl, SidewalkIsAddedToTheGoverningLoading) {
  auto st = beam(80.0f);
  st->omit_truck = st->omit_military = 1;
  st->lane_conc_load = 18.0f;
  st->swll = 0.05f;
  LLDEFL(*st);
  // The sidewalk load carries no distribution ratio.
  near(st->defl_sidewalk, 0.05 * 5.0 * std::pow(80.0, 4) / 384.0 * to_inches());
  EXPECT_EQ(st->defl_total, st->defl_lane + st->defl_sidewalk);
}

// Midspan deflection per kip of a load a ft from the support (a <= L/2), in units of 1/(48 EI).
double influence(double L, double a) { return a * (3 * L * L - 4 * a * a); }

TEST(Lldefl, MilitaryAxlePairOnAShortSpan) {
  // L = 20: the twentieth points are 1 ft apart, so every axle position is a station. Pairs 4 ft
  // apart: midspan and 4 ft off (a = 10, 6), 1 and 3 ft off (9, 7), 2 ft either side (8, 8).
  auto st = beam(20.0f);
  st->omit_truck = st->omit_lane = 1;
  st->military_wheel_load = 12.0f;
  LLDEFL(*st);
  const double pairs[] = {influence(20, 10) + influence(20, 6), influence(20, 9) + influence(20, 7),
                          2 * influence(20, 8)};
  EXPECT_EQ(pairs[2], 15104.0); // the straddling pair governs: 14336, 14912, 15104
  near(st->defl_military, 12.0 * kR * 15104.0 / 48.0 * to_inches());
}

TEST(Lldefl, HsTruckOnFortyFeet) {
  // Stations every 2 ft; a load between two stations takes the straight line between their
  // values. Heavy axles p-1 and 15-p ft from midspan, light axle p+13 ft: the best positions are
  // p = 7 (a = 14, 12, 0) and p = 8 (a = 13, 13, off the span: halfway values), both
  // 56224 + 50688 = 106912.
  auto st = beam(40.0f);
  st->omit_lane = st->omit_military = 1;
  st->truck_wheel_load = 20.0f;
  LLDEFL(*st);
  EXPECT_EQ(influence(40, 14) + influence(40, 12), 106912.0);
  near(st->defl_truck, 106912.0 / 48.0 * to_inches() * 20.0 * kR);
}

TEST(Lldefl, HTruckOnFortyFeet) {
  // Heavy axle p-1 ft from midspan, quarter axle 14 ft away (15-p ft from midspan): p = 1, 2, 3, 4
  // give 64000 + 27936/4, (64000 + 63072)/2 + (27936 + 36352)/8, 63072 + 36352/4 and
  // (60416 + 63072)/2 + (36352 + 44000)/8; the best is p = 3 (a = 18 and 8): 72160.
  auto st = beam(40.0f);
  st->live_class = 1;
  st->omit_lane = st->omit_military = 1;
  st->truck_wheel_load = 20.0f;
  LLDEFL(*st);
  const double best = influence(40, 18) + 0.25 * influence(40, 8);
  EXPECT_EQ(best, 72160.0);
  near(st->defl_truck, best / 48.0 * to_inches() * 20.0 * kR);
  // Any class other than HS is treated as H.
  auto other = beam(40.0f);
  other->live_class = 7;
  other->omit_lane = other->omit_military = 1;
  other->truck_wheel_load = 20.0f;
  LLDEFL(*other);
  EXPECT_EQ(other->defl_truck, st->defl_truck);
}

TEST(Lldefl, ShortSpanTruckHasItsLightAxleOffTheSpan) {
  // L = 20, H truck: the quarter axle 14 ft from the heavy one is off the span except for p = 6..8,
  // none of which beats the heavy axle alone at midspan.
  auto st = beam(20.0f);
  st->live_class = 1;
  st->omit_lane = st->omit_military = 1;
  st->truck_wheel_load = 16.0f;
  LLDEFL(*st);
  near(st->defl_truck, 16.0 * 20.0 * 20.0 * 20.0 / 48.0 * to_inches() * kR);
}

TEST(Lldefl, RailroadIsTheUniformLoadOfTheSameMidspanMoment) {
  auto st = beam(80.0f);
  st->live_class = 3;
  st->m_live[10] = 2000.0f;
  st->m_rri[10] = 500.0f;
  st->lane_conc_load = 18.0f; // not used for the railroad class
  st->military_wheel_load = 12.0f;
  LLDEFL(*st);
  // w = 8M / L^2; 5 w L^4 / 384 EI = M L^2 / 9.6 EI.
  near(st->defl_railroad, 2500.0 * 80.0 * 80.0 / 9.6 * to_inches() * kR);
  EXPECT_EQ(st->defl_lane, 0.0f);
  EXPECT_EQ(st->defl_military, 0.0f);
  EXPECT_EQ(st->defl_total, st->defl_railroad);
  EXPECT_EQ(st->deflection_ratio, 640);
  EXPECT_EQ(st->allowed_deflection, 80.0f * 0.01875f);
}

TEST(Lldefl, RailroadWithTheTruckLeftOutComputesLaneAndMilitary) {
  auto st = beam(80.0f);
  st->live_class = 3;
  st->omit_truck = 1;
  st->m_live[10] = 2000.0f;
  st->lane_conc_load = 18.0f;
  st->military_wheel_load = 12.0f;
  LLDEFL(*st);
  EXPECT_EQ(st->defl_railroad, 0.0f);
  near(st->defl_lane, 18.0 * 80.0 * 80.0 * 80.0 / 48.0 * to_inches() * kR);
  EXPECT_GT(st->defl_military, 0.0f);
  EXPECT_EQ(st->deflection_ratio, 800); // the driver's ratio stands
}

TEST(Lldefl, ModulusNotPositiveLeavesZerosAndTheDriversRatio) {
  for (float e : {0.0f, -29.0f}) {
    auto st = beam(80.0f);
    st->e = e;
    st->live_class = 3;
    st->swll = 0.05f;
    set_deflection_limit(*st);
    st->defl_truck = st->defl_lane = st->defl_military = st->defl_railroad = st->defl_sidewalk = 9.0f;
    st->defl_total = 9.0f;
    st->m_live[10] = 2000.0f;
    st->lane_conc_load = 18.0f;
    LLDEFL(*st);
    EXPECT_EQ(st->defl_truck, 0.0f);
    EXPECT_EQ(st->defl_lane, 0.0f);
    EXPECT_EQ(st->defl_military, 0.0f);
    EXPECT_EQ(st->defl_railroad, 0.0f);
    EXPECT_EQ(st->defl_sidewalk, 0.0f);
    EXPECT_EQ(st->defl_total, 0.0f);
    EXPECT_EQ(st->deflection_ratio, 1000);
    EXPECT_EQ(st->allowed_deflection, 80.0f * 0.012f);
  }
}

TEST(Lldefl, EveryLoadingLeftOutGivesZero) {
  auto st = beam(80.0f);
  st->omit_truck = st->omit_lane = st->omit_military = 1;
  st->truck_wheel_load = st->lane_conc_load = st->military_wheel_load = 10.0f;
  LLDEFL(*st);
  EXPECT_EQ(st->defl_total, 0.0f);
}

TEST(Lldefl, ZeroInertiaGivesUndefinedDeflectionsWithoutFailing) {
  auto st = beam(80.0f);
  st->i_steel.fill(0.0f);
  st->lane_conc_load = 18.0f;
  LLDEFL(*st); // the tables print such a deflection as asterisks
  EXPECT_FALSE(std::isfinite(st->defl_lane));
}

} // namespace
} // namespace ss
