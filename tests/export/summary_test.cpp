// The verdicts: hand-checked rows for a deck of every beam type and for the lines that end a
// problem, and over every deck the stress ratio worked again from the printed stress tables.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "export/csv_reader.h"
#include "export/export_run.h"
#include "export/html.h"
#include "export/summary.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

std::vector<SummaryRow> summary_of(const std::string &deck_path) {
  return summarize(read_printed_report(run_deck(read_file(deck_path)).report));
}

std::string deck(const std::string &name) {
  return std::string(SIMPLE_SPAN_TEST_DECKS) + "/" + name + ".deck";
}

struct Expected {
  std::string number, verdict;
  double ratio; // -1: none
  int sp;
  std::string note; // a note the row must carry, empty: none checked
};

void expect_rows(const std::vector<SummaryRow> &rows, const std::vector<Expected> &want,
                 const std::string &where) {
  ASSERT_EQ(rows.size(), want.size()) << where;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string at = where + " row " + std::to_string(i) + " " + rows[i].number;
    EXPECT_EQ(rows[i].number, want[i].number) << at;
    EXPECT_EQ(rows[i].verdict, want[i].verdict) << at;
    EXPECT_NEAR(rows[i].ratio, want[i].ratio, 5e-4) << at;
    if (want[i].ratio >= 0) {
      EXPECT_EQ(rows[i].ratio_sp, want[i].sp) << at;
    }
    if (!want[i].note.empty()) {
      bool found = false;
      for (const std::string &n : rows[i].notes) found = found || n.find(want[i].note) != std::string::npos;
      EXPECT_TRUE(found) << at << " lacks the note " << want[i].note;
    }
  }
}

