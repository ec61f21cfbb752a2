// One record's fields and the findings about its text, for the deck check.
#pragma once

#include "check/check.h"
#include "deck/record.h"

namespace ss::check {

// Reads every field of `rec` as `kind` in the reader's order, with findings for tabs, characters
// no field reads, lower-case codes and values outside their plausible range. A field that is not a
// number of its kind ends the list with the fatal diagnostic the run would print; `fatal` is then
// true.
CheckedRecord inspect(const Record &rec, RecordKind kind, bool &fatal);

// The field of `rec` with key `key` (a key of its layout).
const CheckedField &field(const CheckedRecord &rec, std::string_view key);

// A problem's error line as the report prints it: "ERROR   1  PROBLEM NUMBER  S001".
std::string error_line(int code, const std::string &problem_number);

} // namespace ss::check
