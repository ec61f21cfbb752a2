#include "cli/program.h"

#include <algorithm>
#include <filesystem>
#include <thread>

#include "cli/convert.h"
#include "cli/documents.h"
#include "cli/export_check.h"
#include "cli/options.h"
#include "cli/setio.h"
#include "cli/stamp.h"
#include "cli/subcommands.h"
#include "driver/outcomes.h"
#include "driver/parallel.h"
#include "export/export.h"
#include "export/write_file.h"
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

int fail(std::ostream &err, const std::string &message) {
  err << "simple-span: " << message << "\n";
  return 1;
}

// The size of a regular file, or 0.
std::size_t file_size(const std::string &name) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(name, ec)) return 0;
  const std::uintmax_t size = std::filesystem::file_size(name, ec);
  return ec ? 0 : static_cast<std::size_t>(size);
}

// Dialogue, date and the check of the files the run would replace: false (with the exit status in
// `status`) when the run stops before its first problem.
bool set_up(const RunOptions &opts, Console con, std::ostream &err, const DesignRoutines &routines,
            Exporter &exporter, Units &units, RunStamp &stamp, int &status) {
  std::optional<FileNames> given;
  if (!opts.names.empty()) given = FileNames{opts.names[0], opts.names[1], opts.overwrite};
  try {
    stamp = current_stamp();         // one date and time for the whole run
    if (!SETIO(con, given, units)) { // the dialogue ended it, or an existing report was kept
      if (!given) return status = 0, false;
      status =
          fail(err, units.report_kept ? "the report " + units.report_name +
                                            " exists and was not replaced: --overwrite replaces it"
                                      : "a blank file name, and the console ended before another was given");
      return false;
    }
  } catch (const FatalError &e) {
    status = fail(err, e.what());
    return false;
  }
  if (is_problem_file_name(units.deck_name)) { // read as its deck, converted before the first problem
    const Converted deck = problem_file_deck(*units.deck, units.deck_name);
    if (!deck.ok()) {
      units.report.abandon();
      status = fail(err, deck.error);
      return false;
    }
    units.converted.str(deck.text);
    units.deck = &units.converted;
  }
  if (!opts.exports.any() && !opts.documents.any()) return true;
  exporter.protect(units.consent, units.deck_name);
  std::string refused = first_refused_file(exporter, opts.exports, units, routines);
  if (refused.empty()) refused = exporter.refused_run_file(); // written at the end of the run
  if (refused.empty()) return true;
  units.report.abandon();
  status = fail(err, refused);
  return false;
}

// The line on standard error at the end of a run in which a problem did not complete, and the
// exit status.
int end_of_run(const RunOptions &opts, const OutcomeTally &tally, const std::string &deck,
               std::ostream &err) {
  if (!opts.quiet && tally.problems() == 0)
    err << "simple-span: no problem found in " << deck << " (no record with B04 in columns 2-4)\n";
  else if (!opts.quiet && tally.any_incomplete())
    err << "simple-span: " << tally.summary() << "\n";
  return opts.strict && (tally.problems() == 0 || tally.any_failed()) ? 3 : 0;
}

int run_deck(const RunOptions &opts, std::istream &in, std::ostream &out, std::ostream &err,
             const DesignRoutines &routines) {
  // The directories are settled before the dialogue, so that a report is never replaced for a run
  // that cannot write its files.
  Exporter exporter(opts.exports, opts.documents);
  if (const std::string problem = exporter.prepare(); !problem.empty()) return fail(err, problem);
  Units units;
  RunStamp stamp;
  if (int status = 0; !set_up(opts, Console{in, out}, err, routines, exporter, units, stamp, status))
    return status;
  set_interrupt_message("simple-span: interrupted: the report " + units.report_name +
                        (units.report.replaces() ? " is as it was before the run" : " is incomplete") +
                        "; no file is left half-written\n");
  std::string written; // the report's bytes, for the verdicts and documents made at the end
  CopyingBuf copying(units.report.stream().rdbuf(), written);
  std::ostream copied(&copying);
  Report report(exporter.needs_report() ? copied : units.report.stream(), units.report_name,
                Report::kFileBlock);
  DeckReader deck(*units.deck, units.deck_name);
  ProblemState st;
  OutcomeTally tally;
  Run run{st, report, deck};
  run.problem_ended = [&tally](const ProblemOutcome &o) { tally.add(o); };
  if (opts.exports.any() || opts.documents.any())
    run.results_printed = [&exporter](const ProblemState &s) { exporter.results_printed(s); };
  std::string fatal;
  try {
    ParallelOptions parallel;
    parallel.jobs =
        opts.jobs > 0 ? opts.jobs : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    parallel.deck_bytes = units.deck == &units.deck_file   ? file_size(units.deck_name)
                          : units.deck == &units.converted ? units.converted.view().size()
                                                           : 0;
    run_problems_parallel(run, routines, stamp, parallel);
  } catch (const FatalError &e) {
    fatal = e.what(); // the report keeps every line written before the fault
  }
  try {
    report.flush();
  } catch (const FatalError &) { // said by finish()
  }
  // A failed write of the report is said once, by finish(), which leaves the old report in place.
  if (const std::string unwritten = units.report.finish(); !unwritten.empty()) return fail(err, unwritten);
  // The documents show the problems read before a fatal diagnostic too.
  std::string documents;
  if (exporter.needs_report() && exporter.error().empty())
    documents = finish_documents(exporter, opts.documents, written, units.deck_name, stamp);
  if (!fatal.empty()) {
    if (!documents.empty()) fail(err, documents);
    return fail(err, fatal);
  }
  if (!documents.empty()) return fail(err, documents);
  if (!exporter.error().empty()) return fail(err, exporter.error());
  return end_of_run(opts, tally, units.deck_name, err);
}

} // namespace

} // namespace ss
