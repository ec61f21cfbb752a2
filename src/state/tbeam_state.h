// Working values of the tbeam design, kept in the problem state because several of its steps and
// the results tables read them.
#pragma once

#include <array>
#include <cstdint>

namespace ss {

constexpr int kMaxBarRows = 9; // tension rows a T-beam can carry

// One group of reinforcing bars: a tension row or the compression group.
struct BarRow {
  std::int32_t count = 0; // NO., bars in the row (the most it may hold until the design settles it)
  std::int32_t size = 0;  // SIZE, bar size number of the bar table
  std::int32_t delta = 0; // DELTA, bars added per design trial (below 1 counts as 1)
  float dist = 0;         // DIST., in: tension rows from the bottom, compression bars from the top
};

// Per row set r = 1..9 (index 0 unused): rows 1 through r together with the compression bars.
using RowSetValues = std::array<float, kMaxBarRows + 1>;

struct TBeamState {
  // ---- T-beam section record and rows record ----
  float n_tensile = 0;                       // N tensile, modular ratio of the tension steel
  float n_compressive = 0;                   // N compressive, modular ratio of the compression steel
  std::int32_t rows = 0;                     // NO. ROWS, tension rows in use (the design may lower it)
  float bw = 0;                              // web WIDTH, in (the design may enlarge it)
  float delta_w = 0;                         // DELTA-W, web width step of the design, in
  float depth = 0;                           // web DEPTH D below the slab, in (the design may enlarge it)
  float delta_d = 0;                         // DELTA-D, depth step of the design, in
  float slab_width = 0;                      // T-SLAB WIDTH bT, in
  float slab_thick = 0;                      // T-SLAB THICK t, in
  BarRow comp;                               // compression bars, DIST. from the top of the slab
  std::array<BarRow, kMaxBarRows + 1> row{}; // tension rows 1..9 (index 0 unused), row 1 lowest

  // ---- cracked-section analysis of the current pass, per row set ----
  float nt = 0;                 // modular ratio of the tension steel in this pass
  float nc = 0;                 // modular ratio of the compression steel in this pass
  RowSetValues kd{};            // neutral axis depth below the top, in
  RowSetValues inertia{};       // I of the cracked transformed section, in^4
  RowSetValues inertia_steel{}; // tension-steel part of I, in^4
  RowSetValues ms{};            // resisting moment at the allowable steel stress, K-FT.
  RowSetValues mc{};            // resisting moment at the allowable concrete stress, K-FT.
  RowSetValues jd{};            // lever arm of the internal couple, in

  // ---- girder dead load, bar cut-offs and stirrups (design pass) ----
  float girder_weight = 0; // kips per foot
  RowSetValues cut{};      // ft from the support where row r may end (row 1: 0)
  RowSetValues spacing{};  // #4 stirrup spacing at row r's cut-off point, in
};

} // namespace ss
