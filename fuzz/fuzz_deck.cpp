// libFuzzer target: the input bytes are a deck, run in process through every problem with the
// program's own routines (span loading, rolled beam, plate girder, T-beam, results tables) into an
// in-memory report, with the CSV and SVG pages of --csv and --plot made (and dropped) for every
// design. A deck may end the run with a conversion diagnostic; anything else that
// escapes (another exception, a crash, a sanitizer report, a hang) is a finding. The deck check
// then reads the same bytes and must end with the run's diagnostic, word for word, or none.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "check/check.h"
#include "driver/driver.h"
#include "export/csv.h"
#include "export/svg.h"
#include "state/fatal.h"

namespace {

// The only fatal diagnostic a deck held in memory can cause.
constexpr const char *kConversionError = "input conversion error";

[[noreturn]] void finding(const char *what, const std::string &detail) {
  std::fprintf(stderr, "fuzz_deck: %s: %s\n", what, detail.c_str());
  std::abort();
}

// The check's fatal diagnostic, empty when it has none.
std::string check_diagnostic(const std::string &deck) {
  std::istringstream in(deck);
  const ss::DeckCheck check = ss::check_deck(in, "fuzz.deck");
  for (const ss::Finding &f : check.all_findings())
    if (f.severity == ss::Severity::Fatal) return f.message;
  return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  std::istringstream in(text);
  std::ostringstream os;
  ss::Report report(os, "fuzz.out");
  ss::DeckReader deck(in, "fuzz.deck");
  // A fresh state for every deck, as at the start of the program.
  auto st = std::make_unique<ss::ProblemState>();
  ss::Run run{*st, report, deck};
  run.results_printed = [](const ss::ProblemState &s) {
    if (ss::results_csv(s).empty() || ss::results_svg(s).empty()) finding("empty export", "");
  };
  std::string diagnostic;
  try {
    ss::run_problems(run, ss::program_routines(), {"01-JAN-70", "00:00:00"});
  } catch (const ss::FatalError &e) {
    diagnostic = e.what();
    if (diagnostic.rfind(kConversionError, 0) != 0) finding("unexpected diagnostic", diagnostic);
  }
  if (check_diagnostic(text) != diagnostic) finding("check and run disagree", diagnostic);
  // Every record the report holds is complete: the last byte written is its carriage return.
  const std::string bytes = os.str();
  if (!bytes.empty() && bytes.back() != '\r')
    finding("report ends inside a record", bytes.substr(bytes.size() - 1));
  return 0;
}
