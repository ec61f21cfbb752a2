// What every routine of a run works on: the problem state, the report and the deck (the T-beam
// design reads records of its own).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "deck/deck_reader.h"
#include "report/report.h"
#include "state/problem_state.h"

namespace ss {

// How a problem of the deck ended.
struct ProblemOutcome {
  enum class Kind {
    Designed,    // every design pass it asked for ran to its end
    NotDesigned, // its records were read but no design pass applied (TYPE STEEL 50, ...)
    Error,       // abandoned with the error line of `code`
    Unavailable, // abandoned with the rolled-beam-unavailable line
    CutShort,    // the deck ended inside it
  };
  Kind kind = Kind::Designed;
  std::int32_t code = 0; // the error code, for Error
  std::string number;    // the problem number, blanks trimmed
};

struct Run {
  ProblemState &st;
  Report &out;
  DeckReader &deck;
  // Called with the problem state each time a design's results tables are complete (the end of
  // the shears and deflections pages); the CSV and diagram writers listen here.
  std::function<void(const ProblemState &)> results_printed{};
  // Called as each problem ends, with how it ended.
  std::function<void(const ProblemOutcome &)> problem_ended{};
  // The record the routine reading the deck expects next ("span record"), named in the diagnostic
  // of a malformed field.
  const char *reading = "";
};

} // namespace ss
