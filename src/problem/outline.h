// The records of a deck sorted as the run reads them: which records make each problem (title,
// continuations, span, loads, section, slab, T-beam records) and which the run passes over (before
// the first title, after an error, after a problem's last record). The decisions are the driver's
// and the T-beam reader's, made on the same fields, so a deck and its outline always agree.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "deck/layout.h"
#include "deck/record.h"

namespace ss {

struct OutlineRecord {
  RecordKind kind;
  Record record;
};

struct OutlineProblem {
  std::vector<OutlineRecord> records; // in deck order, the title first
  std::vector<Record> passed_over;    // after the last record the run reads, up to the next title
  std::optional<RecordKind> pending;  // the record the run still wanted when the deck ended
};

// A field that is not a number: the run would stop there with a fatal diagnostic.
struct OutlineError {
  long line = 0;
  int column = 0;
  std::string message;
  int problem = -1;                    // the problem being read, counting from 0
  RecordKind kind = RecordKind::Title; // the record being read
};

struct DeckOutline {
  std::vector<Record> leading; // before the first title record
  std::vector<OutlineProblem> problems;
  std::optional<OutlineError> error; // the outline ends there
};

DeckOutline outline_deck(const std::string &deck);

// The number of a numeric field, or OutlineError naming its line and columns.
std::int32_t outline_int(const Record &rec, const FieldLayout &f);
float outline_real(const Record &rec, const FieldLayout &f);

} // namespace ss
