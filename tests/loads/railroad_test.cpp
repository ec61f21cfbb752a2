// The railroad train: hand-worked edge cases and an independent statics reference.
#include "loads/railroad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "span.h"

namespace ss {
namespace {

using test::kRR;
using test::load;
using test::span;
using test::tol;

TEST(Train, Cooper80Loads) {
  const TrainLoads p = train_loads(80.0f);
  EXPECT_EQ(p[1], 20.0f);
  EXPECT_EQ(p[2], 40.0f);
  EXPECT_EQ(p[6], 26.0f);
  EXPECT_EQ(p[10], 20.0f);
  EXPECT_EQ(p[14], 40.0f);
  EXPECT_EQ(p[18], 26.0f);
  EXPECT_FLOAT_EQ(p[19], 2.0f); // kips/ft on one rail: half of 4
}

TEST(RailroadStation, TenFootSpanSupports) {
  const TrainLoads p = train_loads(80.0f);
  // Left support: 40-kip loads 2 and 3 at 0 and 5 ft once load 1 is off the span: R = 60.
  EXPECT_FLOAT_EQ(railroad_station(p, 10.0f, 0.0f, 10.0f).shear, 60.0f);
  EXPECT_EQ(railroad_station(p, 10.0f, 0.0f, 10.0f).moment, 0.0f);
  // Right support: loads 2 and 3 at 5 and 10 ft; the shear just right of load 3 is -60.
  EXPECT_FLOAT_EQ(railroad_station(p, 10.0f, 10.0f, 0.0f).shear, 60.0f);
}

TEST(RailroadStation, TenFootSpanMidspan) {
  const StationPeak peak = railroad_station(train_loads(80.0f), 10.0f, 5.0f, 5.0f);
  EXPECT_FLOAT_EQ(peak.moment, 100.0f); // one 40-kip load at midspan: 40*10/4
  EXPECT_FLOAT_EQ(peak.shear, 20.0f);   // half of it on either side
}

TEST(RailroadLoading, TenFootSpanFoldedAndFactored) {
  auto st = span(10.0f, kRR, 80, 0.5f, 0.3f);
  load(*st);
  EXPECT_FLOAT_EQ(st->v_live_pos[0], 30.0f); // 60 * D.F.M.
  EXPECT_EQ(st->m_live[0], 0.0f);
  EXPECT_FLOAT_EQ(st->m_live[10], 50.0f);
  EXPECT_FLOAT_EQ(st->v_live_pos[10], 10.0f);
  EXPECT_FLOAT_EQ(st->v_rri[0], 9.0f); // 30 % of the folded value
  EXPECT_FLOAT_EQ(st->m_rri[10], 15.0f);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_code[k], code_word('R')) << k;
    EXPECT_EQ(st->v_code[k], code_word('R')) << k;
    EXPECT_EQ(code_letter(st->m_code[k]), 'R');
    EXPECT_EQ(st->m_rri[k], st->m_live[k] * 0.3f);
    EXPECT_EQ(st->v_live_neg[k], 0.0f); // the train has no negative shear of its own
    EXPECT_EQ(st->m_truck[k], 0.0f);
    EXPECT_EQ(st->vpos_lane[k], 0.0f);
  }
}

TEST(RailroadLoading, SpanShorterThanTheFirstAxleSpacingCarriesOneAxle) {
  for (float length : {5.0f, 7.0f}) {
    auto st = span(length, kRR, 80);
    load(*st);
    EXPECT_NEAR(st->m_live[10], 40.0 * length / 4.0, tol(10.0 * length)) << length;
  }
}

// Offsets of the loads behind load 1, ft (the uniform head at 109 ft).
std::vector<double> offsets() {
  const double s[] = {8, 5, 5, 5, 9, 5, 6, 5, 8, 8, 5, 5, 5, 9, 5, 6, 5, 5};
  std::vector<double> o{0.0};
  for (double v : s) o.push_back(o.back() + v);
  return o; // o[0] .. o[18]: loads 1..18 and the uniform head
}

