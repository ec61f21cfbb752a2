// What every routine of a run works on: the problem state, the report and the deck (the T-beam
// design reads records of its own).
#pragma once

#include <functional>

#include "deck/deck_reader.h"
#include "report/report.h"
#include "state/problem_state.h"

namespace ss {

struct Run {
  ProblemState &st;
  Report &out;
  DeckReader &deck;
  // Called with the problem state each time a design's results tables are complete (the end of
  // the shears and deflections pages); the CSV and diagram writers listen here.
  std::function<void(const ProblemState &)> results_printed{};
};

} // namespace ss
