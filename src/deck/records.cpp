#include "deck/records.h"

#include <algorithm>

namespace ss {

namespace {

consteval const FieldLayout &title_field(std::string_view key) {
  return layout_field(RecordKind::Title, key);
}
consteval const FieldLayout &span_field(std::string_view key) { return layout_field(RecordKind::Span, key); }
consteval const FieldLayout &load_field(std::string_view key) { return layout_field(RecordKind::Loads, key); }
consteval const FieldLayout &section_field(std::string_view key) {
  return layout_field(RecordKind::Section, key);
}
consteval const FieldLayout &slab_field(std::string_view key) { return layout_field(RecordKind::Slab, key); }

} // namespace

void read_title(const Record &rec, ProblemState &st) {
  st.problem_number = rec.a(title_field("problem_number"));
  // The title printed is columns 9-68, its last word included.
  constexpr int first = title_field("title").first;
  const std::string title = rec.text(first, title_field("cont").last - first + 1);
  std::copy(title.begin(), title.end(), st.title.begin());
}

std::int32_t read_span(const Record &rec, ProblemState &st) {
  const std::int32_t type = rec.i(span_field("record_type"));
  st.beam_code = rec.a(span_field("beam_type"));
  st.da = rec.i(span_field("design_analysis"));
  st.class_code = rec.a(span_field("class_code"));
  st.class_number = rec.f(span_field("class_number"));
  st.omit_truck = rec.i(span_field("omit_truck"));
  st.omit_lane = rec.i(span_field("omit_lane"));
  st.omit_military = rec.i(span_field("omit_military"));
  st.length = rec.f(span_field("length"));
  st.dfm = rec.f(span_field("dfm"));
  st.dfv = rec.f(span_field("dfv"));
  st.dfd = rec.f(span_field("dfd"));
  st.npl = rec.i(span_field("npl"));
  st.wdlnc = rec.f(span_field("wdlnc"));
  st.wdlc = rec.f(span_field("wdlc"));
  st.swll = rec.f(span_field("swll"));
  st.e = rec.f(span_field("e"));
  st.wbm = rec.f(span_field("wbm"));
  st.fs = rec.f(span_field("fs"));
  st.fc = rec.f(span_field("fc"));
  st.wg = rec.f(span_field("wg")); // the number in the field divided by 1000
  st.type_steel = rec.i(span_field("type_steel"));
  return type;
}

LoadRecord read_load_record(const Record &rec, std::int32_t n, ProblemState &st) {
  static constexpr const FieldLayout *pairs[] = {&load_field("x1"), &load_field("p1"), &load_field("x2"),
                                                 &load_field("p2"), &load_field("x3"), &load_field("p3"),
                                                 &load_field("x4"), &load_field("p4")};
  LoadRecord out;
  out.type = rec.i(load_field("record_type"));
  for (std::size_t i = 0; i < 8; ++i) out.values[i] = rec.f(*pairs[i]);
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
  const std::int32_t type = rec.i(section_field("record_type"));
  st.rolled_depth = rec.i(section_field("rolled_depth"));
  st.rolled_weight = rec.i(section_field("rolled_weight"));
  st.second_depth = rec.i(section_field("second_depth"));
  st.second_weight = rec.i(section_field("second_weight"));
  st.p_flag = rec.i(section_field("p_flag"));
  st.np_flag = rec.i(section_field("np_flag"));
  st.input_i = rec.f(section_field("inertia"));
  st.y_top = rec.f(section_field("y_top"));
  st.y_bot = rec.f(section_field("y_bot"));
  st.web_d = rec.f(section_field("web_depth"));
  st.web_t = rec.f(section_field("web_thickness"));
  st.top_flange_w = rec.f(section_field("top_flange_width"));
  st.top_flange_t = rec.f(section_field("top_flange_thickness"));
  st.bot_flange_w = rec.f(section_field("bottom_flange_width"));
  st.bot_flange_t = rec.f(section_field("bottom_flange_thickness"));
  st.constant_w = rec.i(section_field("constant_width"));
  st.constant_t = rec.i(section_field("constant_thickness"));
  return type;
}

std::int32_t read_slab_record(const Record &rec, ProblemState &st) {
  const std::int32_t type = rec.i(slab_field("record_type"));
  st.slab_width = rec.f(slab_field("slab_width"));
  st.slab_thickness = rec.f(slab_field("slab_thickness"));
  st.coping = rec.f(slab_field("coping"));
  st.shear_capacity = rec.f(slab_field("shear_capacity"));
  st.ultimate_strength = rec.f(slab_field("ultimate_strength"));
  st.modular_ratio = rec.i(slab_field("modular_ratio"));
  st.bottom_plate.x_begin = rec.f(slab_field("bottom_x_begin"));
  st.bottom_plate.thickness = rec.f(slab_field("bottom_thickness"));
  st.bottom_plate.width = rec.f(slab_field("bottom_width"));
  st.bottom_plate.length = rec.f(slab_field("bottom_length"));
  st.top_plate.x_begin = rec.f(slab_field("top_x_begin"));
  st.top_plate.thickness = rec.f(slab_field("top_thickness"));
  st.top_plate.width = rec.f(slab_field("top_width"));
  st.top_plate.length = rec.f(slab_field("top_length"));
  return type;
}

} // namespace ss
