// What every routine of a run works on: the problem state, the report and the deck (the T-beam
// design reads records of its own).
#pragma once

#include "deck/deck_reader.h"
#include "driver/report.h"
#include "state/problem_state.h"

namespace ss {

struct Run {
  ProblemState &st;
  Report &out;
  DeckReader &deck;
};

} // namespace ss
