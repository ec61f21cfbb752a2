// Concrete T-beam design and resisting moments ("TB", "RM").
#pragma once

#include <cstdint>

#include "run/run.h"

namespace ss {

void TBEAM(Run &run, std::int32_t &status);

} // namespace ss
