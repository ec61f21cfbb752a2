#include "loads/railroad.h"

#include <algorithm>
#include <cmath>

namespace ss {

namespace {

// ft from load n to load n + 1; the last entry (after the uniform head) never moves the train.
constexpr std::array<float, kTrainLoads + 1> kSpacing = {0.0f, 8.0f, 5.0f, 5.0f, 5.0f, 9.0f, 5.0f,
                                                         6.0f, 5.0f, 8.0f, 8.0f, 5.0f, 5.0f, 5.0f,
                                                         9.0f, 5.0f, 6.0f, 5.0f, 5.0f, 0.0f};

// Load of each axle per unit of N, and at n = 19 the uniform load per foot per unit of N.
constexpr std::array<float, kTrainLoads + 1> kLoadPerN = {
    0.0f,  0.25f, 0.5f, 0.5f, 0.5f, 0.5f,   0.325f, 0.325f, 0.325f, 0.325f,
    0.25f, 0.5f,  0.5f, 0.5f, 0.5f, 0.325f, 0.325f, 0.325f, 0.325f, 0.025f};

// Left reaction times L: the loads on the span by their distance d to the right support. The
// first load at or beyond the right support ends the sum (all later loads and the uniform load
// lie beyond it too); a load beyond the left support is skipped.
float reaction_moment(const TrainLoads &loads, const TrainLoads &d, float L) {
  float sum = 0.0f;
  for (int n = 1; n <= 18; ++n) {
    if (d[n] <= 0.0f) return sum;
    if (d[n] > L) continue;
    sum = sum + loads[n] * d[n];
  }
  if (d[19] > 0.0f) sum = sum + loads[19] * (d[19] * d[19]);
  return sum;
}

// Keeps the largest moment and the largest shear, just left (v) and just right of the load at the
// station.
void keep_peak(StationPeak &peak, float m, float v, float at_station) {
  const float v2 = std::fabs(v - at_station);
  const float v1 = std::fabs(v);
  peak.shear = std::max(std::max(peak.shear, v1), v2);
  peak.moment = std::max(peak.moment, m);
}

} // namespace

TrainLoads train_loads(float n) {
  TrainLoads loads{};
  for (int i = 1; i <= kTrainLoads; ++i) loads[i] = kLoadPerN[i] * n;
  return loads;
}

StationPeak railroad_station(const TrainLoads &loads, float L, float a, float b) {
  const float u = loads[19];
  TrainLoads d{}; // ft from load n to the right support; load 1 at the station to start
  float offset = 0.0f;
  for (int n = 1; n <= kTrainLoads; ++n) {
    d[n] = b - offset;
    offset = offset + kSpacing[n];
  }
  StationPeak peak;
  for (int p = 1; p <= kTrainLoads; ++p) { // load p at the station (the uniform head for p = 19)
    const float r = reaction_moment(loads, d, L) / L;
    float m = r * a;
    float v = r;
    float at_station = 0.0f; // the first load not left of the station
    for (int n = 1; n <= kTrainLoads; ++n) {
      if (d[n] <= b) {
        at_station = loads[n];
        break;
      }
      if (d[n] <= L) {
        m = m - loads[n] * (d[n] - b);
        v = v - loads[n];
      }
    }
    keep_peak(peak, m, v, at_station);
    if (p < kTrainLoads) {
      for (int n = 1; n <= kTrainLoads; ++n) d[n] = d[n] + kSpacing[p];
    } else { // the uniform load alone on the span
      keep_peak(peak, u * a * b, u * (a * a) / L, at_station);
    }
  }
  return peak;
}

void railroad_loading(ProblemState &st) {
  const TrainLoads loads = train_loads(st.class_number);
  const float L = st.length;
  std::array<float, 21> moment{}; // K-FT. at k = 0..20, times D.F.M.
  std::array<float, 21> shear{};  // KIPS at k = 0..20, times D.F.M.
  for (int k = 0; k <= 20; ++k) {
    const StationPeak peak = railroad_station(loads, L, st.x[2 * k], st.l_minus_x[2 * k]);
    moment[k] = peak.moment * st.dfm;
    shear[k] = peak.shear * st.dfm;
  }
  for (int k = 0; k <= 10; ++k) { // the train running the other way
    const float m = std::max(moment[k], moment[20 - k]);
    const float v = std::max(shear[k], shear[20 - k]);
    st.m_live[k] = m;
    st.v_live_pos[k] = v;
    st.m_rri[k] = m * st.dfv;
    st.v_rri[k] = v * st.dfv;
    st.m_code[k] = code_word('R');
    st.v_code[k] = code_word('R');
  }
}

} // namespace ss
