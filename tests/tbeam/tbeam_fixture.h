// Sections and problem states shared by the T-beam unit tests.
#pragma once

#include <memory>

#include "state/problem_state.h"

namespace ss::test {

// A problem state with FS 20 ksi, FC 1.2 ksi, WG 0 and the stations of a span of `length` ft.
inline std::unique_ptr<ProblemState> tbeam_problem(float length = 40.0f) {
  auto st = std::make_unique<ProblemState>();
  st->beam_code = make_word("TB");
  st->beam_type = 6;
  st->length = length;
  st->fs = 20.0f;
  st->fc = 1.2f;
  st->wg = 0.0f;
  float x = 0;
  for (std::size_t j = 0; j <= 40; ++j) {
    st->x[j] = x;
    x = x + length / 40.0f;
  }
  return st;
}

// A web of width bw and depth D under a slab bT by t, modular ratios 10, no compression bars.
inline void set_section(TBeamState &tb, float bw, float depth, float slab_width, float slab_thick) {
  tb.bw = bw;
  tb.depth = depth;
  tb.slab_width = slab_width;
  tb.slab_thick = slab_thick;
  tb.n_tensile = tb.n_compressive = tb.nt = tb.nc = 10.0f;
  tb.comp = BarRow{};
  tb.rows = 0;
}

inline void add_row(TBeamState &tb, std::int32_t count, std::int32_t size, float dist,
                    std::int32_t delta = 1) {
  ++tb.rows;
  tb.row[static_cast<std::size_t>(tb.rows)] = BarRow{count, size, delta, dist};
}

} // namespace ss::test
