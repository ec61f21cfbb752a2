#include "rolled/cover_plates.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "deflection/deflection.h"
#include "rolled/lanes.h"
#include "rolled/numeric.h"
#include "rolled/section_table.h"
#include "rolled/sections.h"

namespace ss {

namespace {

// The plated allowable stress as a function of the bottom plate's thickness, with the problem's
// values read once (a plate search asks for it at every trial thickness).
class PlatedStress {
public:
  explicit PlatedStress(const ProblemState &st)
      : fsd_(st.rolled.fs_section), fs_(st.fs), by_thickness_(st.type_steel == 441) {}
  float operator()(float bt) const {
    float fsw = bt > 1.5f ? 23.0f : (bt > 0.75f ? 25.0f : 27.0f);
    if (!by_thickness_) fsw = fsd_;
    fsw = std::min(fsw, fsd_);
    if (fs_ > 0.0f) fsw = fs_;
    return fsw;
  }
  Lanes operator()(Lanes bt) const {
    if (fs_ > 0.0f) return splat(fs_);
    if (!by_thickness_) return splat(fsd_); // std::min(fsd_, fsd_) is fsd_
    const Lanes fsw = bt > 1.5f ? splat(23.0f) : (bt > 0.75f ? splat(25.0f) : splat(27.0f));
    return fsd_ < fsw ? splat(fsd_) : fsw; // std::min(fsw, fsd_)
  }

private:
  float fsd_, fs_;
  bool by_thickness_;
};

} // namespace

float plated_allowable(const ProblemState &st, float bt) { return PlatedStress(st)(bt); }

namespace {

// A row whose plate has been narrowed this many times is rejected: half-inch steps from the widest
// plate a deck gives without an exponent ("999." in the four columns of WIDTH) take 1992 passes,
// and a width written with an exponent (1.E6) would otherwise take millions of trial designs per row.
constexpr int kMaxWidthPasses = 2500;
// The plate start moves toward the support by half a foot per pass; this bounds a span given with
// an exponent, where XF - 0.5 no longer lowers XF or would take millions of passes.
constexpr int kMaxExtentPasses = 200000;

enum class Trial { Passed, Exhausted, Rejected };

void fill_inertia(F41 &diagram, float value) {
  for (std::size_t j = 1; j <= 39; ++j) diagram[j] = value;
}

// "RP": equal plates top and bottom; the midspan stress of the plated beam under all loads and
// the two plates' own weight. What does not depend on the thickness is worked once per width.
class EqualPlates {
public:
  explicit EqualPlates(const ProblemState &st)
      : d_(st.rolled.d), d_cubed_((d_ * d_) * d_), inertia_(st.rolled.inertia), wb_(st.rolled.wb), wg_(st.wg),
        length_(st.length), m_total_12_(st.rolled.m_total * 12.0f) {}

  bool strong(ProblemState &, float bt, float fs) { return !(stress_at(bt, itot_) > fs); }
  // The lanes whose thickness fails the strength check at its allowable stress, as strong().
  int weak(ProblemState &, Lanes bt, Lanes fs) const {
    Lanes itot;
    return lane_bits(stress_at(bt, itot) > fs);
  }
  // The top plate of the last thickness checked, and for one that passed its inertia diagram.
  void leave(ProblemState &st, float bt) const {
    st.top_plate.thickness = bt;
    st.top_plate.width = wb_;
  }
  void settle(ProblemState &st, float bt) const {
    leave(st, bt);
    fill_inertia(st.i_steel, itot_);
  }

private:
  // The midspan stress with plates bt thick, and the plated inertia: of one trial or of lanes.
  template <class F> F stress_at(F bt, F &itot) const {
    const float L = length_;
    const F d2 = d_ + bt + bt;
    const F d2_cubed = (d2 * d2) * d2;
    itot = (d2_cubed - d_cubed_) * wb_ / 12.0f + inertia_;
    return (m_total_12_ + wb_ * bt * wg_ / 48.0f * L * L) * d2 * 0.5f / itot;
  }

