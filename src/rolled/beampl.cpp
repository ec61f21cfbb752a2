#include "rolled/beampl.h"

namespace ss {

void BEAMPL(Run &, std::int32_t &status) { status = 0; }

} // namespace ss
