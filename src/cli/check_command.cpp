#include "cli/check_command.h"

#include <fstream>

#include "check/problem_check.h"
#include "cli/convert.h"

namespace ss {

namespace {

constexpr const char *kCheckUsage =
    "usage: simple-span check DECK\n"
    "\n"
    "Reads DECK along the path the run would take and prints, per problem and record, each field:\n"
    "its name, columns, format, the text found, the value read and its unit. Flags values outside\n"
    "their plausible range, characters in columns no field reads, tabs, lower-case codes, records\n"
    "no problem reads, the error lines the run would print and why, and the fatal diagnostic that\n"
    "would stop it. Writes no file.\n"
    "\n"
    "A problem file (DECK.toml) is checked as the deck it stands for: lines are the file's, and a\n"
    "finding about a field names its key.\n"
    "\n"
    "Exit status: 0 nothing flagged, 1 warnings, 2 the run would stop with a fatal diagnostic.\n"
    "'simple-span layout' prints the record layouts.\n";

int check_toml(std::istream &file, const std::string &name, std::ostream &out, std::ostream &err) {
  const Converted c = problem_file_deck(file, name);
  if (!c.ok()) return err << "simple-span check: " << c.error << "\n", 2;
  return check_problem_file(c, name, out).exit_status();
}

} // namespace

int check_command(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  if (args.size() == 1 && args[0] == "--help") return out << kCheckUsage, 0;
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    return err << "simple-span check: give one deck. Try 'simple-span check --help'\n", 2;
  std::ifstream in(args[0], std::ios::binary);
  if (!in) return err << "simple-span check: cannot open " << args[0] << "\n", 2;
  if (is_problem_file_name(args[0])) return check_toml(in, args[0], out, err);
  // Each problem is printed as soon as it is read, so a long deck is checked in little memory.
  const DeckCheck check = check_deck(in, args[0], [&out](const CheckedProblem &p) { print_problem(out, p); });
  print_summary(out, check);
  return check.exit_status();
}

} // namespace ss
