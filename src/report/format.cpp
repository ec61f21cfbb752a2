#include "report/format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ss {

namespace {

void stars(char *out, int w) {
  if (w > 0) std::memset(out, '*', static_cast<std::size_t>(w));
}

// 10^0 .. 10^19, every power of ten an unsigned 64-bit integer holds.
constexpr std::array<std::uint64_t, 20> kPow10 = [] {
  std::array<std::uint64_t, 20> p{};
  std::uint64_t v = 1;
  for (std::uint64_t &x : p) {
    x = v;
    v *= 10; // wraps after the last, unused
  }
  return p;
}();

// "00", "01", ... "99": two digits per division.
constexpr std::array<char, 200> kPairs = [] {
  std::array<char, 200> p{};
  for (int i = 0; i < 100; ++i) {
    p[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    p[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return p;
}();

// The number of decimal digits of q (1 for 0).
int digit_count(std::uint64_t q) {
  int n = 1;
  while (n < 20 && q >= kPow10[static_cast<std::size_t>(n)]) ++n;
  return n;
}

// The n lowest decimal digits of q, leading zeros included, written to end into the n characters
// before `end`; returns where they start.
template <class U> char *put_digits(char *end, U q, int n) {
  for (; n >= 2; n -= 2) {
    end -= 2;
    std::memcpy(end, kPairs.data() + 2 * (q % 100), 2);
    q /= 100;
  }
  if (n != 0) *--end = static_cast<char>('0' + q % 10);
  return end;
}

char *put_digits(char *end, std::uint64_t q, int n) {
  // 32-bit division is the cheaper, and most fields hold small numbers.
  if (q <= 0xffffffffULL) return put_digits<std::uint32_t>(end, static_cast<std::uint32_t>(q), n);
  return put_digits<std::uint64_t>(end, q, n);
}

// Blanks from out up to at.
void pad(char *out, char *at) { std::memset(out, ' ', static_cast<std::size_t>(at - out)); }

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
  const std::uint64_t q =
      negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const int digits = digit_count(q);
  if ((negative ? 1 : 0) + digits > w) return stars(out, w);
  char *at = put_digits(out + w, q, digits);
  if (negative) *--at = '-';
  pad(out, at);
}

void put_i_trunc(char *out, int w, float value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18f) return stars(out, w);
  put_i(out, w, static_cast<std::int64_t>(value));
}

namespace {

// Fw.d of a value whose magnitude rounds to q units of the d-th decimal (0 <= d <= 8), written
// from the right straight into the field: the decimals, the point, the integer digits without
// leading zeros, then a leading zero when there is room and the sign.
void put_rounded(char *out, int w, int d, bool negative, std::uint64_t q) {
  const std::uint64_t ints = q / kPow10[static_cast<std::size_t>(d)];
  const auto decimals = static_cast<std::uint32_t>(q - ints * kPow10[static_cast<std::size_t>(d)]);
  const int int_digits = ints != 0 ? digit_count(ints) : 0;
  const int body = int_digits + 1 + d;
  // A negative value that rounds to zero prints without its sign ("0.0", not "-0.0").
  const int sign = negative && q != 0 ? 1 : 0;
  const bool zero = int_digits == 0 && sign + body < w;
  const int n = sign + (zero ? 1 : 0) + body;
  if (n > w) return stars(out, w);
  char *at = put_digits<std::uint32_t>(out + w, decimals, d);
  *--at = '.';
  at = put_digits(at, ints, int_digits);
  if (zero) *--at = '0';
  if (sign) *--at = '-';
  pad(out, at);
}

} // namespace

void put_f(char *out, int w, int d, float value) {
  if (!std::isfinite(value)) return stars(out, w);
  const double v = std::fabs(static_cast<double>(value));
  // Fast path: a float times 10^d (d <= 8) is exact in double (24 + 27 significant bits), so
  // rounding that product half away from zero is the rounding of the exact value.
  static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (d >= 0 && d <= 8 && v * kScale[d] < 1e15) {
    const double scaled = v * kScale[d];
    const auto whole = static_cast<std::int64_t>(scaled); // the floor: scaled is not negative
    const auto q = static_cast<std::uint64_t>(whole) + (scaled - static_cast<double>(whole) >= 0.5 ? 1u : 0u);
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