  float d_, d_cubed_, inertia_, wb_, wg_, length_, m_total_12_;
  float itot_ = 0.0f;
};

// Whether the bottom of steel of the sections worked for thickness bt is above fs in tension or
// its top beyond fs in compression (F: float, or Lanes for lanes of thicknesses).
template <class F, class Worked> auto overstressed(const ProblemState &st, F bt, F fs, const Worked &worked) {
  const RolledState &r = st.rolled;
  const float tt = st.top_plate.thickness;
  const float wt = st.top_plate.width;
  const float L = st.length;
  const float m3 = st.m_comp[20] * 12.0f;
  const F m1 = (r.m_dead * 12.0f + (r.wb * bt + wt * tt) * st.wg / 96.0f * L * L) - m3;
  const float m2 = (r.m_total - r.m_dead) * 12.0f;
  const auto &s = worked.steel;
  const auto &n = worked.n;
  const auto &n3 = worked.n3;
  const F bottom = m1 * s.ybot / s.inertia + m2 * n.ybot / n.inertia + m3 * n3.ybot / n3.inertia;
  const F top = m1 * s.ytop / s.inertia + m2 * n.ytop / n.inertia + m3 * n3.ytop / n3.inertia;
  return (bottom > fs) | (top < -fs);
}

// "CB": bottom and top of steel and top of concrete at midspan, with the non-composite load
// (and the plates' weight) on the plated steel, the composite dead load on 3n and the live load on n.
// Only the section with both plates is worked here, outside the state; the search works every
// section into the state as it ends.
class BottomPlate {
public:
  // The lanes whose thickness fails the steel stresses at its allowable stress, as strong().
  int weak(ProblemState &st, Lanes bt, Lanes fs) {
    if (!section_) section_.emplace(st);
    BothPlatesLanes worked;
    section_->work(st.rolled, bt, worked);
    return lane_bits(overstressed(st, bt, fs, worked));
  }
  bool strong(ProblemState &st, float bt, float fs) {
    RolledState &r = st.rolled;
    r.bt = bt;
    r.fs_plated = fs;
    if (!section_) section_.emplace(st);
    section_->work(r, bt, worked_);
    if (overstressed(st, bt, fs, worked_)) return false;
    section_->add_concrete(worked_);
    const float m3 = st.m_comp[20] * 12.0f;
    const float m2 = (r.m_total - r.m_dead) * 12.0f;
    const RolledComposite &n = worked_.n;
    const RolledComposite &n3 = worked_.n3;
    const float concrete = m2 * n.yconc / n.inertia + m3 * n3.yconc / n3.inertia;
    return !(concrete < -st.fc);
  }
  void leave(ProblemState &, float) const {}
  void settle(ProblemState &st, float) const { fill_inertia(st.i_n, worked_.n.inertia); }

private:
  std::optional<BothPlatesSection> section_;
  BothPlates worked_;
};

// The strength checks of the four thicknesses after bt, worked ahead: bit k set when the k-th
// lies within the search (above 3/16 in, not above tmax) and fails.
template <class Plates>
int weak_ahead(ProblemState &st, Plates &plates, const PlatedStress &allowable, float bt, float tmax) {
  float b[kLanes];
  b[0] = bt + 0.0625f;
  for (int k = 1; k < kLanes; ++k) b[k] = b[k - 1] + 0.0625f;
  const Lanes lanes{b[0], b[1], b[2], b[3]};
  const int within = lane_bits((lanes <= tmax) & (lanes > 0.1875f));
  if ((within & 1) == 0) return 0; // the search ends at the next thickness
  return within & plates.weak(st, lanes, allowable(lanes));
}

// Thicker and thicker plates of the current width, by sixteenths of an inch, until one passes the
// stresses and the live-load deflection. Ends within (tmax - 3/16) * 16 steps. `tried` is the
// last thickness whose strength was checked, or negative when none was. The trial thickness and
// its allowable stress stay in locals until a trial passes the strength or the search ends.
// With kWorkAhead the strength checks are worked four thicknesses ahead while the thickness steps
// by sixteenths.
template <bool kWorkAhead, class Plates>
Trial try_thicknesses(ProblemState &st, Plates &plates, float &tried) {
  RolledState &r = st.rolled;
  const float tmax = r.tmax;
  const float wb = r.wb;
  const PlatedStress allowable(st);
  float bt = r.bt;
  float fs = 0.0f;
  int ahead = 0; // trials worked ahead and not reached yet
  int weak = 0;  // bit k: the k-th next trial fails its strength check
  Trial trial;
  for (;;) {
    if (kWorkAhead && ahead == 0 && wb > 0.5f) {
      weak = weak_ahead(st, plates, allowable, bt, tmax);
      ahead = kLanes;
      if (weak == (1 << kLanes) - 1) { // all four fail: step over them
        for (int k = 0; k < kLanes; ++k) bt = bt + 0.0625f;
        fs = allowable(bt);
        tried = bt;
        ahead = 0;
        continue;
      }
    }
    bt = bt + 0.0625f;
    if (!(bt <= tmax)) {
      trial = Trial::Exhausted;
      break;
    }
    if (bt <= 0.1875f) { // a plate of no size that failed
      trial = Trial::Rejected;
      break;
    }
    if (wb <= 0.5f) bt = 0.0f;
    fs = allowable(bt);
    tried = bt;
    const bool known_weak = (weak & 1) != 0;
    weak >>= 1;
    ahead = std::max(ahead - 1, 0);
    if (known_weak || !plates.strong(st, bt, fs)) continue;
    r.bt = bt;
    r.fs_plated = fs;
    plates.settle(st, bt);
    LLDEFL(st);
    if (st.defl_total > st.allowed_deflection) continue;
    return Trial::Passed;
  }
  r.bt = bt;
  if (tried >= 0.0f) {
    r.fs_plated = fs;
    plates.leave(st, tried);
  }
  return trial;
}

// The search above, leaving every section of a composite beam as of the last thickness checked,
// as the rest of the design and the report read them.
Trial thickness_search(ProblemState &st, bool ahead) {
  RolledState &r = st.rolled;
  float tried = -1.0f;
  if (st.beam_type == 2) {
    EqualPlates plates(st);
    return ahead ? try_thicknesses<true>(st, plates, tried) : try_thicknesses<false>(st, plates, tried);
  }
  BottomPlate plate;
  const Trial trial =
      ahead ? try_thicknesses<true>(st, plate, tried) : try_thicknesses<false>(st, plate, tried);
  if (tried >= 0.0f) {
    const float bt = r.bt;
    r.bt = tried;
    steel_sections(r, st.top_plate.thickness, st.top_plate.width);
    composite_sections(st);
    r.bt = bt;
  }
  return trial;
}

// Moment at x of a plate's weight (q per half foot, reaction rq) over xp .. xp + lp.
float plate_moment(float rq, float q, float xp, float lp, float x) {
  const float u = std::max(std::min(lp, x - xp), 0.0f);
  return (rq * std::min(xp, x) + u * (rq - q * u)) - ((q + q) * lp - rq) * std::max(0.0f, (x - xp) - lp);
}

// Plate weights over their actual extent added to the girder diagrams, and the property diagrams.
void plate_weights(ProblemState &st) {
  const RolledState &r = st.rolled;
  const float L = st.length;
  const CoverPlate &top = st.top_plate;
  const CoverPlate &bot = st.bottom_plate;
  const float qt = top.thickness * top.width * st.wg / 288.0f;
  const float qb = r.bt * r.wb * st.wg / 288.0f;
  // The span is positive whenever a beam is designed (a zero span is handled as resisting moments).
  const float rt = ratio_or((qt + qt) * top.length * ((L - top.x_begin) - top.length * 0.5f), L, 0.0f);
  const float rb = ratio_or((qb + qb) * bot.length * ((L - bot.x_begin) - bot.length * 0.5f), L, 0.0f);
  st.m_top_plate[0] = rt;
  st.m_bot_plate[0] = rb;
  for (int j = 0; j <= 39; ++j) {
    const auto u = static_cast<std::size_t>(j);
    const float x = st.x[u];
    if (j <= 20) {
      st.v_girder[u] = (st.v_girder[u] + (rt - std::max(0.0f, x - top.x_begin) * qt * 2.0f)) +
                       (rb - std::max(0.0f, x - bot.x_begin) * qb * 2.0f);
    }
    st.m_girder[u] = (st.m_girder[u] + plate_moment(rt, qt, top.x_begin, top.length, x)) +
                     plate_moment(rb, qb, bot.x_begin, bot.length, x);
    point_properties(st, j);
  }
}

// Plates start at XF (never before the support) and run symmetrically about midspan.
void place_plates(ProblemState &st) {
  RolledState &r = st.rolled;
  if (r.xf < 0.0f) r.xf = 0.0f;
  st.bottom_plate.x_begin = r.xf;
  st.bottom_plate.length = st.length - 2.0f * r.xf;
  if (st.beam_type == 2) {
    st.top_plate.x_begin = r.xf;
    st.top_plate.length = st.bottom_plate.length;
  }
}

} // namespace

bool design_row_plates(ProblemState &st, bool ahead) {
  RolledState &r = st.rolled;
  const float input_width = st.bottom_plate.width;
  r.wb = input_width;
  r.tmin = std::max(0.3125f, st.bottom_plate.thickness);
  st.bottom_plate.thickness = r.tmin;
  if (input_width <= 0.0f) r.wb = static_cast<float>(trunc_i32(2.0f * r.bf - 2.5f)) * 0.5f;
  bool widened = false;
  for (int pass = 0; pass < kMaxWidthPasses; ++pass) {
    r.bt = 0.1875f;
    r.tmax = 2.0f * r.tf;
    if (st.type_steel == 572 && r.tmax > 1.5f) r.tmax = 1.5f;
    const Trial trial = thickness_search(st, ahead);
    if (trial == Trial::Rejected) return false;
    if (trial == Trial::Passed) {
      if (r.tmin <= r.bt || r.wb == 0.0f) return true;
      // Thinner than allowed: a narrower plate needs to be thicker. A width so large that half an
      // inch no longer changes it ends the row.
      const float narrower = r.wb - 0.5f;
      if (!(narrower < r.wb)) return false;
      r.wb = narrower;
      if (r.wb <= 3.5f) r.wb = 0.0f;
      continue;
    }
    // Thickness exhausted: widen once to the flange width rounded up plus 3 in. Reaching this a
    // second time means the narrowing steps led back below the flange width: the widths would
    // cycle for ever, so the row is rejected.
    if (input_width > 0.0f || widened) return false;
    const float w2 = static_cast<float>(trunc_i32(r.bf + 3.9999f));
    if (r.wb > r.bf) return false;
    r.wb = w2;
    widened = true;
  }
  return false;
}

void take_input_plates(ProblemState &st) {
  RolledState &r = st.rolled;
  r.wb = st.bottom_plate.width;
  r.bt = st.bottom_plate.thickness;
  r.tmin = std::max(0.3125f, st.bottom_plate.thickness);
  st.bottom_plate.thickness = r.tmin;
  r.fs_plated = plated_allowable(st, r.bt);
  if (st.beam_type == 3) {
    steel_sections(r, st.top_plate.thickness, st.top_plate.width);
    composite_sections(st);
  }
}

void self_weight(ProblemState &st) {
  // DLSELF reads the plates from the cover-plate fields; the bottom plate being sized lives in the
  // working values, so it stands in for the input plate during the call.
  const float thickness = st.bottom_plate.thickness;
  const float width = st.bottom_plate.width;
  st.bottom_plate.thickness = st.rolled.bt;
  st.bottom_plate.width = st.rolled.wb;
  DLSELF(st);
  st.bottom_plate.thickness = thickness;
  st.bottom_plate.width = width;
}

void cut_off_points(ProblemState &st) {
  RolledState &r = st.rolled;
  const float fsd = r.fs_section;
  const float fr = fatigue_range(st.live_class);
  const float step = st.length / 20.0f;
  float fb_prev = 0.0f, fp_prev = 0.0f, fa_prev = fsd, x_prev = 0.0f;
  bool fatigue = false, strength = false;
  float ratio = 0.0f;
  for (int p = 1; p <= 10; ++p) {
    const auto j = static_cast<std::size_t>(2 * p);
    const auto k = static_cast<std::size_t>(p);
    const float x = st.x[j];
    float mnc =
        ((((st.m_girder[j] + st.m_top_plate[j]) + st.m_bot_plate[j]) + st.m_pload[j]) + st.m_noncomp[j]) *
        12.0f;
    const float mc = st.m_comp[j] * 12.0f;
    const float mll = ((st.m_sidewalk[k] + st.m_live[k]) + st.m_rri[k]) * 12.0f;
    float fb = 0.0f, fp = 0.0f;
    const RolledSteel &s3 = r.steel[kBeamPlates];
    if (st.beam_type == 2) {
      mnc = mnc + mc;
      const float mt = mnc + mll;
      ratio = ratio_or(mnc, mt, 0.0f); // no load at all: no dead-load share
      fb = mt * r.yc / r.inertia;
      fp = mt * std::max(std::fabs(s3.ytop), s3.ybot) / s3.inertia;
    } else {
      const RolledComposite &n0 = r.comp_n[kBeamAlone];
      const RolledComposite &t0 = r.comp_3n[kBeamAlone];
      const float fd = mnc * r.yc / r.inertia + mc * t0.ybot / t0.inertia;
      fb = (n0.ybot / n0.inertia) * mll + fd;
      ratio = ratio_or(fd, fb, 0.0f);
      const RolledComposite &n3 = r.comp_n[kBeamPlates];
      const RolledComposite &t3 = r.comp_3n[kBeamPlates];
      fp = mnc * s3.ybot / s3.inertia + mc * t3.ybot / t3.inertia + mll * n3.ybot / n3.inertia;
    }
    // All-dead load (ratio 1) leaves no fatigue range to limit the stress.
    const float fa = 1.0f - ratio == 0.0f ? fsd : std::min(fr / (1.0f - ratio), fsd);
    if (fb >= fa && !fatigue) {
      const float den = ((fb - fb_prev) - fa) + fa_prev;
      const float t = den == 0.0f ? 0.0f : (fa_prev - fb_prev) / den;
      r.xf = t * step + x_prev;
      fatigue = true;
    }
    if (fb >= fsd && !strength) {
      const float t = fb_prev == fb ? 0.5f : (fsd - fb_prev) / (fb - fb_prev);
      r.xs = t * step + x_prev;
      r.rs = ratio;
      r.fps = t * (fp - fp_prev) + fp_prev;
      strength = true;
    }
    if (fatigue && strength) break;
    fb_prev = fb;
    fp_prev = fp;
    fa_prev = fa;
    x_prev = x;
  }
  if (!fatigue) r.xf = st.length * 0.5f;
  if (!strength) {
    r.xs = st.length * 0.5f;
    r.rs = ratio;
    r.fps = fp_prev;
  }
}

void terminal_weld(ProblemState &st) {
  RolledState &r = st.rolled;
  const std::int32_t c = st.live_class;
  const std::int32_t s = r.steel_index;
  const float limit = weld_stress_limit(s);
  const float den = 1.0f - weld_ratio_factor(c) * r.rs;
  // A zero denominator would make the fatigue range infinite: the stress limit governs.
  const float frw =
      den == 0.0f ? limit : std::min(weld_class_factor(c, s) * weld_stress_base(c) / den, limit);
  const float tt = st.top_plate.thickness;
  const float size = r.fps * std::max(tt, r.bt) / (frw * 2.82843f);
  const std::int32_t size16 = trunc_i32(16.0f * size + 0.9999f);
  const float tm = std::max(std::max(r.tf, r.bt), tt);
  std::int32_t minimum = 3;
  if (tm > 6.0f)
    minimum = 10;
  else if (tm > 2.25f)
    minimum = 8;
  else if (tm > 1.5f)
    minimum = 6;
  else if (tm > 0.75f)
    minimum = 5;
  else if (tm > 0.5f)
    minimum = 4;
  r.weld = std::max(minimum, size16);
}

void lay_out_plates(ProblemState &st, bool design) {
  RolledState &r = st.rolled;
  self_weight(st);
  steel_sections(r, st.top_plate.thickness, st.top_plate.width);
  if (st.beam_type == 3) composite_sections(st);
  cut_off_points(st);
  // The plate ends 1.5 plate widths (0.125 * wb ft) before the strength cut-off.
  if (design) r.xf = std::min(r.xf, r.xs - 0.125f * r.wb);
  for (int pass = 0;; ++pass) {
    if (design) place_plates(st);
    terminal_weld(st);
    plate_weights(st);
    LLDEFL(st);
    if (!design || !(st.defl_total > st.allowed_deflection)) break;
    // Plates already over the whole span cannot get longer: keep this pass's design and let the
    // tables show the deflection as it is.
    if (!(r.xf > 0.0f)) break;
    const float next = r.xf - 0.5f;
    if (!(next < r.xf) || pass + 1 >= kMaxExtentPasses) break;
    r.xf = next;
    self_weight(st);
  }
}

} // namespace ss
