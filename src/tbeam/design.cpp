// Design search: the web grows until a balanced-stress estimate covers the midspan moment, then the
// tension rows are filled bar by bar until the cracked section carries it.
#include <cmath>

#include "tbeam/bar_table.h"
#include "tbeam/tbeam_steps.h"

namespace ss::tbeam {

namespace {

float fourth(float d) { return (d * d) * (d * d); }
float cube(float d) { return (d * d) * d; }

// Grows the web by DELTA-W and DELTA-D until the estimate covers the required moment; msw is the
// self-weight moment (K-FT.) of the last section tried. Returns 0 or 2.
std::int32_t enlarge_web(const ProblemState &st, TBeamState &tb, const SectionConstants &k, float s6,
                         float &msw) {
  const float t = tb.slab_thick, bT = tb.slab_width;
  const float m = static_cast<float>(tb.comp.count);
  const Bar cb = bar(tb.comp.size);
  for (std::int32_t grown = 0;; ++grown) {
    msw = (tb.bw * tb.depth + t * bT) * st.wg / 96.0f * st.length * st.length / 12.0f;
    const float mreq = (msw + s6) * 12.0f;
    // Balanced neutral axis; FS, FC and N are positive once the defaults are in.
    const float kb = st.fc / (st.fs / tb.nt + st.fc);
    const float h = t + tb.depth;
    const float kd = kb * (h - tb.row[1].dist);
    float mc = 0;
    if (kd <= t || kd == 0.0f) {
      // kd = 0 (row 1 at the top, with a negative slab thickness) has no stress below the slab to
      // interpolate: the rectangular estimate, which gives no capacity, is taken.
      mc = st.fc * kd * 0.5f * bT * 0.875f * h;
    } else {
      const float f1 = st.fc * (1.0f - t / kd);
      const float c1 = st.fc * kd * tb.bw * 0.5f;
      const float c2 = f1 * k.ao * 0.5f;
      const float c3 = st.fc * k.ao * 0.5f;
      mc = (c1 + c2 + c3) * 0.875f * h;
    }
    const float ms = cb.area * m * tb.nc * ((h - tb.row[1].dist) - tb.comp.dist);
    if (mc + ms >= mreq) return kTBeamDone;
    if (tb.delta_w + tb.delta_d <= 0.0f) return kTBeamImpossible;
    // A section whose self-weight grows faster than its capacity would grow for ever.
    if (grown == kMaxEnlargements) return kTBeamImpossible;
    tb.bw = tb.bw + tb.delta_w;
    tb.depth = tb.depth + tb.delta_d;
    // A negative DELTA-W can shrink the web away; the neutral axis divides by its width.
    if (!(tb.bw > 0.0f)) return kTBeamImpossible;
  }
}

// Moments the cracked section resists with n bars in row r, the rows before it at their input
// counts (sa, sy, si their transformed areas, first moments and own inertias as tried). Nothing when
// the trial section has no neutral axis or row 1 lies at it.
std::optional<float> trial_moment(const ProblemState &st, const TBeamState &tb, const SectionConstants &k,
                                  int r, std::int32_t n, float sa, float sy, float si) {
  const float t = tb.slab_thick, bw = tb.bw, h = t + tb.depth;
  const float nt = tb.nt, nc = tb.nc;
  const float m = static_cast<float>(tb.comp.count);
  const float fn = static_cast<float>(n);
  const Bar cb = bar(tb.comp.size);
  const BarRow &row = tb.row[static_cast<std::size_t>(r)];
  const Bar b = bar(row.size);

  const float ic = tb.comp.count > 0 ? nc * m * fourth(cb.diameter) * 0.049f : 0.0f;
  const float na = b.area * fn * nt;
  const float y = na * (h - row.dist);
  const std::optional<float> root = neutral_axis(k, na, y, sa, sy, bw, tb.slab_width, t);
  if (!root) return std::nullopt;
  const float kd = *root;
  const float iw = cube(kd) * bw / 3.0f;
  float iflange = 0;
  if (kd <= t) {
    iflange = cube(kd) * k.bo / 3.0f;
  } else {
    const float arm = kd - t / 2.0f;
    iflange = k.ao * t * t / 12.0f + k.ao * (arm * arm);
  }
  const float io = si + fourth(b.diameter) * 0.049087f * fn * nt;
  const float e = h - kd - row.dist;
  float is = b.area * (e * e) * nt * fn;
  for (int q = 1; q < r; ++q) {
    const BarRow &before = tb.row[static_cast<std::size_t>(q)];
    const float eq = h - kd - before.dist;
    is = is + bar(before.size).area * (eq * eq) * nt * static_cast<float>(before.count);
  }
  const float ec = kd - tb.comp.dist;
  const float icp = tb.comp.count > 0 ? cb.area * (ec * ec) * nc * m : 0.0f;
  const float inertia = ic + iw + iflange + io + is + icp;
  const float lever1 = h - kd - tb.row[1].dist;
  if (lever1 == 0.0f) return std::nullopt;
  const float ms = st.fs * inertia / lever1 / nt / 12.0f;
  const float mc = st.fc * inertia / kd / 12.0f;
  return ms < mc ? ms : mc;
}

// Fills rows 1, 2, ... in their DELTA steps until a trial resists mreq (K-FT.). Returns 0, 1 (a row
// it tries has a size without a bar) or 2.
std::int32_t bar_search(const ProblemState &st, TBeamState &tb, const SectionConstants &k, float mreq) {
  const float h = tb.slab_thick + tb.depth;
  float sa = 0, sy = 0, si = 0;
  for (int r = 1; r <= tb.rows; ++r) {
    BarRow &row = tb.row[static_cast<std::size_t>(r)];
    const Bar b = bar(row.size);
    const std::int32_t step = row.delta < 1 ? 1 : row.delta;
    const std::int32_t trials = row.count / step;
    // A row whose NO. is below its step gets no trial and adds nothing to the rows after it.
    if (trials < 1) continue;
    if (!bar_exists(row.size)) return kTBeamRejected; // a size without a bar
    std::int32_t n = step;
    for (std::int32_t trial = 1; trial <= trials; ++trial, n = n + step) {
      const std::optional<float> mr = trial_moment(st, tb, k, r, n, sa, sy, si);
      // A trial without a neutral axis, or with row 1 at it, carries nothing.
      if (mr && mreq <= *mr) {
        tb.rows = r;
        row.count = n;
        return kTBeamDone;
      }
    }
    const float last = static_cast<float>(n - step);
    const float na = b.area * last * tb.nt;
    sa = sa + na;
    sy = sy + na * (h - row.dist);
    si = si + fourth(b.diameter) * 0.049087f * last * tb.nt;
  }
  return kTBeamImpossible; // the rows given cannot carry the moment
}

} // namespace

float midspan_load_moment(const ProblemState &st) {
  return st.m_pload[20] + st.m_noncomp[20] + st.m_comp[20] + st.m_sidewalk[10] + st.m_live[10] + st.m_rri[10];
}

std::int32_t design_search(const ProblemState &st, TBeamState &tb) {
  // Overhang and compression steel are taken from the section as it starts, not as the web grows.
  SectionConstants k = section_constants(tb);
  k.ho = tb.slab_thick * k.ao * 0.5f;
  const float s6 = midspan_load_moment(st);
  float msw = 0;
  const std::int32_t grown = enlarge_web(st, tb, k, s6, msw);
  if (grown != kTBeamDone) return grown;
  return bar_search(st, tb, k, msw + s6);
}

} // namespace ss::tbeam
