// How each problem ended, as the driver reports it: checked against the report's own error and
// unavailable lines over every deck, and the end-of-run line and the context of a fatal
// diagnostic on decks made for them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "driver/outcomes.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

struct Outcomes {
  std::vector<ProblemOutcome> list;
  std::string report, diagnostic;
};

Outcomes run_with_outcomes(const std::string &text) {
  Outcomes out;
  const DeckRun run = run_deck(text, program_routines(), "t.deck", [&out](Run &r) {
    r.problem_ended = [&out](const ProblemOutcome &o) { out.list.push_back(o); };
  });
  out.report = run.report;
  out.diagnostic = run.diagnostic;
  return out;
}

// Occurrences of `what` in `s`.
std::size_t count(const std::string &s, const std::string &what) {
  std::size_t n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

// One outcome per title block; one error outcome per error line of its code; one unavailable
// outcome per unavailable line; a problem without a line is designed, not designed or cut short.
TEST(Outcomes, MatchTheLinesOfTheReportOnEveryDeck) {
  for (const char *dir : {SIMPLE_SPAN_TEST_DECKS, SIMPLE_SPAN_TEST_DECKS "/echo", SIMPLE_SPAN_EXAMPLES})
    for (const auto &entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() != ".deck") continue;
      const Outcomes run = run_with_outcomes(read_file(entry.path().string()));
      if (!run.diagnostic.empty()) continue; // the run stopped inside a problem
      std::map<int, std::size_t> errors;
      std::size_t unavailable = 0;
      for (const ProblemOutcome &o : run.list) {
        if (o.kind == ProblemOutcome::Kind::Error) ++errors[o.code];
        if (o.kind == ProblemOutcome::Kind::Unavailable) ++unavailable;
      }
      EXPECT_EQ(run.list.size(), count(run.report, "PROB. NO.")) << entry.path();
      for (int code = 1; code <= 5; ++code)
        EXPECT_EQ(errors[code], count(run.report, "ERROR   " + std::to_string(code) + "  PROBLEM NUMBER"))
            << entry.path() << " code " << code;
      EXPECT_EQ(unavailable, count(run.report, "ROLLED BEAM UNAVAILABLE")) << entry.path();
    }
}

TEST(Outcomes, TheEndOfRunLineCountsAndNamesThem) {
  const std::string deck = read_file(std::string(SIMPLE_SPAN_TEST_DECKS) + "/rolled-rb-analysis.deck") +
                           read_file(std::string(SIMPLE_SPAN_TEST_DECKS) + "/echo/errors.deck") +
                           read_file(std::string(SIMPLE_SPAN_TEST_DECKS) + "/rolled-rb-unavailable.deck") +
                           "*B04N050NO DESIGN PASS FOR TYPE STEEL 50\n"
                           "1RB1H 15   36.   1.1 1.1 1.  1 .6      .15 29.     18.         50\n"
                           "2118.   6.5\n"
                           "324   76\n"
                           "*B04LAST\n";
  OutcomeTally tally;
  for (const ProblemOutcome &o : run_with_outcomes(deck).list) tally.add(o);
  EXPECT_EQ(tally.summary(),
            "13 problems: 1 designed, 1 NOT DESIGNED (N050), 5 ERROR 1 (E1A E1B E1C E1D E1E), "
            "1 ERROR 2 (E2), 1 ERROR 3 (E3), 1 ERROR 4 (E4), 2 ROLLED BEAM UNAVAILABLE (R107 R108), "
            "1 CUT SHORT BY THE END OF THE DECK (LAST)");
  EXPECT_TRUE(tally.any_failed());
  OutcomeTally designed;
  designed.add({ProblemOutcome::Kind::Designed, 0, "0001"});
  designed.add({ProblemOutcome::Kind::NotDesigned, 0, "0002"});
  EXPECT_TRUE(designed.any_incomplete());
  EXPECT_FALSE(designed.any_failed());
}

TEST(Outcomes, AMalformedFieldNamesTheRecordExpectedAndWhy) {
  const std::string zero_length = "*B04 007ZERO LENGTH\n"
                                  "1RB0HS20        0\n"
                                  "3 8    X2000\n";
  EXPECT_EQ(run_with_outcomes(zero_length).diagnostic,
            "input conversion error on unit 5, file t.deck, line 3, columns 8-12: \"X2000\" is not a real "
            "number; while reading the T-beam section record of problem 007; a LENGTH of zero or less "
            "sends a problem to the T-beam records");
  EXPECT_NE(run_with_outcomes("*B04P001\n1RB0HS20   4X000\n")
                .diagnostic.find("while reading the span record "
                                 "of problem P001"),
            std::string::npos);
}

} // namespace
} // namespace ss::test
