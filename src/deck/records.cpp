#include "deck/records.h"

#include <algorithm>

namespace ss {

void read_title(const Record &rec, ProblemState &st) {
  st.problem_number = rec.a(5, 4);
  const std::string title = rec.text(9, 60);
  std::copy(title.begin(), title.end(), st.title.begin());
}

std::int32_t read_span(const Record &rec, ProblemState &st) {
  const std::int32_t type = rec.i(1, 1);
  st.beam_code = rec.a(2, 2);
  st.da = rec.i(4, 1);
  st.class_code = rec.a(5, 2);
  st.class_number = rec.f(7, 2, 0);
  st.omit_truck = rec.i(9, 1);
  st.omit_lane = rec.i(10, 1);
  st.omit_military = rec.i(11, 1);
  st.length = rec.f(12, 6, 3);
  st.dfm = rec.f(18, 4, 3);
  st.dfv = rec.f(22, 4, 3);
  st.dfd = rec.f(26, 4, 3);
  st.npl = rec.i(30, 2);
  st.wdlnc = rec.f(32, 4, 3);
  st.wdlc = rec.f(36, 4, 3);
  st.swll = rec.f(40, 4, 3);
  st.e = rec.f(44, 4, 2);
  st.wbm = rec.f(48, 4, 3);
  st.fs = rec.f(52, 4, 2);
  st.fc = rec.f(56, 4, 3);
  st.wg = rec.f_scaled(60, 3, 0, 3); // the number in the field divided by 1000
  st.type_steel = rec.i(63, 3);
  return type;
}

LoadRecord read_load_record(const Record &rec, std::int32_t n, ProblemState &st) {
  LoadRecord out;
  out.type = rec.i(1, 2);
  for (int i = 0; i < 8; ++i) out.values[static_cast<std::size_t>(i)] = rec.f(3 + 6 * i, 6, 3);
  for (int i = 0; i < 4; ++i) {
    const std::int32_t load = 4 * (n - 1) + i; // index of load 4n-3+i
    if (load < kMaxLoads) {
      st.load_x[static_cast<std::size_t>(load)] = out.values[static_cast<std::size_t>(2 * i)];
      st.load_p[static_cast<std::size_t>(load)] = out.values[static_cast<std::size_t>(2 * i + 1)];
    }
  }
  return out;
}

std::int32_t read_section_record(const Record &rec, ProblemState &st) {
  const std::int32_t type = rec.i(1, 1);
  st.rolled_depth = rec.i(2, 2);
  st.rolled_weight = rec.i(6, 3);
  st.second_depth = rec.i(9, 2);
  st.second_weight = rec.i(13, 3);
  st.p_flag = rec.i(16, 1);
  st.np_flag = rec.i(17, 1);
  st.input_i = rec.f(18, 8, 1);
  st.y_top = rec.f(26, 5, 3);
  st.y_bot = rec.f(31, 5, 3);
  st.web_d = rec.f(36, 5, 2);
  st.web_t = rec.f(41, 5, 4);
  st.top_flange_w = rec.f(46, 4, 2);
  st.top_flange_t = rec.f(50, 5, 4);
  st.bot_flange_w = rec.f(55, 4, 2);
  st.bot_flange_t = rec.f(59, 5, 4);
  st.constant_w = rec.i(64, 1);
  st.constant_t = rec.i(65, 1);
  return type;
}

std::int32_t read_slab_record(const Record &rec, ProblemState &st) {
  const std::int32_t type = rec.i(1, 1);
  st.slab_width = rec.f(2, 6, 3);
  st.slab_thickness = rec.f(8, 5, 3);
  st.coping = rec.f(13, 4, 3);
  st.shear_capacity = rec.f(17, 4, 2);
  st.ultimate_strength = rec.f(21, 4, 2);
  st.modular_ratio = rec.i(25, 2);
  st.bottom_plate.x_begin = rec.f(27, 4, 2);
  st.bottom_plate.thickness = rec.f(31, 5, 4);
  st.bottom_plate.width = rec.f(36, 4, 2);
  st.bottom_plate.length = rec.f(40, 6, 3);
  st.top_plate.x_begin = rec.f(46, 4, 2);
  st.top_plate.thickness = rec.f(50, 5, 4);
  st.top_plate.width = rec.f(55, 4, 2);
  st.top_plate.length = rec.f(59, 6, 3);
  return type;
}

} // namespace ss
