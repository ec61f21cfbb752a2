#include "rolled/sections.h"

#include <algorithm>

#include "rolled/numeric.h"

namespace ss {

void steel_sections(RolledState &r, float tt, float wt) {
  const float a = r.area;
  const float d = r.d;
  const float i = r.inertia;
  const float yc = r.yc;
  const float bt = r.bt;
  const float wb = r.wb;

  // Top plate about the beam's mid-depth (above it: negative).
  const float at = tt * wt;
  const float y_top = (d + tt) * (-0.5f);
  const float qt = at * y_top;
  const float it = qt * y_top + at * tt * tt / 12.0f;
  // Bottom plate.
  const float ab = bt * wb;
  const float y_bot = (d + bt) * 0.5f;
  const float qb = ab * y_bot;
  const float ib = qb * y_bot + ab * bt * bt / 12.0f;

  // A section without area (an input-defined beam of no weight and no plate) keeps its axis at
  // the beam's mid-depth.
  RolledSteel &s0 = r.steel[kBeamAlone];
  s0 = {a, 0.0f, i, -yc, yc};

  RolledSteel &s1 = r.steel[kBeamTopPlate];
  s1.area = at + a;
  s1.e = ratio_or(qt, s1.area, 0.0f);
  s1.inertia = (i + it) - s1.e * qt;
  s1.ytop = -((yc + s1.e) + tt);
  s1.ybot = yc - s1.e;

  RolledSteel &s2 = r.steel[kBeamBottomPlate];
  s2.area = ab + a;
  s2.e = ratio_or(qb, s2.area, 0.0f);
  s2.inertia = (i + ib) - s2.e * qb;
  s2.ytop = -(yc + s2.e);
  s2.ybot = (yc - s2.e) + bt;

  RolledSteel &s3 = r.steel[kBeamPlates];
  s3.area = (a + at) + ab;
  s3.e = ratio_or(qt + qb, s3.area, 0.0f);
  s3.inertia = ((i + it) + ib) - s3.e * (qt + qb);
  s3.ytop = -((yc + s3.e) + tt);
  s3.ybot = (yc - s3.e) + bt;
}

namespace {

bool has_top(int k) { return k == kBeamTopPlate || k == kBeamPlates; }
bool has_bottom(int k) { return k == kBeamBottomPlate || k == kBeamPlates; }

// Top and bottom of steel of section k whose composite axis lies `shift` below the beam's mid-depth.
float top_of_steel(int k, float yc, float shift, float tt) {
  return has_top(k) ? -((yc + shift) + tt) : -(yc + shift);
}
float bottom_of_steel(int k, float yc, float shift, float bt) {
  return has_bottom(k) ? (yc - shift) + bt : yc - shift;
}

} // namespace

void composite_sections(ProblemState &st) {
  if (st.modular_ratio <= 0) st.modular_ratio = 10;
  if (st.fc <= 0.0f) st.fc = 1.2f;
  RolledState &r = st.rolled;
  const float n = static_cast<float>(st.modular_ratio);
  const float n3 = 3.0f * n;
  const float b = st.slab_width;
  const float t = st.slab_thickness;
  const float c = st.coping;
  const float tt = st.top_plate.thickness;
  const float yc = r.yc;
  const float bt = r.bt;

  const float ac = b * t / n;
  const float ic = (t * t / 12.0f) * ac;
  const float ys = t * 0.5f + c;
  const float hc = (c + t) - tt;
  const float ac3 = ac / 3.0f;
  const float ic3 = ic / 3.0f;

  for (int k = 0; k < kRolledSections; ++k) {
    const RolledSteel &p = r.steel[static_cast<std::size_t>(k)];
    const float dist = -((yc + ys) + p.e);

    // A section and slab both without area: the axis stays where it is.
    RolledComposite &cn = r.comp_n[static_cast<std::size_t>(k)];
    const float s = ratio_or(ac * dist, ac + p.area, 0.0f);
    const float q = p.area * s;
    cn.inertia = (q * dist + ic) + p.inertia;
    const float sn = s + p.e;
    cn.ytop = top_of_steel(k, yc, sn, tt);
    cn.ybot = bottom_of_steel(k, yc, sn, bt);
    cn.yconc = (cn.ytop - hc) / n;
    cn.q = ratio_or(q, cn.inertia, 0.0f);

    RolledComposite &c3 = r.comp_3n[static_cast<std::size_t>(k)];
    const float s3 = ratio_or(ac3 * dist, ac3 + p.area, 0.0f);
    c3.inertia = (ic3 + p.inertia) + (p.area * s3) * dist;
    const float s3n = s3 + p.e;
    c3.ytop = top_of_steel(k, yc, s3n, tt);
    c3.ybot = bottom_of_steel(k, yc, s3n, bt);
    c3.yconc = (c3.ytop - hc) / n3;
    c3.q = 0.0f;
  }
}

RolledSectionKind section_at(float x, const CoverPlate &top, const CoverPlate &bottom) {
  const float xt = top.x_begin;
  const float et = xt + top.length;
  const float xb = bottom.x_begin;
  const float eb = xb + bottom.length;
  if (x < std::min(xt, xb) || x >= std::max(et, eb)) return kBeamAlone;
  if (std::max(xt, xb) <= x && x < std::min(et, eb)) return kBeamPlates;
  if ((xt <= x && x < xb) || (eb <= x && x < et)) return kBeamTopPlate;
  return kBeamBottomPlate;
}

void point_properties(ProblemState &st, int j) {
  const RolledState &r = st.rolled;
  const auto k =
      static_cast<std::size_t>(section_at(st.x[static_cast<std::size_t>(j)], st.top_plate, st.bottom_plate));
  store_section_at(st, j, r.steel[k].inertia, r.steel[k].ytop, r.steel[k].ybot, r.comp_n[k], r.comp_3n[k]);
}

std::int32_t shear_connectors(float a3, float fsd, float fc, float b, float t, float su) {
  const float force = std::min(a3 * fsd / 0.55f, 2.125f * fc * b * t);
  return trunc_i32(2.0f * force / (0.85f * std::max(1.0f, su)) + 0.9999f);
}

} // namespace ss
