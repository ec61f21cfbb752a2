#include "rolled/rolled_report.h"

namespace ss {

void print_row_number(Run &run) { run.out.put(Line::cc(' ').i(11, 3, run.st.rolled.chosen_row)); }

void print_beam_properties(Run &run) {
  const RolledState &r = run.st.rolled;
  run.out.put(Line::cc('0').text(34, "BEAM PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(5, "BEAM")
                  .text(16, "AREA")
                  .text(25, "DEPTH")
                  .text(36, "FL. W     FL. T")
                  .text(56, "WEB T")
                  .text(69, "I"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .i(2, 3, r.depth)
                  .text(5, "WF")
                  .i(7, 3, r.weight)
                  .f(10, 10, 3, r.area)
                  .f(20, 10, 3, r.d)
                  .f(30, 11, 3, r.bf)
                  .f(41, 10, 3, r.tf)
                  .f(51, 10, 3, r.tw)
                  .f(61, 12, 1, r.inertia));
}

void print_cover_plates(Run &run) {
  const ProblemState &st = run.st;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(33, "COVER PLATES"));
  run.out.empty();
  run.out.put(
      Line::cc(' ').text(6, "BOTTOM COVER").text(22, "PLATE").text(48, "TOP  COVER").text(62, "PLATE"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(4, "X-BEGIN  THICKNESS WIDTH")
                  .text(33, "LENGTH")
                  .text(44, "X-BEGIN  THICKNESS WIDTH")
                  .text(73, "LENGTH"));
  run.out.empty();
  // The first field's leading blank is the carriage control.
  run.out.put(Line()
                  .f(1, 10, 2, st.bottom_plate.x_begin)
                  .f(11, 8, 4, st.rolled.bt)
                  .f(19, 8, 2, st.rolled.wb)
                  .f(27, 11, 2, st.bottom_plate.length)
                  .f(41, 10, 2, st.top_plate.x_begin)
                  .f(51, 8, 4, st.top_plate.thickness)
                  .f(59, 8, 2, st.top_plate.width)
                  .f(67, 11, 2, st.top_plate.length));
}

void print_plated_properties(Run &run) {
  const RolledState &r = run.st.rolled;
  const RolledSteel &s = r.steel[kBeamPlates];
  run.out.put(Line::cc('-'));
  run.out.put(Line::cc(' ').text(27, "BEAM WITH PLATES PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(8, " AREA")
                  .text(21, " Y-TOP")
                  .text(31, "Y-BOTTOM")
                  .text(49, " I")
                  .text(57, " MIN TERMINAL WELD"));
  run.out.put(Line::cc('0')
                  .f(2, 12, 3, s.area)
                  .f(14, 12, 3, -s.ytop)
                  .f(26, 12, 3, s.ybot)
                  .f(38, 16, 1, s.inertia)
                  .i(54, 12, r.weld)
                  .text(66, "/16"));
}

namespace {

// YTC, YTS, YBS and I of fortieth point j for ratio n (printed positive), and Q SLAB.
Line &composite_n(Line &line, int col, const ProblemState &st, std::size_t j, float n) {
  line.f(col, 7, 2, -(st.yconc_n[j] * n))
      .f(col + 7, 7, 2, -st.ytop_n[j])
      .f(col + 14, 7, 2, st.ybot_n[j])
      .f(col + 21, 9, 1, st.i_n[j])
      .f(col + 30, 8, 1, -(st.q_ratio[j] * st.i_n[j]));
  return line;
}

Line &composite_3n(Line &line, int col, const ProblemState &st, std::size_t j, float n3) {
  line.f(col, 7, 2, -(st.yconc_3n[j] * n3))
      .f(col + 7, 7, 2, -st.ytop_3n[j])
      .f(col + 14, 7, 2, st.ybot_3n[j])
      .f(col + 21, 9, 1, st.i_3n[j]);
  return line;
}

} // namespace

void print_composite_properties(Run &run) {
  const ProblemState &st = run.st;
  const std::int32_t n = st.modular_ratio;
  const float rn = static_cast<float>(n);
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(27, "COMPOSITE SECTION PROPERTIES"));
  run.out.empty();
  run.out.put(Line::cc(' ').text(20, "BEAM ONLY").text(49, "BEAM  WITH  PLATES"));
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
  Line ln = Line::cc(' ').i(2, 3, n);
  composite_n(ln, 5, st, 0, rn);
  composite_n(ln, 43, st, 20, rn);
  run.out.put(ln);
  run.out.empty();
  Line l3 = Line::cc(' ').i(2, 3, 3 * static_cast<std::int64_t>(n));
  composite_3n(l3, 5, st, 0, 3.0f * rn);
  composite_3n(l3, 43, st, 20, 3.0f * rn);
  run.out.put(l3);
  run.out.empty();
  run.out.empty();
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(6, "NUMBER OF SHEAR CONNECTORS NEEDED TO PROVIDE FOR ULTIMATE STRENGTH")
                  .i(72, 5, st.rolled.connectors));
}

} // namespace ss
