// Cover plate design of the plated rolled beams ("RP" with equal top and bottom plates, "CB" with
// a bottom plate under a composite slab): plate sizing for a row of the section table, the plate
// cut-off points, the plate extent and its deflection loop, the minimum terminal weld, the plate
// weights over their extent and the per-point property diagrams.
#pragma once

#include <cstdint>

#include "state/problem_state.h"

namespace ss {

// Plated allowable stress for a bottom plate bt in thick: 27, 25 or 23 ksi by thickness for
// TYPE STEEL 441 (never above the section's), the section's own otherwise; a positive FS wins.
float plated_allowable(const ProblemState &st, float bt);

// Sizes the bottom plate (for "RP" an equal top plate) of the row loaded in st.rolled. Returns
// false when the row is rejected. On success the plates are settled (not yet laid out). With
// `ahead` the strength checks of four trial thicknesses are worked at once; without, one trial
// after the other (the plain search, the same result).
bool design_row_plates(ProblemState &st, bool ahead = true);

// Takes the input plates as they are (analysis of a row or of an input-defined section).
void take_input_plates(ProblemState &st);

// With the plates settled: self-weight, section properties, cut-off points, (design: the plate
// extent and its deflection loop), terminal weld, plate weights and property diagrams, LLDEFL.
void lay_out_plates(ProblemState &st, bool design);

// The cut-off points: XF (fatigue), XS (strength), RS and FPS in st.rolled.
void cut_off_points(ProblemState &st);

// The minimum terminal weld in sixteenths of an inch, into st.rolled.weld.
void terminal_weld(ProblemState &st);

// DLSELF with the working bottom plate (bt x wb) in place of the input plate.
void self_weight(ProblemState &st);

} // namespace ss
