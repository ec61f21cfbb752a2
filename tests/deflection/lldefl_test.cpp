// LLDEFL on beams of constant inertia: every loading against the elastic closed forms.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// LLDEFL as the deflection loop first had it: both unit diagrams built for the call and integrated
// in full by COMPDF, every loading read from them.
void lldefl_in_full(ProblemState &st) {
  st.defl_truck = st.defl_lane = st.defl_military = st.defl_railroad = st.defl_sidewalk = 0.0f;
  if (st.e > 0.0f && st.length > 0.0f && st.dfm > 0.0f) {
    const float L = st.length;
    const float r = st.dfd / st.dfm;
    std::array<float, 40> point{}, uniform{};
    for (int s = 0; s < 40; ++s) {
      const float x = st.x[s];
      point[s] = s <= 20 ? 0.5f * x : 0.5f * (L - x);
      uniform[s] = x * (L - x) * 0.5f;
    }
    const float *in = st.beam_type == 3 || st.beam_type == 5 ? st.i_n.data() : st.i_steel.data();
    std::array<float, 10> scratch{};
    COMPDF(point.data(), in, scratch.data(), L, point.data(), st.e);
    COMPDF(uniform.data(), in, scratch.data(), L, uniform.data(), st.e);
    st.defl_sidewalk = st.swll * uniform[9];
    std::array<float, 23> w{};
    for (int p = 1; p <= 22; ++p) {
      float s = (0.5f * L - static_cast<float>(p - 1)) * 20.0f / L;
      if (std::isinf(s)) s = 10.0f;
      if (!(s > 0.0f)) continue;
      const int i = static_cast<int>(s);
      const float p0 = i != 0 ? point[i - 1] : 0.0f;
      w[p] = (s - static_cast<float>(i)) * (point[i] - p0) + p0;
    }
    bool highway = true;
    if (st.omit_truck != 1 && st.live_class == 3) {
      st.defl_railroad = r * uniform[9] * 8.0f / L * (st.m_live[10] + st.m_rri[10]) / L;
      st.deflection_ratio = 640;
      st.allowed_deflection = L * 0.01875f;
      highway = false;
    } else if (st.omit_truck != 1) {
      float best = 0.0f;
      for (int p = 1; p <= 8; ++p)
        best = std::max(best,
                        st.live_class == 2 ? w[p] + w[16 - p] + 0.25f * w[p + 14] : w[p] + 0.25f * w[16 - p]);
      st.defl_truck = best * st.truck_wheel_load * r;
    }
    if (highway && st.omit_lane != 1)
      st.defl_lane = (st.lane_conc_load * point[9] + st.lane_uniform_load * uniform[9] * 2.0f) * r;
    if (highway && st.omit_military != 1)
      st.defl_military = st.military_wheel_load * r * std::max({0.0f, w[1] + w[5], w[2] + w[4], w[3] + w[3]});
  }
  st.defl_total =
      std::max(std::max(std::max(st.defl_truck, st.defl_lane), st.defl_military), st.defl_railroad) +
      st.defl_sidewalk;
}

// LLDEFL integrates only the diagrams its loadings read, from moments cached per span: every
// value it stores is bit for bit the full computation's, over generated spans, inertia diagrams,
// classes and loadings left out, one span after another as a design's trials call it.
TEST(Lldefl, StoresExactlyWhatTheFullIntegrationGives) {
  std::uint32_t seed = 2024;
  auto next = [&seed](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  const float spans[] = {0.5f, 7.3f, 40.0f, 66.6f, 120.25f, 1e6f, 3e37f, 3.4e38f};
  for (int n = 0; n < 20000; ++n) {
    auto st = beam(spans[next(8)] * (n % 3 == 0 ? 1.0f : 0.5f + static_cast<float>(next(1000)) / 1000.0f));
    st->beam_type = 1 + static_cast<int>(next(5));
    st->live_class = 1 + static_cast<int>(next(3));
    st->omit_truck = next(4) == 0, st->omit_lane = next(4) == 0, st->omit_military = next(4) == 0;
    st->e = next(20) == 0 ? 0.0f : 29.0f / 0.012f * (0.5f + static_cast<float>(next(100)) / 100.0f);
    st->dfd = static_cast<float>(next(1000)) / 997.0f;
    st->dfm = next(30) == 0 ? 0.0f : static_cast<float>(1 + next(1000)) / 991.0f;
    st->swll = static_cast<float>(next(100)) / 313.0f;
    st->truck_wheel_load = static_cast<float>(next(3000)) / 97.0f;
    st->lane_conc_load = static_cast<float>(next(3000)) / 89.0f;
    st->lane_uniform_load = static_cast<float>(next(100)) / 157.0f;
    st->military_wheel_load = static_cast<float>(next(3000)) / 83.0f;
    st->m_live[10] = static_cast<float>(next(100000)) / 7.0f;
    st->m_rri[10] = static_cast<float>(next(10000)) / 11.0f;
    for (std::size_t j = 1; j <= 39; ++j) {
      st->i_steel[j] = next(500) == 0 ? 0.0f : static_cast<float>(1 + next(90000)) / 3.0f;
      st->i_n[j] = static_cast<float>(1 + next(90000)) / 7.0f;
    }
    ProblemState want = *st;
    lldefl_in_full(want);
    LLDEFL(*st);
    const float got_v[] = {st->defl_truck,    st->defl_lane,  st->defl_military,     st->defl_railroad,
                           st->defl_sidewalk, st->defl_total, st->allowed_deflection};
    const float want_v[] = {want.defl_truck,    want.defl_lane,  want.defl_military,     want.defl_railroad,
                            want.defl_sidewalk, want.defl_total, want.allowed_deflection};
    ASSERT_EQ(std::memcmp(got_v, want_v, sizeof got_v), 0) << "case " << n << ", span " << st->length;
    ASSERT_EQ(st->deflection_ratio, want.deflection_ratio) << "case " << n;
  }
}

} // namespace
} // namespace ss
