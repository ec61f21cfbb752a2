// Working values of the rolled design, kept in the problem state because several of its steps and
// the results tables read them.
#pragma once

#include <array>
#include <cstdint>

namespace ss {

struct RolledState {};

} // namespace ss
