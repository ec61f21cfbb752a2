// The twentieth-point results tables of one design as CSV (RFC 4180, "." decimal point).
#pragma once

#include <string>
#include <vector>

#include "state/problem_state.h"

namespace ss {

// A header row, then one row per twentieth point k = 0..10: the moments, shears, governing loads,
// stresses with the allowable stress and R factors, dead-load deflections, shear range and
// connector spacing, each as the report prints it; then rows k = 11..20 for the right half of the
// span with the dead-load moments (GIRDER, P-LOAD, NON-C., COMP.), which the program holds over the
// whole span, and every other cell empty. Reads the state as the results tables leave it.
std::string results_csv(const ProblemState &st);

// The names of the columns, in order.
const std::vector<std::string> &csv_columns();

} // namespace ss
