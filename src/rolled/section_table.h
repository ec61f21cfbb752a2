// The rolled wide-flange section table and the small tables of allowable stresses, fatigue stress
// ranges and terminal-weld data used by the rolled beam design. Constant data, in table order.
#pragma once

#include <array>
#include <cstdint>

namespace ss {

struct RolledRow {
  std::int32_t depth;  // nominal depth, in (printed before "WF")
  std::int32_t weight; // lb/ft (printed after "WF")
  float area;          // in^2
  float d;             // in, actual depth
  float bf;            // in, flange width
  float tf;            // in, flange thickness
  float tw;            // in, web thickness
  float inertia;       // in^4, strong axis
};

constexpr std::int32_t kRolledRowCount = 143;

// Row r = 1..143 of the section table.
const RolledRow &rolled_row(std::int32_t r);

// First row searched for depth group g = 1..7 (18, 21, ..., 36 and deeper); g outside 1..7 is
// clamped into the table.
std::int32_t depth_group_start(std::int32_t g);

// Steel index 1..4: TYPE STEEL 441 gives 1, or 2 when the flange is wider than 15.5 in; 572 and
// 588 give 1; any other steel 4.
std::int32_t steel_index(std::int32_t type_steel, float bf);

// Allowable bending stress of steel index s = 1..4, ksi.
float allowable_stress(std::int32_t s);

// Fatigue stress range of live-load class c = 1 "H", 2 "HS", 3 "RR", ksi.
float fatigue_range(std::int32_t c);

// Terminal-weld data: stress limit by steel index (ksi), class factor by class and steel index
// (1.0 for the railroad class), stress base by class (ksi), stress-ratio factor by class.
float weld_stress_limit(std::int32_t s);
float weld_class_factor(std::int32_t c, std::int32_t s);
float weld_stress_base(std::int32_t c);
float weld_ratio_factor(std::int32_t c);

} // namespace ss
