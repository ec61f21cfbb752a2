#include "export/printed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "report/format.h"

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

void append_cell_f(std::string &out, int d, float value) {
  if (!std::isfinite(value)) return;
  // Fast path, for the thousands of cells of a long run: a float times 10^d (d <= 4) is exact in
  // double (24 + 10 significant bits), so rounding that product half away from zero is the report's
  // rounding of the exact value. Tests hold it equal to format_f.
  static constexpr double kPow10[] = {1, 10, 100, 1000, 10000};
  const double scaled = std::fabs(static_cast<double>(value)) * (d >= 1 && d <= 4 ? kPow10[d] : 0.0);
  if (d < 1 || d > 4 || !(scaled < 1e18)) {
    out += trimmed(format_f(kWide, d, value));
    return;
  }
  const double whole = std::floor(scaled);
  const auto q = static_cast<std::uint64_t>(whole) + (scaled - whole >= 0.5 ? 1u : 0u);
  char digits[24];
  const int n = static_cast<int>(std::to_chars(digits, digits + sizeof digits, q).ptr - digits);
  if (value < 0.0f && q != 0) out += '-'; // a value that rounds to zero prints unsigned
  if (n <= d) { // no digit before the point: a zero there, the decimals padded with zeros
    out += "0.";
    out.append(static_cast<std::size_t>(d - n), '0');
    out.append(digits, static_cast<std::size_t>(n));
  } else {
    out.append(digits, static_cast<std::size_t>(n - d));
    out += '.';
    out.append(digits + n - d, static_cast<std::size_t>(d));
  }
}

std::string cell_f(int d, float value) {
  std::string s;
  append_cell_f(s, d, value);
  return s;
}

void append_cell_i(std::string &out, float value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18f) return;
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr);
}

std::string cell_i(float value) {
  std::string s;
  append_cell_i(s, value);
  return s;
}

} // namespace ss::exporting
