// The verdicts at a glance: for every design of every problem, the section, the largest stress
// ratio, the live-load deflection against the allowed one and what they mean, all read from the
// values the report prints (what the engineer signs is what is checked).
#pragma once

#include <string>
#include <vector>

#include "export/printed_report.h"

namespace ss {

struct SummaryRow {
  std::string number;     // PROB. NO.
  std::string title;      // the title line, blanks trimmed
  std::string beam;       // BEAM: RB, RP, CB, PG, CG, TB, RM
  std::string live_class; // L.L.C. as printed ("HS20", "H 20", "RR72")
  std::string span;       // LENGTH as printed, ft
  // The section designed or analysed, or the line that ended the problem.
  std::string section;
  // Steel: the largest |stress| / FS of the stress table's steel columns; T-beam: the largest total
  // moment over the resisting moment of the rows in force. Negative when there is none; infinite
  // when a printed value overflowed its field.
  double ratio = -1;
  int ratio_sp = 0;       // the 1/20 point where it occurs (SP)
  double ratio_x = 0;     // the same in ft from the left support
  double deflection = -1; // live-load deflection (the governing load plus sidewalk), in; -1: none
  double allowed = -1;    // allowed live-load deflection, in
  std::string verdict;    // OK, OVERSTRESSED, DEFLECTION EXCEEDED, ERROR n, UNAVAILABLE, ...
  std::vector<std::string> notes;
  // True when the verdict is anything but OK.
  bool fails() const { return verdict != "OK"; }
};

// One row per design whose results tables were printed, and one per line that ended a problem (an
// error, an unavailable section, a plate girder not designed); a problem with neither gets one row
// "NOT CHECKED".
std::vector<SummaryRow> summarize(const std::vector<PrintedProblem> &problems);
std::vector<SummaryRow> summarize(const PrintedProblem &problem);

// The columns of summary.csv, their headings for a reader (the tables of the PDF and the web page),
// and a row's cells as text.
const std::vector<std::string> &summary_columns();
const std::vector<std::string> &summary_headings();
std::vector<std::string> summary_cells(const SummaryRow &row);

// An aligned plain-text table, one line per row, with a heading line.
std::string summary_text(const std::vector<SummaryRow> &rows);
// The same as CSV (RFC 4180, CRLF line ends).
std::string summary_csv(const std::vector<SummaryRow> &rows);

} // namespace ss
