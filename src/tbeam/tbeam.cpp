#include "tbeam/tbeam.h"

namespace ss {

void TBEAM(Run &, std::int32_t &status) { status = 0; }

} // namespace ss