TEST(Summary, HandCheckedVerdictsOfEveryBeamType) {
  // Sample 1: 29,330 psi at SP 9 against FS 20,000 = 1.4665; live-load deflection 1.083 in (truck)
  // against L/800 = 0.750 in. Sample 6, a T-beam: at SP 10 the row set in force is row 2 (it stops
  // (34 - 25.215) / 2 = 4.39 ft from the supports), min(MS, MC) = 502.1 K-FT against TOT.NC 207.7
  // plus LIVE LOAD 280.8 = 488.5 K-FT: 0.9729. Sample 7 prints resisting moments only.
  const std::vector<SummaryRow> rows = summary_of(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck");
  expect_rows(rows,
              {{"S001", "OVERSTRESSED, DEFLECTION EXCEEDED", 1.4665, 9, "input section analysed"},
               {"S002", "OK", 0.888, 10, ""},
               {"S003", "OK", 0.993, 10, ""},
               {"S004", "OK", 0.991, 10, ""},
               {"S005", "OK", 0.985, 10, "cover plates run the full span"},
               {"S006", "OK", 0.9729, 10, ""},
               {"S007", "NOT CHECKED", -1, 0, "no results tables"},
               {"S008", "OK", 0.799, 10, ""}},
              "sample");
  EXPECT_DOUBLE_EQ(rows[0].deflection, 1.083);
  EXPECT_DOUBLE_EQ(rows[0].allowed, 0.750);
  EXPECT_DOUBLE_EQ(rows[0].ratio_x, 22.5); // SP 9 of a 50 ft span
  EXPECT_EQ(rows[0].section, "30WF116");
  EXPECT_EQ(rows[0].beam, "RB");
  EXPECT_EQ(rows[1].live_class, "H 20");
  EXPECT_EQ(rows[3].section.substr(0, 34), "web 60.00 x 0.3750, top flange 7.0");
  EXPECT_EQ(rows[5].section, "web 15.000 wide, 24.000 deep, row 1: 6 #10, row 2: 4 #10");
}

TEST(Summary, LinesThatEndAProblemAndNotes) {
  expect_rows(summary_of(deck("rolled-rb-unavailable")),
              {{"R107", "UNAVAILABLE", -1, 0, ""}, {"R108", "UNAVAILABLE", -1, 0, ""}}, "unavailable");
  const std::vector<SummaryRow> fs = summary_of(deck("girder-fs-missing"));
  ASSERT_EQ(fs.size(), 2u);
  EXPECT_EQ(fs[0].verdict, "NOT DESIGNED");
  EXPECT_EQ(fs[0].section, "PLATE GIRDER NOT DESIGNED - FS NOT GIVEN  PROBLEM NUMBER  FM01");
  const std::vector<SummaryRow> errors = summary_of(deck("tbeam-errors"));
  ASSERT_GE(errors.size(), 5u);
  EXPECT_EQ(errors[0].verdict, "ERROR 4");
  EXPECT_EQ(errors[4].verdict, "ERROR 5");
  // One load of 60 kips at 30 ft of a 110 ft span: not symmetric. 20,216 psi against 20,000 at SP 9.
  expect_rows(summary_of(deck("girder-pg-design")),
              {{"PG01", "OVERSTRESSED", 1.011, 9, "not symmetric about midspan"}}, "one load");
  expect_rows(summary_of(deck("rolled-full-span-plates")),
              {{summary_of(deck("rolled-full-span-plates"))[0].number, "OVERSTRESSED", 1.092, 9,
                "cover plates run the full span"}},
              "full-span plates");
}

// The largest |steel stress| / FS of each stress table the report prints, worked from its rows
// (SP, four steel stresses and the concrete one, FS, two R factors), one per completed design.
std::vector<double> printed_stress_ratios(const std::string &report) {
  std::vector<double> out;
  double ratio = -1;
  int rows_left = 0;
  for (const std::string &r : report_records(report)) {
    if (r.find("STRESS (PSI) AT SPAN 1/20 POINTS") != std::string::npos) rows_left = 10, ratio = -1;
    std::istringstream in(r);
    std::vector<double> v;
    for (double d; in >> d;) v.push_back(d);
    if (rows_left > 0 && r.find('*') != std::string::npos) ratio = NAN; // a field overflowed
    if (rows_left > 0 && v.size() == 9 && in.eof()) {
      --rows_left;
      if (v[6] > 0)
        for (double s : {v[1], v[2], v[4], v[5]}) ratio = std::max(ratio, std::fabs(s) / v[6]);
    }
    if (r.find("LIVE LOAD DEFLECTIONS (INCHES)") != std::string::npos) out.push_back(ratio), ratio = -1;
  }
  return out;
}

TEST(Summary, EveryDeckRatiosFromThePrintedTablesAndARowPerDesignOrEnding) {
  const std::set<std::string> verdicts = {
      "OK",          "OVERSTRESSED", "DEFLECTION EXCEEDED", "OVERSTRESSED, DEFLECTION EXCEEDED",
      "UNAVAILABLE", "NOT DESIGNED", "NOT CHECKED"};
  for (const std::string &path : all_decks()) {
    const std::string report = run_deck(read_file(path)).report;
    const std::vector<PrintedProblem> problems = read_printed_report(report);
    const std::vector<SummaryRow> rows = summarize(problems);
    EXPECT_GE(rows.size(), problems.size()) << path;
    std::vector<const SummaryRow *> designed;
    for (const SummaryRow &row : rows) {
      EXPECT_TRUE(verdicts.count(row.verdict) || row.verdict.rfind("ERROR ", 0) == 0) << path << row.verdict;
      if (row.deflection >= 0) designed.push_back(&row);
    }
    const std::vector<double> ratios = printed_stress_ratios(report);
    ASSERT_EQ(designed.size(), ratios.size()) << path;
    for (std::size_t d = 0; d < ratios.size(); ++d)
      if (designed[d]->beam != "TB" && !std::isnan(ratios[d])) {
        EXPECT_NEAR(designed[d]->ratio, ratios[d], 1e-12) << path << " design " << d;
      }
    // The text table lines up: every line has its verdict column at the same place.
    std::istringstream text(summary_text(rows));
    std::size_t at = std::string::npos;
    for (std::string line; std::getline(text, line);) {
      const std::size_t v = line.find("verdict") != std::string::npos ? line.find("verdict") : at;
      if (at == std::string::npos) at = v;
      EXPECT_EQ(v, at) << path;
    }
    const CsvTable csv = parse_csv(summary_csv(rows));
    EXPECT_EQ(csv.header, summary_columns()) << path;
    EXPECT_EQ(csv.rows.size(), rows.size()) << path;
  }
}

// Reports cut anywhere or with bytes overwritten still read as problems with a row each, and the
// web page is made of them: nothing read from a report can fault the readers.
TEST(Summary, DamagedReportsStillRead) {
  const std::string report = run_deck(read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck")).report;
  const char noise[] = {'*', '\f', '\r', '\n', '9', '-', '\0', '\xff'};
  for (std::size_t cut = 0; cut < report.size(); cut += 211) {
    std::string damaged = report.substr(0, cut);
    for (std::size_t i = cut % 7; i < damaged.size(); i += 29 + cut % 13) damaged[i] = noise[(i + cut) % 8];
    const std::vector<SummaryRow> rows = summarize(read_printed_report(damaged));
    EXPECT_GE(rows.size(), problem_slices(damaged).size());
    const std::string html = run_html(run_document(damaged, {{"S001", draw::Drawing()}}));
    EXPECT_NE(html.find("</html>"), std::string::npos);
  }
}

} // namespace
} // namespace ss::test
