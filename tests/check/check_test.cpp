// The deck check against the run itself on every deck we have, and one case per kind of finding.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "check/check.h"
#include "problem/templates.h"
#include "support/deck_text.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

DeckCheck check_text(const std::string &deck) {
  std::istringstream in(deck);
  return check_deck(in, "test.deck");
}

// The report's error and unavailable lines (the carriage control is stored as the line motion).
std::vector<std::string> error_lines(const std::string &report) {
  std::vector<std::string> out;
  std::istringstream in(readable(report));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("ERROR", 0) == 0 || line.rfind("ROLLED BEAM UNAVAILABLE", 0) == 0) out.push_back(line);
  }
  return out;
}

// The error lines the check says the run prints (between the quotes of its messages).
std::vector<std::string> predicted_lines(const DeckCheck &check) {
  std::vector<std::string> out;
  for (const Finding &f : check.all_findings())
    if (f.kind == "error" || f.kind == "unavailable") {
      const std::size_t open = f.message.find('"');
      out.push_back(f.message.substr(open + 1, f.message.find('"', open + 1) - open - 1));
    }
  return out;
}

bool is_subsequence(const std::vector<std::string> &part, const std::vector<std::string> &whole) {
  std::size_t i = 0;
  for (const std::string &w : whole)
    if (i < part.size() && part[i] == w) ++i;
  return i == part.size();
}

std::vector<fs::path> every_deck() {
  std::vector<fs::path> decks;
  for (const fs::path &dir : {fs::path(SIMPLE_SPAN_TEST_DECKS), fs::path(SIMPLE_SPAN_TEST_DECKS) / "echo",
                              fs::path(SIMPLE_SPAN_EXAMPLES)})
    for (const auto &e : fs::directory_iterator(dir))
      if (e.path().extension() == ".deck") decks.push_back(e.path());
  return decks;
}

// One problem checked per title block printed; the error lines the check predicts come in the
// report in that order (a design that fails is known only by running it); the fatal diagnostic is
// the run's, word for word. Returns the check's exit status.
int expect_agreement(const std::string &text) {
  const DeckRun run = run_deck(text);
  const DeckCheck check = check_text(text);
  std::size_t titles = 0;
  for (std::size_t at = run.report.find("PROB. NO."); at != std::string::npos;
       at = run.report.find("PROB. NO.", at + 1))
    ++titles;
  EXPECT_EQ(check.problems.size(), titles);
  EXPECT_TRUE(is_subsequence(predicted_lines(check), error_lines(run.report)));
  std::string fatal;
  for (const Finding &f : check.all_findings())
    if (f.severity == Severity::Fatal) fatal = f.message;
  EXPECT_EQ(fatal, run.diagnostic);
  EXPECT_EQ(check.exit_status() == 2, !run.diagnostic.empty());
  return check.exit_status();
}

// Every deck we have; the examples are clean.
TEST(CheckEveryDeck, AgreesWithTheRun) {
  const auto decks = every_deck();
  ASSERT_GT(decks.size(), 30u);
  for (const fs::path &path : decks) {
    SCOPED_TRACE(path.string());
    const int status = expect_agreement(read_file(path.string()));
    if (path.parent_path() == fs::path(SIMPLE_SPAN_EXAMPLES)) {
      EXPECT_EQ(status, 0);
    }
  }
}

// The templates a user starts from check clean and agree with the run.
TEST(CheckEveryDeck, TemplatesAreClean) {
  for (const ProblemTemplate &t : problem_templates()) {
    SCOPED_TRACE(std::string(t.type) + (t.analysis ? " analysis" : " design"));
    EXPECT_EQ(expect_agreement(std::string(t.deck)), 0);
  }
}

// The example deck with one record shifted a column right at one of several places: fields read
// wrong, records of the wrong type, letters in numeric fields, problems cut short.
TEST(CheckEveryDeck, AgreesWithTheRunOnShiftedRecords) {
  const std::string sample = read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck");
  std::vector<std::string> lines;
  std::istringstream in(sample);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  int flagged = 0;
  for (std::size_t i = 0; i < lines.size(); ++i)
    for (const std::size_t col : {1u, 5u, 11u, 17u, 29u, 43u, 59u}) {
      if (lines[i].size() < col) continue;
      std::string text;
      for (std::size_t j = 0; j < lines.size(); ++j)
        text += (j == i ? std::string(lines[j]).insert(col, " ") : lines[j]) + "\n";
      SCOPED_TRACE("line " + std::to_string(i + 1) + " shifted at column " + std::to_string(col + 1));
      flagged += expect_agreement(text) > 0;
    }
  EXPECT_GT(flagged, 80); // of 153: the rest shift text, blanks or zeros, which read the same
}

// A clean problem of each path: a rolled beam with a load record, and a T-beam analysis.
const std::string kTitle = "*B04P001CHECKED\n";
const std::string kSpanRb = "1RB1HS20    5000012501250 900 1 750 100    2900                36\n";
const std::string kLoad = "21 10000 20000\n";
const std::string kSectionRb = "330WF116\n";

