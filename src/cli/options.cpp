#include "cli/options.h"

#include "cli/subcommands.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace ss {

namespace {

constexpr const char *kUsage =
    "usage: simple-span [DECK REPORT [--overwrite]] [--csv DIR] [--plot DIR] [--pdf FILE]\n"
    "                   [--html FILE]\n"
    "\n"
    "Reads the input deck DECK and writes the report REPORT. Without the two names the program\n"
    "asks for them on the console. An existing REPORT is replaced only with --overwrite or when\n"
    "the answer to the overwrite question is Y.\n"
    "\n"
    "  --overwrite  replace an existing report without asking\n"
    "  --csv DIR    also write DIR/<problem number>.csv: the results tables of every design as CSV,\n"
    "               and DIR/summary.csv: the verdict of every problem\n"
    "  --plot DIR   also write DIR/<problem number>.svg: moment, shear and deflection diagrams and\n"
    "               a sketch of the section, one page per design\n"
    "  --pdf FILE   also write FILE: the verdicts of every problem, then each problem's report\n"
    "               pages and its diagram pages, with a bookmark per problem\n"
    "  --html FILE  also write FILE: the same as one self-contained web page\n"
    "  --help       print this text\n"
    "  --version    print the version\n"
    "\n"
    "A directory given to --csv or --plot is created when it does not exist. A problem number met\n"
    "again (section alternatives, repeated numbers) gets -2, -3, ... in its file names.\n"
    "\n"
    "SOURCE_DATE_EPOCH, when set, gives the run date and time (UTC) printed in the report.\n";

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
  return inv;
}

} // namespace ss
