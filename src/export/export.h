// Results as data and as pictures: for each design whose results tables are complete, a CSV file of
// the twentieth-point tables and an SVG page of diagrams, written beside the report.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "state/problem_state.h"

namespace ss {

struct ExportOptions {
  std::string csv_dir;  // where <problem>.csv files go; empty: no CSV
  std::string plot_dir; // where <problem>.svg files go; empty: no diagrams
  bool any() const { return !csv_dir.empty() || !plot_dir.empty(); }
};

// Creates the directory when it does not exist and proves it can be written by creating and
// removing a file in it. Returns a message naming the directory and the reason, empty when fine.
std::string prepare_output_dir(const std::string &dir, const char *what);

// A problem number made safe as a file name: blanks trimmed, anything but letters, digits, "-" and
// "_" replaced by "_", "problem" when nothing is left.
std::string problem_file_stem(const Word &number);

// Writes the files of each design as its results tables are completed.
class Exporter {
public:
  explicit Exporter(ExportOptions options) : options_(std::move(options)) {}

  // Prepares both directories; the first problem found, empty when both can be written.
  std::string prepare() const;
  // Whether an existing file may be replaced (the report's consent), and the deck, which is never
  // written over. Without consent an existing file is left as it is and the run fails.
  void protect(bool may_replace, const std::string &deck);
  // The files the next design's results go to (CSV first, then SVG), its stem now taken.
  std::vector<std::string> claim_files(const Word &number);
  // Why writing `file` would lose data (it exists without consent, or it is the deck), or empty.
  std::string refusal(const std::string &file) const;
  // Writes DIR/<stem>.csv and DIR/<stem>.svg for the results now in the state. A number met before
  // gets "-2", "-3", ... so every design keeps its own files.
  void results_printed(const ProblemState &st);
  // The first write failure, empty when every file was written.
  const std::string &error() const { return error_; }
  // Designs written so far.
  int written() const { return written_; }

private:
  std::string unique_stem(const Word &number);
  void write(const std::string &file, const std::string &bytes);

  ExportOptions options_;
  std::set<std::string> used_;      // stems taken, lower case (file systems that ignore case)
  std::map<std::string, int> next_; // the next suffix to try for a stem, lower case
  std::string error_;
  int written_ = 0;
  bool may_replace_ = true;
  std::string deck_;
};

} // namespace ss
