#include "cli/export_check.h"

#include <filesystem>
#include <memory>
#include <streambuf>

#include "state/fatal.h"

namespace ss {

namespace fs = std::filesystem;

namespace {

// Accepts everything and keeps nothing.
class NullBuffer : public std::streambuf {
protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

// Whether `dir` holds any file named *`ext`: without one nothing there can be replaced.
bool holds(const std::string &dir, const char *ext) {
  std::error_code ec;
  if (dir.empty()) return false;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ext) return true;
  return false;
}

struct Refused {};

} // namespace

std::string first_refused_file(const Exporter &exporter, const ExportOptions &options, Units &units,
                               const DesignRoutines &routines) {
  if (!holds(options.csv_dir, ".csv") && !holds(options.plot_dir, ".svg")) return {};
  // The deck is read twice: only a file (or a problem file's deck) can be; the console cannot.
  std::error_code ec;
  std::istream *source = units.deck == &units.converted ? &units.converted : nullptr;
  if (units.deck == &units.deck_file && fs::is_regular_file(units.deck_name, ec)) source = &units.deck_file;
  if (!source) return {};
  NullBuffer null;
  std::ostream sink(&null);
  Report report(sink, units.report_name);
  DeckReader deck(*source, units.deck_name);
  auto st = std::make_unique<ProblemState>();
  Run run{*st, report, deck};
  Exporter planner(options);
  std::string refusal;
  run.results_printed = [&](const ProblemState &s) {
    for (const std::string &file : planner.claim_files(s.problem_number))
      if (refusal = exporter.refusal(file); !refusal.empty()) throw Refused{};
  };
  try {
    run_problems(run, routines, {"01-JAN-70", "00:00:00"});
  } catch (const FatalError &) { // the run itself stops there too
  } catch (const Refused &) {
  }
  source->clear();
  source->seekg(0);
  return refusal;
}

} // namespace ss
