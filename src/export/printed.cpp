#include "export/printed.h"

#include <cmath>

#include "driver/format.h"

namespace ss::exporting {

namespace {

// Wide enough for any finite float with four decimals.
constexpr int kWide = 60;

std::string trimmed(const std::string &field) {
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string::npos || field[start] == '*') return {};
  return field.substr(start);
}

} // namespace

bool has_stress_table(const ProblemState &st) { return st.beam_type >= 1 && st.beam_type <= 5; }

float allowable_stress(const ProblemState &st, int k) {
  const bool rolled = st.beam_type >= 1 && st.beam_type <= 3;
  if (!rolled || st.fs > 0.0f) return st.fs_beam; // never switched
  int first = 11;                                 // first row at or past the bottom plate
  for (int i = 1; i <= 10; ++i) {
    if (st.x[2 * i] >= st.bottom_plate.x_begin) {
      first = i;
      break;
    }
  }
  if (first > 10) return st.fs_beam;
  return k >= first ? st.fs_plated : st.rolled.fs_section;
}

std::string cell_f(int d, float value) {
  if (!std::isfinite(value)) return {};
  return trimmed(format_f(kWide, d, value));
}

std::string cell_i(float value) {
  if (!std::isfinite(value)) return {};
  return trimmed(format_i_trunc(kWide, value));
}

} // namespace ss::exporting
