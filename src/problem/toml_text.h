// Small pieces of TOML text shared by the problem file writer and the templates.
#pragma once

#include <string>
#include <string_view>

#include "deck/layout.h"

namespace ss {

// A basic string with its quotes, control characters escaped.
std::string toml_string(std::string_view s);

// True when `s` is well-formed UTF-8, which a TOML file must be.
bool valid_utf8(std::string_view s);

// The table name of a record in a problem ("span", "tbeam-rows"); the title's keys sit in the
// [[problem]] table itself.
std::string_view record_table(RecordKind kind);

// "[problem.span]", "[[problem.loads]]": the header a record's table has.
std::string table_header(RecordKind kind);

// Record types the run expects (the title records have none): span 1, load record n 20 + n, ...
int expected_record_type(RecordKind kind, int load_number);

} // namespace ss