// Moment and shear at a station by plain statics, in double: for each load p at the station
// (and the uniform head), the moment from the influence line of each load on the span and the
// uniform load from its head to the right support; then the uniform load on the whole span.
StationPeak statics_peak(double n, double L, double a) {
  const double axle[] = {0.25, 0.5, 0.5, 0.5, 0.5, 0.325, 0.325, 0.325, 0.325,
                         0.25, 0.5, 0.5, 0.5, 0.5, 0.325, 0.325, 0.325, 0.325};
  const double w = 0.05 * n; // kips/ft on one rail
  const std::vector<double> o = offsets();
  double m_max = 0.0, v_max = 0.0;
  for (int p = 0; p < 19; ++p) {
    double m = 0.0, v = 0.0, at_station = 0.0;
    for (int i = 0; i < 18; ++i) {
      const double x = a - o[p] + o[i], load = axle[i] * n;
      if (x < 0.0 || x >= L) continue;
      m += x <= a ? load * x * (L - a) / L : load * a * (L - x) / L;
      v += x < a ? -load * x / L : load * (L - x) / L; // shear just left of the station
      if (i == p) at_station = load;
    }
    const double head = a - o[p] + o[18];
    if (head < L) {
      const double r = w * (L - head) * (L - head) / (2.0 * L);
      m += r * a;
      v += r;
    }
    m_max = std::max(m_max, m);
    v_max = std::max({v_max, std::fabs(v), std::fabs(v - at_station)});
  }
  m_max = std::max(m_max, w * a * (L - a) / 2.0);
  v_max = std::max(v_max, w * a * a / (2.0 * L));
  return {static_cast<float>(m_max), static_cast<float>(v_max)};
}

class RailroadStatics : public testing::TestWithParam<float> {};

TEST_P(RailroadStatics, FoldedPeaksMatchPlainStatics) {
  const float length = GetParam();
  auto st = span(length, kRR, 80, 0.8f);
  load(*st);
  for (int k = 0; k <= 10; ++k) {
    // The stations as the program accumulates them. At the right support R*a and the sum of the
    // loads' moments cancel, leaving a rounding of R*a (a few ten-thousandths of a K-FT. for
    // short spans): hence a tolerance scaled by the size of the moments on the span.
    const StationPeak left = statics_peak(80.0, length, st->x[2 * k]);
    const StationPeak right = statics_peak(80.0, length, st->x[40 - 2 * k]);
    const double m = 0.8 * std::max(left.moment, right.moment);
    const double v = 0.8 * std::max(left.shear, right.shear);
    const double scale = 4.0 * length * length; // w L^2 for w = 4 kips/ft
    EXPECT_NEAR(st->m_live[k], m, 1e-5 * m + 2e-7 * scale) << "L " << length << " k " << k;
    EXPECT_NEAR(st->v_live_pos[k], v, 1e-5 * v + 1e-4) << "L " << length << " k " << k;
  }
}

// Short spans, the whole axle group, and spans on which the uniform load enters.
INSTANTIATE_TEST_SUITE_P(Spans, RailroadStatics,
                         testing::Values(10.0f, 30.0f, 60.0f, 120.0f, 200.0f, 400.0f));

TEST(RailroadLoading, LongSpanTakesTheUniformLoad) {
  // 400 ft: at midspan the whole train with its uniform load is heavier than the uniform load
  // alone (w L^2 / 8 = 4*400*400/8 = 80000 K-FT.), which bounds it from below.
  auto st = span(400.0f, kRR, 80);
  load(*st);
  EXPECT_GT(st->m_live[10], 80000.0f);
  EXPECT_LT(st->m_live[10], 80000.0f + 40.0f * 18 * 100);
}

} // namespace
} // namespace ss
