// Running a deck in process with the CSV and diagram writers listening, into memory, and reading
// the results tables back out of the report by their columns.
#pragma once

#include <string>
#include <vector>

#include "state/problem_state.h"

namespace ss::test {

struct ExportRun {
  std::string report;               // the report bytes
  std::vector<std::string> csv;     // one per design that completed its results tables
  std::vector<std::string> svg;     // likewise
  std::vector<std::int32_t> types;  // the beam type of each
  std::vector<std::string> numbers; // the problem number of each
  std::vector<ProblemState> states; // the state each was written from
  std::string diagnostic;           // a fatal diagnostic, if the run ended with one
};

ExportRun run_with_exports(const std::string &deck, const std::string &name = "test.deck");

// The report's records, carriage control dropped: column c of the layouts is index c - 2.
std::vector<std::string> report_records(const std::string &report);

// Columns `col` .. col + w - 1 of a record (blanks past its end).
std::string field(const std::string &record, int col, int w);

// Every deck of the tests and the example deck, as paths.
std::vector<std::string> all_decks();

} // namespace ss::test
