#include "deflection/deflection.h"

namespace ss {

void LLDEFL(ProblemState &) {}
void DLSELF(ProblemState &) {}

} // namespace ss
