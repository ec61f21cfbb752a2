// Results as data and as pictures: for each design whose results tables are complete, a CSV file of
// the twentieth-point tables and an SVG page of diagrams, written beside the report; at the end of
// the run, the verdicts (summary.csv) and the whole run as a web page.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "export/html.h"
#include "state/problem_state.h"

namespace ss {

struct ExportOptions {
  std::string csv_dir;  // where <problem>.csv files go; empty: no CSV
  std::string plot_dir; // where <problem>.svg files go; empty: no diagrams
  bool any() const { return !csv_dir.empty() || !plot_dir.empty(); }
};

// The whole run as one document: they need the report text and every diagram page of the run.
struct DocumentOptions {
  std::string pdf_file;  // the run as one PDF; empty: none
  std::string html_file; // the run as one web page; empty: none
  bool any() const { return !pdf_file.empty() || !html_file.empty(); }
};

// A file can be written as `path`: its directory exists and it is not a directory itself. Returns
// a message naming the file and the reason, empty when fine.
std::string check_output_file(const std::string &path, const char *what);

// Creates the directory when it does not exist and proves it can be written by creating and
// removing a file in it. Returns a message naming the directory and the reason, empty when fine.
std::string prepare_output_dir(const std::string &dir, const char *what);

// A problem number made safe as a file name: blanks trimmed, anything but letters, digits, "-" and
// "_" replaced by "_", "problem" when nothing is left.
std::string problem_file_stem(const Word &number);

// Writes the files of each design as its results tables are completed.
class Exporter {
public:
  explicit Exporter(ExportOptions options, DocumentOptions documents = {})
      : options_(std::move(options)), documents_(std::move(documents)) {}
  // True when the run's report text is wanted at the end (summary.csv, PDF, web page).
  bool needs_report() const { return !options_.csv_dir.empty() || documents_.any(); }

  // Prepares both directories; the first problem found, empty when both can be written.
  std::string prepare() const;
  // Whether an existing file may be replaced (the report's consent), and the deck, which is never
  // written over. Without consent an existing file is left as it is and the run fails.
  void protect(bool may_replace, const std::string &deck);
  // The files the next design's results go to (CSV first, then SVG), its stem now taken.
  std::vector<std::string> claim_files(const Word &number);
  // Why writing `file` would lose data (it exists without consent, or it is the deck), or empty.
  std::string refusal(const std::string &file) const;
  // The refusal of the first file written once for the whole run (summary.csv, the PDF, the web
  // page), or empty.
  std::string refused_run_file() const;
  // Writes DIR/<stem>.csv and DIR/<stem>.svg for the results now in the state. A number met before
  // gets "-2", "-3", ... so every design keeps its own files.
  void results_printed(const ProblemState &st);
  // At the end of the run, from the report's bytes: writes summary.csv and the web page, and
  // returns the run as a document (for the PDF).
  RunDocument finish(std::string_view report, const std::string &title, const std::string &date);
  // The first write failure, empty when every file was written.
  const std::string &error() const { return error_; }
  // Designs written so far.
  int written() const { return written_; }

private:
  std::string unique_stem(const Word &number);
  void write(const std::string &file, const std::string &bytes);

  ExportOptions options_;
  DocumentOptions documents_;
  std::set<std::string> used_;      // stems taken, lower case (file systems that ignore case)
  std::map<std::string, int> next_; // the next suffix to try for a stem, lower case
  std::string error_;
  int written_ = 0;
  bool may_replace_ = true;
  std::string deck_;
  std::vector<std::pair<std::string, draw::Drawing>> diagrams_; // (problem number, page) of each design
};

} // namespace ss
