#include "rolled/beampl.h"

#include <algorithm>

#include "deflection/deflection.h"
#include "rolled/cover_plates.h"
#include "rolled/numeric.h"
#include "rolled/rolled_report.h"
#include "rolled/section_table.h"
#include "rolled/sections.h"
#include "tables/tables.h"

namespace ss {

namespace {

constexpr std::int32_t kNoRow = 0;
constexpr std::int32_t kInputSection = -9;
constexpr std::int32_t kHeavierThanAnyRow = 655; // lb/ft

void fill_steel_inertia(ProblemState &st, float inertia) {
  for (std::size_t j = 1; j <= 39; ++j) st.i_steel[j] = inertia;
}

// Loads row `row` into the section variables; the beam weight W BM becomes the row's.
void load_row(ProblemState &st, std::int32_t row) {
  RolledState &r = st.rolled;
  const RolledRow &t = rolled_row(row);
  r.depth = t.depth;
  r.weight = t.weight;
  r.area = t.area;
  r.d = t.d;
  r.bf = t.bf;
  r.tf = t.tf;
  r.tw = t.tw;
  r.inertia = t.inertia;
  r.yc = t.d * 0.5f;
  st.wbm = static_cast<float>(t.weight) / 1000.0f;
}

// Steel index and allowable stresses of a section with flange width bf; a positive FS wins.
void set_allowable(ProblemState &st, float bf) {
  RolledState &r = st.rolled;
  r.steel_index = steel_index(st.type_steel, bf);
  r.fs_section = allowable_stress(r.steel_index);
  if (st.fs > 0.0f) r.fs_section = st.fs;
  r.fs_plated = r.fs_section;
}

// Midspan moments with the row's own weight, K-FT.
void midspan_moments(ProblemState &st, std::int32_t weight) {
  RolledState &r = st.rolled;
  const float L = st.length;
  r.m_beam = static_cast<float>(weight) * L * L / 8000.0f;
  r.m_dead = r.m_beam + st.m_pload[20] + st.m_noncomp[20] + st.m_comp[20];
  r.m_total = r.m_dead + st.m_sidewalk[10] + st.m_live[10] + st.m_rri[10];
}

// First row of the search: the designation's row when its weight is given, else the start of
// the depth group (the nominal depth given, or span/25 rounded up to a multiple of 3 in).
// Returns kNoRow when the designation is not in the table.
std::int32_t first_row(const ProblemState &st) {
  std::int64_t depth = st.rolled_depth;
  if (depth <= 0) {
    const std::int64_t thirds = trunc_i32(st.length * 12.0f / 75.0f + 0.9999f);
    depth = std::max<std::int64_t>(3 * thirds, 18);
  }
  // A depth below 18 in would fall before the first group: every group starts at row 1 anyway.
  const std::int64_t g = std::clamp<std::int64_t>((depth - 15) / 3, 1, 7);
  const std::int32_t start = depth_group_start(static_cast<std::int32_t>(g));
  if (st.rolled_weight <= 0) return start;
  for (std::int32_t row = start; row <= kRolledRowCount; ++row) {
    const RolledRow &t = rolled_row(row);
    if (t.depth == st.rolled_depth && t.weight == st.rolled_weight) return row;
  }
  return kNoRow;
}

// The search through the table from `start`. "RP" and "CB" take the first row whose plates can
// be designed (analysis: the first row); the plain beam the lightest row whose section modulus and
// live-load deflection pass (the first such row when only the depth is given; analysis: the
// first row). The plate girder types, which reach here through the section alternatives, keep
// only the deflection check and the plain beam's report.
void search(ProblemState &st, std::int32_t start) {
  RolledState &r = st.rolled;
  const bool analysis = st.da == 1;
  const bool plain = st.beam_type == 1;
  const bool plated = st.beam_type == 2 || st.beam_type == 3;
  r.chosen_row = kNoRow;
  r.best_weight = kHeavierThanAnyRow;
  for (std::int32_t row = start; row <= kRolledRowCount; ++row) {
    const RolledRow &t = rolled_row(row);
    if (plain && t.weight >= r.best_weight) continue;
    midspan_moments(st, t.weight);
    set_allowable(st, t.bf);
    if (plated) {
      load_row(st, row);
      if (analysis) {
        take_input_plates(st);
      } else if (!design_row_plates(st)) {
        continue;
      }
      r.chosen_row = row;
      lay_out_plates(st, !analysis);
      return;
    }
    if (plain && analysis) {
      r.chosen_row = row;
      fill_steel_inertia(st, t.inertia);
      LLDEFL(st);
      return;
    }
    // An exactly sufficient section modulus passes.
    if (plain && r.m_total * 12.0f / r.fs_section - t.inertia / (t.d * 0.5f) > 0.0f) continue;
    fill_steel_inertia(st, t.inertia);
    LLDEFL(st);
    if (analysis) {
      r.chosen_row = row;
      return;
    }
    if (st.defl_total > st.allowed_deflection) continue;
    r.chosen_row = row;
    if (st.rolled_depth > 0 && st.rolled_weight <= 0) return;
    r.best_weight = t.weight;
  }
}

// Self-weight diagrams of the plain beam and its fibre distances for the stress table.
void plain_self_weight(ProblemState &st) {
  const float w = st.wbm;
  const float reaction = st.length * (w * 0.5f);
  st.v_girder[0] = reaction;
  for (std::size_t j = 1; j <= 40; ++j) {
    const float x = st.x[j];
    if (j <= 20) {
      st.ytop_steel[j] = -st.y_top;
      st.ybot_steel[j] = st.y_bot;
      st.v_girder[j] = reaction - w * x;
    }
    st.m_girder[j] = x * (reaction - (w * 0.5f) * x);
  }
}

// The plain beam's report up to the results tables, which it enters at the moments table.
void report_plain(Run &run, std::int32_t &status) {
  ProblemState &st = run.st;
  RolledState &r = st.rolled;
  print_page_header(run);
  if (r.chosen_row > 0) {
    load_row(st, r.chosen_row);
    st.y_top = r.d / 2.0f;
    st.y_bot = st.y_top;
    // The search may have gone on past the chosen row: its own allowable stress is the one printed.
    set_allowable(st, r.bf);
    print_row_number(run);
    print_beam_properties(run);
    if (st.da != 1) {
      fill_steel_inertia(st, r.inertia);
      LLDEFL(st);
    }
  }
  if (r.chosen_row == kNoRow) {
    status = 2;
    return;
  }
  plain_self_weight(st);
  st.fs_beam = r.fs_section;
  st.fs_plated = r.fs_plated;
  RESTAB_moments(run);
}

// The plated beam's report blocks, then the results tables from their page header.
void report_plated(Run &run) {
  ProblemState &st = run.st;
  RolledState &r = st.rolled;
  print_page_header(run);
  print_beam_properties(run);
  print_cover_plates(run);
  print_plated_properties(run);
  if (st.beam_type == 3) {
    r.connectors = shear_connectors(r.steel[kBeamPlates].area, r.fs_section, st.fc, st.slab_width,
                                    st.slab_thickness, st.ultimate_strength);
    print_composite_properties(run);
  }
  st.fs_beam = r.fs_section;
  st.fs_plated = r.fs_plated;
  RESTAB(run);
}

// A section given by its I, Y TOP and Y BOT (analysis without a designation).
void input_section(Run &run, std::int32_t &status) {
  ProblemState &st = run.st;
  RolledState &r = st.rolled;
  if (std::min(std::min(st.input_i, st.y_top), st.y_bot) <= 0.0f) {
    status = 1;
    return;
  }
  r.chosen_row = kInputSection;
  r.fs_section = st.fs;
  r.fs_plated = st.fs;
  r.steel_index = 4;
  r.depth = 0;
  r.weight = 0;
  r.area = st.wbm / st.wg * 144.0f; // WG is positive here
  r.d = st.y_top + st.y_bot;
  r.bf = r.tf = r.tw = 0.0f;
  r.inertia = st.input_i;
  r.yc = r.d * 0.5f;
  if (st.beam_type == 2 || st.beam_type == 3) {
    take_input_plates(st);
    lay_out_plates(st, false);
    report_plated(run);
    return;
  }
  fill_steel_inertia(st, r.inertia);
  LLDEFL(st);
  report_plain(run, status);
}

} // namespace

void BEAMPL(Run &run, std::int32_t &status) {
  ProblemState &st = run.st;
  status = 0;
  if (st.wg <= 0.0f) st.wg = 0.49f;
  if (st.type_steel == 572 && st.fs <= 0.0f) st.fs = 27.0f;
  if (st.rolled_depth <= 0 && st.da == 1) {
    input_section(run, status);
    return;
  }
  const std::int32_t start = first_row(st);
  if (start == kNoRow) {
    status = 2;
    return;
  }
  search(st, start);
  const bool plated = st.beam_type == 2 || st.beam_type == 3;
  if (plated && st.rolled.chosen_row > 0) {
    report_plated(run);
    return;
  }
  report_plain(run, status);
}

} // namespace ss
