#include "report/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace ss {

namespace {

std::string stars(int w) { return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

std::string right(int w, const std::string &s) {
  if (static_cast<int>(s.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// The digits of |v| rounded to d decimals, halves away from zero, as "int.frac" with no
// leading zero before the point ("" when the integer part is zero).
std::string rounded_digits(double v, int d) {
  // Fast path: a float times 10^d (d <= 8) is exact in double (24 + 27 significant bits), so
  // rounding that product half away from zero is the rounding of the exact value.
  static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (d >= 0 && d <= 8 && v * kPow10[d] < 1e15) {
    const double scaled = v * kPow10[d];
    const double whole = std::floor(scaled);
    const auto q = static_cast<std::uint64_t>(whole) + (scaled - whole >= 0.5 ? 1u : 0u);
    std::string digits = std::to_string(q);
    if (digits.size() <= static_cast<std::size_t>(d))
      digits.insert(0, static_cast<std::size_t>(d) - digits.size() + 1, '0');
    std::string int_part = digits.substr(0, digits.size() - static_cast<std::size_t>(d));
    if (int_part == "0") int_part.clear();
    return int_part + "." + digits.substr(digits.size() - static_cast<std::size_t>(d));
  }
  // Otherwise print the exact decimal expansion of the value and round its digits.
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", d + 60, v);
  std::string s(buf);
  const std::size_t point = s.find('.');
  std::string ip = s.substr(0, point);
  std::string fp = s.substr(point + 1);
  const bool up = fp[static_cast<std::size_t>(d)] >= '5';
  std::string digits = ip + fp.substr(0, static_cast<std::size_t>(d));
  if (up) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[static_cast<std::size_t>(i)];
  }
  std::string int_part = digits.substr(0, digits.size() - static_cast<std::size_t>(d));
  const std::string frac = digits.substr(digits.size() - static_cast<std::size_t>(d));
  const std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "" : int_part.substr(nz);
  return int_part + "." + frac;
}

} // namespace

std::string format_i(int w, std::int64_t value) { return right(w, std::to_string(value)); }

std::string format_i_trunc(int w, float value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18f) return stars(w);
  return format_i(w, static_cast<std::int64_t>(value));
}

std::string format_f(int w, int d, float value) {
  if (!std::isfinite(value)) return stars(w);
  std::string body = rounded_digits(std::fabs(static_cast<double>(value)), d);
  // A negative value that rounds to zero prints without its sign ("0.0", not "-0.0").
  const bool negative = value < 0.0f && body.find_first_not_of("0.") != std::string::npos;
  const std::string sign = negative ? "-" : "";
  if (body[0] == '.' && static_cast<int>(sign.size() + body.size()) < w) body = "0" + body;
  return right(w, sign + body);
}

} // namespace ss
