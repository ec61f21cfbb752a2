// The commands named by the first word of the command line (`simple-span check DECK`, ...): each
// takes the words after its name and the console streams, and returns the exit status.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ss {

struct Subcommand {
  const char *name;
  const char *summary; // one line for --help
  int (*run)(const std::vector<std::string> &operands, std::istream &in, std::ostream &out,
             std::ostream &err);
};

// The subcommand called `word`, or nullptr.
const Subcommand *find_subcommand(const std::string &word);

// Every subcommand, in the order --help lists them.
const std::vector<Subcommand> &subcommands();

} // namespace ss
