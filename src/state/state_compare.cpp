#include "state/state_compare.h"

#include <array>
#include <cstring>
#include <type_traits>

namespace ss {

namespace {

// Every member of each state structure, in declaration order, handed to f with its name.
template <class F> void members(const CompositeSection &a, const CompositeSection &b, F &f) {
  f("inertia", a.inertia, b.inertia);
  f("ytop", a.ytop, b.ytop);
  f("ybot", a.ybot, b.ybot);
  f("yconc", a.yconc, b.yconc);
  f("q", a.q, b.q);
}

template <class F> void members(const RolledSteel &a, const RolledSteel &b, F &f) {
  f("area", a.area, b.area);
  f("e", a.e, b.e);
  f("inertia", a.inertia, b.inertia);
  f("ytop", a.ytop, b.ytop);
  f("ybot", a.ybot, b.ybot);
}

template <class F> void members(const RolledState &a, const RolledState &b, F &f) {
  f("chosen_row", a.chosen_row, b.chosen_row);
  f("best_weight", a.best_weight, b.best_weight);
  f("depth", a.depth, b.depth);
  f("weight", a.weight, b.weight);
  f("area", a.area, b.area);
  f("d", a.d, b.d);
  f("bf", a.bf, b.bf);
  f("tf", a.tf, b.tf);
  f("tw", a.tw, b.tw);
  f("inertia", a.inertia, b.inertia);
  f("yc", a.yc, b.yc);
  f("m_beam", a.m_beam, b.m_beam);
  f("m_dead", a.m_dead, b.m_dead);
  f("m_total", a.m_total, b.m_total);
  f("steel_index", a.steel_index, b.steel_index);
  f("fs_section", a.fs_section, b.fs_section);
  f("fs_plated", a.fs_plated, b.fs_plated);
  f("bt", a.bt, b.bt);
  f("wb", a.wb, b.wb);
  f("tmin", a.tmin, b.tmin);
  f("tmax", a.tmax, b.tmax);
  f("xf", a.xf, b.xf);
  f("xs", a.xs, b.xs);
  f("rs", a.rs, b.rs);
  f("fps", a.fps, b.fps);
  f("weld", a.weld, b.weld);
  f("steel", a.steel, b.steel);
  f("comp_n", a.comp_n, b.comp_n);
  f("comp_3n", a.comp_3n, b.comp_3n);
  f("connectors", a.connectors, b.connectors);
}

template <class F> void members(const SteelSection &a, const SteelSection &b, F &f) {
  f("area", a.area, b.area);
  f("ybar", a.ybar, b.ybar);
  f("inertia", a.inertia, b.inertia);
  f("ytop", a.ytop, b.ytop);
  f("ybot", a.ybot, b.ybot);
  f("t_top", a.t_top, b.t_top);
  f("t_bot", a.t_bot, b.t_bot);
}

template <class F> void members(const GirderState &a, const GirderState &b, F &f) {
  f("steel", a.steel, b.steel);
  f("comp_n", a.comp_n, b.comp_n);
  f("comp_3n", a.comp_3n, b.comp_3n);
  f("n", a.n, b.n);
  f("half_depth", a.half_depth, b.half_depth);
  f("web_inertia", a.web_inertia, b.web_inertia);
  f("tmax", a.tmax, b.tmax);
  f("bottom_flange_given", a.bottom_flange_given, b.bottom_flange_given);
  f("m_dead_mid", a.m_dead_mid, b.m_dead_mid);
  f("m_all_mid", a.m_all_mid, b.m_all_mid);
  f("connectors", a.connectors, b.connectors);
  f("longitudinal", a.longitudinal, b.longitudinal);
  f("transverse_needed", a.transverse_needed, b.transverse_needed);
  f("spacing", a.spacing, b.spacing);
}

template <class F> void members(const BarRow &a, const BarRow &b, F &f) {
  f("count", a.count, b.count);
  f("size", a.size, b.size);
  f("delta", a.delta, b.delta);
  f("dist", a.dist, b.dist);
}

template <class F> void members(const TBeamState &a, const TBeamState &b, F &f) {
  f("n_tensile", a.n_tensile, b.n_tensile);
  f("n_compressive", a.n_compressive, b.n_compressive);
  f("rows", a.rows, b.rows);
  f("bw", a.bw, b.bw);
  f("delta_w", a.delta_w, b.delta_w);
  f("depth", a.depth, b.depth);
  f("delta_d", a.delta_d, b.delta_d);
  f("slab_width", a.slab_width, b.slab_width);
  f("slab_thick", a.slab_thick, b.slab_thick);
  f("comp", a.comp, b.comp);
  f("row", a.row, b.row);
  f("nt", a.nt, b.nt);
  f("nc", a.nc, b.nc);
  f("kd", a.kd, b.kd);
  f("inertia", a.inertia, b.inertia);
  f("inertia_steel", a.inertia_steel, b.inertia_steel);
  f("ms", a.ms, b.ms);
  f("mc", a.mc, b.mc);
  f("jd", a.jd, b.jd);
  f("girder_weight", a.girder_weight, b.girder_weight);
  f("cut", a.cut, b.cut);
  f("spacing", a.spacing, b.spacing);
}

template <class F> void members(const CoverPlate &a, const CoverPlate &b, F &f) {
  f("x_begin", a.x_begin, b.x_begin);
  f("thickness", a.thickness, b.thickness);
  f("width", a.width, b.width);
  f("length", a.length, b.length);
}

template <class F> void members(const ProblemState &a, const ProblemState &b, F &f) {
  f("problem_number", a.problem_number, b.problem_number);
  f("title", a.title, b.title);
  f("beam_code", a.beam_code, b.beam_code);
  f("beam_type", a.beam_type, b.beam_type);
  f("da", a.da, b.da);
  f("class_code", a.class_code, b.class_code);
  f("live_class", a.live_class, b.live_class);
  f("class_number", a.class_number, b.class_number);
  f("omit_truck", a.omit_truck, b.omit_truck);
  f("omit_lane", a.omit_lane, b.omit_lane);
  f("omit_military", a.omit_military, b.omit_military);
  f("length", a.length, b.length);
  f("dfm", a.dfm, b.dfm);
  f("dfv", a.dfv, b.dfv);
  f("dfd", a.dfd, b.dfd);
  f("npl", a.npl, b.npl);
  f("wdlnc", a.wdlnc, b.wdlnc);
  f("wdlc", a.wdlc, b.wdlc);
  f("swll", a.swll, b.swll);
  f("e", a.e, b.e);
  f("wbm", a.wbm, b.wbm);
  f("fs", a.fs, b.fs);
  f("fc", a.fc, b.fc);
  f("wg", a.wg, b.wg);
  f("type_steel", a.type_steel, b.type_steel);
  f("load_x", a.load_x, b.load_x);
  f("load_p", a.load_p, b.load_p);
  f("rolled_depth", a.rolled_depth, b.rolled_depth);
  f("rolled_weight", a.rolled_weight, b.rolled_weight);
  f("second_depth", a.second_depth, b.second_depth);
  f("second_weight", a.second_weight, b.second_weight);
  f("p_flag", a.p_flag, b.p_flag);
  f("np_flag", a.np_flag, b.np_flag);
  f("input_i", a.input_i, b.input_i);
  f("y_top", a.y_top, b.y_top);
  f("y_bot", a.y_bot, b.y_bot);
  f("web_d", a.web_d, b.web_d);
  f("web_t", a.web_t, b.web_t);
  f("top_flange_w", a.top_flange_w, b.top_flange_w);
  f("top_flange_t", a.top_flange_t, b.top_flange_t);
  f("bot_flange_w", a.bot_flange_w, b.bot_flange_w);
  f("bot_flange_t", a.bot_flange_t, b.bot_flange_t);
  f("constant_w", a.constant_w, b.constant_w);
  f("constant_t", a.constant_t, b.constant_t);
  f("slab_width", a.slab_width, b.slab_width);
  f("slab_thickness", a.slab_thickness, b.slab_thickness);
  f("coping", a.coping, b.coping);
  f("shear_capacity", a.shear_capacity, b.shear_capacity);
  f("ultimate_strength", a.ultimate_strength, b.ultimate_strength);
  f("modular_ratio", a.modular_ratio, b.modular_ratio);
  f("bottom_plate", a.bottom_plate, b.bottom_plate);
  f("top_plate", a.top_plate, b.top_plate);
  f("x", a.x, b.x);
  f("l_minus_x", a.l_minus_x, b.l_minus_x);
  f("left_reaction", a.left_reaction, b.left_reaction);
  f("m_girder", a.m_girder, b.m_girder);
  f("m_pload", a.m_pload, b.m_pload);
  f("m_noncomp", a.m_noncomp, b.m_noncomp);
  f("m_comp", a.m_comp, b.m_comp);
  f("v_girder", a.v_girder, b.v_girder);
  f("v_pload", a.v_pload, b.v_pload);
  f("v_noncomp", a.v_noncomp, b.v_noncomp);
  f("v_comp", a.v_comp, b.v_comp);
  f("m_sidewalk", a.m_sidewalk, b.m_sidewalk);
  f("v_sidewalk_pos", a.v_sidewalk_pos, b.v_sidewalk_pos);
  f("v_sidewalk_neg", a.v_sidewalk_neg, b.v_sidewalk_neg);
  f("allowed_deflection", a.allowed_deflection, b.allowed_deflection);
  f("deflection_ratio", a.deflection_ratio, b.deflection_ratio);
  f("impact", a.impact, b.impact);
  f("impact_pos", a.impact_pos, b.impact_pos);
  f("impact_neg", a.impact_neg, b.impact_neg);
  f("truck_wheel_load", a.truck_wheel_load, b.truck_wheel_load);
  f("lane_conc_load", a.lane_conc_load, b.lane_conc_load);
  f("lane_uniform_load", a.lane_uniform_load, b.lane_uniform_load);
  f("military_wheel_load", a.military_wheel_load, b.military_wheel_load);
  f("m_truck", a.m_truck, b.m_truck);
  f("m_lane", a.m_lane, b.m_lane);
  f("m_military", a.m_military, b.m_military);
  f("vpos_truck", a.vpos_truck, b.vpos_truck);
  f("vpos_lane", a.vpos_lane, b.vpos_lane);
  f("vpos_military", a.vpos_military, b.vpos_military);
  f("vneg_truck", a.vneg_truck, b.vneg_truck);
  f("vneg_lane", a.vneg_lane, b.vneg_lane);
  f("vneg_military", a.vneg_military, b.vneg_military);
  f("m_live", a.m_live, b.m_live);
  f("v_live_pos", a.v_live_pos, b.v_live_pos);
  f("v_live_neg", a.v_live_neg, b.v_live_neg);
  f("m_rri", a.m_rri, b.m_rri);
  f("v_rri", a.v_rri, b.v_rri);
  f("m_code", a.m_code, b.m_code);
  f("v_code", a.v_code, b.v_code);
  f("i_steel", a.i_steel, b.i_steel);
  f("i_n", a.i_n, b.i_n);
  f("i_3n", a.i_3n, b.i_3n);
  f("ytop_steel", a.ytop_steel, b.ytop_steel);
  f("ybot_steel", a.ybot_steel, b.ybot_steel);
  f("ytop_n", a.ytop_n, b.ytop_n);
  f("ybot_n", a.ybot_n, b.ybot_n);
  f("ytop_3n", a.ytop_3n, b.ytop_3n);
  f("ybot_3n", a.ybot_3n, b.ybot_3n);
  f("yconc_n", a.yconc_n, b.yconc_n);
  f("yconc_3n", a.yconc_3n, b.yconc_3n);
  f("q_ratio", a.q_ratio, b.q_ratio);
  f("m_top_plate", a.m_top_plate, b.m_top_plate);
  f("m_bot_plate", a.m_bot_plate, b.m_bot_plate);
  f("fs_beam", a.fs_beam, b.fs_beam);
  f("fs_plated", a.fs_plated, b.fs_plated);
  f("defl_truck", a.defl_truck, b.defl_truck);
  f("defl_lane", a.defl_lane, b.defl_lane);
  f("defl_military", a.defl_military, b.defl_military);
  f("defl_railroad", a.defl_railroad, b.defl_railroad);
  f("defl_sidewalk", a.defl_sidewalk, b.defl_sidewalk);
  f("defl_total", a.defl_total, b.defl_total);
  f("m_totnc", a.m_totnc, b.m_totnc);
  f("defl_girder", a.defl_girder, b.defl_girder);
  f("defl_pload", a.defl_pload, b.defl_pload);
  f("defl_noncomp", a.defl_noncomp, b.defl_noncomp);
  f("defl_comp", a.defl_comp, b.defl_comp);
  f("defl_totnc", a.defl_totnc, b.defl_totnc);
  f("rolled", a.rolled, b.rolled);
  f("girder", a.girder, b.girder);
  f("tbeam", a.tbeam, b.tbeam);
}
template <class T> struct IsArray : std::false_type {};
template <class T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type { using Element = T; };

// Members of the problem state that no problem reads before writing them itself, so that what
// one problem leaves there never reaches the next. The concentrated loads: every read of load_x[i]
// and load_p[i] (concentrated_load_effects in loads/dead_loads.cpp, pload_shear in
// export/diagrams.cpp, through results_printed) is for i < NPL of the same problem and follows
// read_loads (driver/driver.cpp), which has written loads 1 to 4*ceil(NPL/4) from the problem's
// own records, or load 1 when NPL is 0; a problem abandoned while reading them prints no
// results, and a problem in resisting-moment mode reads none.
constexpr const char *kRewritten[] = {"load_x", "load_p"};

// Compares members, descending into structures and arrays of structures; keeps the first
// difference found.
class Compare {
public:
  explicit Compare(bool carried_only = false) : carried_only_(carried_only) {}
  template <class T> void operator()(const char *name, const T &a, const T &b) {
    if (!difference_.empty()) return;
    if (carried_only_ && path_.empty())
      for (const char *skip : kRewritten)
        if (std::strcmp(name, skip) == 0) return;
    if constexpr (std::is_arithmetic_v<T>) {
      if (std::memcmp(&a, &b, sizeof a) != 0) difference_ = path_ + name;
    } else if constexpr (IsArray<T>::value) {
      if constexpr (std::is_arithmetic_v<typename IsArray<T>::Element>) {
        if (std::memcmp(a.data(), b.data(), sizeof a) != 0) difference_ = path_ + name + first_element(a, b);
      } else {
        for (std::size_t i = 0; i < a.size(); ++i)
          (*this)((std::string(name) + "[" + std::to_string(i) + "]").c_str(), a[i], b[i]);
      }
    } else {
      const std::size_t length = path_.size();
      path_ += std::string(name) + ".";
      members(a, b, *this);
      path_.resize(length);
    }
  }
  const std::string &difference() const { return difference_; }

private:
  template <class A> static std::string first_element(const A &a, const A &b) {
    for (std::size_t i = 0; i < a.size(); ++i)
      if (std::memcmp(&a[i], &b[i], sizeof a[i]) != 0) return "[" + std::to_string(i) + "]";
    return "";
  }
  bool carried_only_;
  std::string path_;
  std::string difference_;
};

} // namespace

std::string state_difference(const ProblemState &a, const ProblemState &b) {
  Compare compare;
  members(a, b, compare);
  return compare.difference();
}

std::string carried_difference(const ProblemState &a, const ProblemState &b) {
  Compare compare(true);
  members(a, b, compare);
  return compare.difference();
}

} // namespace ss
