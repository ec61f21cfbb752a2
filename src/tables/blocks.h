// The blocks of the results tables, in the order they are printed, and the values they compute.
#pragma once

#include "run/run.h"

namespace ss::tables {

// Stresses of one twentieth point, psi (negative is compression at the top of a sagging beam,
// as computed; the table prints the steel values negated).
struct StressRow {
  float top_min = 0;  // top of steel under dead load
  float bot_min = 0;  // bottom of steel under dead load
  float top_max = 0;  // top of steel under dead and live load
  float bot_max = 0;  // bottom of steel under dead and live load
  float concrete = 0; // top of concrete (0 for a non-composite section)
};

// The stresses at twentieth point k = 1..10 from the TOT.NC moment of k and the diagrams at 2k.
StressRow stress_row(const ProblemState &st, int k);
// Live-load shear range at twentieth point k = 0..10, KIPS.
float shear_range(const ProblemState &st, int k);
// Shear-connector spacing at twentieth point k for the given shear range, in (0 unless composite).
float connector_spacing(const ProblemState &st, int k, float range);

// Also stores the TOT.NC moments of twentieth points 1..10.
void print_moments(Run &run);
// Also clears the TOT.NC deflection total and may switch the allowable stress (cover-plated region).
void print_stresses(Run &run);
void print_shears(Run &run);
// Integrates and stores the dead-load deflections (when E is positive).
void print_dead_load_deflections(Run &run);
void print_live_load_deflections(Run &run);

} // namespace ss::tables
