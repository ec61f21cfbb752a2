// Railroad live load: a Cooper-type train of 18 axles followed by a uniform load, one rail, moved
// axle by axle over every twentieth point of the whole span.
#pragma once

#include <array>

#include "state/problem_state.h"

namespace ss {

constexpr int kTrainLoads = 19; // 18 axles and the head of the uniform load

// Loads of one rail, scaled by the class number N, indexed n = 1..19 (index 0 unused): axle loads
// in kips, and at n = 19 the uniform load u in kips/ft (half the uniform load of the track).
using TrainLoads = std::array<float, kTrainLoads + 1>;
TrainLoads train_loads(float n);

// The largest moment and shear at one station as the train passes, before any factor.
struct StationPeak {
  float moment = 0; // K-FT.
  float shear = 0;  // KIPS, the larger of the shears just left and just right of the station
};

// Peaks at a station a ft from the left support and b ft from the right one on a span of L ft
// (L positive).
StationPeak railroad_station(const TrainLoads &loads, float L, float a, float b);

// LIVE LOAD moment and positive shear at k = 0..10 (the two half spans folded, times D.F.M.),
// the RR-I values (times D.F.V., the impact fraction of this class) and the codes "R".
void railroad_loading(ProblemState &st);

} // namespace ss