struct FaultCase {
  const char *name;
  std::string deck;
  const char *kind;
  long line;
  int first;
  int status;
  const char *says; // part of the message
};

std::string with(std::string record, int col, const std::string &text) {
  record.pop_back();
  return Cols().at(1, record).at(col, text).line();
}

const FaultCase kFaults[] = {
    {"clean", kTitle + kSpanRb + kLoad + kSectionRb, "", 0, 0, 0, ""},
    {"range", kTitle + with(kSpanRb, 12, "    60") + kLoad + kSectionRb, "range", 2, 12, 1,
     "reads 0.06 ft, outside the plausible 10 to 400 ft: without a decimal point its last 3 digits are "
     "decimals; written \"60.\" it would read 60 ft"},
    {"range with a point", kTitle + with(kSpanRb, 12, "   5.0") + kLoad + kSectionRb, "range", 2, 12, 1,
     "reads 5 ft, outside the plausible 10 to 400 ft; it is written with a decimal point"},
    {"uncovered", kTitle + with(kSpanRb, 70, "77") + kLoad + kSectionRb, "uncovered", 2, 70, 1,
     "columns 70-71 hold \"77\", which no field reads"},
    {"tab", "*B04P001CHECKED\tTAB\n" + kSpanRb + kLoad + kSectionRb, "tab", 1, 16, 1, "a tab in column 16"},
    {"lower-case", kTitle + with(kSpanRb, 2, "rb") + kLoad + kSectionRb, "lower-case", 2, 2, 1,
     "\"rb\" is in lower case"},
    {"error 1", kTitle + with(kSpanRb, 2, "XX") + kLoad + kSectionRb, "error", 2, 2, 1,
     "\"ERROR   1  PROBLEM NUMBER  P001\": the beam type is \"XX\""},
    {"error 2", kTitle + kSpanRb + "22 10000 20000\n" + kSectionRb, "error", 3, 1, 1,
     "\"ERROR   2  PROBLEM NUMBER  P001\": concentrated-load record 1 has type 22, not 21"},
    {"error 3", kTitle + kSpanRb + kLoad + "430WF116\n", "error", 4, 1, 1,
     "\"ERROR   3  PROBLEM NUMBER  P001\""},
    {"error 4", kTitle + with(kSpanRb, 2, "RP") + kLoad + kSectionRb + "5\n", "error", 5, 1, 1,
     "\"ERROR   4  PROBLEM NUMBER  P001\": the slab and cover-plate record's type is 5"},
    {"T-beam error 4", kTitle + "1TB1HS20    34000120012001000   500         300\n31010 1\n", "error", 3, 6,
     1, "analysis (D/A 1) needs WIDTH, DEPTH and NO. ROWS above zero"},
    {"unavailable", kTitle + kSpanRb + kLoad + "318WF 77\n", "unavailable", 4, 0, 1,
     "\"ROLLED BEAM UNAVAILABLE P001\": no row of the section table is 18WF77"},
    {"fatal", kTitle + with(kSpanRb, 14, "O") + kLoad + kSectionRb, "fatal", 2, 12, 2,
     "input conversion error on unit 5, file test.deck, line 2, columns 12-17: \" 5O000\" is not a real "
     "number; while reading the span record of problem P001"},
    {"no problems", "B04P001 NO STAR\n", "no-problems", 0, 0, 1, "the deck holds no problem"},
    {"passed over", kTitle + kSpanRb + kLoad + kSectionRb + "B04P002 NO STAR\n", "passed-over", 5, 0, 1,
     "no problem reads them"},
    {"deck ends", kTitle + kSpanRb + kLoad, "end", 3, 0, 1,
     "the deck ends where the run expects the section record"},
};

class CheckFinds : public ::testing::TestWithParam<FaultCase> {};

// The finding of the case's kind, where it says, with the exit status of the command; and the run
// agrees about the fatal diagnostic.
TEST_P(CheckFinds, EachKindOfFault) {
  const FaultCase &c = GetParam();
  const DeckCheck check = check_text(c.deck);
  EXPECT_EQ(check.exit_status(), c.status);
  std::ostringstream listing;
  print_check(listing, check);
  if (c.status == 0) {
    for (const Finding &f : check.all_findings()) EXPECT_EQ(f.severity, Severity::Note) << f.message;
    return;
  }
  bool found = false;
  for (const Finding &f : check.all_findings()) {
    if (f.kind != c.kind) continue;
    found = true;
    EXPECT_EQ(f.line, c.line);
    EXPECT_EQ(f.first, c.first);
    EXPECT_NE(f.message.find(c.says), std::string::npos) << f.message;
    EXPECT_NE(listing.str().find(f.message), std::string::npos);
  }
  EXPECT_TRUE(found) << listing.str();
  if (c.status == 2) {
    EXPECT_EQ(run_deck(c.deck).diagnostic, c.says);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CheckFinds, ::testing::ValuesIn(kFaults), [](const auto &info) {
  std::string n = info.param.name;
  for (char &ch : n)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
});

} // namespace
} // namespace ss::test
