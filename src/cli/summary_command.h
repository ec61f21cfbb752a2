// `simple-span summary DECK`: the verdicts of every problem of a deck as an aligned table on
// standard output; no report is written.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ss {

int summary_command(const std::vector<std::string> &operands, std::istream &in, std::ostream &out,
                    std::ostream &err);

} // namespace ss
