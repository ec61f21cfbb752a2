#include "problem/outline.h"

#include <sstream>

#include "deck/deck_reader.h"
#include "deck/field.h"
#include "state/word.h"

namespace ss {

std::int32_t outline_int(const Record &rec, const FieldLayout &f) {
  if (const auto v = parse_int(rec.text(f))) return *v;
  throw OutlineError{rec.line(), f.first, std::string(f.key) + " is not a whole number"};
}

float outline_real(const Record &rec, const FieldLayout &f) {
  if (const auto v = parse_real(rec.text(f), f.decimals, f.scale)) return *v;
  throw OutlineError{rec.line(), f.first, std::string(f.key) + " is not a number"};
}

namespace {

// Reads the records of one problem as the driver does, from the title record at `next`.
class ProblemReader {
public:
  ProblemReader(const std::vector<Record> &records, std::size_t &next, OutlineProblem &p)
      : records_(records), next_(next), p_(p) {}

  void read() {
    const std::optional<Record> title = take(RecordKind::Title);
    if (title->text(2, 3) != "B04") return;
    std::optional<Record> last = title;
    while (last->text(65, 4) == "CONT") {
      last = take(RecordKind::Continuation);
      if (!last || last->column(1) != '*') return;
    }
    const std::optional<Record> span = take(RecordKind::Span);
    if (!span || outline_int(*span, layout_field(RecordKind::Span, "record_type")) != 1) return;
    Word code = span->a(layout_field(RecordKind::Span, "beam_type"));
    if (outline_real(*span, layout_field(RecordKind::Span, "length")) <= 0.0f ||
        outline_real(*span, layout_field(RecordKind::Span, "dfm")) <= 0.0f)
      code = make_word("RM");
    if (word_is(code, "RM")) return tbeam();
    if (!loads(outline_int(*span, layout_field(RecordKind::Span, "npl")))) return;
    const Word live = span->a(layout_field(RecordKind::Span, "class_code"));
    if (!word_is(live, "H") && !word_is(live, "HS") && !word_is(live, "RR")) return;
    if (word_is(code, "TB")) return tbeam();
    const bool rb = word_is(code, "RB");
    if (!rb && !word_is(code, "RP") && !word_is(code, "CB") && !word_is(code, "PG") && !word_is(code, "CG"))
      return;
    const std::optional<Record> section = take(RecordKind::Section);
    if (!section || outline_int(*section, layout_field(RecordKind::Section, "record_type")) != 3 || rb)
      return;
    take(RecordKind::Slab);
  }

private:
  // The next record as `kind`; nothing at the end of the deck, which leaves the read pending.
  std::optional<Record> take(RecordKind kind) {
    if (next_ == records_.size()) {
      p_.pending = kind;
      return std::nullopt;
    }
    p_.records.push_back({kind, records_[next_]});
    return records_[next_++];
  }

  // False when the problem ends with them (a wrong record type, NPL over 40, the end of the deck).
  bool loads(std::int32_t npl) {
    if (npl < 1) return true;
    const auto count = static_cast<std::int32_t>(0.25f * static_cast<float>(npl) + 0.999f);
    for (std::int32_t n = 1; n <= count; ++n) {
      const std::optional<Record> rec = take(RecordKind::Loads);
      if (!rec || outline_int(*rec, layout_field(RecordKind::Loads, "record_type")) != 20 + n) return false;
    }
    return npl <= 40;
  }

  void tbeam() {
    const std::optional<Record> rec = take(RecordKind::TBeamSection);
    if (!rec || outline_int(*rec, layout_field(RecordKind::TBeamSection, "record_type")) != 3) return;
    if (outline_int(*rec, layout_field(RecordKind::TBeamSection, "rows")) >= 3) take(RecordKind::TBeamRows);
  }

  const std::vector<Record> &records_;
  std::size_t &next_;
  OutlineProblem &p_;
};

} // namespace

DeckOutline outline_deck(const std::string &deck) {
  std::istringstream in(deck);
  DeckReader reader(in);
  std::vector<Record> records;
  while (auto r = reader.try_read()) records.push_back(std::move(*r));
  DeckOutline outline;
  std::size_t next = 0;
  const auto passed_over = [&](std::vector<Record> &into) {
    while (next < records.size() && records[next].column(1) != '*') into.push_back(records[next++]);
  };
  passed_over(outline.leading);
  while (next < records.size()) {
    OutlineProblem &p = outline.problems.emplace_back();
    try {
      ProblemReader(records, next, p).read();
    } catch (OutlineError &e) {
      e.problem = static_cast<int>(outline.problems.size()) - 1;
      e.kind = p.records.back().kind;
      outline.error = e;
      break;
    }
    passed_over(p.passed_over);
  }
  return outline;
}

} // namespace ss
