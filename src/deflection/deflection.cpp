#include "deflection/deflection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace ss {

namespace {

// The running sums of the double integration of N moment diagrams m[0..N-1] over the same
// inertias, side by side: on return sums[d][i-1] holds the double integral of diagram d after
// panel i (i = 1..20). Reads the diagrams and in at stations 1..39; a sums array may be the very
// array of its diagram (every station is read before the first sum is written).
template <int N>
void integrate_sums(const std::array<const float *, N> &m, const float *in, float e,
                    const std::array<float *, N> &sums) {
  // The curvatures first, in a loop of independent divisions the compiler runs several at a time.
  std::array<std::array<float, 40>, N> t;
  for (int d = 0; d < N; ++d)
    for (int s = 1; s <= 39; ++s) t[d][s] = m[d][s] / in[s] / e;
  float s1[N] = {}; // running single integrals of the curvature (weighted sums)
  float s2[N] = {}; // running double integrals
  for (int i = 1; i <= 19; ++i) {
    for (int d = 0; d < N; ++d) {
      // Station 2i-1, the odd fortieth point inside panel i.
      s1[d] = s1[d] + t[d][2 * i - 1] + t[d][2 * i - 1];
      s2[d] = s2[d] + t[d][2 * i - 1] + t[d][2 * i - 1];
      sums[d][i - 1] = s2[d];
      // Station 2i, twentieth point i.
      s1[d] = s1[d] + t[d][2 * i];
      s2[d] = s2[d] + s1[d] + s1[d];
    }
  }
  // Station 39, inside the last panel.
  for (int d = 0; d < N; ++d) sums[d][19] = s2[d] + t[d][39] + t[d][39];
}

// The deflection (in) at twentieth point k = 1..10 from the sums: 0.06 = 144 (ft^2 to in^2) * 2/3
// / 40^2, the weight of the sums; 0.005 * 0.6 = 0.06 * 0.05.
[[gnu::always_inline]] inline float deflection_at(const float *sums, float l, int k) {
  const float f = 0.005f * sums[19] * l;
  return (f * 0.6f * static_cast<float>(k) - sums[k - 1] * 0.06f * l) * l;
}

} // namespace

void COMPDF(const float *m, const float *in, float *acc, float l, float *out, float e) {
  integrate_sums<1>({m}, in, e, {out});
  for (int k = 1; k <= 10; ++k) {
    out[k - 1] = deflection_at(out, l, k);
    acc[k - 1] = out[k - 1] + acc[k - 1];
  }
}

namespace {

// Unit-load moment diagrams at fortieth points 0..39: a unit load at midspan, a unit uniform load.
struct UnitMoments {
  std::array<float, 40> point{};
  std::array<float, 40> uniform{};
};

// What the span alone decides, the same for every trial section of a design: the unit-load moment
// diagrams and where each load of the midspan influence line stands. Kept per thread for the
// last span seen.
struct SpanGeometry {
  float length = 0;
  std::array<float, 40> x{}; // stations 0..39
  UnitMoments moments;
  std::array<int, 23> panel{};    // load p: twentieth-point panel i (-1: off the span)
  std::array<float, 23> within{}; // load p: fraction f of the panel
};

void set_geometry(SpanGeometry &g, const ProblemState &st) {
  const float L = st.length;
  g.length = L;
  std::copy(st.x.begin(), st.x.begin() + 40, g.x.begin());
  for (int s = 0; s < 40; ++s) {
    const float x = st.x[s];
    g.moments.point[s] = s <= 20 ? 0.5f * x : 0.5f * (L - x);
    g.moments.uniform[s] = x * (L - x) * 0.5f;
  }
  for (int p = 1; p <= 22; ++p) {
    // Position of the load p-1 ft from midspan in twentieth-point units from the left support.
    float s = (0.5f * L - static_cast<float>(p - 1)) * 20.0f / L;
    // A span so long that 10 L overflows (over 3.4E37 ft) makes s infinite; as L grows the load
    // p-1 ft from midspan tends to midspan, so s is taken as 10.
    if (std::isinf(s)) s = 10.0f;
    g.panel[p] = s > 0.0f ? static_cast<int>(s) : -1; // 0..10, or the load is off the span
    g.within[p] = s > 0.0f ? s - static_cast<float>(g.panel[p]) : 0.0f;
  }
}

const SpanGeometry &span_geometry(const ProblemState &st) {
  thread_local SpanGeometry g;
  static_assert(sizeof g.length == 4 && sizeof g.x == 160);
  if (std::memcmp(&g.length, &st.length, sizeof g.length) != 0 ||
      std::memcmp(g.x.data(), st.x.data(), sizeof g.x) != 0)
    set_geometry(g, st);
  return g;
}

const float *live_load_inertia(const ProblemState &st) {
  const bool composite = st.beam_type == 3 || st.beam_type == 5;
  return composite ? st.i_n.data() : st.i_steel.data();
}

// The double-integration sums of the unit uniform load and, when `point`, of the unit load at
// midspan, worked side by side.
struct UnitSums {
  std::array<float, 20> uniform, point;
};

UnitSums unit_sums(const ProblemState &st, const SpanGeometry &g, bool point) {
  UnitSums u;
  const float *in = live_load_inertia(st);
  if (point) {
    integrate_sums<2>({g.moments.uniform.data(), g.moments.point.data()}, in, st.e,
                      {u.uniform.data(), u.point.data()});
  } else {
    integrate_sums<1>({g.moments.uniform.data()}, in, st.e, {u.uniform.data()});
  }
  return u;
}

// Midspan deflection under a unit load p-1 ft from midspan, p = 1..22 (element p; 0 unused), and
// (element 0) under a unit load at midspan, from the point load's sums u. By reciprocity the
// deflection at twentieth point k under a unit load at midspan is the midspan deflection under a
// unit load at k.
std::array<float, 23> midspan_influence(const ProblemState &st, const SpanGeometry &g,
                                        std::array<float, 20> u) {
  // Twentieth points k = 1..10 at k-1, then the first intermediate sum.
  for (int k = 1; k <= 10; ++k) u[k - 1] = deflection_at(u.data(), st.length, k);
  std::array<float, 23> w{};
  w[0] = u[9];
  for (int p = 1; p <= 22; ++p) {
    const int i = g.panel[p];
    if (i < 0) continue; // the load is off the span
    const float f = g.within[p];
    const float p0 = i != 0 ? u[i - 1] : 0.0f;
    // At i = 10 the upper value is the first intermediate sum; f is then 0 or nearly so.
    w[p] = f * (u[i] - p0) + p0;
  }
  return w;
}

// The larger of the truck positions straddling midspan, starting from 0 (unit wheel load).
float truck_influence(const ProblemState &st, const std::array<float, 23> &w) {
  float best = 0.0f;
  for (int p = 1; p <= 8; ++p) {
    float v;
    if (st.live_class == 2) {
      v = w[p] + w[16 - p] + 0.25f * w[p + 14]; // HS: two heavy axles 14 ft apart, light axle beyond
    } else {
      v = w[p] + 0.25f * w[16 - p]; // H (and any unknown class): heavy axle and a quarter axle
    }
    best = std::max(best, v);
  }
  return best;
}

// Truck, lane and military deflections of the highway classes (and of a railroad span whose
// train is left out), r the ratio of the distribution factors.
void highway_deflections(ProblemState &st, const SpanGeometry &g, const std::array<float, 20> &point,
                         float uniform_mid, float r) {
  const std::array<float, 23> w = midspan_influence(st, g, point);
  if (st.omit_truck != 1) st.defl_truck = truck_influence(st, w) * st.truck_wheel_load * r;
  if (st.omit_lane != 1)
    st.defl_lane = (st.lane_conc_load * w[0] + st.lane_uniform_load * uniform_mid * 2.0f) * r;
  if (st.omit_military != 1) {
    const float pair = std::max({0.0f, w[1] + w[5], w[2] + w[4], w[3] + w[3]}); // axles 4 ft apart
    st.defl_military = st.military_wheel_load * r * pair;
  }
}

} // namespace

