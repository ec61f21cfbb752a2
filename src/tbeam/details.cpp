// The T-beam's own dead load, the points where each tension row may end, and the #4 stirrup
// spacing at those points.
#include <cmath>

#include "tbeam/bar_table.h"
#include "tbeam/tbeam_steps.h"

namespace ss::tbeam {

void girder_dead_load(ProblemState &st) {
  TBeamState &tb = st.tbeam;
  const float h = tb.depth + tb.slab_thick;
  const float w = st.wg * (tb.bw * h + (tb.slab_width - tb.bw) * tb.slab_thick) / 144.0f;
  tb.girder_weight = w;
  const float r0 = (w * 0.5f) * st.length;
  // The support moments are zero; they are set so that no earlier problem's value remains.
  st.m_girder[0] = 0.0f;
  st.m_girder[40] = 0.0f;
  st.v_girder[0] = r0;
  for (int j = 1; j <= 39; ++j) {
    const float x = st.x[static_cast<std::size_t>(j)];
    st.m_girder[static_cast<std::size_t>(j)] = x * (r0 - x * (w * 0.5f));
    if (j <= 20) st.v_girder[static_cast<std::size_t>(j)] = r0 - x * w;
  }
}

float total_moment(const ProblemState &st, int k) {
  const auto j = static_cast<std::size_t>(2 * k), i = static_cast<std::size_t>(k);
  return st.m_girder[j] + st.m_pload[j] + st.m_noncomp[j] + st.m_comp[j] + st.m_sidewalk[i] + st.m_live[i] +
         st.m_rri[i];
}

float total_shear(const ProblemState &st, int k) {
  const auto j = static_cast<std::size_t>(2 * k), i = static_cast<std::size_t>(k);
  return st.v_girder[j] + st.v_pload[j] + st.v_noncomp[j] + st.v_comp[j] + st.v_sidewalk_pos[i] +
         st.v_live_pos[i] + st.v_rri[i];
}

namespace {

// Where the moment first reaches mr walking from the support (ft): interpolated between the
// twentieth points, the midspan when no point reaches it.
float moment_reached(const ProblemState &st, float mr) {
  float mprev = 0;
  int k = 1;
  float mk = 0;
  for (; k <= 10; ++k) {
    mk = total_moment(st, k);
    if (mr <= mk) break;
    mprev = mk;
  }
  if (k == 11) mk = total_moment(st, 10);
  const float rise = mk - mprev;
  const float frac = rise == 0.0f ? 0.0f : (mr - mprev) / rise;
  return st.x[static_cast<std::size_t>(2 * (k - 1))] + frac * (st.length / 20.0f);
}

// Length beyond the theoretical cut-off that row r's bars must run (ft).
float bar_extension(const ProblemState &st, int r) {
  const Bar b = bar(st.tbeam.row[static_cast<std::size_t>(r)].size); // a bar of the table: d, p > 0
  const float e1 = b.diameter * 15.0f / 12.0f;
  const float e2 = st.length / 20.0f;
  float u = sqrtf(st.fc * 1000.0f / 0.4f) * 4.8f / b.diameter; // bond stress, psi
  if (u > 500.0f) u = 500.0f;
  const float e3 = (st.fs * b.area * 1000.0f / b.perimeter) / u / 12.0f;
  float ext = e1;
  if (e2 > ext) ext = e2;
  if (e3 > ext) ext = e3;
  return ext;
}

} // namespace

void bar_cut_offs(ProblemState &st) {
  TBeamState &tb = st.tbeam;
  tb.cut[1] = 0.0f;
  for (int r = 2; r <= tb.rows; ++r) {
    const auto before = static_cast<std::size_t>(r - 1);
    const float mr = tb.mc[before] < tb.ms[before] ? tb.mc[before] : tb.ms[before];
    const float cut = moment_reached(st, mr) - bar_extension(st, r);
    tb.cut[static_cast<std::size_t>(r)] = cut < 0.0f ? 0.0f : cut;
  }
}

std::int32_t stirrup_spacings(ProblemState &st) {
  TBeamState &tb = st.tbeam;
  const float h = tb.depth + tb.slab_thick;
  const float fy = st.fs == 24.0f ? 60000.0f : 40000.0f; // stirrup steel grade, psi
  const float s0 = fy * 0.4f / (tb.bw * 50.0f);          // minimum steel
  float moment = 0, area = 0;
  for (int r = 1; r <= tb.rows; ++r) {
    const BarRow &row = tb.row[static_cast<std::size_t>(r)];
    const float a = bar(row.size).area;
    const float no = static_cast<float>(row.count);
    moment = moment + row.dist * a * no;
    area = area + a * no; // positive: row sets without bars are rejected with the input
    const float dr = h - moment / area;
    // The twentieth point at or before the cut-off point. The cut-off lies on the half span; the
    // bounds are kept in reals so that no out-of-range value is ever converted.
    const float point = tb.cut[static_cast<std::size_t>(r)] * 20.0f / st.length + 1.0f;
    int k = 0;
    if (point >= 11.0f)
      k = 10;
    else if (point >= 1.0f)
      k = static_cast<std::int32_t>(point) - 1;
    // Bars at or above the top leave no effective depth to carry shear.
    if (!(dr > 0.0f)) return kTBeamImpossible;
    const float v = total_shear(st, k) / (tb.bw * dr); // ksi
    const float fc28 = st.fc / 0.4f;
    const float c = powf(fc28 * 1000.0f, 0.5f);
    const float excess = v - c * 0.95f / 1000.0f;
    const float vm = c * 4.0f / 1000.0f;
    if (excess > vm) return kTBeamImpossible;
    float s1 = 0;
    if (excess <= 0.0f)
      s1 = 4.0f * tb.bw < 24.0f ? 4.0f * tb.bw : 24.0f;
    else
      s1 = 0.4f * st.fs / (tb.bw * excess);
    float s = s1 < s0 ? s1 : s0;
    if (excess > vm / 2.0f) {
      const float s2 = fy * 0.2f / (50.0f * tb.bw);
      if (s2 < s) s = s2;
    }
    tb.spacing[static_cast<std::size_t>(r)] = s;
  }
  return kTBeamDone;
}

} // namespace ss::tbeam
