// The run as one self-contained web page: the verdicts table with a link to each problem, then
// each problem's report pages as preformatted text with its diagram pages inline. No scripts, no
// external files; a print stylesheet puts one report page on one sheet.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/canvas.h"
#include "export/printed_report.h"
#include "export/summary.h"

namespace ss {

// The run as the documents show it. Each problem's pages are read from its bytes when they are
// drawn, so that a long run never holds them all.
struct RunDocument {
  std::string title;                      // the deck's name
  std::string date;                       // the run date and time, as the title blocks print them
  std::vector<std::string_view> problems; // the report's bytes, problem by problem (not owned)
  std::vector<std::string> anchors;       // per problem, "p-<number>" ("-2", ... for one met before)
  std::vector<SummaryRow> summary;        // the verdicts, in the problems' order
  std::vector<std::size_t> first_row;     // per problem, its first row in `summary`
  std::vector<std::vector<draw::Drawing>> diagrams; // per problem, the diagram page of each design
};

// The document of a run from its report bytes (kept alive by the caller) and the diagram pages of
// its designs in order, each with its problem number (blanks trimmed).
RunDocument run_document(std::string_view report,
                         std::vector<std::pair<std::string, draw::Drawing>> diagrams);

std::string run_html(const RunDocument &doc);

// Text made safe inside HTML elements and attributes; bytes outside printable ASCII shown as "?"
// (the deck is read byte by byte and need not be UTF-8).
std::string html_escape(std::string_view s);

} // namespace ss
