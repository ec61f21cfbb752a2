#include "girder/sections.h"

#include <cmath>
#include <limits>

namespace ss {

namespace {

// A flange or cover plate about the web's mid-depth.
struct Element {
  float area = 0;         // in^2
  float first_moment = 0; // in^3, area times the downward offset of its centroid
  float inertia = 0;      // in^4, about the web's mid-depth
  float thickness = 0;    // in
};

Element element(const Plate &p, float depth, bool above) {
  Element e;
  e.thickness = p.thickness;
  e.area = p.width * p.thickness;
  float offset = (p.thickness + depth) / 2.0f;
  if (above) offset = -offset;
  e.first_moment = offset * e.area;
  e.inertia = ((p.thickness * p.thickness) * e.area) / 12.0f + offset * e.first_moment;
  return e;
}

} // namespace

float web_inertia(float depth, float thickness) { return (thickness * ((depth * depth) * depth)) / 12.0f; }

SteelSection steel_section(float depth, float web_thickness, const Plate &top, const Plate &bottom) {
  const Element t = element(top, depth, true);
  const Element b = element(bottom, depth, false);
  const float half = depth / 2.0f;
  SteelSection s;
  s.t_top = t.thickness;
  s.t_bot = b.thickness;
  s.area = (depth * web_thickness + t.area) + b.area;
  // A section without any area (a deck giving no plates at all) has its axis at the web's middle.
  s.ybar = s.area == 0.0f ? 0.0f : (b.first_moment + t.first_moment) / s.area;
  s.inertia = ((b.inertia + t.inertia) + web_inertia(depth, web_thickness)) -
              (t.first_moment + b.first_moment) * s.ybar;
  s.ytop = -((t.thickness + s.ybar) + half);
  s.ybot = b.thickness + (half - s.ybar);
  return s;
}

CompositeSection composite_section(const SteelSection &steel, float depth, float top_plate_thickness,
                                   const Slab &slab, float slab_area, float slab_inertia, std::int32_t r) {
  const float half = depth / 2.0f;
  const float ys = -(((top_plate_thickness + steel.ybar) + (slab.coping + slab.thickness / 2.0f)) + half);
  const float total = steel.area + slab_area;
  // Steel and slab of no area together: the axis stays where the steel's is.
  const float shift = total == 0.0f ? 0.0f : (ys * slab_area) / total;
  const float m = shift * steel.area;
  CompositeSection c;
  c.inertia = (steel.inertia + slab_inertia) + ys * m;
  const float ybar = steel.ybar + shift;
  c.ytop = -((steel.t_top + ybar) + half);
  c.ybot = steel.t_bot + (half - ybar);
  // The slab keeps its height where a flange thinner than the top plate tops the section.
  c.yconc = ((c.ytop - (slab.thickness + slab.coping)) - (top_plate_thickness - steel.t_top)) /
            static_cast<float>(r);
  // A section without inertia has no meaningful Q/I; 0 keeps the tables finite.
  c.q = c.inertia == 0.0f ? 0.0f : m / c.inertia;
  return c;
}

std::int32_t girder_modular_ratio(std::int32_t input_n) { return input_n < 1 ? 10 : input_n; }

std::int32_t trunc_i32(float v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (v <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

float default_web_depth(float length) {
  return static_cast<float>(trunc_i32(length / 25.0f + 0.9999f)) * 12.0f;
}

float default_web_thickness(float depth, float fs) {
  float r = std::sqrt(1000.0f * fs) / 23000.0f;
  if (!(r >= 0.005882353f)) r = 0.005882353f; // also for an FS below zero
  return static_cast<float>(trunc_i32(16.0f * depth * r + 0.9999f)) / 16.0f;
}

void girder_steel_sections(ProblemState &st) {
  GirderState &g = st.girder;
  const float d = st.web_d;
  const float tw = st.web_t;
  const Plate top_flange{st.top_flange_w, st.top_flange_t};
  const Plate bot_flange{st.bot_flange_w, st.bot_flange_t};
  const Plate top_plate{st.top_plate.width, st.top_plate.thickness};
  const Plate bot_plate{st.bottom_plate.width, st.bottom_plate.thickness};
  g.half_depth = d / 2.0f;
  g.web_inertia = web_inertia(d, tw);
  g.steel[kWebFlanges] = steel_section(d, tw, top_flange, bot_flange);
  g.steel[kWebTopPlate] = steel_section(d, tw, top_plate, bot_flange);
  g.steel[kWebBottomPlate] = steel_section(d, tw, top_flange, bot_plate);
  g.steel[kWebPlates] = steel_section(d, tw, top_plate, bot_plate);
  st.wbm = (((d * tw + top_flange.width * top_flange.thickness) + bot_flange.width * bot_flange.thickness) *
            st.wg) /
           144.0f;
}

void girder_composite_section(ProblemState &st, GirderSectionKind kind) {
  GirderState &g = st.girder;
  const Slab slab{st.slab_width, st.slab_thickness, st.coping};
  const std::int32_t n = g.n;
  const float area_n = (slab.thickness * slab.width) / static_cast<float>(n);
  const float inertia_n = (area_n * (slab.thickness * slab.thickness)) / 12.0f;
  const SteelSection &s = g.steel[kind];
  g.comp_n[kind] = composite_section(s, st.web_d, st.top_plate.thickness, slab, area_n, inertia_n, n);
  g.comp_3n[kind] =
      composite_section(s, st.web_d, st.top_plate.thickness, slab, area_n / 3.0f, inertia_n / 3.0f, 3 * n);
  g.comp_3n[kind].q = 0; // Q/I is kept for the ratio n only
}

} // namespace ss
