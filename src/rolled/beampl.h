// Rolled beam design or check ("RB", "RP", "CB").
#pragma once

#include <cstdint>

#include "run/run.h"

namespace ss {

void BEAMPL(Run &run, std::int32_t &status);

} // namespace ss
