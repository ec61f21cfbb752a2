#include "loads/highway.h"

#include <algorithm>

namespace ss {

namespace {

// t when positive, else 0: a load that would stand beyond the support is dropped.
float on_span(float t) { return t > 0.0f ? t : 0.0f; }

// Truck loads over a loaded length: the heavy load at the station, the others 14 and 28 ft farther.
float truck_sum(const WheelLoads &w, float len) {
  return w.p * len + w.p2 * on_span(len - 14.0f) + w.p3 * on_span(len - 28.0f);
}

// Two military loads over a loaded length: one at the station, the other 4 ft farther.
float military_sum(float len) { return len + on_span(len - 4.0f); }

// The station multipliers impact_pos and impact_neg already carry the shears' division by L.
void truck_loading(ProblemState &st, const WheelLoads &w) {
  const float L = st.length;
  const float imp = st.impact;
  const float dfm = st.dfm;
  // At the support the heavy load sits on the bearing and takes the shear factor.
  st.vpos_truck[0] =
      imp * st.dfv * w.p + imp * dfm * (w.p2 * on_span(L - 14.0f) + w.p3 * on_span(L - 28.0f)) / L;
  for (int k = 1; k <= 10; ++k) {
    const float a = st.x[2 * k];
    const float b = st.l_minus_x[2 * k];
    st.vpos_truck[k] = st.impact_pos[k] * dfm * truck_sum(w, b);
    st.vneg_truck[k] = st.impact_neg[k] * dfm * truck_sum(w, a);
    if (k <= 6) { // the two lighter loads toward the right support
      st.m_truck[k] = imp * dfm * a * truck_sum(w, b) / L;
    } else { // P2 14 ft toward the right support, P3 14 ft toward the left one
      st.m_truck[k] =
          imp * dfm * (w.p * a * b + w.p2 * a * on_span(b - 14.0f) + w.p3 * b * on_span(a - 14.0f)) / L;
    }
  }
}

void lane_loading(ProblemState &st, const WheelLoads &w) {
  const float L = st.length;
  const float imp = st.impact;
  const float dfm = st.dfm;
  st.vpos_lane[0] = imp * dfm * w.w2 * L + imp * st.dfv * w.pv;
  const float c = imp * dfm * (w.w2 * L + w.pm); // uniform load on the whole span, Pm at the station
  for (int k = 1; k <= 10; ++k) {
    const float a = st.x[2 * k];
    const float b = st.l_minus_x[2 * k];
    st.vpos_lane[k] = st.impact_pos[k] * dfm * b * (w.w2 * b + w.pv);
    st.vneg_lane[k] = st.impact_neg[k] * dfm * a * (w.w2 * a + w.pv);
    st.m_lane[k] = a * b * c / L;
  }
}

void military_loading(ProblemState &st) {
  const float L = st.length;
  const float imp = st.impact;
  const float dfm = st.dfm;
  const float q = kMilitaryLoad;
  st.vpos_military[0] = imp * st.dfv * q + imp * dfm * q * on_span(L - 4.0f) / L;
  for (int k = 1; k <= 10; ++k) {
    const float a = st.x[2 * k];
    const float b = st.l_minus_x[2 * k];
    st.vpos_military[k] = st.impact_pos[k] * dfm * q * military_sum(b);
    st.vneg_military[k] = st.impact_neg[k] * dfm * q * military_sum(a);
    st.m_military[k] = imp * dfm * q * a * military_sum(b) / L;
  }
}

// The code of the loading whose value equals the largest one: the truck unless the lane value
// equals it, the military loading over both.
LoadCode governing(float largest, float lane, float military) {
  LoadCode code = kTruckCode;
  if (largest == lane) code = code_word('L');
  if (largest == military) code = code_word('M');
  return code;
}

float largest(float truck, float lane, float military) { return std::max(std::max(truck, lane), military); }

} // namespace

WheelLoads wheel_loads(float n, bool hs) {
  WheelLoads w;
  w.p = 0.8f * n;
  w.p2 = hs ? w.p : 0.25f * w.p;
  w.p3 = hs ? 0.25f * w.p : 0.0f;
  w.w2 = 0.008f * n;
  // The lane loads are formed from P (0.5625 P, 0.8125 P), as the lane load kept for the
  // deflection is formed from the truck wheel load; 0.45 N and 0.65 N would differ in the last
  // bit for some class numbers (not for 10, 15 or 20).
  w.pm = 0.5625f * w.p;
  w.pv = 0.8125f * w.p;
  return w;
}

float impact_multiplier(float loaded_length) {
  float i = 1.0f + 50.0f / (loaded_length + 125.0f);
  if (i >= 1.3f) i = 1.3f;
  return i;
}

void set_impact(ProblemState &st) {
  const float L = st.length;
  st.impact = impact_multiplier(L);
  for (int k = 0; k <= 10; ++k) {
    st.impact_pos[k] = impact_multiplier(st.l_minus_x[2 * k]) / L;
    st.impact_neg[k] = impact_multiplier(st.x[2 * k]) / L;
  }
}

void set_deflection_loads(ProblemState &st) {
  const float n = st.class_number;
  st.truck_wheel_load = n * 0.8f * st.impact * st.dfm;
  st.lane_conc_load = 0.5625f * st.truck_wheel_load;
  st.lane_uniform_load = n * 0.008f * st.dfm * st.impact;
  st.military_wheel_load = 12.0f * st.dfm * st.impact;
}

void highway_components(ProblemState &st) {
  const WheelLoads w = wheel_loads(st.class_number, st.live_class == 2);
  if (st.omit_truck != 1) truck_loading(st, w);
  if (st.omit_lane != 1) lane_loading(st, w);
  if (st.omit_military != 1) military_loading(st);
}

void highway_envelope(ProblemState &st) {
  for (int k = 0; k <= 10; ++k) {
    st.v_live_neg[k] = -largest(st.vneg_truck[k], st.vneg_lane[k], st.vneg_military[k]);
    const float v = largest(st.vpos_truck[k], st.vpos_lane[k], st.vpos_military[k]);
    st.v_live_pos[k] = v;
    st.v_code[k] = governing(v, st.vpos_lane[k], st.vpos_military[k]);
    const float m = largest(st.m_truck[k], st.m_lane[k], st.m_military[k]);
    st.m_live[k] = m;
    st.m_code[k] = governing(m, st.m_lane[k], st.m_military[k]);
  }
}

} // namespace ss
