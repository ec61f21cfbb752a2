#include "driver/program.h"

#include "driver/fatal.h"
#include "driver/setio.h"
#include "driver/stamp.h"

namespace ss {

namespace {

constexpr const char *kUsage =
    "usage: simple-span [DECK REPORT [--overwrite]]\n"
    "\n"
    "Reads the input deck DECK and writes the report REPORT. Without the two names the program\n"
    "asks for them on the console. An existing REPORT is replaced only with --overwrite or when\n"
    "the answer to the overwrite question is Y.\n"
    "\n"
    "  --overwrite  replace an existing report without asking\n"
    "  --help       print this text\n"
    "  --version    print the version\n"
    "\n"
    "SOURCE_DATE_EPOCH, when set, gives the run date and time (UTC) printed in the report.\n";

constexpr const char *kVersion = "simple-span 0.1.0\n";

} // namespace

int simple_span_main(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                     std::ostream &err, const DesignRoutines &routines) {
  std::vector<std::string> names;
  bool overwrite = false;
  for (const std::string &a : args) {
    if (a == "--help") return out << kUsage, 0;
    if (a == "--version") return out << kVersion, 0;
    if (a == "--overwrite")
      overwrite = true;
    else if (a.size() > 1 && a[0] == '-')
      return err << "simple-span: unknown option " << a << "\n" << kUsage, 2;
    else
      names.push_back(a);
  }
  if (names.size() == 1 || names.size() > 2 || (overwrite && names.empty())) return err << kUsage, 2;
  std::optional<FileNames> given;
  if (!names.empty()) given = FileNames{names[0], names[1], overwrite};

  const RunStamp stamp = current_stamp(); // one date and time for the whole run
  Units units;
  try {
    if (!SETIO(Console{in, out}, given, units)) return given ? 1 : 0;
  } catch (const FatalError &e) {
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  Report report(units.report, units.report_name);
  DeckReader deck(units.deck, units.deck_name);
  ProblemState st;
  Run run{st, report, deck};
  try {
    run_problems(run, routines, stamp);
    report.flush();
  } catch (const FatalError &e) {
    units.report.flush(); // the report keeps every line written before the fault
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

} // namespace ss
