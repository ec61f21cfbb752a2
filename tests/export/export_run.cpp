#include "export/export_run.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "export/csv.h"
#include "export/svg.h"
#include "state/fatal.h"
#include "support/run_deck.h"

namespace ss::test {

ExportRun run_with_exports(const std::string &deck, const std::string &name) {
  std::istringstream in(deck);
  std::ostringstream os;
  Report report(os);
  DeckReader reader(in, name);
  ProblemState st;
  Run run{st, report, reader};
  ExportRun out;
  run.results_printed = [&out](const ProblemState &s) {
    out.csv.push_back(results_csv(s));
    out.svg.push_back(results_svg(s));
    out.types.push_back(s.beam_type);
    out.numbers.emplace_back(s.problem_number.begin(), s.problem_number.end());
    out.states.push_back(s);
  };
  try {
    run_problems(run, program_routines(), fixed_stamp());
  } catch (const FatalError &e) {
    out.diagnostic = e.what();
  }
  out.report = os.str();
  return out;
}

std::vector<std::string> report_records(const std::string &report) {
  std::vector<std::string> records;
  std::string text;
  bool motion = true; // line feeds and form feeds lead each record
  for (char c : report) {
    if (c == '\r') {
      records.push_back(text);
      text.clear();
      motion = true;
    } else if (motion && (c == '\n' || c == '\f')) {
      continue;
    } else {
      motion = false;
      text += c;
    }
  }
  return records;
}

std::string field(const std::string &record, int col, int w) {
  std::string s = record.size() > static_cast<std::size_t>(col - 2) ? record.substr(col - 2, w) : "";
  s.resize(static_cast<std::size_t>(w), ' ');
  return s;
}

std::vector<std::string> all_decks() {
  namespace fs = std::filesystem;
  std::vector<std::string> decks = {(fs::path(SIMPLE_SPAN_EXAMPLES) / "sample.deck").string()};
  for (const char *sub : {"", "echo"})
    for (const auto &e : fs::directory_iterator(fs::path(SIMPLE_SPAN_TEST_DECKS) / sub))
      if (e.path().extension() == ".deck") decks.push_back(e.path().string());
  std::sort(decks.begin() + 1, decks.end());
  return decks;
}

} // namespace ss::test
