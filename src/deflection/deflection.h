// Deflections by double integration of the curvature (COMPDF), the midspan live-load deflections
// (LLDEFL) and the girder and cover-plate self-weight diagrams (DLSELF).
#pragma once

#include "state/problem_state.h"

namespace ss {

void LLDEFL(ProblemState &st);
void DLSELF(ProblemState &st);

} // namespace ss
