// Fixed-width numeric output: Iw and Fw.d fields, right-aligned, asterisks when the value does
// not fit.
//
// The put_ functions write exactly max(w, 0) characters at `out` and allocate nothing: the line
// builder formats every field straight into its line. The format_ functions return the same
// characters as a string.
#pragma once

#include <cstdint>
#include <string>

namespace ss {

// Iw: the integer right-aligned in w columns; w asterisks when it does not fit.
void put_i(char *out, int w, std::int64_t value);
std::string format_i(int w, std::int64_t value);

// Fw.d: the value rounded to d decimals (halves away from zero), a leading zero only when the
// width leaves room for it, right-aligned in w columns; w asterisks when it does not fit or the
// value is not finite. A negative value that rounds to zero is printed without a sign.
void put_f(char *out, int w, int d, float value);
std::string format_f(int w, int d, float value);

// An integer field printed from a real: the value truncated toward zero (w asterisks when it is
// not finite or out of range).
void put_i_trunc(char *out, int w, float value);
std::string format_i_trunc(int w, float value);

} // namespace ss
