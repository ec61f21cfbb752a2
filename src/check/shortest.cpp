#include "check/shortest.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ss::check {

namespace {

// A positive value as significant digits and a decimal exponent: d.ddd times ten to `exponent`.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal from_scientific(const char *s) {
  Decimal d;
  const char *p = s;
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') d.digits.push_back(*p);
  d.exponent = *p ? std::atoi(p + 1) : 0;
  return d;
}

// The next decimal of as many digits (999 steps up to 1000 of one digit fewer).
Decimal next_up(Decimal d) {
  std::size_t i = d.digits.size();
  while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
  if (i > 0) return ++d.digits[i - 1], d;
  d.digits.insert(d.digits.begin(), '1');
  d.digits.pop_back();
  ++d.exponent;
  return d;
}

bool reads_back(const Decimal &d, float v) {
  const std::string text =
      d.digits + "e" + std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
  return std::strtof(text.c_str(), nullptr) == v;
}

// The fewest digits that read back to v (> 0); of those, the closest to v. printf's rounding
// gives the closest decimal of each length; only next to a power of two, where the values that
// read back reach farther above v than below it, can the decimal above it be the one.
Decimal shortest_decimal(float v) {
  char buf[48];
  for (int precision = 1; precision < 9; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, static_cast<double>(v));
    const Decimal d = from_scientific(buf);
    if (reads_back(d, v)) return d;
    if (std::strtod(buf, nullptr) < static_cast<double>(v) && reads_back(next_up(d), v)) return next_up(d);
  }
  std::snprintf(buf, sizeof buf, "%.8e", static_cast<double>(v)); // nine digits always read back
  return from_scientific(buf);
}

// In fixed notation a value past its significant digits is printed exactly, as an integer, not
// padded with zeros (std::to_chars does so).
std::string fixed(const Decimal &d, float v) {
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= n - 1) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(v));
    return buf;
  }
  if (d.exponent >= 0)
    return d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) + "." +
           d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
  return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

std::string scientific(const Decimal &d) {
  std::string s = d.digits.substr(0, 1);
  if (d.digits.size() > 1) s += "." + d.digits.substr(1);
  const int e = std::abs(d.exponent);
  return s + (d.exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
}

} // namespace

std::string shortest_by_printf(float v) {
  const std::string sign = std::signbit(v) ? "-" : "";
  if (std::isnan(v)) return sign + "nan";
  if (std::isinf(v)) return sign + "inf";
  if (v == 0) return sign + "0";
  const Decimal d = shortest_decimal(std::fabs(v));
  const std::string f = fixed(d, std::fabs(v)), s = scientific(d);
  return sign + (f.size() <= s.size() ? f : s);
}

std::string shortest(float v) {
#if defined(__cpp_lib_to_chars)
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
#else
  return shortest_by_printf(v); // a standard library without std::to_chars for float
#endif
}

} // namespace ss::check
