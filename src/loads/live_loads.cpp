#include "loads/live_loads.h"

namespace ss {

void live_loads(ProblemState &) {}

} // namespace ss
