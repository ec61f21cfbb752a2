// Timings of one design problem of each kind through the whole program (deck text in memory,
// report into memory): a composite rolled beam that searches the whole section table, a 150 ft
// composite plate girder, and a nine-row T-beam design that enlarges its web.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "driver/driver.h"
#include "state/fatal.h"

namespace {

// The records of problem `number` (its title record and all records up to the next "*" record).
std::string problem_of(const std::string &deck_file, const std::string &number) {
  std::ifstream in(std::string(SIMPLE_SPAN_TEST_DECKS) + "/" + deck_file);
  std::string line, out;
  bool inside = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] == '*') inside = line.compare(4, number.size(), number) == 0;
    if (inside) out += line + "\n";
  }
  if (out.empty()) throw std::runtime_error("no problem " + number + " in " + deck_file);
  return out;
}

void run_once(const std::string &deck) {
  std::istringstream in(deck);
  std::ostringstream os;
  ss::Report report(os);
  ss::DeckReader reader(in, "bench.deck");
  ss::ProblemState st;
  ss::Run run{st, report, reader};
  ss::run_problems(run, ss::program_routines(), {"01-JAN-70", "00:00:00"});
  benchmark::DoNotOptimize(os.str().size());
}

void BM_Design(benchmark::State &state, const char *file, const char *number) {
  const std::string deck = problem_of(file, number);
  for (auto _ : state) run_once(deck);
}

BENCHMARK_CAPTURE(BM_Design, CompositeRolledBeamWholeTable, "rolled-cb-last-row.deck", "R801")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Design, CompositePlateGirder150Ft, "girder-cg-150.deck", "C150")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Design, TBeamNineRowsEnlarged, "tbeam-nine-rows.deck", "N002")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
