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

// Right-aligns the n characters of s in w columns (asterisks when they do not fit).
void right(char *out, int w, const char *s, int n) {
  if (n > w) return stars(out, w);
  std::memset(out, ' ', static_cast<std::size_t>(w - n));
  std::memcpy(out + (w - n), s, static_cast<std::size_t>(n));
}

// The decimal digits of q, most significant first, into out; returns their number.
int decimal(char *out, std::uint64_t q) {
  char rev[20];
  int n = 0;
  do {
    rev[n++] = static_cast<char>('0' + q % 10);
    q /= 10;
  } while (q != 0);
  for (int i = 0; i < n; ++i) out[i] = rev[n - 1 - i];
  return n;
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

// |v| rounded to d decimals, halves away from zero.
void rounded_digits(Digits &out, double v, int d) {
  // Fast path: a float times 10^d (d <= 8) is exact in double (24 + 27 significant bits), so
  // rounding that product half away from zero is the rounding of the exact value.
  static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  char all[620];
  if (d >= 0 && d <= 8 && v * kPow10[d] < 1e15) {
    const double scaled = v * kPow10[d];
    const double whole = std::floor(scaled);
    const auto q = static_cast<std::uint64_t>(whole) + (scaled - whole >= 0.5 ? 1u : 0u);
    char q_digits[20];
    const int n = decimal(q_digits, q);
    const int pad = n <= d ? d + 1 - n : 0; // at least one integer digit
    std::memset(all, '0', static_cast<std::size_t>(pad));
    std::memcpy(all + pad, q_digits, static_cast<std::size_t>(n));
    return join(out, all, pad + n, d);
  }
  // Otherwise print the exact decimal expansion of the value and round its digits.
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
  char s[21];
  int n = 0;
  const bool negative = value < 0;
  if (negative) s[n++] = '-';
  const std::uint64_t magnitude =
      negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  n += decimal(s + n, magnitude);
  right(out, w, s, n);
}

void put_i_trunc(char *out, int w, float value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18f) return stars(out, w);
  put_i(out, w, static_cast<std::int64_t>(value));
}

void put_f(char *out, int w, int d, float value) {
  if (!std::isfinite(value)) return stars(out, w);
  Digits body;
  rounded_digits(body, std::fabs(static_cast<double>(value)), d);
  const char *b = body.text;
  // A negative value that rounds to zero prints without its sign ("0.0", not "-0.0").
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
