// The check of a problem file: the check of the deck it stands for, each finding told in the
// file's terms (its line, and the key of the field whose columns it names).
#pragma once

#include <ostream>

#include "check/check.h"
#include "problem/problem_file.h"

namespace ss {

// Prints the check of `converted` (the deck of the problem file `name`) as print_check does,
// a problem at a time, and returns the check.
DeckCheck check_problem_file(const Converted &converted, const std::string &name, std::ostream &out);

} // namespace ss
