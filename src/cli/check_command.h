// `simple-span check DECK`: the deck read along the run's path, without running it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ss {

// `args` follows the word "check". Returns 0 when nothing is flagged, 1 with warnings, 2 when the
// run would stop with a fatal diagnostic (or the command line is wrong).
int check_command(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace ss
