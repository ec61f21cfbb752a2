// Deck to problem file: the records sorted as the run reads them, each field as a key with its
// unit and meaning beside it; a blank field is shown commented out, so every key of a record is
// in sight.
#include <algorithm>

#include "problem/decimal.h"
#include "problem/outline.h"
#include "problem/problem_file.h"
#include "problem/toml_text.h"

namespace ss {

namespace {

constexpr const char *kHeading =
    "# simple-span problem file: one [[problem]] table per problem, in deck order.\n"
    "# Each key is a field of a deck record (simple-span layout lists them); units and meanings\n"
    "# are in the comments. A key left out or commented out is a blank field. Run it with\n"
    "#   simple-span FILE.toml REPORT\n";

constexpr std::size_t kCommentColumn = 32;

struct WriteError {
  long line;
  int column;
  std::string message;
};

bool has_default(RecordKind kind, const FieldLayout &f) {
  return f.key == "record_type" || (kind == RecordKind::Continuation && f.key == "marker") ||
         (kind == RecordKind::Title && f.key == "deck_id");
}

std::string default_text(RecordKind kind, const FieldLayout &f) {
  if (f.key == "marker") return "*";
  if (f.key == "deck_id") return "B04";
  return std::to_string(expected_record_type(kind, 0));
}

void key_line(std::string &out, const std::string &assignment, const FieldLayout &f) {
  std::string line = assignment;
  line.resize(std::max(line.size() + 1, kCommentColumn), ' ');
  line += "# ";
  if (!f.unit.empty()) line += std::string(f.unit) + ": ";
  out += line + std::string(f.meaning) + "\n";
}

std::string trimmed(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::string checked_text(const Record &rec, std::string s, int column) {
  if (!valid_utf8(s))
    throw WriteError{rec.line(), column, "text that is not UTF-8 (a problem file is UTF-8)"};
  return s;
}

// The value of one field as a TOML literal; "" for a blank field shown commented out, and for a
// field at its default.
std::string field_value(const Record &rec, RecordKind kind, int load_number, const FieldLayout &f) {
  const std::string text = rec.text(f);
  if (!f.numeric()) {
    const std::string s = checked_text(rec, trimmed(text), f.first);
    if (has_default(kind, f)) return s == default_text(kind, f) ? "" : toml_string(s);
    return s.empty() ? "" : toml_string(s);
  }
  if (text.find_first_not_of(' ') == std::string::npos && !has_default(kind, f)) return "";
  const auto d = decimal_from_field(text, f);
  if (!d)
    throw WriteError{rec.line(), f.first,
                     "'" + trimmed(text) + "' in " + std::string(f.key) + " is not a number"};
  const std::string literal = toml_literal(*d, f.format == FieldFormat::Integer);
  if (f.key == "record_type" && literal == std::to_string(expected_record_type(kind, load_number))) return "";
  return literal;
}

void write_fields(std::string &out, const Record &rec, RecordKind kind, int load_number) {
  for (const FieldLayout &f : record_layout(kind).fields) {
    if (f.format == FieldFormat::Ignored || (kind == RecordKind::Title && f.key == "marker")) continue;
    const std::string value = field_value(rec, kind, load_number, f);
    if (!value.empty())
      key_line(out, std::string(f.key) + " = " + value, f);
    else if (!has_default(kind, f))
      key_line(out, "# " + std::string(f.key) + " =", f);
  }
}

void write_passed_over(std::string &out, const std::vector<Record> &records, const char *comment) {
  if (records.empty()) return;
  out += std::string(comment) + "\npassed_over = [\n";
  for (const Record &r : records) out += "  " + toml_string(checked_text(r, r.str(), 1)) + ",\n";
  out += "]\n";
}

void write_problem(std::string &out, const OutlineProblem &p) {
  out += "\n[[problem]]\n";
  write_fields(out, p.records.front().record, RecordKind::Title, 0);
  write_passed_over(out, p.passed_over, "# Records the run passes over after this problem's records:");
  if (p.pending)
    out += "deck_ends_here = true         # the deck ends before the run has read all of this problem\n";
  int load_number = 0;
  for (std::size_t i = 1; i < p.records.size(); ++i) {
    const OutlineRecord &r = p.records[i];
    if (r.kind == RecordKind::Loads) ++load_number;
    out += "\n" + table_header(r.kind) + "\n";
    write_fields(out, r.record, r.kind, load_number);
  }
}

} // namespace

Converted problem_file_from_deck(const std::string &deck, const std::string &deck_name) {
  const DeckOutline o = outline_deck(deck);
  const auto where = [&](long line, int column) {
    return deck_name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
  };
  if (o.error) return {"", where(o.error->line, o.error->column) + o.error->message, {}};
  std::string out = kHeading;
  try {
    if (!o.leading.empty()) out += "\n";
    write_passed_over(out, o.leading, "# Records the run passes over before the first problem:");
    for (const OutlineProblem &p : o.problems) write_problem(out, p);
  } catch (const WriteError &e) {
    return {"", where(e.line, e.column) + e.message, {}};
  }
  return {out, "", {}};
}

bool is_problem_file_name(const std::string &name) {
  return name.size() > 5 && name.compare(name.size() - 5, 5, ".toml") == 0;
}

} // namespace ss
