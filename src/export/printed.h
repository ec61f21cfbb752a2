// Values of the results tables as the report prints them, for the CSV and the diagrams.
#pragma once

#include <string>

#include "state/problem_state.h"

namespace ss::exporting {

// True when the report has a stress table for the design (steel beams and girders, not T-beams).
bool has_stress_table(const ProblemState &st);

// The allowable steel stress printed on stress row k = 1..10, ksi. Without an input FS a rolled
// beam switches to the cover-plated region's value from the first row at or past the bottom
// plate's X-BEGIN; the tables leave only the last value in the state, so the rows before the
// switch take the section's own value, which the rolled design set before entering the tables.
float allowable_stress(const ProblemState &st, int k);

// An Fw.d value as the report rounds it, without the field width: no padding and never asterisks
// for a finite value too wide for its column. Empty for an infinite or undefined value.
std::string cell_f(int d, float value);
void append_cell_f(std::string &out, int d, float value);
// An integer field printed from a real (truncated toward zero), likewise unbounded in width.
std::string cell_i(float value);
void append_cell_i(std::string &out, float value);

} // namespace ss::exporting
