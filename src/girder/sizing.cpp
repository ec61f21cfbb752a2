#include "girder/sizing.h"

#include "deflection/deflection.h"
#include "girder/sections.h"

namespace ss {

namespace {

constexpr std::int32_t kNonComposite = 4;      // beam type "PG"
constexpr std::int32_t kComposite = 5;         // beam type "CG"
constexpr float kDefaultConcreteStress = 1.2f; // ksi, FC when not given

// The deflection loop moves the bottom plate's start by half a foot at a time toward the support.
// A span of the deck's LENGTH field (at most 999.999 ft) needs at most 1000 moves; the bound only
// stops a span given with an exponent so large that half a foot no longer changes the start.
constexpr int kMaxPlateMoves = 2048;
// ft: a bottom plate start interpolated further than this beyond midspan (stresses of odd signs)
// is taken at midspan before it moves; nearer ones are counted back half a foot at a time.
constexpr float kFarBeyond = 1.0e6f;

bool design_mode(const ProblemState &st) { return st.da != 1; }

float at_least(float v, float floor) { return v < floor ? floor : v; }

// Midspan moments, web inertia and the top plate's fallback to the top flange.
void trial(ProblemState &st) {
  GirderState &g = st.girder;
  g.m_dead_mid = (st.m_pload[20] + st.m_noncomp[20]) + st.m_comp[20];
  g.m_all_mid = ((g.m_dead_mid + st.m_sidewalk[10]) + st.m_live[10]) + st.m_rri[10];
  g.web_inertia = web_inertia(st.web_d, st.web_t);
  if (st.top_plate.thickness <= 0.0f) st.top_plate.thickness = st.top_flange_t;
  if (st.top_plate.width <= 0.0f) st.top_plate.width = st.top_flange_w;
}

// The non-composite girder, made symmetric, against FS at midspan and the allowed live-load
// deflection with the web-and-plates inertia along the whole span.
bool noncomposite_passes(ProblemState &st) {
  const GirderState &g = st.girder;
  const float tbp = st.bottom_plate.thickness;
  const float bbp = st.bottom_plate.width;
  st.top_plate.thickness = tbp;
  st.top_plate.width = bbp;
  st.top_flange_t = st.bot_flange_t;
  st.top_flange_w = st.bot_flange_w;
  const float d = st.web_d;
  const float l = st.length;
  const float h = d + 2.0f * tbp;
  const float inertia = g.web_inertia + (bbp * (((h * h) * h) - ((d * d) * d))) / 12.0f;
  const float plates_weight = ((st.wg * (bbp * tbp + (0.5f * d) * st.web_t)) / 48.0f) * (l * l);
  const float f = (((12.0f * g.m_all_mid + plates_weight) * 0.5f) * h) / inertia;
  if (f > st.fs) return false;
  for (int j = 1; j <= 39; ++j) st.i_steel[j] = inertia;
  LLDEFL(st);
  return !(st.defl_total > st.allowed_deflection);
}

enum class CompositeCheck { passes, top_step, bottom_step };

// The composite web-and-plates section at midspan: top of steel, top of concrete, bottom of steel,
// then the live-load deflection.
CompositeCheck composite_check(ProblemState &st) {
  const GirderState &g = st.girder;
  const SteelSection &s = g.steel[kWebPlates];
  const CompositeSection &cn = g.comp_n[kWebPlates];
  const CompositeSection &c3 = g.comp_3n[kWebPlates];
  const float l = st.length;
  const float m3 = 12.0f * st.m_comp[20];
  const float m1 = ((12.0f * g.m_dead_mid) + ((st.wg * s.area) / 96.0f) * (l * l)) - m3;
  const float m2 = 12.0f * ((st.m_sidewalk[10] + st.m_live[10]) + st.m_rri[10]);
  const float ftop =
      (((m1 * s.ytop) / s.inertia) + ((m2 * cn.ytop) / cn.inertia)) + ((m3 * c3.ytop) / c3.inertia);
  if (ftop < -st.fs) return CompositeCheck::top_step;
  const float fc = ((m2 * cn.yconc) / cn.inertia) + ((m3 * c3.yconc) / c3.inertia);
  if (fc < -st.fc) return CompositeCheck::top_step;
  const float fbot =
      (((m1 * s.ybot) / s.inertia) + ((m2 * cn.ybot) / cn.inertia)) + ((m3 * c3.ybot) / c3.inertia);
  if (fbot > st.fs) return CompositeCheck::bottom_step;
  for (int j = 1; j <= 39; ++j) st.i_n[j] = cn.inertia;
  LLDEFL(st);
  if (st.defl_total > st.allowed_deflection) return CompositeCheck::bottom_step;
  return CompositeCheck::passes;
}

// The composite sections other than web-and-plates.
void other_composite_sections(ProblemState &st) {
  girder_composite_section(st, kWebFlanges);
  girder_composite_section(st, kWebTopPlate);
  girder_composite_section(st, kWebBottomPlate);
}

// Plate extents from the bottom plate's start: the top plate of a composite girder runs the full
// span, that of a non-composite girder matches the bottom plate.
void lay_out_plates(ProblemState &st, float xb) {
  const float l = st.length;
  const float xt = st.beam_type == kComposite ? 0.0f : xb;
  st.bottom_plate.x_begin = xb;
  st.bottom_plate.length = l - 2.0f * xb;
  st.top_plate.x_begin = xt;
  st.top_plate.length = l - 2.0f * xt;
}

// Bending moment at x (K-FT.) of a cover plate's excess weight over its flange, laid from xp over
// lp ft: w is half that weight per foot (kips/ft), r the left reaction (kips).
float plate_moment(float x, float xp, float lp, float r, float w) {
  float u = x - xp;
  if (lp < u) u = lp;
  if (u < 0.0f) u = 0.0f;
  float beyond = (x - xp) - lp;
  if (beyond < 0.0f) beyond = 0.0f;
  const float near = x < xp ? x : xp;
  return (((r - u * w) * u) + near * r) - beyond * (((2.0f * w) * lp) - r);
}

// The section at x ft given the plate extents.
GirderSectionKind section_at(float x, const CoverPlate &top, const CoverPlate &bot) {
  const float xt = top.x_begin, xb = bot.x_begin;
  const float et = xt + top.length, eb = xb + bot.length;
  const float first = xt < xb ? xt : xb, last_start = xt < xb ? xb : xt;
  const float first_end = et < eb ? et : eb, last_end = et < eb ? eb : et;
  if (x < first || x >= last_end) return kWebFlanges;
  if (last_start <= x && x < first_end) return kWebPlates;
  if ((xt <= x && x < xb) || (eb <= x && x < et)) return kWebTopPlate;
  return kWebBottomPlate;
}

// Adds the cover plates' excess weight over their flanges to the girder moments and shears, fills
// the station property diagrams and recomputes the live-load deflections.
void plate_loads_and_stations(ProblemState &st) {
  const GirderState &g = st.girder;
  const CoverPlate &tp = st.top_plate;
  const CoverPlate &bp = st.bottom_plate;
  const float l = st.length; // positive: the driver sends no span of zero length here
  const float wt = (st.wg * (tp.width * tp.thickness - st.top_flange_w * st.top_flange_t)) / 288.0f;
  const float wb = (st.wg * (bp.width * bp.thickness - st.bot_flange_w * st.bot_flange_t)) / 288.0f;
  const float rt = ((((l - tp.x_begin) - tp.length / 2.0f) * tp.length) * (2.0f * wt)) / l;
  const float rb = ((((l - bp.x_begin) - bp.length / 2.0f) * bp.length) * (2.0f * wb)) / l;
  for (int j = 0; j <= 39; ++j) {
    const float x = st.x[j];
    const float mb = plate_moment(x, bp.x_begin, bp.length, rb, wb);
    const float mt = plate_moment(x, tp.x_begin, tp.length, rt, wt);
    st.m_girder[j] = st.m_girder[j] + (mb + mt);
    const GirderSectionKind kind = section_at(x, tp, bp);
    const SteelSection &s = g.steel[kind];
    store_section_at(st, j, s.inertia, s.ytop, s.ybot, g.comp_n[kind], g.comp_3n[kind]);
    if (j > 20) continue;
    const float past_b = x - bp.x_begin > 0.0f ? x - bp.x_begin : 0.0f;
    const float past_t = x - tp.x_begin > 0.0f ? x - tp.x_begin : 0.0f;
    st.v_girder[j] = st.v_girder[j] + ((rb - (2.0f * wb) * past_b) + (rt - (2.0f * wt) * past_t));
  }
  LLDEFL(st);
}

// Grows the plates until every check of the trial passes; false when a plate would pass 120 in.
bool size_plates(ProblemState &st) {
  const bool design = design_mode(st);
  for (;;) {
    trial(st);
    if (design && st.beam_type == kNonComposite && !noncomposite_passes(st)) {
      if (!bottom_plate_step(st)) return false;
      continue;
    }
    girder_steel_sections(st);
    DLSELF(st);
    if (st.beam_type != kComposite) return true;
    st.modular_ratio = girder_modular_ratio(st.modular_ratio);
    st.girder.n = st.modular_ratio;
    if (st.fc <= 0.0f) st.fc = kDefaultConcreteStress;
    girder_composite_section(st, kWebPlates);
    const CompositeCheck check = design ? composite_check(st) : CompositeCheck::passes;
    if (check == CompositeCheck::top_step) {
      if (!top_plate_step(st)) return false;
    } else if (check == CompositeCheck::bottom_step) {
      if (!bottom_plate_step(st)) return false;
    } else {
      other_composite_sections(st);
      return true;
    }
  }
}

} // namespace

void girder_start(ProblemState &st) {
  GirderState &g = st.girder;
  if (st.wg <= 0.0f) st.wg = kSteelUnitWeight;
  g.bottom_flange_given = st.bot_flange_w * st.bot_flange_t > 0.0f;
  g.tmax = st.type_steel == 572 ? 2.0f : 4.0f;
}

void girder_design_defaults(ProblemState &st) {
  if (st.web_d <= 0.0f) st.web_d = default_web_depth(st.length);
  if (st.web_t <= 0.0f) st.web_t = default_web_thickness(st.web_d, st.fs);
  st.bottom_plate.width = at_least(st.bottom_plate.width, 12.0f);
  st.bottom_plate.thickness = at_least(st.bottom_plate.thickness, 0.4375f);
  st.top_plate.width = at_least(st.top_plate.width, 10.0f);
  st.top_plate.thickness = at_least(st.top_plate.thickness, 0.5f);
}

bool bottom_plate_step(ProblemState &st) {
  const GirderState &g = st.girder;
  float t = st.bottom_plate.thickness + 0.0625f;
  float w = st.bottom_plate.width;
  if (!(t <= g.tmax)) { // written so that an undefined thickness also widens
    w = w + 0.25f;
    if (!(w <= kMaxPlateWidth)) return false;
    t = g.tmax;
  }
  st.bottom_plate.thickness = t;
  st.bottom_plate.width = w;
  if (!g.bottom_flange_given) {
    st.bot_flange_t = 0.5f * t;
    st.bot_flange_w = w - 5.0f;
  }
  if (st.constant_t > 0) st.bot_flange_t = t;
  if (st.constant_w > 0) st.bot_flange_w = w;
  return true;
}

bool top_plate_step(ProblemState &st) {
  const GirderState &g = st.girder;
  float t = st.top_plate.thickness + 0.0625f;
  float w = st.top_plate.width;
  if (!(t <= g.tmax)) {
    w = w + 0.25f;
    if (!(w <= kMaxPlateWidth)) return false;
    t = g.tmax;
  }
  st.top_plate.thickness = t;
  st.top_plate.width = w;
  st.top_flange_t = t;
  st.top_flange_w = w;
  return true;
}

namespace {

// Fatigue allowance of a live-load class: A1 raises it for stronger steels, A2 and A3 give the
// allowable stress range for a stress ratio R as A2*a/(1 - R*A3).
struct FatigueClass {
  float a1, a2, a3;
};

FatigueClass fatigue_class(std::int32_t live_class) {
  switch (live_class) {
  case 2:
    return {0.23f, 17.2f, 0.62f}; // HS
  case 3:
    return {0.65f, 20.5f, 0.55f}; // RR
  default:
    return {0.0f, 15.0f, 0.67f}; // H
  }
}

float ultimate_strength(const ProblemState &st) {
  if (st.type_steel == 588) return 70.0f;
  if (st.type_steel == 572) return st.fs == 27.0f ? 65.0f : 60.0f;
  return 58.0f;
}

} // namespace

float bottom_plate_start(const ProblemState &st) {
  const GirderState &g = st.girder;
  const SteelSection &s = g.steel[kWebFlanges];
  const CompositeSection &cn = g.comp_n[kWebFlanges];
  const CompositeSection &c3 = g.comp_3n[kWebFlanges];
  const FatigueClass fc = fatigue_class(st.live_class);
  const float a = at_least(fc.a1 * (ultimate_strength(st) / 58.0f - 1.0f) + 1.0f, 1.0f);
  const float l = st.length;
  float prev = 0.0f;
  for (int k = 1; k <= 10; ++k) {
    const int j = 2 * k;
    const float m1 = 12.0f * ((((st.m_girder[j] + st.m_top_plate[j]) + st.m_bot_plate[j]) + st.m_pload[j]) +
                              st.m_noncomp[j]);
    const float m3 = 12.0f * st.m_comp[j];
    const float m2 = 12.0f * ((st.m_rri[k] + st.m_live[k]) + st.m_sidewalk[k]);
    float r = 0, fmax = 0;
    if (st.beam_type == kComposite) {
      const float fmin = ((m3 * c3.ybot) / c3.inertia) + ((m1 * s.ybot) / s.inertia);
      fmax = fmin + (m2 * cn.ybot) / cn.inertia;
      r = fmin / fmax;
    } else {
      const float md = m3 + m1;
      const float mt = m2 + md;
      r = md / mt;
      fmax = (s.ybot * mt) / s.inertia;
    }
    const float fr = (fc.a2 * a) / (1.0f - r * fc.a3);
    const float fa = fr < st.fs ? fr : st.fs;
    if (fa <= fmax) {
      const float d = fmax - prev;
      const float ratio = d == 0.0f ? 0.0f : (fmax - fa) / d;
      const float xb = st.x[j] - ratio * (l / 20.0f);
      // A start interpolated before the support (loads of odd signs) is held at the support. One
      // beyond midspan is kept: the deflection loop brings it back, or holds it at midspan.
      return xb >= 0.0f ? xb : 0.0f;
    }
    prev = fmax;
  }
  return 0.0f;
}

// Moves the bottom plate's start toward the support while the live-load deflection is too large.
void lengthen_plates(ProblemState &st) {
  const float half = st.length / 2.0f;
  for (int moves = 0; moves < kMaxPlateMoves; ++moves) {
    float xb = st.bottom_plate.x_begin;
    if (!(st.defl_total > st.allowed_deflection) || !(xb > 0.0f)) break;
    // While the start lies beyond midspan the bottom plate has no length: every station keeps the
    // same section and the deflection cannot change, so those half-foot moves are counted off
    // without laying the plates out. A start more than kFarBeyond past midspan is taken there.
    if (xb - half > kFarBeyond) xb = half;
    while (xb - 0.5f >= half && xb - 0.5f < xb) xb = xb - 0.5f;
    DLSELF(st);
    lay_out_plates(st, at_least(xb - 0.5f, 0.0f));
    plate_loads_and_stations(st);
  }
  // The deflection passes with the start still beyond midspan: the bottom plate is left out.
  if (st.bottom_plate.x_begin > half) {
    DLSELF(st);
    lay_out_plates(st, half);
    plate_loads_and_stations(st);
  }
}

SizingResult size_girder(ProblemState &st) {
  const bool design = design_mode(st);
  if (design && !(st.fs > 0.0f)) return SizingResult::fs_not_given;
  girder_start(st);
  if (design) {
    girder_design_defaults(st);
    if (!bottom_plate_step(st)) return SizingResult::plates_too_wide;
  }
  if (!size_plates(st)) return SizingResult::plates_too_wide;
  if (design) lay_out_plates(st, bottom_plate_start(st));
  plate_loads_and_stations(st);
  if (design) lengthen_plates(st);
  return SizingResult::sized;
}

} // namespace ss
