// Sizing of a plate girder: default web, growth of the cover plates until stresses and live-load
// deflection pass, where the bottom cover plate begins, the added plate dead load and the section
// properties left at every station.
#pragma once

#include <cstdint>

#include "state/problem_state.h"

namespace ss {

enum class SizingResult {
  sized,           // the girder stands (designed, or the given girder in analysis mode)
  fs_not_given,    // design mode without a positive allowable stress FS
  plates_too_wide, // a cover plate would have to grow wider than 120 in
};

// Sizes (design mode) or checks (analysis mode, D/A 1) the girder of beam type 4 or 5, leaving its
// dimensions, W BM, girder dead-load diagrams, station properties and live-load deflections in st.
SizingResult size_girder(ProblemState &st);

// The widest cover plate the design may use, in.
constexpr float kMaxPlateWidth = 120.0f;

// Unit weight of steel taken when WG is not given, kips/ft^3.
constexpr float kSteelUnitWeight = 0.49f;

// Steps of the sizing, exposed for the tests.

// WG default, whether the bottom flange was given, the thickest plate allowed.
void girder_start(ProblemState &st);
// Design-mode defaults of the web and of the starting cover plates.
void girder_design_defaults(ProblemState &st);
// Thickens the bottom cover plate by 1/16 in, or widens it by 1/4 in at the thickest plate, and
// follows with the bottom flange; false (nothing changed) when it would grow wider than 120 in.
bool bottom_plate_step(ProblemState &st);
// The same for the top cover plate, which the top flange then equals.
bool top_plate_step(ProblemState &st);
// Where the bottom cover plate may begin, ft from the left support (design mode).
float bottom_plate_start(const ProblemState &st);
// While the live-load deflection exceeds the allowed one, moves the bottom cover plate's start
// half a foot toward the support and lays the plates out again; stops once it starts at the support.
// A start still beyond midspan when the deflection passes is put at midspan (no bottom plate).
void lengthen_plates(ProblemState &st);

} // namespace ss
