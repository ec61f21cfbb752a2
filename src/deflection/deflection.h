// Deflections by double integration of the curvature (COMPDF), the midspan live-load deflections
// (LLDEFL) and the girder and cover-plate self-weight diagrams (DLSELF).
#pragma once

#include "state/problem_state.h"

namespace ss {

// Deflections of a simple span at the twentieth points 1..10 by double integration of M/(E*I).
// All arrays are counted from element 0:
//   m[s], in[s]  moment (K-FT.) and inertia (in^4) at fortieth point s = 0..39, e.g.
//                st.m_girder.data() and st.i_steel.data(); s = 0 is never read;
//   acc[k-1]     running total (in) of twentieth point k = 1..10, increased by the new deflection,
//                e.g. st.defl_totnc.data() + 1;
//   out[0..19]   work array; on return out[k-1] holds the deflection (in) of twentieth point k,
//                out[10..19] intermediate sums of no further use.
// out may be the very array passed as m: element i is written only after elements 2i+1 and below
// of m have been read. `l` is the span (ft) and `e` the modulus as stored for deflections
// (E/0.012, E in thousands of ksi), which must be positive (callers skip the call otherwise).
void COMPDF(const float *m, const float *in, float *acc, float l, float *out, float e);

// Midspan truck, lane, military, railroad and sidewalk deflections and their governing total;
// for the railroad class also the ratio 640 and its allowed deflection. Nothing but zeros when
// the stored E is not positive.
void LLDEFL(ProblemState &st);

// Girder self-weight moments (j = 0..39) and shears (j = 0..20) from W BM, and the full-length
// top and bottom cover-plate weight diagrams (end reaction at 0, moments at 1..20).
void DLSELF(ProblemState &st);

} // namespace ss
