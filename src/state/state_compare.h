// Comparing two problem states member by member, bit for bit: the problem state and every
// design state it holds, down to each element of each array. A float compares by its bits, so
// 0 and -0 differ, and so do two NaNs of different payloads: two states that compare equal make
// every later computation take the same path.
#pragma once

#include <string>

#include "state/problem_state.h"

namespace ss {

// The path of the first member whose bits differ ("rolled.steel[2].inertia"), empty when none.
std::string state_difference(const ProblemState &a, const ProblemState &b);

// The same between two problems, over what the next problem can read before writing it: every
// member but those that each problem writes before it reads them (listed in the definition).
std::string carried_difference(const ProblemState &a, const ProblemState &b);

} // namespace ss
