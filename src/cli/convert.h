// simple-span convert IN OUT: a deck to a problem file or a problem file to a deck.
// simple-span template TYPE [design|analysis]: a commented problem file of a typical girder.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "problem/problem_file.h"

namespace ss {

int convert_command(const std::vector<std::string> &operands, std::istream &in, std::ostream &out,
                    std::ostream &err);

int template_command(const std::vector<std::string> &operands, std::istream &in, std::ostream &out,
                     std::ostream &err);

} // namespace ss

namespace ss {

// The deck of the problem file read from `file` (named `name`), or the message of why it is not
// one. A run of a problem file reads this deck.
Converted problem_file_deck(std::istream &file, const std::string &name);

} // namespace ss
