// Real-to-integer conversion of the rolled design: truncation toward zero, held inside the 32-bit
// range so that a value a deck blows up (a span given with an exponent) cannot overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace ss {

inline std::int32_t trunc_i32(float v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (v < -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// The quotient a / b, or `none` when b is zero (a section without area or inertia).
inline float ratio_or(float a, float b, float none) { return b == 0.0f ? none : a / b; }

} // namespace ss
