// SETIO: the console dialogue that names and opens the deck (unit 5) and the report (unit 6),
// asking before an existing report is replaced.
#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

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
  std::ifstream deck;   // unit 5
  std::ofstream report; // unit 6
  std::string deck_name;
  std::string report_name;
};

// Opens both units; false when the run ends quietly (end of console input, or the user would not
// have an existing report replaced: "EXITING PROGRAM"). Throws FatalError when a file cannot be
// opened. With `names`, nothing is asked about the names.
bool SETIO(Console con, const std::optional<FileNames> &names, Units &units);

// A name as the dialogue takes it: the first 35 characters, trailing blanks dropped.
std::string dialogue_name(const std::string &line);

} // namespace ss
