// Exact decimal numbers for carrying a deck field's value to a problem file and back without ever
// going through a float: the text of either side is read into digits and a power of ten.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "deck/layout.h"

namespace ss {

// digits x 10^exponent, with a sign; digits have no leading or trailing zeros ("" is zero).
struct Decimal {
  bool negative = false; // kept for zero too: "-0" reads as a negative zero
  std::string digits;
  long exponent = 0;
};

// The value a numeric deck field denotes (its columns as written, blanks and all), or nothing
// when the field is not a number the run would accept.
std::optional<Decimal> decimal_from_field(std::string_view text, const FieldLayout &f);

// A TOML integer or float literal as written ("1_000", "-2.5e3"); nothing for inf, nan, hex, octal
// and binary, which no deck field holds.
std::optional<Decimal> decimal_from_toml(std::string_view literal);

// The literal a problem file shows: an integer when the value is one, a point otherwise, an
// exponent only for very large or small values.
std::string toml_literal(const Decimal &d, bool integer_field);

// The plainest field text that reads back as the value: implied decimals where the value allows,
// otherwise a point, an exponent only when nothing else fits; nothing when no text of the field's
// width can hold it. Not padded.
std::optional<std::string> field_text_for(const Decimal &d, const FieldLayout &f);

} // namespace ss
