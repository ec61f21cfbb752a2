#include "deck/field.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ss {

std::string field_text(std::string_view record, int col, int w) {
  std::string out(static_cast<std::size_t>(w), ' ');
  for (int i = 0; i < w; ++i) {
    const std::size_t at = static_cast<std::size_t>(col - 1 + i);
    if (at < record.size()) out[static_cast<std::size_t>(i)] = record[at];
  }
  return out;
}

namespace {

std::string without_blanks(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ') s.push_back(c);
  return s;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The digits of a decimal read so far as an integer and the number of them after the point, while
// the integer is a float exactly. Times or over a power of ten that is a float exactly (up to
// 1E10), it is then the decimal's value in one rounded float operation, the rounding strtof makes.
class ShortDecimal {
public:
  void add(char digit, bool after_point) {
    if (digits_ > kMax) return;
    digits_ = digits_ * 10 + static_cast<std::uint32_t>(digit - '0');
    if (after_point) ++decimals_;
  }
  // The value times 10^exponent, when it takes one exact operation.
  std::optional<float> value(long exponent) const {
    static constexpr float kPow10[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const long k = exponent - decimals_;
    if (digits_ > kMax || k < -10 || k > 10) return std::nullopt;
    const auto m = static_cast<float>(digits_);
    return k >= 0 ? m * kPow10[k] : m / kPow10[-k];
  }

private:
  static constexpr std::uint32_t kMax = std::uint32_t{1} << 24; // every integer up to it is a float
  std::uint32_t digits_ = 0;
  long decimals_ = 0;
};

} // namespace

std::optional<std::int32_t> parse_int(std::string_view text) {
  const std::string s = without_blanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::int64_t v = 0;
  for (; i < s.size(); ++i) {
    if (!is_digit(s[i])) return std::nullopt;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::optional<float> parse_real(std::string_view text, int d, int scale) {
  const std::string s = without_blanks(text);
  std::size_t i = 0;
  std::string mantissa;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) mantissa.push_back(s[i++]);
  bool point = false, digits = false;
  ShortDecimal exact;
  for (; i < s.size() && (is_digit(s[i]) || s[i] == '.'); ++i) {
    if (s[i] == '.') {
      if (point) return std::nullopt;
      point = true;
    } else {
      digits = true;
      exact.add(s[i], point);
    }
    mantissa.push_back(s[i]);
  }
  long exponent = 0;
  bool has_exponent = false;
  if (i < s.size()) {
    if (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd') return std::nullopt;
    ++i;
    const auto e = parse_int(std::string_view(s).substr(i));
    if (!e || !is_digit(s.back())) return std::nullopt; // "1E" and "1E-" have no exponent digits
    exponent = *e;
    has_exponent = true;
  }
  if (!digits) {
    if (has_exponent) return std::nullopt;
    return 0.0f; // blank, or a lone sign or point
  }
  if (!point) exponent -= d;
  if (!has_exponent) exponent -= scale;
  // One rounding: a short decimal in one float operation, any other the exact string by strtof.
  if (const std::optional<float> v = exact.value(exponent)) return mantissa[0] == '-' ? -*v : *v;
  const std::string decimal = mantissa + "e" + std::to_string(exponent);
  errno = 0;
  const float v = std::strtof(decimal.c_str(), nullptr);
  if (!std::isfinite(v) || (errno == ERANGE && v != 0.0f && std::fabs(v) >= 1.0f)) return std::nullopt;
  return v;
}

Word parse_word(std::string_view record, int col, int n) { return make_word(field_text(record, col, n)); }

} // namespace ss
