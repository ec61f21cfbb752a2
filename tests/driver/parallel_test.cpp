// The threaded problem loop gives the bytes of the single-threaded one: the report, the results
// handed to the exporters in their order, and a fatal diagnostic at the same record, for every
// deck under tests/decks/, for generated decks of 10,000 problems and for a deck made to defeat
// the proof of a chunk's start (every problem leans on the state the one before left, titles that
// are continuation records, lines skipped between problems). Small chunks put chunk boundaries
// everywhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "driver/parallel.h"
#include "export/csv.h"
#include "state/fatal.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

struct Output {
  std::string report;
  std::string diagnostic;
  std::vector<std::string> csv; // one per results_printed, in order
  std::string outcomes;         // per problem: its kind's number and its number
  ParallelCounts counts;
};

Output run_with(const std::string &deck, const ParallelOptions &options) {
  std::istringstream in(deck);
  std::ostringstream os;
  Output out;
  {
    Report report(os, "test.out", 4096);
    DeckReader reader(in, "test.deck");
    const auto st = std::make_unique<ProblemState>();
    Run run{*st, report, reader};
    run.results_printed = [&out](const ProblemState &s) { out.csv.push_back(results_csv(s)); };
    run.problem_ended = [&out](const ProblemOutcome &o) {
      out.outcomes += std::to_string(static_cast<int>(o.kind)) + o.number + ";";
    };
    try {
      out.counts = run_problems_parallel(run, program_routines(), fixed_stamp(), options);
    } catch (const FatalError &e) {
      out.diagnostic = e.what();
    }
  }
  out.report = os.str();
  return out;
}

ParallelOptions options(int jobs, int chunk_problems, int warm_problems, int checkpoint_every = 8) {
  ParallelOptions o;
  o.jobs = jobs;
  o.chunk_problems = chunk_problems;
  o.warm_problems = warm_problems;
  o.checkpoint_every = checkpoint_every;
  return o;
}

// Runs the deck on one thread and on each of `threaded`, expecting the same bytes; returns the
// threaded runs' counts, summed, and whether the deck ends inside a problem.
ParallelCounts expect_same_as_one_thread(const std::string &deck,
                                         const std::vector<ParallelOptions> &threaded,
                                         const std::string &what, bool *cut_short = nullptr) {
  const Output one = run_with(deck, options(1, 1, 1));
  if (cut_short) *cut_short = one.outcomes.starts_with("4") || one.outcomes.find(";4") != std::string::npos;
  ParallelCounts sum;
  for (const ParallelOptions &o : threaded) {
    const Output many = run_with(deck, o);
    const std::string label = what + " jobs " + std::to_string(o.jobs) + " chunk " +
                              std::to_string(o.chunk_problems) + " warm " + std::to_string(o.warm_problems) +
                              " checkpoints " + std::to_string(o.checkpoint_every);
    EXPECT_TRUE(many.report == one.report) << label;
    EXPECT_EQ(many.diagnostic, one.diagnostic) << label;
    EXPECT_EQ(many.outcomes, one.outcomes) << label;
    EXPECT_TRUE(many.csv == one.csv) << label << ": " << many.csv.size() << " results, " << one.csv.size();
    sum.reruns += many.counts.reruns;
    sum.joined += many.counts.joined;
  }
  return sum;
}

// Runs again join the chunk's own run after every problem, or after a few.
const std::vector<ParallelOptions> kSmallChunks = {options(2, 1, 1, 1), options(8, 2, 1, 1), options(2, 3, 2),
                                                   options(2, 8, 1, 1), options(8, 64, 40, 2)};

// Every deck alone, then those that end without a fatal diagnostic one after the other: every
// beam type meets every other at a chunk's start.
TEST(ParallelRun, EveryTestDeckGivesTheBytesOfOneThread) {
  std::string all;
  for (const char *sub : {"", "echo/"})
    for (const auto &entry : fs::directory_iterator(fs::path(SIMPLE_SPAN_TEST_DECKS) / sub))
      if (entry.path().extension() == ".deck") {
        const std::string deck = read_file(entry.path().string());
        bool cut_short = false;
        expect_same_as_one_thread(deck, kSmallChunks, entry.path().filename(), &cut_short);
        fs::path diagnostic = entry.path();
        if (!cut_short && !fs::exists(diagnostic.replace_extension(".diagnostic")) && deck.ends_with('\n'))
          all += deck;
      }
  std::vector<ParallelOptions> threaded = kSmallChunks;
  threaded.push_back(options(2, 100, 4, 1)); // a beam type comes back within a chunk
  threaded.push_back(options(2, 100, 4, 1)); // chunks that shrink towards the end of the deck
  threaded.back().deck_bytes = 3 * all.size();
  const ParallelCounts c = expect_same_as_one_thread(all + all + all, threaded, "every deck");
  EXPECT_GT(c.joined, 0) << "no run again met the chunk's own run: the joins went untested";
}

