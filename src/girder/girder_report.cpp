#include "girder/girder_report.h"

#include <cmath>
#include <string>

#include "girder/sections.h"
#include "tables/tables.h"

namespace ss {

namespace {

float smaller(float a, float b) { return b < a ? b : a; }

// Square root of the web's shear stress (psi) under the shear v (kips): sqrt(1000*|v|/Aw). A web of
// no area (analysis of a girder given without a web) carries no shear stress.
float shear_root(float v, float web_area) {
  return web_area > 0.0f ? std::sqrt((1000.0f * std::fabs(v)) / web_area) : 0.0f;
}

// Stiffener spacing c*tw/r, in, never more than `cap`; the cap alone where the web has no shear.
float stiffener_spacing(float c, float tw, float root, float cap) {
  return root > 0.0f ? smaller((c * tw) / root, cap) : cap;
}

// The web is stocky enough to need no transverse stiffener at this shear.
bool web_is_stocky(float tw, float d, float root) { return tw >= (d * root) / 7500.0f && tw >= d / 150.0f; }

void transverse_stiffeners(ProblemState &st) {
  GirderState &g = st.girder;
  const float d = st.web_d;
  const float tw = st.web_t;
  const float aw = d * tw;
  const float v0 =
      ((((st.v_sidewalk_pos[0] + st.v_live_pos[0]) + st.v_girder[0]) + st.v_pload[0]) + st.v_noncomp[0]) +
      st.v_comp[0];
  const float r0 = shear_root(v0, aw);
  g.spacing.fill(0.0f);
  g.transverse_needed = !web_is_stocky(tw, d, r0);
  if (!g.transverse_needed) return;
  g.spacing[0] = stiffener_spacing(5500.0f, tw, r0, d / 2.0f);
  for (int k = 1; k <= 10; ++k) {
    const int j = 2 * k;
    // Shears of concentrated loads off centre can come out negative: their magnitude counts.
    const float v =
        (((((st.v_girder[j] + st.v_pload[j]) + st.v_noncomp[j]) + st.v_comp[j]) + st.v_sidewalk_pos[k]) +
         st.v_live_pos[k]) +
        st.v_rri[k];
    const float r = shear_root(v, aw);
    g.spacing[k] = web_is_stocky(tw, d, r) ? 0.0f : stiffener_spacing(11000.0f, tw, r, d);
  }
}

void girder_properties(Run &run) {
  const ProblemState &st = run.st;
  const SteelSection &s = st.girder.steel[kWebFlanges];
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(31, "PLATE GIRDER PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(8, "WEB")
                  .text(20, "TOP FLANGE")
                  .text(33, "BOTTOM FLANGE")
                  .text(51, "WEB AND FLANGES PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(3, "DEPTH   THICK  WIDTH   THICK  WIDTH   THICK")
                  .text(51, "AREA")
                  .text(59, "Y-TOP")
                  .text(65, "Y-BOTTOM")
                  .text(79, "I"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .f(2, 6, 2, st.web_d)
                  .f(8, 8, 4, st.web_t)
                  .f(16, 7, 2, st.top_flange_w)
                  .f(23, 8, 4, st.top_flange_t)
                  .f(31, 7, 2, st.bot_flange_w)
                  .f(38, 8, 4, st.bot_flange_t)
                  .f(46, 10, 3, s.area)
                  .f(56, 8, 3, -s.ytop)
                  .f(64, 8, 3, s.ybot)
                  .f(72, 11, 1, s.inertia));
}

void cover_plates(Run &run) {
  const CoverPlate &b = run.st.bottom_plate;
  const CoverPlate &t = run.st.top_plate;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(30, "WEB AND COVER PLATES"));
  run.out.empty();
  run.out.put(Line::cc(' ').text(6, "BOTTOM    COVER   PLATE").text(48, "TOP   COVER     PLATE"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(4, "X-BEGIN  THICKNESS WIDTH")
                  .text(33, "LENGTH")
                  .text(44, "X-BEGIN  THICKNESS WIDTH")
                  .text(73, "LENGTH"));
  run.out.empty();
  run.out.put(Line()
                  .f(1, 10, 2, b.x_begin)
                  .f(11, 8, 4, b.thickness)
                  .f(19, 8, 2, b.width)
                  .f(27, 11, 2, b.length)
                  .f(41, 10, 2, t.x_begin)
                  .f(51, 8, 4, t.thickness)
                  .f(59, 8, 2, t.width)
                  .f(67, 11, 2, t.length));
}

void plates_properties(Run &run) {
  const SteelSection &s = run.st.girder.steel[kWebPlates];
  run.out.put(Line::cc('-'));
  run.out.put(Line::cc(' ').text(24, "WEB  WITH COVER PLATES PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ').text(8, "AREA").text(21, " Y-TOP").text(31, "Y-BOTTOM").text(49, " I"));
  run.out.put(
      Line::cc('0').f(2, 12, 3, s.area).f(14, 12, 3, -s.ytop).f(26, 12, 3, s.ybot).f(38, 16, 1, s.inertia));
}

// YTC, YTS, YBS and I of the composite section at station j, from col on; Q SLAB when `with_q`.
void composite_station(Line &line, int col, const ProblemState &st, int j, bool three_n) {
  const float r = static_cast<float>(three_n ? 3 * st.girder.n : st.girder.n);
  const float yconc = three_n ? st.yconc_3n[j] : st.yconc_n[j];
  const float ytop = three_n ? st.ytop_3n[j] : st.ytop_n[j];
  const float ybot = three_n ? st.ybot_3n[j] : st.ybot_n[j];
  const float inertia = three_n ? st.i_3n[j] : st.i_n[j];
  line.f(col, 7, 2, -yconc * r).f(col + 7, 7, 2, -ytop).f(col + 14, 7, 2, ybot).f(col + 21, 9, 1, inertia);
  if (!three_n) line.f(col + 30, 8, 1, -st.q_ratio[j] * inertia);
}

void composite_properties(Run &run) {
  const ProblemState &st = run.st;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(27, "COMPOSITE SECTION PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ').text(18, "WEB AND FLANGES").text(47, "WEB AND PLATES"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(3, "N")
                  .text(8, "YTC")
                  .text(15, "YTS")
                  .text(22, "YBS")
                  .text(30, "I")
                  .text(37, "Q SLAB")
                  .text(46, "YTC")
                  .text(53, "YTS")
                  .text(60, "YBS")
                  .text(69, "I")
                  .text(75, "Q SLAB"));
  run.out.empty();
  for (const bool three_n : {false, true}) {
    Line line = Line::cc(' ').i(2, 3, three_n ? 3 * st.girder.n : st.girder.n);
    composite_station(line, 5, st, 0, three_n);
    composite_station(line, 43, st, 20, three_n);
    run.out.put(line);
    if (!three_n) run.out.empty();
  }
  run.out.empty();
  run.out.empty();
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(6, "NUMBER OF SHEAR CONNECTORS NEEDED TO PROVIDE FOR ULTIMATE STRENGTH")
                  .i(72, 5, st.girder.connectors));
}

void stiffeners(Run &run) {
  const GirderState &g = run.st.girder;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(10, "NUMBER OF LONGITUDINAL STIFFENERS NEEDED").i(50, 3, g.longitudinal));
  if (!g.transverse_needed) {
    run.out.put(Line::cc('0').text(13, "TRANSVERSE STIFFENERS NOT REQUIRED"));
    return;
  }
  run.out.put(Line::cc('0').text(7, "MAXIMUM TRANSVERSE STIFFENER SPACING (INCHES) AT SPAN 1/20 POINTS"));
  run.out.empty();
  Line labels = Line::cc(' ');
  for (int k = 0; k <= 9; ++k) labels.text(8 + 7 * k, std::to_string(k));
  run.out.put(labels.text(77, "10"));
  run.out.empty();
  Line values = Line::cc(' ');
  for (int k = 0; k <= 10; ++k) values.f(3 + 7 * k, 7, 0, g.spacing[static_cast<std::size_t>(k)]);
  run.out.put(values);
}

} // namespace

void girder_stiffeners(ProblemState &st) {
  GirderState &g = st.girder;
  if (st.beam_type == 5) {
    const float p1 = (g.steel[kWebPlates].area * st.fs) / 0.55f;
    const float p2 = ((2.125f * st.fc) * st.slab_width) * st.slab_thickness;
    const float p = smaller(p1, p2);
    const float su = st.ultimate_strength < 1.0f ? 1.0f : st.ultimate_strength;
    g.connectors = trunc_i32((2.0f * p) / (0.85f * su) + 0.9999f);
  }
  // FS is positive in design mode; an analysis without it limits nothing here.
  const float root_fs = st.fs > 0.0f ? std::sqrt(1000.0f * st.fs) : 0.0f;
  g.longitudinal = st.web_t >= (st.web_d * root_fs) / 23000.0f ? 0 : 1;
  transverse_stiffeners(st);
}

void print_girder(Run &run) {
  print_page_header(run);
  girder_properties(run);
  cover_plates(run);
  plates_properties(run);
  if (run.st.beam_type == 5) composite_properties(run);
  stiffeners(run);
}

void print_not_designed(Run &run, std::string_view reason) {
  const std::string text = "PLATE GIRDER NOT DESIGNED - " + std::string(reason) + "  PROBLEM NUMBER  ";
  run.out.put(Line::cc('0').text(2, text).a(2 + static_cast<int>(text.size()), 4, run.st.problem_number));
}

} // namespace ss
