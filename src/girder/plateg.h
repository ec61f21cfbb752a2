// Welded plate girder design or check ("PG", "CG").
#pragma once

#include <cstdint>

#include "run/run.h"

namespace ss {

void PLATEG(Run &run);

} // namespace ss
