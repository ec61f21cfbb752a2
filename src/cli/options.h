// The command line as data: what the user asked for, or why the words do not make a command.
// Parsed from plain strings so that tests need no streams or files.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "export/export.h"

namespace ss {

// A run of a deck: `simple-span [DECK REPORT] [options]`.
struct RunOptions {
  std::vector<std::string> names; // DECK and REPORT, or none for the console dialogue
  bool overwrite = false;         // replace an existing report without asking
  ExportOptions exports;          // --csv and --plot directories
  DocumentOptions documents;      // --pdf and --html files
};

// One of the program's commands, named by the first argument; a deck run when it names none.
struct Invocation {
  enum class Command { Run, Help, Version, Subcommand };
  Command command = Command::Run;
  RunOptions run;                    // for Run
  std::string subcommand;            // for Subcommand: its name
  std::vector<std::string> operands; // for Subcommand: the arguments after its name
};

// A command line that names no command: the message says what is wrong (no usage text).
struct UsageError {
  std::string message;
};

std::variant<Invocation, UsageError> parse_args(const std::vector<std::string> &args);

// The text of --help: the usage and the subcommands.
std::string usage_text();

} // namespace ss
