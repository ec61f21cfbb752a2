// Four values of a float worked at once, lane by lane: every operation on lanes is, in each lane,
// the very operation on one float, so a lane's result is the bit-for-bit result of one trial.
#pragma once

#include <cstdint>

namespace ss {

constexpr int kLanes = 4;
using Lanes = float __attribute__((vector_size(kLanes * sizeof(float))));
using LaneMask = std::int32_t __attribute__((vector_size(kLanes * sizeof(float))));

inline Lanes splat(float v) { return Lanes{v, v, v, v}; }

// Bit k set for a true lane k.
inline int lane_bits(LaneMask m) {
  const LaneMask bits = m & LaneMask{1, 2, 4, 8};
  return (bits[0] | bits[1]) | (bits[2] | bits[3]);
}

// The quotient a / b in each lane, or `none` where b is zero.
inline Lanes ratio_or(Lanes a, Lanes b, float none) { return b == 0.0f ? splat(none) : a / b; }

} // namespace ss
