// Filled problem states for the results-table tests: a 60 ft span whose loads and section
// diagrams are written here from simple formulas, independent of the span loading code.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "deck/deck_reader.h"
#include "deflection/deflection.h"
#include "report/report.h"
#include "run/run.h"
#include "state/problem_state.h"

namespace ss::test {

// A report over a string and a deck with no records, around one problem state.
struct TableRun {
  std::unique_ptr<ProblemState> st = std::make_unique<ProblemState>();
  std::ostringstream os;
  Report rep{os};
  std::istringstream none;
  DeckReader deck{none};
  Run run{*st, rep, deck};
  std::string bytes() const { return os.str(); }
};

// Span, stations (exact: L/40 = 1.5 ft), dead loads, sidewalk and highway live loads.
inline void fill_loads(ProblemState &st) {
  st.problem_number = make_word("B12");
  st.length = 60.0f;
  const float L = st.length;
  for (int j = 0; j <= 40; ++j) {
    st.x[j] = 1.5f * static_cast<float>(j);
    st.l_minus_x[j] = L - st.x[j];
  }
  st.e = 29.0f / 0.012f;
  st.wbm = 0.1f;
  st.wdlnc = 0.9f;
  st.wdlc = 0.3f;
  st.swll = 0.05f;
  st.dfm = 1.2f;
  st.dfd = 0.9f;
  st.live_class = 2;
  // One 20-kip load 25 ft from the left support: R = 20 * 35 / 60.
  const float r = 20.0f * 35.0f / L;
  for (int j = 0; j <= 40; ++j) {
    const float x = st.x[j];
    st.m_pload[j] = x <= 25.0f ? r * x : r * x - 20.0f * (x - 25.0f);
    st.m_noncomp[j] = x * (L - x) * (st.wdlnc / 2.0f);
    st.m_comp[j] = x * (L - x) * (st.wdlc / 2.0f);
    if (j <= 20) {
      st.v_pload[j] = x <= 25.0f ? r : r - 20.0f;
      st.v_noncomp[j] = st.wdlnc * L / 2.0f - st.wdlnc * x;
      st.v_comp[j] = st.wdlc * L / 2.0f - st.wdlc * x;
    }
  }
  for (int k = 0; k <= 10; ++k) {
    const float x = st.x[2 * k];
    const float b = L - x;
    st.m_sidewalk[k] = x * b * (st.swll / 2.0f);
    st.v_sidewalk_pos[k] = (st.swll / 2.0f) * (b * b) / L;
    st.v_sidewalk_neg[k] = -((st.swll / 2.0f) * (x * x) / L);
    // An envelope shaped like a truck's: moments growing to midspan, shears falling from the support.
    st.m_live[k] = 1.3f * 16.0f * x * b / L * 1.8f;
    st.v_live_pos[k] = 1.3f * 16.0f * b / L * 1.7f;
    st.v_live_neg[k] = -(1.3f * 16.0f * x / L * 1.1f);
    st.m_code[k] = k < 3 ? code_word('L') : kTruckCode;
    st.v_code[k] = k == 0 ? code_word('M') : kTruckCode;
  }
  st.m_sidewalk[0] = 0.0f;
  st.v_sidewalk_pos[0] = st.swll * L / 2.0f;
  st.v_sidewalk_neg[0] = 0.0f;
  st.allowed_deflection = L * 0.012f;
  st.deflection_ratio = 1000;
  st.truck_wheel_load = 16.0f * 1.3f * st.dfm;
  st.lane_conc_load = 0.5625f * st.truck_wheel_load;
  st.lane_uniform_load = 0.16f * st.dfm * 1.3f;
  st.military_wheel_load = 12.0f * st.dfm * 1.3f;
}

// The same live loads as a railroad train: impact 30 % in RR-I, no negative shear, codes "R".
inline void make_railroad(ProblemState &st) {
  st.live_class = 3;
  for (int k = 0; k <= 10; ++k) {
    st.m_rri[k] = st.m_live[k] * 0.3f;
    st.v_rri[k] = st.v_live_pos[k] * 0.3f;
    st.v_live_neg[k] = 0.0f;
    st.m_code[k] = st.v_code[k] = code_word('R');
  }
}

// Rolled beam with a bottom cover plate from 15 ft on ("RP"): steel inertia and fibre distances.
inline void fill_plated_section(ProblemState &st) {
  st.beam_type = 2;
  st.bottom_plate = {15.0f, 0.75f, 10.0f, 30.0f};
  for (int j = 0; j <= 40; ++j) {
    const bool plated = st.x[j] >= 15.0f && st.x[j] <= 45.0f;
    st.i_steel[j] = plated ? 9800.0f : 7800.0f;
    if (j <= 20) {
      st.ytop_steel[j] = plated ? -15.2f : -13.5f;
      st.ybot_steel[j] = plated ? 13.3f : 13.5f;
    }
  }
}

// Composite plate girder ("CG"): steel, n = 8 and 3n = 24 sections.
inline void fill_composite_section(ProblemState &st) {
  st.beam_type = 5;
  st.shear_capacity = 18.4f; // kips per row
  for (int j = 0; j <= 40; ++j) {
    const bool plated = st.x[j] >= 15.0f && st.x[j] <= 45.0f;
    st.i_steel[j] = plated ? 9800.0f : 7800.0f;
    st.i_n[j] = plated ? 26500.0f : 22100.0f;
    st.i_3n[j] = plated ? 18700.0f : 15400.0f;
    if (j <= 20) {
      st.ytop_steel[j] = plated ? -15.2f : -13.5f;
      st.ybot_steel[j] = plated ? 13.3f : 13.5f;
      st.ytop_n[j] = plated ? -3.1f : -2.4f;
      st.ybot_n[j] = plated ? 25.4f : 24.6f;
      st.ytop_3n[j] = plated ? -8.2f : -7.3f;
      st.ybot_3n[j] = plated ? 20.3f : 19.7f;
      st.yconc_n[j] = (plated ? -10.6f : -9.9f) / 8.0f;
      st.yconc_3n[j] = (plated ? -15.7f : -14.8f) / 24.0f;
      st.q_ratio[j] = plated ? -0.00915f : -0.0102f;
    }
  }
}

} // namespace ss::test
