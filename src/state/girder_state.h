// Working values of the girder design, kept in the problem state because several of its steps and
// the results tables read them.
#pragma once

#include <array>
#include <cstdint>

namespace ss {

struct GirderState {};

} // namespace ss
