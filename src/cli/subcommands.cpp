#include "cli/subcommands.h"

#include "cli/summary_command.h"

namespace ss {

const std::vector<Subcommand> &subcommands() {
  static const std::vector<Subcommand> all{
      {"summary", "print the verdict of every problem of DECK as a table; no report is written",
       summary_command},
  };
  return all;
}

const Subcommand *find_subcommand(const std::string &word) {
  for (const Subcommand &s : subcommands())
    if (word == s.name) return &s;
  return nullptr;
}

} // namespace ss
