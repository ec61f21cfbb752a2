#include "tbeam/bar_table.h"

#include <array>

namespace ss::tbeam {

namespace {

// Indexed by the size number; index 0 is no size.
constexpr std::array<Bar, 19> kBars{{
    {0.0f, 0.0f, 0.0f},      // 0
    {0.0f, 0.0f, 0.0f},      // 1
    {0.05f, 0.25f, 0.786f},  // 2
    {0.11f, 0.375f, 1.178f}, // 3
    {0.20f, 0.5f, 1.571f},   // 4
    {0.31f, 0.625f, 1.963f}, // 5
    {0.44f, 0.75f, 2.356f},  // 6
    {0.60f, 0.875f, 2.749f}, // 7
    {0.79f, 1.0f, 3.142f},   // 8
    {1.00f, 1.128f, 3.544f}, // 9
    {1.27f, 1.27f, 3.99f},   // 10
    {1.56f, 1.41f, 4.43f},   // 11
    {0.0f, 0.0f, 0.0f},      // 12
    {0.0f, 0.0f, 0.0f},      // 13
    {2.25f, 1.693f, 5.32f},  // 14
    {0.0f, 0.0f, 0.0f},      // 15
    {0.0f, 0.0f, 0.0f},      // 16
    {0.0f, 0.0f, 0.0f},      // 17
    {4.00f, 2.257f, 7.09f},  // 18
}};

} // namespace

Bar bar(std::int32_t size) {
  if (size < 0 || size >= static_cast<std::int32_t>(kBars.size())) return {};
  return kBars[static_cast<std::size_t>(size)];
}

bool bar_exists(std::int32_t size) { return bar(size).area > 0.0f; }

} // namespace ss::tbeam
