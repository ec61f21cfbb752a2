// Section properties of a welded plate girder: the four steel sections (web with flanges or cover
// plates top and bottom) and their composite forms with the deck slab.
#pragma once

#include <cstdint>

#include "state/problem_state.h"

namespace ss {

// A flange or cover plate: width and thickness, in.
struct Plate {
  float width = 0;     // in
  float thickness = 0; // in
};

// Web inertia about its own mid-depth, in^4: tw*D^3/12.
float web_inertia(float depth, float thickness);

// The steel section of a web (depth D, thickness tw) with `top` above and `bottom` below it.
SteelSection steel_section(float depth, float web_thickness, const Plate &top, const Plate &bottom);

// The deck slab: width, thickness and coping (the slab's haunch over the top cover plate), in.
struct Slab {
  float width = 0;     // in
  float thickness = 0; // in
  float coping = 0;    // in
};

// `steel` acting with the slab for the modular ratio r (n or 3n; r >= 1). The slab sits at the same
// height over every section: its underside is `coping` above the top cover plate, whose thickness is
// `top_plate_thickness`. `slab_area` and `slab_inertia` are the slab's transformed area (in^2) and
// own inertia (in^4) for r.
CompositeSection composite_section(const SteelSection &steel, float depth, float top_plate_thickness,
                                   const Slab &slab, float slab_area, float slab_inertia, std::int32_t r);

// The modular ratio n the girder uses: the input value, or 10 when it is below 1.
std::int32_t girder_modular_ratio(std::int32_t input_n);

// Default web depth for a span of `length` ft: a foot of depth per 25 ft of span, rounded up to
// whole feet, in inches.
float default_web_depth(float length);

// Default web thickness for depth D and allowable stress FS (ksi), rounded up to 1/16 in.
float default_web_thickness(float depth, float fs);

// A real truncated toward zero into a 32-bit integer; values outside the integer range give the
// nearest end of the range, and an undefined value gives 0.
std::int32_t trunc_i32(float v);

// The four steel sections of the girder as the problem state holds it now (web, flanges, cover
// plates), into st.girder; also D/2, the web inertia and the girder weight W BM (st.wbm).
void girder_steel_sections(ProblemState &st);

// The composite form of section `kind` for n and 3n (st.girder.n must be set).
void girder_composite_section(ProblemState &st, GirderSectionKind kind);

} // namespace ss
