// SETIO: the console dialogue that names and opens the deck (unit 5) and the report (unit 6),
// asking before an existing report is replaced.
#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/report_file.h"

namespace ss {

struct Console {
  std::istream &in;
  std::ostream &out;
};

// Names given on the command line instead of the dialogue.
struct FileNames {
  std::string deck;
  std::string report;
  bool overwrite = false; // replace an existing report without asking
};

struct Units {
  Units() = default;
  Units(const Units &) = delete;
  Units &operator=(const Units &) = delete;

  std::ifstream deck_file;
  std::istream *deck = &deck_file; // unit 5: the deck file, the console input for "-", or converted
  std::istringstream converted;    // the deck of a problem file (NAME.toml)
  ReportFile report;               // unit 6
  std::string deck_name;
  std::string report_name;
  bool consent = false;     // existing files may be replaced (--overwrite, or Y to the question)
  bool report_kept = false; // the run ends because an existing report may not be replaced
};

// Opens both units; false when the run ends quietly (end of console input, or the user would not
// have an existing report replaced: "EXITING PROGRAM"). Throws FatalError when a file cannot be
// opened, and when the report would be the deck itself (the same file by any name). With `names`,
// nothing is asked about the names; "-" names the console input (deck) or output (report).
bool SETIO(Console con, const std::optional<FileNames> &names, Units &units);

// A name as the dialogue takes it: the first 35 characters, trailing blanks dropped.
std::string dialogue_name(const std::string &line);

} // namespace ss
