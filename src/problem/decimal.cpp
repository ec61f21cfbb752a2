#include "problem/decimal.h"

#include <cstdint>

#include "deck/field.h"

namespace ss {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Leading and trailing zeros dropped; zero has no digits and exponent 0.
Decimal normalized(Decimal d) {
  const std::size_t first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) return {d.negative, "", 0};
  d.digits.erase(0, first);
  while (d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.exponent;
  }
  return d;
}

// A signed decimal exponent; nothing when it has no digits or lies beyond any field (|e| > 10^6).
std::optional<long> exponent_of(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i == s.size()) return std::nullopt;
  long e = 0;
  for (; i < s.size(); ++i) {
    if (!is_digit(s[i])) return std::nullopt;
    if (e > 1000000) return std::nullopt;
    e = e * 10 + (s[i] - '0');
  }
  return negative ? -e : e;
}

// Digits and a point, as written; the exponent counts the digits after the point.
struct Mantissa {
  std::string digits;
  long exponent = 0;
  bool point = false;
};

std::optional<Mantissa> mantissa_of(std::string_view s) {
  Mantissa m;
  for (char c : s) {
    if (c == '.') {
      if (m.point) return std::nullopt;
      m.point = true;
    } else if (is_digit(c)) {
      m.digits.push_back(c);
      if (m.point) --m.exponent;
    } else {
      return std::nullopt;
    }
  }
  return m;
}

// A number as written: sign, digits with perhaps a point, perhaps an exponent after one of
// `letters`; the value counts the digits after the point but no implied decimals.
struct Written {
  Decimal value;
  bool point = false;
  bool exponent = false;
};

std::optional<Written> written_number(std::string_view s, const char *letters) {
  Written w;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) w.value.negative = s[i++] == '-';
  const std::size_t e = s.find_first_of(letters, i);
  const auto m = mantissa_of(s.substr(i, e == std::string::npos ? s.npos : e - i));
  if (!m) return std::nullopt;
  w.value.digits = m->digits;
  w.value.exponent = m->exponent;
  w.point = m->point;
  if (e != std::string::npos) {
    const auto x = exponent_of(s.substr(e + 1));
    if (!x) return std::nullopt;
    w.value.exponent += *x;
    w.exponent = true;
  }
  return w;
}

std::string zeros(long n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), '0'); }

// Positional text of digits x 10^exponent with a point ("12.5", "0.05", "300."); `lead` false
// drops the zero before the point (".05").
std::string with_point(const Decimal &d, bool lead) {
  const long n = static_cast<long>(d.digits.size());
  std::string s;
  if (d.exponent >= 0) {
    s = d.digits + zeros(d.exponent) + ".";
  } else if (n + d.exponent > 0) {
    s = d.digits;
    s.insert(static_cast<std::size_t>(n + d.exponent), ".");
  } else {
    s = (lead ? "0." : ".") + zeros(-(n + d.exponent)) + d.digits;
  }
  return (d.negative ? "-" : "") + s;
}

} // namespace

std::optional<Decimal> decimal_from_field(std::string_view text, const FieldLayout &f) {
  std::string s;
  for (char c : text)
    if (c != ' ') s.push_back(c);
  if (f.format == FieldFormat::Integer ? !parse_int(s) : !parse_real(s, f.decimals, f.scale))
    return std::nullopt;
  auto w = written_number(s, "EeDd");
  if (!w) return std::nullopt;
  if (!w->exponent) w->value.exponent -= f.scale;
  if (!w->point) w->value.exponent -= f.decimals;
  w->value.negative = w->value.negative && !w->value.digits.empty(); // a lone sign reads as a plain zero
  return normalized(w->value);
}

std::optional<Decimal> decimal_from_toml(std::string_view literal) {
  std::string s;
  for (char c : literal)
    if (c != '_') s.push_back(c);
  const std::size_t i = !s.empty() && (s[0] == '+' || s[0] == '-');
  if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'o' || s[i + 1] == 'b'))
    return std::nullopt;
  const auto w = written_number(s, "Ee");
  if (!w || w->value.digits.empty()) return std::nullopt;
  return normalized(w->value);
}

std::string toml_literal(const Decimal &d, bool integer_field) {
  const std::string sign = d.negative ? "-" : "";
  if (d.digits.empty()) return integer_field || !d.negative ? "0" : "-0.0";
  const long n = static_cast<long>(d.digits.size());
  if (d.exponent >= 0 && n + d.exponent <= 15) return sign + d.digits + zeros(d.exponent);
  if (d.exponent < 0 && n - d.exponent <= 20) return with_point(d, true);
  std::string s = sign + d.digits.substr(0, 1);
  if (n > 1) s += "." + d.digits.substr(1);
  return s + "e" + std::to_string(d.exponent + n - 1);
}

std::optional<std::string> field_text_for(const Decimal &d, const FieldLayout &f) {
  const auto fits = [&](const std::string &s) { return static_cast<int>(s.size()) <= f.width(); };
  const std::string sign = d.negative ? "-" : "";
  if (f.format == FieldFormat::Integer) {
    if (d.exponent < 0 || d.exponent > f.width()) return std::nullopt;
    const std::string s = d.digits.empty() ? "0" : sign + d.digits + zeros(d.exponent);
    return fits(s) ? std::optional(s) : std::nullopt;
  }
  const long implied = d.exponent + f.decimals + f.scale; // zeros after the digits, no point
  if (d.digits.empty()) return sign + "0";
  if (implied >= 0 && implied <= f.width()) {
    const std::string s = sign + d.digits + zeros(implied);
    if (fits(s)) return s;
  }
  if (d.exponent + f.scale <= f.width() && d.exponent + f.scale >= -f.width()) {
    const Decimal number{d.negative, d.digits, d.exponent + f.scale}; // what the columns show
    for (bool lead : {true, false})
      if (const std::string s = with_point(number, lead); fits(s)) return s;
  }
  const std::string s = sign + d.digits + "E" + std::to_string(d.exponent + f.decimals);
  return fits(s) ? std::optional(s) : std::nullopt;
}

} // namespace ss
