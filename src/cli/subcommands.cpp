#include "cli/subcommands.h"

#include "cli/convert.h"

namespace ss {

const std::vector<Subcommand> &subcommands() {
  static const std::vector<Subcommand> all{
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
