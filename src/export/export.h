// Results as data and as pictures: for each design whose results tables are complete, a CSV file of
// the twentieth-point tables and an SVG page of diagrams, written beside the report.
#pragma once

#include <map>
#include <set>
#include <string>

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
  // Writes DIR/<stem>.csv and DIR/<stem>.svg for the results now in the state. A number met before
  // gets "-2", "-3", ... so every design keeps its own files.
  void results_printed(const ProblemState &st);
  // The first write failure, empty when every file was written.
  const std::string &error() const { return error_; }
  // Designs written so far.
  int written() const { return written_; }

private:
  std::string unique_stem(const Word &number);
  void write(const std::string &dir, const std::string &file, const std::string &bytes);

  ExportOptions options_;
  std::set<std::string> used_;      // stems taken, lower case (file systems that ignore case)
  std::map<std::string, int> next_; // the next suffix to try for a stem, lower case
  std::string error_;
  int written_ = 0;
};

} // namespace ss
