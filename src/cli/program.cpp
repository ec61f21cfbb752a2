#include "cli/program.h"

#include "cli/convert.h"
#include "cli/options.h"
#include "cli/setio.h"
#include "cli/stamp.h"
#include "cli/subcommands.h"
#include "export/export.h"
#include "state/fatal.h"

#include <fstream>
#include <sstream>

namespace ss {

namespace {

constexpr const char *kVersion = "simple-span 0.1.0\n";
constexpr const char *kTryHelp = "Try 'simple-span --help' for the usage.\n";

int run_deck(const RunOptions &opts, std::istream &in, std::ostream &out, std::ostream &err,
             const DesignRoutines &routines);

} // namespace

int simple_span_main(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                     std::ostream &err, const DesignRoutines &routines) {
  const auto parsed = parse_args(args);
  if (const auto *usage = std::get_if<UsageError>(&parsed))
    return err << "simple-span: " << usage->message << "\n" << kTryHelp, 2;
  const Invocation &inv = std::get<Invocation>(parsed);
  switch (inv.command) {
  case Invocation::Command::Help:
    return out << usage_text(), 0;
  case Invocation::Command::Version:
    return out << kVersion, 0;
  case Invocation::Command::Subcommand:
    return find_subcommand(inv.subcommand)->run(inv.operands, in, out, err);
  case Invocation::Command::Run:
    break;
  }
  return run_deck(inv.run, in, out, err, routines);
}

namespace {

int run_deck(const RunOptions &opts, std::istream &in, std::ostream &out, std::ostream &err,
             const DesignRoutines &routines) {
  std::optional<FileNames> given;
  if (!opts.names.empty()) given = FileNames{opts.names[0], opts.names[1], opts.overwrite};
  const ExportOptions &exports = opts.exports;

  // The directories are settled before the dialogue, so that a report is never replaced for a run
  // that cannot write its files.
  Exporter exporter(exports);
  if (const std::string problem = exporter.prepare(); !problem.empty())
    return err << "simple-span: " << problem << "\n", 1;

  // A problem file named on the command line is converted before the report is touched.
  std::optional<Converted> problem_file;
  if (given && is_problem_file_name(given->deck)) {
    std::ifstream file(given->deck, std::ios::binary);
    if (file) problem_file = problem_file_deck(file, given->deck);
    if (problem_file && !problem_file->ok()) return err << "simple-span: " << problem_file->error << "\n", 1;
  }

  const RunStamp stamp = current_stamp(); // one date and time for the whole run
  Units units;
  try {
    if (!SETIO(Console{in, out}, given, units)) return given ? 1 : 0;
  } catch (const FatalError &e) {
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  if (!problem_file && is_problem_file_name(units.deck_name))
    problem_file = problem_file_deck(units.deck, units.deck_name);
  if (problem_file && !problem_file->ok()) return err << "simple-span: " << problem_file->error << "\n", 1;
  std::istringstream converted(problem_file ? problem_file->text : "");
  Report report(units.report, units.report_name);
  DeckReader deck(problem_file ? converted : static_cast<std::istream &>(units.deck), units.deck_name);
  ProblemState st;
  Run run{st, report, deck};
  if (exports.any())
    run.results_printed = [&exporter](const ProblemState &s) { exporter.results_printed(s); };
  try {
    run_problems(run, routines, stamp);
    report.flush();
  } catch (const FatalError &e) {
    units.report.flush(); // the report keeps every line written before the fault
    err << "simple-span: " << e.what() << "\n";
    return 1;
  }
  if (!exporter.error().empty()) return err << "simple-span: " << exporter.error() << "\n", 1;
  return 0;
}

} // namespace

} // namespace ss
