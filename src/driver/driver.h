// MAIN's problem loop: reads each problem of the deck, echoes it, runs the span loading analysis
// and hands the problem to its design passes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "run/run.h"

namespace ss {

// The live-load step and the design routines the driver calls. Tests hand in recording fakes.
struct DesignRoutines {
  std::function<void(ProblemState &)> live_loads;          // highway or railroad live loads
  std::function<void(Run &, std::int32_t &status)> beampl; // rolled beam: 0 ok, 1 error 4, 2 unavailable
  std::function<void(Run &)> plateg;                       // plate girder
  std::function<void(Run &, std::int32_t &status)> tbeam;  // T-beam: 0 ok, 1 error 4, 2 error 5
};

// The program's own routines.
DesignRoutines program_routines();

// The run date ("07-DEC-26") and time ("13:05:09") printed in every title block.
struct RunStamp {
  std::string date;
  std::string time;
};

// Runs the next problem of the deck: from the search for its title record to its last design,
// or to its error line. Throws EndOfDeck when the deck ends on the way, FatalError as below.
void run_next_problem(Run &run, const DesignRoutines &routines, const RunStamp &stamp);

// Runs every problem of the deck until its end (EndOfDeck ends the loop normally). Throws
// FatalError for a malformed numeric field or a failed report write.
void run_problems(Run &run, const DesignRoutines &routines, const RunStamp &stamp);

} // namespace ss
