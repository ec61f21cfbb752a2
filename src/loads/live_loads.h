// Highway (H, HS) and railroad (RR) live loads at the twentieth points, with their envelope.
#pragma once

#include "state/problem_state.h"

namespace ss {

// Impact multipliers, the wheel and lane loads kept for the live-load deflection, then the H/HS
// loadings and envelope or the railroad train, by st.live_class (1 H, 2 HS, 3 RR). The live-load
// arrays have been cleared by the caller.
void live_loads(ProblemState &st);

} // namespace ss