void LLDEFL(ProblemState &st) {
  st.defl_truck = 0.0f;
  st.defl_lane = 0.0f;
  st.defl_military = 0.0f;
  st.defl_railroad = 0.0f;
  st.defl_sidewalk = 0.0f;
  // A span or moment factor that is not positive never reaches a design (the driver switches the
  // problem to resisting moments); it is guarded here all the same, like a modulus not positive.
  if (st.e > 0.0f && st.length > 0.0f && st.dfm > 0.0f) {
    const float L = st.length;
    const float r = st.dfd / st.dfm; // moment-distributed loads to deflection-distributed loads
    const SpanGeometry &g = span_geometry(st);
    const bool railroad = st.omit_truck != 1 && st.live_class == 3;
    const UnitSums sums = unit_sums(st, g, !railroad);
    // Midspan deflection (in per kip/ft) under a unit uniform load over the span.
    const float uniform_mid = deflection_at(sums.uniform.data(), L, 10);
    st.defl_sidewalk = st.swll * uniform_mid;
    if (railroad) {
      // The uniform load with the same midspan moment as the train with impact; the train alone
      // governs a railroad span, which needs no influence line.
      st.defl_railroad = r * uniform_mid * 8.0f / L * (st.m_live[10] + st.m_rri[10]) / L;
      st.deflection_ratio = 640;
      st.allowed_deflection = L * 0.01875f;
    } else {
      highway_deflections(st, g, sums.point, uniform_mid, r);
    }
  }
  st.defl_total =
      std::max(std::max(std::max(st.defl_truck, st.defl_lane), st.defl_military), st.defl_railroad) +
      st.defl_sidewalk;
}

void DLSELF(ProblemState &st) {
  const float L = st.length;
  const float w = st.wbm;
  const float r = L * (w * 0.5f); // end reaction, kips
  st.m_girder[0] = 0.0f;
  for (int j = 1; j <= 39; ++j) st.m_girder[j] = st.x[j] * (r - (w * 0.5f) * st.x[j]);
  st.v_girder[0] = r;
  for (int j = 1; j <= 20; ++j) st.v_girder[j] = r - w * st.x[j];
  auto plate = [&](const CoverPlate &cp, F21 &diagram) {
    const float q = cp.thickness * cp.width * st.wg / 288.0f; // half the plate weight per foot
    diagram[0] = L * q;
    for (int j = 1; j <= 20; ++j) diagram[j] = st.x[j] * (L * q - q * st.x[j]);
  };
  plate(st.top_plate, st.m_top_plate);
  plate(st.bottom_plate, st.m_bot_plate);
}

} // namespace ss
