// The whole program behind main: arguments, dialogue, problem loop, diagnostics, exit status.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace ss {

// `args` excludes the program name. Returns the exit status: 0 at the end of the deck (or when
// the dialogue ends the run), 1 after a diagnostic on `err`, 2 for a wrong command line, 3 with
// --strict when a problem did not complete or the deck held no problem.
int simple_span_main(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                     std::ostream &err, const DesignRoutines &routines);

} // namespace ss
