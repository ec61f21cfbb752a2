// Highway live loads of the H and HS classes: impact, the truck, lane and military loadings at the
// twentieth points k = 0..10 of the left half span, and their envelope with the governing-load codes.
#pragma once

#include "state/problem_state.h"

namespace ss {

// Wheel-line loads of one highway problem, scaled by the class number N.
struct WheelLoads {
  float p = 0;  // kips, heavy truck axle per wheel line, 0.8 N
  float p2 = 0; // kips, second truck load 14 ft from the first: P for HS, P/4 for H
  float p3 = 0; // kips, third truck load 28 ft from the first: P/4 for HS, none for H
  float w2 = 0; // kips/ft, half the lane load per foot, 0.008 N
  float pm = 0; // kips, lane concentrated load for moment, 0.5625 P
  float pv = 0; // kips, lane concentrated load for shear, 0.8125 P
};

constexpr float kMilitaryLoad = 12.0f; // kips, each of the two military loads, 4 ft apart

// Wheel-line loads of class number n; hs is true for the HS class.
WheelLoads wheel_loads(float n, bool hs);

// Impact multiplier 1 + 50/(len + 125) of a loaded length in ft, capped at 1.3.
float impact_multiplier(float loaded_length);

// IMP of the span, and at k = 0..10 the positive-shear multiplier I(L - x) and the negative-shear
// multiplier I(x), both stored divided by L. The span must be positive.
void set_impact(ProblemState &st);

// Truck wheel, lane concentrated, lane uniform and military wheel loads with impact and D.F.M.,
// kept for the live-load deflection (computed for every class). Needs set_impact.
void set_deflection_loads(ProblemState &st);

// Truck, lane and military moments and shears at k = 0..10, each unless its flag (1) leaves it out;
// a loading left out keeps the zeros the arrays were cleared to. Needs set_impact.
void highway_components(ProblemState &st);

// LIVE LOAD moment and shears at k = 0..10: the largest of the three components, with its code
// (ties go to the military loading, then the lane loading).
void highway_envelope(ProblemState &st);

} // namespace ss
