// Working-stress analysis of the cracked, transformed T-section, row set by row set.
#include <cmath>

#include "tbeam/bar_table.h"
#include "tbeam/tbeam_steps.h"

namespace ss::tbeam {

namespace {

float fourth(float d) { return (d * d) * (d * d); }
float cube(float d) { return (d * d) * d; }

} // namespace

SectionConstants section_constants(const TBeamState &tb) {
  const Bar cb = bar(tb.comp.size);
  SectionConstants k;
  k.bo = tb.slab_width - tb.bw;
  k.ao = k.bo * tb.slab_thick;
  k.nac = tb.nc * static_cast<float>(tb.comp.count) * cb.area;
  k.sc = tb.comp.dist * k.nac;
  k.ho = tb.slab_thick * k.ao / 2.0f;
  return k;
}

std::optional<float> neutral_axis(const SectionConstants &k, float nA, float Y, float SA, float SY, float bw,
                                  float bT, float t) {
  // The roots divide by the web width and the slab width: a width that is zero or negative (only
  // possible in resisting-moment mode, where no default applies) has no neutral axis.
  if (!(bw > 0.0f)) return std::nullopt;
  const float b = k.ao + k.nac + nA + SA;
  const float c = k.ho + Y + SY; // the compression steel's first moment is left out of the T root
  float kd = (sqrtf(b * b + 4.0f * c * bw * 0.5f) - b) / bw;
  if (kd <= t) {
    if (!(bT > 0.0f)) return std::nullopt;
    const float b1 = k.nac + nA + SA;
    const float c1 = k.sc + Y + SY;
    kd = (sqrtf(b1 * b1 + 4.0f * c1 * bT * 0.5f) - b1) / bT;
  }
  // The resisting moments and the lever arm divide by kd.
  if (!(kd > 0.0f)) return std::nullopt;
  return kd;
}

namespace {

// Inertia, resisting moments and lever arm of row set r with its neutral axis kd. False when a
// divisor is zero: row 1 at the neutral axis (steel stress), steel with no lever about the axis,
// or no compression force at all.
bool row_set_values(const ProblemState &st, TBeamState &tb, const SectionConstants &k, int r, float kd) {
  const float t = tb.slab_thick, bw = tb.bw, bT = tb.slab_width;
  const float h = tb.depth + t;
  const float nt = tb.nt, nc = tb.nc;
  const float m = static_cast<float>(tb.comp.count);
  const Bar cb = bar(tb.comp.size);

  const float ic = tb.comp.count > 0 ? nc * m * fourth(cb.diameter) * 0.049f : 0.0f;
  const float iw = bw * cube(kd) / 3.0f;
  float iflange = 0;
  if (kd <= t) {
    iflange = k.bo * cube(kd) / 3.0f;
  } else {
    const float arm = kd - t / 2.0f;
    iflange = k.ao * (arm * arm) + t * (t * k.ao / 12.0f);
  }
  float io = 0, is = 0, q = 0;
  for (int s = 1; s <= r; ++s) {
    const BarRow &row = tb.row[static_cast<std::size_t>(s)];
    const Bar b = bar(row.size);
    const float no = static_cast<float>(row.count);
    const float e = h - kd - row.dist;
    io = io + nt * no * fourth(b.diameter) * 0.049087f;
    is = is + no * nt * (e * e) * b.area;
    q = q + nt * e * b.area * no;
  }
  const float ec = kd - tb.comp.dist;
  const float icp = m * nc * (ec * ec) * cb.area;
  const float inertia = icp + is + io + iflange + iw + ic;

  const float lever1 = h - kd - tb.row[1].dist;
  if (lever1 == 0.0f || q == 0.0f) return false;

  // Lever arm: steel resultant below the axis, concrete and compression steel above it.
  const float yt = is / q;
  float y = kd - t;
  if (y < 0.0f) y = 0.0f;
  const float f1 = st.fc * (y / kd);
  const float force1 = bw * y * f1 * 0.5f;
  const float force2 = bT * t * f1 * 0.5f;
  const float force3 = bT * std::fmin(kd, t) * st.fc * 0.5f;
  const float forces = nc * cb.area * m;
  const float z1 = 2.0f * y / 3.0f;
  const float z2 = y + t / 3.0f;
  const float z3 = y <= 0.0f ? 2.0f * kd / 3.0f : y + 2.0f * t / 3.0f;
  const float zs = kd - tb.comp.dist;
  const float total = forces + force3 + force2 + force1;
  if (total == 0.0f) return false;
  const float jc = (forces * zs + force3 * z3 + force2 * z2 + force1 * z1) / total;

  const auto i = static_cast<std::size_t>(r);
  tb.kd[i] = kd;
  tb.inertia[i] = inertia;
  tb.inertia_steel[i] = is;
  tb.ms[i] = inertia * st.fs / lever1 / 12.0f / nt;
  tb.mc[i] = inertia * st.fc / kd / 12.0f;
  tb.jd[i] = jc + yt;
  return true;
}

} // namespace

bool analyse_section(const ProblemState &st, TBeamState &tb) {
  if (tb.rows > kMaxBarRows) return false; // rejected with the input already
  const SectionConstants k = section_constants(tb);
  const float h = tb.depth + tb.slab_thick;
  float sa = 0, sy = 0;
  for (int r = 1; r <= tb.rows; ++r) {
    const BarRow &row = tb.row[static_cast<std::size_t>(r)];
    const float na = tb.nt * static_cast<float>(row.count) * bar(row.size).area;
    const float y = na * (h - row.dist);
    const std::optional<float> kd = neutral_axis(k, na, y, sa, sy, tb.bw, tb.slab_width, tb.slab_thick);
    if (!kd || !row_set_values(st, tb, k, r, *kd)) return false;
    sa = sa + na;
    sy = sy + y;
  }
  return true;
}

} // namespace ss::tbeam
