// The report file read back as pages of lines, problem by problem: what the PDF, the HTML and the
// summary show. The report stores each line as its vertical motion (line feeds, or a form feed for
// a new page, or nothing to overprint), its text, then a carriage return.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ss {

// One printed line: its text, then any text overprinted on it.
struct PrintedLine {
  std::vector<std::string> layers;
  const std::string &text() const { return layers.front(); }
};

// One report page: line n is the n-th line from the top of the sheet (blank lines are empty).
struct PrintedPage {
  std::vector<PrintedLine> lines;
};

// Everything the report printed for one problem, from its title block to the next problem's.
struct PrintedProblem {
  std::string number;             // PROB. NO. of the title block, blanks trimmed
  std::vector<PrintedPage> pages; // a new page at every form feed
  int designs = 0;                // results tables completed (one diagram page each)
};

// The bytes of each problem: from its title block to the next one (bytes before the first title
// block, if any, are a slice of their own).
std::vector<std::string_view> problem_slices(std::string_view bytes);
// The pages of one problem's bytes.
PrintedProblem read_printed_problem(std::string_view slice);

// Splits the report bytes into problems. Text before the first title block, if any, is a problem
// with an empty number. Never fails: any bytes give some pages.
std::vector<PrintedProblem> read_printed_report(std::string_view bytes);

// The lines of the problem's pages, in order, without the overprints (for readers of the values).
std::vector<std::string> problem_lines(const PrintedProblem &p);

// True for the first line of a problem's title block.
bool is_title_line(std::string_view text);

// Blanks trimmed from both ends.
std::string trim(std::string_view s);

} // namespace ss
