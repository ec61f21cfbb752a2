// Stations, deflection limit, concentrated loads, uniform dead loads and sidewalk load.
#pragma once

#include "state/problem_state.h"

namespace ss {

// x_j and L - x_j at the fortieth points, x accumulated by the single quotient L/40.
void set_stations(ProblemState &st);
// Allowable live-load deflection and its ratio: L/800, or L/1000 with a sidewalk load.
void set_deflection_limit(ProblemState &st);
// Left reaction of the concentrated loads, then their moments (j = 1..40) and shears (j = 1..20).
void concentrated_load_effects(ProblemState &st);
// NON-C. and COMP. moments and shears of the two uniform dead loads.
void dead_load_effects(ProblemState &st);
// SIDEWK moment and positive and negative shears at the twentieth points.
void sidewalk_effects(ProblemState &st);
// Clears every live-load result at k = 0..10 before the live-load step writes them.
void clear_live_loads(ProblemState &st);

} // namespace ss
