// The run as one self-contained web page: the verdicts table with a link to each problem, then
// each problem's report pages as preformatted text with its diagram pages inline. No scripts, no
// external files; a print stylesheet puts one report page on one sheet.
#pragma once

#include <string>
#include <vector>

#include "export/printed_report.h"
#include "export/summary.h"

namespace ss {

struct RunDocument {
  std::string title;                         // the deck's name
  std::string date;                          // the run date and time, as the title blocks print them
  std::vector<PrintedProblem> problems;      // the report, problem by problem
  std::vector<SummaryRow> summary;           // summarize(problems)
  std::vector<std::vector<std::string>> svg; // per problem, the diagram page of each design
};

std::string run_html(const RunDocument &doc);

// Text made safe inside HTML elements and attributes; bytes outside printable ASCII shown as "?"
// (the deck is read byte by byte and need not be UTF-8).
std::string html_escape(std::string_view s);

// The anchor of each problem, "p-<number>", with "-2", "-3", ... for a number met before.
std::vector<std::string> problem_anchors(const std::vector<PrintedProblem> &problems);

} // namespace ss
