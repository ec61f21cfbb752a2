// The records the driver reads: each parser stores the fields into the problem state and returns
// the record-type number for the driver to check (after the echo).
#pragma once

#include <array>
#include <cstdint>

#include "deck/record.h"
#include "state/problem_state.h"

namespace ss {

// Title record: problem number (columns 5-8) and the 60-character title (columns 9-68).
void read_title(const Record &rec, ProblemState &st);

// Span record; returns its record type (column 1).
std::int32_t read_span(const Record &rec, ProblemState &st);

// Concentrated-load record n (1-based) as read: its type and the four X, P pairs.
struct LoadRecord {
  std::int32_t type = 0;
  std::array<float, 8> values{}; // X1, P1, X2, P2, X3, P3, X4, P4 (ft, kips)
};
// Reads record n and stores the loads 4n-3..4n that fit among the 40 held.
LoadRecord read_load_record(const Record &rec, std::int32_t n, ProblemState &st);

// Section record; returns its record type.
std::int32_t read_section_record(const Record &rec, ProblemState &st);

// Slab and cover-plate record; returns its record type.
std::int32_t read_slab_record(const Record &rec, ProblemState &st);

} // namespace ss
