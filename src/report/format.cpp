#include "report/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ss {

namespace {

void stars(char *out, int w) {
  if (w > 0) std::memset(out, '*', static_cast<std::size_t>(w));
}

// The rounded digits of a value, the integer part without leading zeros ("" when it is zero).
struct Digits {
  char text[640];
  int size = 0; // integer digits, the point, then the decimals
};

// Joins the digit string all[0..n) (integer digits then d decimals) into "int.frac".
void join(Digits &out, const char *all, int n, int d) {
  int lead = 0;
  while (lead < n - d && all[lead] == '0') ++lead;
  const int ints = n - d - lead;
  std::memcpy(out.text, all + lead, static_cast<std::size_t>(ints));
  out.text[ints] = '.';
  std::memcpy(out.text + ints + 1, all + (n - d), static_cast<std::size_t>(d));
  out.size = ints + 1 + d;
}

// |v| rounded to d decimals, halves away from zero, from the value's exact decimal expansion.
void rounded_digits(Digits &out, double v, int d) {
  char all[620];
  char buf[560];
  const int d_used = d < 0 ? 0 : (d > 400 ? 400 : d);
  std::snprintf(buf, sizeof buf, "%.*f", d_used + 60, v);
  const char *point = std::strchr(buf, '.');
  const int ints = static_cast<int>(point - buf);
  std::memcpy(all, buf, static_cast<std::size_t>(ints));
  std::memcpy(all + ints, point + 1, static_cast<std::size_t>(d_used));
  int n = ints + d_used;
  if (point[1 + d_used] >= '5') {
    int i = n - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i < 0) {
      std::memmove(all + 1, all, static_cast<std::size_t>(n++));
      all[0] = '1';
    } else {
      ++all[i];
    }
  }
  join(out, all, n, d_used);
}

} // namespace

void put_i(char *out, int w, std::int64_t value) {
  const bool negative = value < 0;
  std::uint64_t q =
      negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  int n = negative ? 2 : 1;
  for (std::uint64_t i = q / 10; i != 0; i /= 10) ++n;
  if (n > w) return stars(out, w);
  char *at = out + w;
  do {
    *--at = static_cast<char>('0' + q % 10);
    q /= 10;
  } while (q != 0);
  if (negative) *--at = '-';
  while (at != out) *--at = ' ';
}

void put_i_trunc(char *out, int w, float value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18f) return stars(out, w);
  put_i(out, w, static_cast<std::int64_t>(value));
}

namespace {

constexpr std::uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Fw.d of a value whose magnitude rounds to q units of the d-th decimal (0 <= d <= 8), written
// from the right straight into the field: the decimals, the point, the integer digits without
// leading zeros, then a leading zero when there is room and the sign.
void put_rounded(char *out, int w, int d, bool negative, std::uint64_t q) {
  std::uint64_t ints = q / kPow10[d];
  int int_digits = 0;
  for (std::uint64_t i = ints; i != 0; i /= 10) ++int_digits;
  const int body = int_digits + 1 + d;
  // A negative value that rounds to zero prints without its sign ("0.0", not "-0.0").
  const int sign = negative && q != 0 ? 1 : 0;
  const bool zero = int_digits == 0 && sign + body < w;
  const int n = sign + (zero ? 1 : 0) + body;
  if (n > w) return stars(out, w);
  char *at = out + w;
  for (int i = 0; i < d; ++i, q /= 10) *--at = static_cast<char>('0' + q % 10);
  *--at = '.';
  for (; ints != 0; ints /= 10) *--at = static_cast<char>('0' + ints % 10);
  if (zero) *--at = '0';
  if (sign) *--at = '-';
  while (at != out) *--at = ' ';
}

} // namespace

void put_f(char *out, int w, int d, float value) {
  if (!std::isfinite(value)) return stars(out, w);
  const double v = std::fabs(static_cast<double>(value));
  // Fast path: a float times 10^d (d <= 8) is exact in double (24 + 27 significant bits), so
  // rounding that product half away from zero is the rounding of the exact value.
  if (d >= 0 && d <= 8 && v * static_cast<double>(kPow10[d]) < 1e15) {
    const double scaled = v * static_cast<double>(kPow10[d]);
    const double whole = std::floor(scaled);
    const auto q = static_cast<std::uint64_t>(whole) + (scaled - whole >= 0.5 ? 1u : 0u);
    return put_rounded(out, w, d, value < 0.0f, q);
  }
  Digits body;
  rounded_digits(body, v, d);
  const char *b = body.text;
  bool nonzero = false;
  for (int i = 0; i < body.size && !nonzero; ++i) nonzero = b[i] != '0' && b[i] != '.';
  const int sign = value < 0.0f && nonzero ? 1 : 0;
  const bool zero = b[0] == '.' && sign + body.size < w;
  const int n = sign + (zero ? 1 : 0) + body.size;
  if (n > w) return stars(out, w);
  char *at = out + (w - n);
  std::memset(out, ' ', static_cast<std::size_t>(w - n));
  if (sign) *at++ = '-';
  if (zero) *at++ = '0';
  std::memcpy(at, b, static_cast<std::size_t>(body.size));
}

namespace {

template <class Put, class... Args> std::string formatted(int w, Put put, Args... args) {
  std::string s(static_cast<std::size_t>(w > 0 ? w : 0), ' ');
  put(s.data(), w, args...);
  return s;
}

} // namespace

std::string format_i(int w, std::int64_t value) { return formatted(w, put_i, value); }

std::string format_i_trunc(int w, float value) { return formatted(w, put_i_trunc, value); }

std::string format_f(int w, int d, float value) { return formatted(w, put_f, d, value); }

} // namespace ss
