#include "cli/program.h"

#include "cli/documents.h"
#include "cli/options.h"
#include "cli/setio.h"
#include "cli/stamp.h"
#include "cli/subcommands.h"
#include "export/export.h"
#include "state/fatal.h"

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
  Exporter exporter(exports, opts.documents);
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
  std::string written; // the report's bytes, for the verdicts and documents made at the end
  CopyingBuf copying(units.report.rdbuf(), written);
  std::ostream copied(&copying);
  Report report(exporter.needs_report() ? copied : units.report, units.report_name);
  DeckReader deck(units.deck, units.deck_name);
  ProblemState st;
  Run run{st, report, deck};
  if (exports.any() || opts.documents.any())
    run.results_printed = [&exporter](const ProblemState &s) { exporter.results_printed(s); };
  try {
    run_problems(run, routines, stamp);
    report.flush();
  } catch (const FatalError &e) {
    units.report.flush(); // the report keeps every line written before the fault
    err << "simple-span: " << e.what() << "\n";
    if (exporter.needs_report()) // and the documents show the problems read before it
      if (const std::string f = finish_documents(exporter, opts.documents, written, units.deck_name, stamp);
          !f.empty())
        err << "simple-span: " << f << "\n";
    return 1;
  }
  if (exporter.needs_report() && exporter.error().empty())
    if (const std::string e = finish_documents(exporter, opts.documents, written, units.deck_name, stamp);
        !e.empty())
      return err << "simple-span: " << e << "\n", 1;
  if (!exporter.error().empty()) return err << "simple-span: " << exporter.error() << "\n", 1;
  return 0;
}

} // namespace

} // namespace ss
