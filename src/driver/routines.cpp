#include "driver/driver.h"
#include "girder/plateg.h"
#include "loads/live_loads.h"
#include "rolled/beampl.h"
#include "tbeam/tbeam.h"

namespace ss {

DesignRoutines program_routines() { return {live_loads, BEAMPL, PLATEG, TBEAM}; }

} // namespace ss
