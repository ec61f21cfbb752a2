#include "support/run_deck.h"

#include <fstream>
#include <sstream>

#include "state/fatal.h"

namespace ss::test {

RunStamp fixed_stamp() { return {"01-JAN-70", "00:00:00"}; }

DeckRun run_deck(const std::string &deck, const DesignRoutines &routines, const std::string &name,
                 const std::function<void(Run &)> &listen) {
  std::istringstream in(deck);
  std::ostringstream os;
  Report report(os);
  DeckReader reader(in, name);
  ProblemState st;
  Run run{st, report, reader};
  if (listen) listen(run);
  DeckRun out;
  try {
    run_problems(run, routines, fixed_stamp());
  } catch (const FatalError &e) {
    out.diagnostic = e.what();
  }
  out.report = os.str();
  return out;
}

DeckRun run_deck(const std::string &deck) { return run_deck(deck, program_routines()); }

std::string read_file(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void write_file(const std::string &path, const std::string &bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << bytes;
}

std::string readable(const std::string &report) {
  std::string s;
  for (char c : report) {
    if (c == '\r') continue;
    if (c == '\f')
      s += "<FF>\n";
    else
      s += c;
  }
  return s;
}

} // namespace ss::test
