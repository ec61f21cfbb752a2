// The reinforcing bar table: area, diameter and perimeter by bar size number.
#pragma once

#include <cstdint>

namespace ss::tbeam {

struct Bar {
  float area = 0;      // sq in
  float diameter = 0;  // in
  float perimeter = 0; // in
};

// The bar of size 1..18; sizes without a bar (1, 12, 13, 15, 16, 17) and sizes outside 1..18 give
// zeros.
Bar bar(std::int32_t size);

// True for the sizes the table holds a bar for: 2 to 11, 14 and 18.
bool bar_exists(std::int32_t size);

} // namespace ss::tbeam
