#include "cli/subcommands.h"

#include "cli/check_command.h"
#include "cli/convert.h"
#include "cli/layout_command.h"
#include "cli/summary_command.h"

namespace ss {

const std::vector<Subcommand> &subcommands() {
  static const std::vector<Subcommand> all{
      {"summary", "print the verdict of every problem of DECK as a table; no report is written",
       summary_command},
      {"check", "read a deck or problem file as the run would and flag what looks wrong",
       [](const std::vector<std::string> &operands, std::istream &, std::ostream &out, std::ostream &err) {
         return check_command(operands, out, err);
       }},
      {"layout", "print the record layouts (all, or the RECORD named) under a column ruler",
       [](const std::vector<std::string> &operands, std::istream &, std::ostream &out, std::ostream &err) {
         return layout_command(operands, out, err);
       }},
      {"convert", "convert a deck to a problem file (TOML) or back", convert_command},
      {"template", "print a problem file of a typical girder of a beam type", template_command},
  };
  return all;
}

const Subcommand *find_subcommand(const std::string &word) {
  for (const Subcommand &s : subcommands())
    if (word == s.name) return &s;
  return nullptr;
}

} // namespace ss
