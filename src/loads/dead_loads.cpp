#include "loads/dead_loads.h"

namespace ss {

void set_stations(ProblemState &st) {
  const float step = st.length / 40.0f; // formed once, then added
  st.x[0] = 0.0f;
  st.l_minus_x[0] = st.length;
  for (int j = 1; j <= 40; ++j) {
    st.x[j] = st.x[j - 1] + step;
    st.l_minus_x[j] = st.length - st.x[j];
  }
}

void set_deflection_limit(ProblemState &st) {
  st.allowed_deflection = st.length * 0.015f;
  st.deflection_ratio = 800;
  if (st.swll > 0.0f) {
    st.allowed_deflection = st.length * 0.012f;
    st.deflection_ratio = 1000;
  }
}

void concentrated_load_effects(ProblemState &st) {
  const float L = st.length;
  const int n = st.npl < kMaxLoads ? st.npl : kMaxLoads;
  float sum = 0.0f;
  for (int i = 0; i < n; ++i) sum = sum + (L - st.load_x[i]) * st.load_p[i];
  // LENGTH is positive here: a problem with a zero span is handled as resisting moments.
  const float r = sum / L;
  st.left_reaction = r;
  st.v_pload[0] = r;
  for (int j = 1; j <= 40; ++j) {
    const float x = st.x[j];
    float m = r * x;
    float v = r;
    for (int i = 0; i < n; ++i) {
      if (st.load_x[i] < x) { // a load exactly at the station is not passed yet
        v = v - st.load_p[i];
        m = m - st.load_p[i] * (x - st.load_x[i]);
      }
    }
    st.m_pload[j] = m;
    if (j <= 20) st.v_pload[j] = v;
  }
}

void dead_load_effects(ProblemState &st) {
  const float L = st.length;
  const float half_nc = st.wdlnc / 2.0f;
  const float half_c = st.wdlc / 2.0f;
  st.v_noncomp[0] = st.wdlnc * L / 2.0f;
  st.v_comp[0] = st.wdlc * L / 2.0f;
  for (int j = 1; j <= 40; ++j) {
    const float x = st.x[j];
    const float xlx = x * st.l_minus_x[j];
    st.m_noncomp[j] = xlx * half_nc;
    st.m_comp[j] = xlx * half_c;
    if (j <= 20) {
      st.v_noncomp[j] = st.wdlnc * L / 2.0f - st.wdlnc * x;
      st.v_comp[j] = st.wdlc * L / 2.0f - st.wdlc * x;
    }
  }
}

void sidewalk_effects(ProblemState &st) {
  const float L = st.length;
  const float half = st.swll / 2.0f;
  st.v_sidewalk_pos[0] = st.swll * L / 2.0f;
  st.v_sidewalk_neg[0] = 0.0f;
  for (int k = 1; k <= 10; ++k) {
    const float x = st.x[2 * k];
    const float b = st.l_minus_x[2 * k];
    st.m_sidewalk[k] = x * b * half;
    st.v_sidewalk_pos[k] = half * (b * b) / L;
    st.v_sidewalk_neg[k] = -(half * (x * x) / L);
  }
}

void clear_live_loads(ProblemState &st) {
  for (F11 *a : {&st.m_truck, &st.m_lane, &st.m_military, &st.vpos_truck, &st.vpos_lane, &st.vpos_military,
                 &st.vneg_truck, &st.vneg_lane, &st.vneg_military, &st.m_live, &st.v_live_pos, &st.v_live_neg,
                 &st.m_rri, &st.v_rri})
    a->fill(0.0f);
  st.m_code.fill(0);
  st.v_code.fill(0);
}

} // namespace ss
