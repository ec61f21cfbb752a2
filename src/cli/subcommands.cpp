#include "cli/subcommands.h"

namespace ss {

const std::vector<Subcommand> &subcommands() {
  static const std::vector<Subcommand> all{};
  return all;
}

const Subcommand *find_subcommand(const std::string &word) {
  for (const Subcommand &s : subcommands())
    if (word == s.name) return &s;
  return nullptr;
}

} // namespace ss
