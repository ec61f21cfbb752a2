// Unit 6: where the report goes. A regular file (or a new one) is written under a temporary name
// in its own directory and renamed over REPORT when the run ends, so a run that is stopped or
// fails to write leaves the previous report exactly as it was. Anything else (a pipe, a terminal,
// /dev/null) is written directly, as is an existing report in a directory where no new file can
// be made; "-" is standard output.
#pragma once

#include <fstream>
#include <ostream>
#include <string>

#include "export/write_file.h"

namespace ss {

class ReportFile {
public:
  // Opens unit 6 for `name`; `console` stands for standard output. Returns the reason when it
  // cannot be opened (errno style), 0 when open.
  int open(const std::string &name, std::ostream &console);
  std::ostream &stream() { return *out_; }
  // Ends the report: flushes it and, for a regular file, renames it into place. Returns a
  // diagnostic when the report could not be written (the previous report is then left as it
  // was and no temporary remains), empty when it is complete.
  std::string finish();
  // Whether the report goes to a temporary file that replaces REPORT at the end.
  bool replaces() const { return !pending_.temporary().empty(); }
  // Drops the report being written; a regular file keeps its previous contents.
  void abandon() { pending_.abandon(); }

private:
  std::string name_;
  std::ofstream file_;
  std::ostream *out_ = &file_;
  PendingFile pending_;
};

} // namespace ss
