// A float printed in the fewest significant digits that read back to it, fixed or scientific
// notation, whichever is shorter ("0.25", "1e+05", "-3.5e-07"): the check prints every value
// read this way. std::to_chars gives it where the standard library has it for float; the other
// path, through the C library's correctly rounded printf and strtof, gives the same text.
#pragma once

#include <string>

namespace ss::check {

std::string shortest(float v);

// The path through printf and strtof, exposed so that it can be compared with std::to_chars.
std::string shortest_by_printf(float v);

} // namespace ss::check
