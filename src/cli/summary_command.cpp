#include "cli/summary_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli/stamp.h"
#include "export/summary.h"
#include "state/fatal.h"

namespace ss {

int summary_command(const std::vector<std::string> &operands, std::istream &, std::ostream &out,
                    std::ostream &err) {
  if (operands.size() == 1 && operands[0] == "--help")
    return out << "usage: simple-span summary DECK\n\nRuns DECK without writing a report and prints the "
                  "verdict of every design\nas an aligned table.\n",
           0;
  if (operands.size() != 1) return err << "simple-span summary: give one deck: simple-span summary DECK\n", 2;
  const std::string &name = operands[0];
  std::ifstream deck(name, std::ios::binary);
  if (!deck)
    return err << "simple-span: cannot open the deck " << name << ": " << std::strerror(errno) << "\n", 1;
  std::ostringstream text;
  Report report(text, "(summary)");
  DeckReader reader(deck, name);
  ProblemState st;
  Run run{st, report, reader};
  int status = 0;
  try {
    run_problems(run, program_routines(), current_stamp());
  } catch (const FatalError &e) {
    err << "simple-span: " << e.what() << "\n"; // the problems read before the fault are summarized
    status = 1;
  }
  out << summary_text(summarize(read_printed_report(text.str())));
  return status;
}

} // namespace ss
