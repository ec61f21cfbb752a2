#include "cli/options.h"

#include "cli/subcommands.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace ss {

namespace {

constexpr const char *kUsage =
    "usage: simple-span [DECK REPORT [--overwrite]] [--csv DIR] [--plot DIR] [--pdf FILE]\n"
    "                   [--html FILE] [--strict] [--quiet] [--jobs N]\n"
    "\n"
    "Reads the input deck DECK and writes the report REPORT. Without the two names the program\n"
    "asks for them on the console. An existing REPORT is replaced only with --overwrite or when\n"
    "the answer to the overwrite question is Y, and never when it is the deck itself. The report\n"
    "is written under a temporary name and renamed when the run ends, so an interrupted or failed\n"
    "run leaves the previous REPORT as it was. \"-\" as DECK reads standard input, as REPORT\n"
    "writes standard output. A DECK named NAME.toml is a problem file (TOML), converted to a deck\n"
    "as it is read (simple-span convert --help).\n"
    "\n"
    "  --overwrite  replace an existing report (and files in the --csv and --plot directories)\n"
    "               without asking\n"
    "  --csv DIR    also write DIR/<problem number>.csv: the results tables of every design as CSV,\n"
    "               and DIR/summary.csv: the verdict of every problem\n"
    "  --plot DIR   also write DIR/<problem number>.svg: moment, shear and deflection diagrams and\n"
    "               a sketch of the section, one page per design\n"
    "  --pdf FILE   also write FILE: the verdicts of every problem, then each problem's report\n"
    "               pages and its diagram pages, with a bookmark per problem\n"
    "  --html FILE  also write FILE: the same as one self-contained web page\n"
    "  --strict     exit status 3 when a problem ends in an error or unavailable line, or the\n"
    "               deck holds no problem\n"
    "  --quiet      no line on standard error at the end of a run in which a problem did not\n"
    "               complete\n"
    "  --jobs N     run the problems on N threads (default: one per core); the report and the files\n"
    "               are those of a run on one thread\n"
    "  --help       print this text\n"
    "  --version    print the version\n"
    "\n"
    "A directory given to --csv or --plot is created when it does not exist; a file in it is\n"
    "replaced only with the report's consent. A problem number met again (section alternatives,\n"
    "repeated numbers) gets -2, -3, ... in its file names.\n"
    "\n"
    "SOURCE_DATE_EPOCH, when set, gives the run date and time (UTC) printed in the report: a plain\n"
    "non-negative decimal number of seconds, anything else is refused.\n"
    "\n"
    "Exit status: 0 at the end of the deck, 1 after a diagnostic (a file that cannot be read or\n"
    "written, a malformed field), 2 for a wrong command line, 3 with --strict when a problem did\n"
    "not complete or the deck held no problem. A run stopped by SIGINT, SIGTERM or SIGHUP ends by\n"
    "that signal.\n";

// CLI11's message for a missing option value names the value's type; say it in words.
std::string usage_message(const CLI::ParseError &e) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ArgumentMismatch *>(&e)) {
    const std::size_t colon = what.find(':');
    const std::string option = what.substr(0, colon);
    if (option == "--csv" || option == "--plot") return option + " needs a directory";
    if (option == "--pdf" || option == "--html") return option + " needs a file name";
    return option + " needs a value";
  }
  if (dynamic_cast<const CLI::ConversionError *>(&e) && what.find(": --") != std::string::npos) {
    const std::size_t from = what.find(": --") + 2;
    return what.substr(from, what.find(' ', from) - from) + " takes no value";
  }
  if (dynamic_cast<const CLI::ExtrasError *>(&e)) return "unknown option " + what.substr(what.find(':') + 2);
  return what;
}

} // namespace

std::string usage_text() {
  std::string text = kUsage;
  if (subcommands().empty()) return text;
  text += "\nCommands (simple-span COMMAND --help for each):\n";
  for (const Subcommand &s : subcommands()) {
    std::string name = s.name;
    name.resize(std::max<std::size_t>(name.size() + 2, 11), ' ');
    text += "  " + name + s.summary + "\n";
  }
  return text;
}

std::variant<Invocation, UsageError> parse_args(const std::vector<std::string> &args) {
  Invocation inv;
  if (!args.empty() && find_subcommand(args[0])) {
    inv.command = Invocation::Command::Subcommand;
    inv.subcommand = args[0];
    inv.operands.assign(args.begin() + 1, args.end());
    return inv;
  }
  CLI::App app{"", "simple-span"};
  app.set_help_flag();
  bool help = false, version = false;
  app.add_flag("--help", help);
  app.add_flag("--version", version);
  RunOptions &run = inv.run;
  app.add_flag("--overwrite", run.overwrite);
  app.add_flag("--strict", run.strict);
  app.add_flag("--quiet", run.quiet);
  std::string jobs;
  app.add_option("--jobs", jobs)->type_name("N");
  app.add_option("--csv", run.exports.csv_dir)->type_name("DIR");
  app.add_option("--plot", run.exports.plot_dir)->type_name("DIR");
  app.add_option("--pdf", run.documents.pdf_file)->type_name("FILE");
  app.add_option("--html", run.documents.html_file)->type_name("FILE");
  app.add_option("names", run.names);
  try {
    app.parse(std::vector<std::string>(args.rbegin(), args.rend())); // CLI11 takes them in reverse
  } catch (const CLI::ParseError &e) {
    return UsageError{usage_message(e)};
  }
  if (help) return inv.command = Invocation::Command::Help, inv;
  if (version) return inv.command = Invocation::Command::Version, inv;
  if (run.names.size() == 1) return UsageError{"a report name is needed after the deck " + run.names[0]};
  if (run.names.size() > 2)
    return UsageError{"one deck and one report, not " + std::to_string(run.names.size()) + " names"};
  if (run.overwrite && run.names.empty())
    return UsageError{"--overwrite goes with the two names DECK REPORT"};
  if (app.count("--csv") && run.exports.csv_dir.empty()) return UsageError{"--csv needs a directory"};
  if (app.count("--plot") && run.exports.plot_dir.empty()) return UsageError{"--plot needs a directory"};
  if (app.count("--pdf") && run.documents.pdf_file.empty()) return UsageError{"--pdf needs a file name"};
  if (app.count("--html") && run.documents.html_file.empty()) return UsageError{"--html needs a file name"};
  if (app.count("--jobs")) {
    const bool digits =
        !jobs.empty() && jobs.size() <= 3 && jobs.find_first_not_of("0123456789") == std::string::npos;
    run.jobs = digits ? std::stoi(jobs) : 0;
    if (run.jobs < 1 || run.jobs > 256) return UsageError{"--jobs needs a number of threads from 1 to 256"};
  }
  return inv;
}

} // namespace ss
