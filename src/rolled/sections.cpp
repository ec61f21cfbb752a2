#include "rolled/sections.h"

#include <algorithm>

#include "rolled/numeric.h"

namespace ss {

namespace {

void top_terms(PlateTerms &p, float d, float tt, float wt) {
  p.at = tt * wt;
  const float y_top = (d + tt) * (-0.5f);
  p.qt = p.at * y_top;
  p.it = p.qt * y_top + p.at * tt * tt / 12.0f;
}

// The bottom plate's area, first moment and inertia for a thickness (F: float or Lanes).
template <class F> struct BottomTerms { F ab, qb, ib; };

template <class F> BottomTerms<F> bottom_terms(float d, F bt, float wb) {
  BottomTerms<F> p;
  p.ab = bt * wb;
  const F y_bot = (d + bt) * 0.5f;
  p.qb = p.ab * y_bot;
  p.ib = p.qb * y_bot + p.ab * bt * bt / 12.0f;
  return p;
}

PlateTerms plate_terms(const RolledState &r, float tt, float wt) {
  PlateTerms p{};
  top_terms(p, r.d, tt, wt);
  const BottomTerms<float> b = bottom_terms(r.d, r.bt, r.wb);
  p.ab = b.ab;
  p.qb = b.qb;
  p.ib = b.ib;
  return p;
}

// The steel section with both plates, the bottom one bt thick (Steel: RolledSteel or LanesSteel).
template <class F, class Steel>
[[gnu::always_inline]] inline void both_plates(const RolledState &r, const PlateTerms &p,
                                               const BottomTerms<F> &b, float tt, F bt, Steel &s3) {
  const float a = r.area;
  const float i = r.inertia;
  const float yc = r.yc;
  s3.area = (a + p.at) + b.ab;
  s3.e = ratio_or(p.qt + b.qb, s3.area, 0.0f);
  s3.inertia = ((i + p.it) + b.ib) - s3.e * (p.qt + b.qb);
  s3.ytop = -((yc + s3.e) + tt);
  s3.ybot = (yc - s3.e) + bt;
}

} // namespace

void steel_sections(RolledState &r, float tt, float wt) {
  const float a = r.area;
  const float i = r.inertia;
  const float yc = r.yc;
  const float bt = r.bt;
  const PlateTerms p = plate_terms(r, tt, wt);

  // A section without area (an input-defined beam of no weight and no plate) keeps its axis at
  // the beam's mid-depth.
  RolledSteel &s0 = r.steel[kBeamAlone];
  s0 = {a, 0.0f, i, -yc, yc};

  RolledSteel &s1 = r.steel[kBeamTopPlate];
  s1.area = p.at + a;
  s1.e = ratio_or(p.qt, s1.area, 0.0f);
  s1.inertia = (i + p.it) - s1.e * p.qt;
  s1.ytop = -((yc + s1.e) + tt);
  s1.ybot = yc - s1.e;

  RolledSteel &s2 = r.steel[kBeamBottomPlate];
  s2.area = p.ab + a;
  s2.e = ratio_or(p.qb, s2.area, 0.0f);
  s2.inertia = (i + p.ib) - s2.e * p.qb;
  s2.ytop = -(yc + s2.e);
  s2.ybot = (yc - s2.e) + bt;

  both_plates(r, p, BottomTerms<float>{p.ab, p.qb, p.ib}, tt, bt, r.steel[kBeamPlates]);
}

namespace {

bool has_top(int k) { return k == kBeamTopPlate || k == kBeamPlates; }
bool has_bottom(int k) { return k == kBeamBottomPlate || k == kBeamPlates; }

// Top and bottom of steel of section k whose composite axis lies `shift` below the beam's mid-depth.
template <class F> F top_of_steel(int k, float yc, F shift, float tt) {
  return has_top(k) ? -((yc + shift) + tt) : -(yc + shift);
}
template <class F> F bottom_of_steel(int k, float yc, F shift, F bt) {
  return has_bottom(k) ? (yc - shift) + bt : yc - shift;
}

Slab slab_of(ProblemState &st) {
  if (st.modular_ratio <= 0) st.modular_ratio = 10;
  if (st.fc <= 0.0f) st.fc = 1.2f;
  Slab c{};
  c.n = static_cast<float>(st.modular_ratio);
  c.n3 = 3.0f * c.n;
  const float b = st.slab_width;
  const float t = st.slab_thickness;
  const float cp = st.coping;
  c.tt = st.top_plate.thickness;
  c.yc = st.rolled.yc;
  c.bt = st.rolled.bt;
  c.ac = b * t / c.n;
  c.ic = (t * t / 12.0f) * c.ac;
  c.ys = t * 0.5f + cp;
  c.hc = (cp + t) - c.tt;
  c.ac3 = c.ac / 3.0f;
  c.ic3 = c.ic / 3.0f;
  return c;
}

// The sections for n and 3n of steel section p (kind k) with a bottom plate bt thick. Without
// `complete` the top of concrete and the connectors' Q/I are left out (a plate search reads neither
// at most trials). F is float or Lanes, Steel and Composite the sections of its kind.
template <class F, class Steel, class Composite>
[[gnu::always_inline]] inline void composite_pair(const Steel &p, const Slab &c, int k, F bt, Composite &cn,
                                                  Composite &c3, bool complete) {
  const F dist = -((c.yc + c.ys) + p.e);

  // A section and slab both without area: the axis stays where it is.
  const F s = ratio_or(c.ac * dist, c.ac + p.area, 0.0f);
  const F q = p.area * s;
  cn.inertia = (q * dist + c.ic) + p.inertia;
  const F sn = s + p.e;
  cn.ytop = top_of_steel(k, c.yc, sn, c.tt);
  cn.ybot = bottom_of_steel(k, c.yc, sn, bt);
  if (complete) {
    cn.yconc = (cn.ytop - c.hc) / c.n;
    cn.q = ratio_or(q, cn.inertia, 0.0f);
  }

  const F s3 = ratio_or(c.ac3 * dist, c.ac3 + p.area, 0.0f);
  c3.inertia = (c.ic3 + p.inertia) + (p.area * s3) * dist;
  const F s3n = s3 + p.e;
  c3.ytop = top_of_steel(k, c.yc, s3n, c.tt);
  c3.ybot = bottom_of_steel(k, c.yc, s3n, bt);
  if (complete) c3.yconc = (c3.ytop - c.hc) / c.n3;
}

} // namespace

void composite_sections(ProblemState &st) {
  const Slab c = slab_of(st);
  RolledState &r = st.rolled;
  for (std::size_t k = 0; k < kRolledSections; ++k) {
    composite_pair(r.steel[k], c, static_cast<int>(k), c.bt, r.comp_n[k], r.comp_3n[k], true);
    r.comp_3n[k].q = 0.0f;
  }
}

BothPlatesSection::BothPlatesSection(ProblemState &st) : slab_(slab_of(st)), tt_(st.top_plate.thickness) {
  top_terms(plates_, st.rolled.d, tt_, st.top_plate.width);
}

void BothPlatesSection::work(const RolledState &r, float bt, BothPlates &out) const {
  both_plates(r, plates_, bottom_terms(r.d, bt, r.wb), tt_, bt, out.steel);
  composite_pair(out.steel, slab_, kBeamPlates, bt, out.n, out.n3, false);
  out.n3.q = 0.0f;
}

void BothPlatesSection::work(const RolledState &r, Lanes bt, BothPlatesLanes &out) const {
  both_plates(r, plates_, bottom_terms(r.d, bt, r.wb), tt_, bt, out.steel);
  composite_pair(out.steel, slab_, kBeamPlates, bt, out.n, out.n3, false);
}

void BothPlatesSection::add_concrete(BothPlates &out) const {
  out.n.yconc = (out.n.ytop - slab_.hc) / slab_.n;
  out.n3.yconc = (out.n3.ytop - slab_.hc) / slab_.n3;
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
