// Numeric and text fields of fixed-column deck records.
//
// A field is the columns its width covers; a record shorter than that reads as if padded with
// blanks. Blanks anywhere in a numeric field are ignored and an all-blank field reads as zero. A
// real field without a decimal point has d implied decimals; a written point overrides them; an
// exponent (E or D and a signed integer) may follow the digits. The value is the decimal number
// the field denotes, rounded once to the nearest float.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/word.h"

namespace ss {

// The columns col..col+w-1 (1-based) of a record, blanks where the record is shorter.
std::string field_text(std::string_view record, int col, int w);

// Parse a field's text; std::nullopt when it is not a number of that kind.
std::optional<std::int32_t> parse_int(std::string_view text);
// `scale` divides the value by 10^scale when no exponent is written (the WG field).
std::optional<float> parse_real(std::string_view text, int d, int scale = 0);

// An: n characters into a 4-character word, padded with blanks.
Word parse_word(std::string_view record, int col, int n);

} // namespace ss
