// Problem files: a deck written as TOML, one [[problem]] table per problem in deck order, each
// record a table whose keys are the field keys of the layout table. Both directions are functions
// over strings, so that any front end (the command line, a web page) can call them.
//
// The deck stays the program's own format: a deck converted to a problem file and back gives the
// same report, and so does running the problem file directly. Values travel as the decimal the
// field denotes, never through a float. Records the run passes over (before the first title,
// after an error, after a problem's last record) are kept as text, and record types and codes the
// run rejects are kept as written, so any deck that runs without a fatal diagnostic survives.
#pragma once

#include <string>
#include <vector>

namespace ss {

struct Converted {
  std::string text;  // the converted file
  std::string error; // "FILE:LINE:COLUMN: what is wrong"; empty when the conversion succeeded
  // From a problem file: for each line of the deck, the line of the table (or passed-over text)
  // it was written from.
  std::vector<long> source_lines;
  bool ok() const { return error.empty(); }
};

// The problem file of a deck; an error names the deck's line and column of a field that is not a
// number (the run would stop there) or of text a problem file cannot hold (not UTF-8).
Converted problem_file_from_deck(const std::string &deck, const std::string &deck_name);

// The deck of a problem file, in the plainest field text that reads back to each value. Unknown
// keys, values of the wrong type, values no field of their width can hold and tables the run
// would miss or not read are errors naming the file, line and column.
Converted deck_from_problem_file(const std::string &text, const std::string &file_name);

// True for a file name that names a problem file (it ends in ".toml").
bool is_problem_file_name(const std::string &name);

} // namespace ss
