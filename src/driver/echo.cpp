#include "driver/echo.h"

#include <string_view>

namespace ss {

void print_title_block(Report &out, const ProblemState &st, const RunStamp &stamp) {
  out.put(Line::cc('0')
              .a(2, 9, stamp.date)
              .text(26, "CALDERA COMMONWEALTH ROADS AUTHORITY")
              .text(67, "PROB. NO. ")
              .a(77, 4, st.problem_number));
  out.put(Line::cc(' ')
              .a(2, 8, stamp.time)
              .text(13, "ENGINEERING SERVICE UNIT - SECTION OF SPAN &")
              .text(57, " HIGHWAY ENGINEERS"));
  out.put(Line::cc(' ').text(38, "SIMPLE SPAN"));
  out.put(Line::cc(' ').text(32, "REVISED:  JUNE 26, 2008"));
  out.empty();
  out.empty();
  out.put(Line::cc(' ').a(25, 60, std::string_view(st.title.data(), st.title.size())));
}

void print_continuation(Report &out, const Record &rec) {
  out.put(Line::cc('0').text(10, rec.text(2, 3)).text(13, rec.text(5, 64)));
}

void print_span_data(Report &out, const ProblemState &st) {
  out.put(Line::cc('0'));
  out.empty();
  out.put(Line::cc(' ').text(37, "SPAN DATA"));
  out.empty();
  out.put(Line::cc(' ')
              .text(3, "BEAM")
              .text(11, "D/A")
              .text(18, "L.L.C.")
              .text(26, "T L M")
              .text(35, "LENGTH")
              .text(45, "D.F.M.")
              .text(55, "D.F.V.")
              .text(65, "D.F.D.")
              .text(75, "NPL"));
  out.empty();
  out.put(Line::cc(' ')
              .a(4, 2, st.beam_code)
              .i(12, 1, st.da)
              .a(19, 2, st.class_code)
              .i_trunc(21, 2, st.class_number)
              .i(26, 1, st.omit_truck)
              .i(27, 2, st.omit_lane)
              .i(29, 2, st.omit_military)
              .f(34, 7, 3, st.length)
              .f(45, 5, 3, st.dfm)
              .f(50, 10, 3, st.dfv)
              .f(60, 10, 3, st.dfd)
              .i(76, 2, st.npl));
  out.empty();
  out.put(Line::cc(' ')
              .text(8, "WDLNC")
              .text(16, "WDLC")
              .text(25, "SWLL")
              .text(34, "E")
              .text(41, "W BM")
              .text(50, "FS")
              .text(58, "FC")
              .text(65, "WG")
              .text(70, "TYPE STEEL"));
  out.empty();
  out.put(Line::cc(' ')
              .f(5, 8, 3, st.wdlnc)
              .f(13, 8, 3, st.wdlc)
              .f(21, 8, 3, st.swll)
              .f(29, 8, 2, st.e)
              .f(37, 8, 3, st.wbm)
              .f(45, 8, 2, st.fs)
              .f(53, 8, 3, st.fc)
              .f(61, 8, 3, st.wg)
              .i(69, 9, st.type_steel));
}

void print_load_heading(Report &out) {
  out.put(Line::cc('0'));
  out.empty();
  out.put(Line::cc(' ').text(33, "CONCENTRATED LOADS"));
  out.empty();
  Line names = Line::cc(' ');
  static constexpr const char *heads[] = {"X1", "P1", "X2", "P2", "X3", "P3", "X4", "P4"};
  for (int i = 0; i < 8; ++i) names.text(7 + 9 * i, heads[i]);
  out.put(names);
}

void print_load_line(Report &out, const LoadRecord &loads) {
  Line line = Line::cc('0');
  for (int i = 0; i < 8; ++i) line.f(2 + 9 * i, 9, 3, loads.values[static_cast<std::size_t>(i)]);
  out.put(line);
}

void print_beam_data(Report &out, const ProblemState &st) {
  out.put(Line::cc('0'));
  out.empty();
  out.put(Line::cc(' ').text(37, "BEAM DATA"));
  out.empty();
  out.put(Line::cc(' ').text(
      2, "  ROLLED      SECTION PROPERTIES    PLATE GIRDER WEB    TOP FLANGE   BOTTOM FLANGE"));
  out.empty();
  out.put(Line::cc(' ')
              .text(4, "BEAM")
              .text(11, "P NP")
              .text(19, "I")
              .text(27, "Y TOP  Y BOT")
              .text(45, "D")
              .text(52, "T")
              .text(59, "W")
              .text(67, "T")
              .text(74, "W")
              .text(82, "T"));
  out.empty();
  out.put(Line::cc(' ')
              .i(2, 3, st.rolled_depth)
              .text(5, "WF")
              .i(7, 3, st.rolled_weight)
              .i(10, 2, st.p_flag)
              .i(12, 2, st.np_flag)
              .f(14, 9, 1, st.input_i)
              .f(23, 8, 3, st.y_top)
              .f(31, 8, 3, st.y_bot)
              .f(39, 8, 2, st.web_d)
              .f(47, 8, 4, st.web_t)
              .f(55, 7, 2, st.top_flange_w)
              .f(62, 8, 4, st.top_flange_t)
              .f(70, 7, 2, st.bot_flange_w)
              .f(77, 8, 4, st.bot_flange_t));
  out.empty();
  out.put(Line().i(1, 4, st.second_depth).text(5, "WF").i(7, 3, st.second_weight));
}

void print_composite_slab(Report &out, const ProblemState &st) {
  out.put(Line::cc('0').text(34, "COMPOSITE SLAB"));
  out.empty();
  out.put(Line::cc(' ')
              .text(3, "WIDTH")
              .text(12, "THICKNESS")
              .text(23, "COPING")
              .text(33, "SHEAR CAPACITY")
              .text(53, "ULTIMATE STRENGTH")
              .text(74, "N=ES/EC"));
  out.empty();
  out.put(Line::cc(' ')
              .f(3, 7, 3, st.slab_width)
              .f(10, 10, 3, st.slab_thickness)
              .f(20, 9, 3, st.coping)
              .f(29, 11, 2, st.shear_capacity)
              .text(42, "K/ROW")
              .f(47, 12, 2, st.ultimate_strength)
              .text(60, "KIPS EACH")
              .i(69, 10, st.modular_ratio));
}

void print_cover_plates(Report &out, const ProblemState &st) {
  out.put(Line::cc('0')
              .text(6, "BOTTOM COVER")
              .text(22, "PLATE")
              .text(48, "TOP  COVER")
              .text(62, "PLATE")
              .text(75, "CONSTANT"));
  out.empty();
  out.put(Line::cc(' ')
              .text(4, "X-BEGIN  THICKNESS WIDTH")
              .text(30, "LENGTH")
              .text(41, "X-BEGIN  THICKNESS WIDTH")
              .text(67, "LENGTH")
              .text(77, "W")
              .text(80, "T"));
  out.empty();
  const CoverPlate &b = st.bottom_plate;
  const CoverPlate &t = st.top_plate;
  // The line is single spaced whatever X-BEGIN holds: the field's first column stays the blank
  // control character, so a seven-digit X-BEGIN cannot turn into a form feed.
  out.put(Line::cc(' ')
              .f(2, 9, 2, b.x_begin)
              .f(11, 8, 4, b.thickness)
              .f(19, 8, 2, b.width)
              .f(27, 8, 2, b.length)
              .f(38, 10, 2, t.x_begin)
              .f(48, 8, 4, t.thickness)
              .f(56, 8, 2, t.width)
              .f(64, 8, 2, t.length)
              .i(75, 3, st.constant_w)
              .i(78, 3, st.constant_t));
}

void print_error(Report &out, std::int32_t code, const Word &problem_number) {
  out.put(
      Line::cc('0').text(2, "ERROR").i(7, 4, code).text(11, "  PROBLEM NUMBER  ").a(29, 4, problem_number));
}

void print_unavailable(Report &out, const Word &problem_number) {
  out.put(Line::cc('0').text(2, "ROLLED BEAM UNAVAILABLE ").a(26, 4, problem_number));
}

} // namespace ss
