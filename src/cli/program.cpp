#include "cli/program.h"

#include <algorithm>
#include <thread>

#include "cli/setio.h"
#include "cli/stamp.h"
#include "driver/parallel.h"
#include "export/export.h"
#include "state/fatal.h"

namespace ss {

namespace {

constexpr const char *kUsage =
    "usage: simple-span [DECK REPORT [--overwrite]] [--csv DIR] [--plot DIR] [--jobs N]\n"
    "\n"
    "Reads the input deck DECK and writes the report REPORT. Without the two names the program\n"
    "asks for them on the console. An existing REPORT is replaced only with --overwrite or when\n"
    "the answer to the overwrite question is Y.\n"
    "\n"
    "  --overwrite  replace an existing report without asking\n"
    "  --csv DIR    also write DIR/<problem number>.csv: the results tables of every design as CSV\n"
    "  --plot DIR   also write DIR/<problem number>.svg: moment, shear and deflection diagrams and\n"
    "               a sketch of the section, one page per design\n"
    "  --jobs N     run the problems on N threads (default: one per core); the report and the files\n"
    "               are those of a run on one thread\n"
    "  --help       print this text\n"
    "  --version    print the version\n"
    "\n"
    "A directory given to --csv or --plot is created when it does not exist. A problem number met\n"
    "again (section alternatives, repeated numbers) gets -2, -3, ... in its file names.\n"
    "\n"
    "SOURCE_DATE_EPOCH, when set, gives the run date and time (UTC) printed in the report.\n";

constexpr const char *kVersion = "simple-span 0.1.0\n";

// True when args[i] is --csv DIR, --plot DIR, --csv=DIR or --plot=DIR: the directory goes into
// `exports` and i is left at the last argument taken. `missing` names the option when the
// directory is missing.
bool export_option(const std::vector<std::string> &args, std::size_t &i, ExportOptions &exports,
                   const char *&missing) {
  const std::string &a = args[i];
  const bool csv = a == "--csv" || a.rfind("--csv=", 0) == 0;
  if (!csv && a != "--plot" && a.rfind("--plot=", 0) != 0) return false;
  std::string &dir = csv ? exports.csv_dir : exports.plot_dir;
  const std::size_t eq = a.find('=');
  if (eq != std::string::npos)
    dir = a.substr(eq + 1);
  else
    dir = i + 1 < args.size() ? args[++i] : std::string();
  missing = dir.empty() ? (csv ? "--csv" : "--plot") : nullptr;
  return true;
}

// True when args[i] is --jobs N or --jobs=N: the count goes into `jobs` (0 when it is not a whole
// number from 1 to 256) and i is left at the last argument taken.
bool jobs_option(const std::vector<std::string> &args, std::size_t &i, int &jobs) {
  const std::string &a = args[i];
  if (a != "--jobs" && a.rfind("--jobs=", 0) != 0) return false;
  const std::string n = a.size() > 6 ? a.substr(7) : i + 1 < args.size() ? args[++i] : std::string();
  jobs = 0;
  if (n.empty() || n.size() > 3 || n.find_first_not_of("0123456789") != std::string::npos) return true;
  if (const int v = std::stoi(n); v >= 1 && v <= 256) jobs = v;
  return true;
}

} // namespace

int simple_span_main(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                     std::ostream &err, const DesignRoutines &routines) {
  std::vector<std::string> names;
  bool overwrite = false;
  ExportOptions exports;
  ParallelOptions parallel;
  parallel.jobs = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &a = args[i];
    if (a == "--help") return out << kUsage, 0;
    if (a == "--version") return out << kVersion, 0;
    if (const char *missing = nullptr; export_option(args, i, exports, missing)) {
      if (missing) return err << "simple-span: " << missing << " needs a directory\n" << kUsage, 2;
    } else if (jobs_option(args, i, parallel.jobs)) {
      if (parallel.jobs == 0)
        return err << "simple-span: --jobs needs a number of threads from 1 to 256\n", 2;
    } else if (a == "--overwrite")
      overwrite = true;
    else if (a.size() > 1 && a[0] == '-')
      return err << "simple-span: unknown option " << a << "\n" << kUsage, 2;
    else
      names.push_back(a);
  }
  if (names.size() == 1 || names.size() > 2 || (overwrite && names.empty())) return err << kUsage, 2;
  std::optional<FileNames> given;
  if (!names.empty()) given = FileNames{names[0], names[1], overwrite};

  // The directories are settled before the dialogue, so that a report is never replaced for a run
  // that cannot write its files.
  Exporter exporter(exports);
  if (const std::string problem = exporter.prepare(); !problem.empty())
    return err << "simple-span: " << problem << "\n", 1;

  const RunStamp stamp = current_stamp(); // one date and time for the whole run
  Units units;
  try {
    if (!SETIO(Console{in, out}, given, units)) return given ? 1 : 0;
  } catch (const FatalError &e) {
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  Report report(units.report, units.report_name, Report::kFileBlock);
  DeckReader deck(units.deck, units.deck_name);
  ProblemState st;
  Run run{st, report, deck};
  if (exports.any())
    run.results_printed = [&exporter](const ProblemState &s) { exporter.results_printed(s); };
  try {
    run_problems_parallel(run, routines, stamp, parallel);
    report.flush();
  } catch (const FatalError &e) {
    report.flush_after_fault(); // the report keeps every line written before the fault
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  if (!exporter.error().empty()) return err << "simple-span: " << exporter.error() << "\n", 1;
  return 0;
}

} // namespace ss