TEST(ParallelRun, GeneratedDecksGiveTheBytesOfOneThread) {
  const fs::path deck = fs::temp_directory_path() / ("parallel-test-" + std::to_string(::getpid()) + ".deck");
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
  const std::vector<const char *> seeds = {"1", "7"};
  const std::vector<ParallelOptions> threaded = {ParallelOptions{}, options(8, 256, 40), options(2, 5, 2, 1)};
#else
  const std::vector<const char *> seeds = {"1"}; // an instrumented build runs one deck
  const std::vector<ParallelOptions> threaded = {ParallelOptions{}, options(8, 64, 8, 2)};
#endif
  for (const char *seed : seeds) {
    const std::string command = std::string(SIMPLE_SPAN_MAKE_DECK) + " 10000 " + seed + " > " + deck.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string text = read_file(deck.string());
    std::vector<ParallelOptions> sized = threaded; // as the program runs a deck file
    for (ParallelOptions &o : sized) o.deck_bytes = text.size();
    expect_same_as_one_thread(text, sized, std::string("make_deck 10000 ") + seed);
  }
  fs::remove(deck);
}

// Every problem leaves state the next one's warm-up cannot rebuild (a cover-plated beam's plates
// stay in the state through the rolled beam after it, which reads no cover-plate record) and the
// deck is full of records that look like titles but continue one, and of lines the title search
// skips: chunks cut there start mid-problem, and the proof must fail and the chunk run again.
std::string leaning_deck(int pairs) {
  std::string deck;
  for (int i = 0; i < pairs; ++i) {
    const std::string span = std::to_string(40 + i % 9) + ".";
    deck += "SKIPPED BY THE TITLE SEARCH\n";
    deck += "*B04R201COVER-PLATED ROLLED BEAM DESIGN  H20                    CONT\n";
    deck += "*  A CONTINUATION RECORD THAT LOOKS LIKE A TITLE                CONT\n";
    deck += "*  AND ANOTHER\n";
    deck += "1RP2H 20   " + span + "   1.1 1.1 .9  2 .7          29.                 36\n";
    deck += "2115.   4.    30.   4.\n327\n4\n";
    deck += "*B04R101ROLLED BEAM DESIGN, ONLY THE DEPTH GIVEN  HS20  50 FT\n";
    deck += "1RB0HS20   " + span + "   1.251.25.9    .75 .1      29.                 36\n330\n";
  }
  return deck;
}

TEST(ParallelRun, ADeckThatDefeatsTheChunkProofStillGivesTheBytesOfOneThread) {
  const std::string deck = leaning_deck(60);
  EXPECT_GT(expect_same_as_one_thread(deck, kSmallChunks, "leaning deck").reruns, 20);
  // A malformed number ends the run at the same record whatever the threads.
  std::string fatal = deck;
  fatal.insert(fatal.find("1RB0HS20", deck.size() / 2), "*B04R999\n1RB0HS20   4X.\n");
  fatal += leaning_deck(5);
  expect_same_as_one_thread(fatal, kSmallChunks, "fatal deck");
  EXPECT_NE(run_with(fatal, options(2, 1, 1)).diagnostic, "");
}

// A deck with notes between its problems, as the example decks have: a chunk cut at a title
// starts after lines that the chunk before held and the title search passes by, and its start is
// still proved without running it again. The deck cut into chunks is read as the deck reader
// reads it, a byte-order mark included.
TEST(ParallelRun, NotesBetweenProblemsDoNotDefeatTheChunkProof) {
  std::string deck;
  for (int i = 0; i < 40; ++i)
    deck += "A NOTE ON THE NEXT PROBLEM\n\n*B04R101ROLLED BEAM DESIGN  HS20  50 FT\n"
            "1RB0HS20   50.   1.251.25.9    .75 .1      29.                 36\n330\n";
  EXPECT_EQ(expect_same_as_one_thread(deck, {options(2, 3, 2), options(8, 1, 1, 1)}, "noted deck").reruns, 0);
  // A byte-order mark is no part of the first line's length, on any thread.
  const std::string first = "\xEF\xBB\xBF" + std::string(kMaxDeckLine - 1, 'x') + "\n";
  expect_same_as_one_thread(first + deck, {options(2, 3, 2)}, "marked deck");
  EXPECT_EQ(run_with(first + deck, options(2, 3, 2)).diagnostic, "");
}

} // namespace
} // namespace ss::test
