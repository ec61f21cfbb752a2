// Problem states for the span loading tests.
#pragma once

#include <memory>

#include "loads/dead_loads.h"
#include "loads/live_loads.h"
#include "state/problem_state.h"

namespace ss::test {

constexpr int kH = 1, kHS = 2, kRR = 3; // live-load class codes

// A problem state with the span, class and factors given and its stations set (no loads yet).
inline std::unique_ptr<ProblemState> span(float length, int live_class, float n, float dfm = 1.0f,
                                          float dfv = 1.0f) {
  auto st = std::make_unique<ProblemState>();
  st->length = length;
  st->live_class = live_class;
  st->class_number = n;
  st->dfm = dfm;
  st->dfv = dfv;
  st->dfd = 1.0f;
  set_stations(*st);
  return st;
}

// The live-load step as the driver runs it: arrays cleared, then loaded.
inline void load(ProblemState &st) {
  clear_live_loads(st);
  live_loads(st);
}

// Tolerance for comparing a single-precision result with a value worked by hand in exact
// arithmetic: a few units in the last place of a float.
inline double tol(double expected) { return 2e-6 * (expected < 0 ? -expected : expected) + 1e-6; }

} // namespace ss::test
