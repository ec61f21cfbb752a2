// Problem file to deck: every record table written into its columns, then the deck read back the
// way the run reads it, so that a table the run would not read where it stands, or a record it
// would miss, is named with its line and column before anything runs.
#include <toml++/toml.h>

#include <algorithm>

#include "problem/decimal.h"
#include "problem/outline.h"
#include "problem/problem_file.h"
#include "problem/toml_text.h"

namespace ss {

namespace {

constexpr int kPassedOver = -1;
constexpr std::size_t kKeptColumns = 256; // what the deck reader keeps of a record

struct FileError {
  toml::source_position at;
  std::string message;
};

// Where a line of the deck came from.
struct Origin {
  int problem; // -1: before the first problem
  int kind;    // a RecordKind, or kPassedOver
  toml::source_position at;
};

std::string record_name(int kind) {
  return kind == kPassedOver ? "a record it passes over"
                             : "the " + std::string(record_layout(static_cast<RecordKind>(kind)).name);
}

class DeckBuilder {
public:
  explicit DeckBuilder(const std::string &text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = text.find('\n', start);
      lines_.push_back(
          std::string_view(text).substr(start, end == std::string::npos ? text.npos : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  void build(const toml::table &doc) {
    const toml::array *problems = nullptr;
    for (auto &&[key, value] : doc) {
      if (key == "passed_over")
        passed_over(value, -1);
      else if (key == "problem" && value.is_array_of_tables())
        problems = value.as_array();
      else if (key == "problem")
        throw FileError{value.source().begin, "problem must be tables written [[problem]]"};
      else
        throw FileError{key.source().begin, "unknown key '" + std::string(key.str()) +
                                                "' (the file holds passed_over and [[problem]] tables)"};
    }
    if (!problems) return; // a deck of no problem is as good as an empty one
    int n = 0;
    for (const toml::node &p : *problems) problem(*p.as_table(), n++);
  }

  // Reads the deck back as the run does and names the first table out of its place.
  void check() const {
    const DeckOutline o = outline_deck(deck());
    std::vector<Origin> read(origins_.size(), Origin{-1, kPassedOver, {}});
    for (std::size_t p = 0; p < o.problems.size(); ++p) {
      for (const OutlineRecord &r : o.problems[p].records)
        read[static_cast<std::size_t>(r.record.line() - 1)] = {
            static_cast<int>(p), static_cast<int>(r.kind), {}};
      for (const Record &r : o.problems[p].passed_over)
        read[static_cast<std::size_t>(r.line() - 1)] = {static_cast<int>(p), kPassedOver, {}};
    }
    if (o.error) { // the lines before it as they were read, then the record being read
      const auto line = static_cast<std::size_t>(o.error->line - 1);
      for (std::size_t i = 0; i < line; ++i) compare(origins_[i], read[i]);
      compare(origins_[line], {o.error->problem, static_cast<int>(o.error->kind), {}});
      throw FileError{origins_[line].at, o.error->message};
    }
    for (std::size_t i = 0; i < read.size(); ++i) compare(origins_[i], read[i]);
    for (std::size_t p = 0; p < o.problems.size(); ++p) {
      const bool last = p + 1 == o.problems.size();
      const auto &pending = o.problems[p].pending;
      if (pending && !ends_here_[p])
        throw FileError{problem_at_[p],
                        "this problem has no " + table_header(*pending) + " table, which the run reads next"};
      if (ends_here_[p] && (!pending || !last))
        throw FileError{ends_at_[p], "deck_ends_here: the run reads every record of this problem"};
    }
  }

  std::vector<long> source_lines() const {
    std::vector<long> lines;
    for (const Origin &o : origins_) lines.push_back(static_cast<long>(o.at.line));
    return lines;
  }

  std::string deck() const {
    std::string s;
    for (const std::string &l : deck_lines_) s += l + "\n";
    return s;
  }

private:
  void compare(const Origin &wrote, const Origin &read) const {
    if (wrote.problem == read.problem && wrote.kind == read.kind) return;
    const bool wanted = read.kind != kPassedOver && read.kind != static_cast<int>(RecordKind::Title);
    if (wanted && (wrote.problem > read.problem || wrote.kind == kPassedOver || wrote.kind > read.kind))
      throw FileError{problem_at_.at(static_cast<std::size_t>(read.problem)),
                      "this problem has no " + table_header(static_cast<RecordKind>(read.kind)) +
                          " table where the run reads " + record_name(read.kind)};
    if (wrote.kind == kPassedOver)
      throw FileError{wrote.at, "a record starting with '*' starts a problem; it cannot be passed over"};
    throw FileError{wrote.at,
                    "the run does not read this table here: it reads " + record_name(read.kind) +
                        (read.kind == kPassedOver ? " (after an error or the problem's last record)" : "")};
  }

  void add_line(std::string line, int problem, int kind, toml::source_position at) {
    line.erase(kind == kPassedOver ? line.size() : line.find_last_not_of(' ') + 1);
    deck_lines_.push_back(std::move(line));
    origins_.push_back({problem, kind, at});
  }

  void passed_over(const toml::node &value, int problem) {
    const toml::array *lines = value.as_array();
    if (!lines) throw FileError{value.source().begin, "passed_over must be an array of strings"};
    for (const toml::node &l : *lines) {
      const auto *s = l.as_string();
      if (!s) throw FileError{l.source().begin, "passed_over must be an array of strings"};
      const std::string &text = s->get();
      if (text.find('\n') != std::string::npos)
        throw FileError{l.source().begin, "a record cannot hold a line end"};
      if (text.size() > kKeptColumns)
        throw FileError{l.source().begin,
                        "too wide: a record keeps " + std::to_string(kKeptColumns) + " columns"};
      add_line(text, problem, kPassedOver, l.source().begin);
    }
  }

  void problem(const toml::table &t, int n);
  void record(const toml::table &t, RecordKind kind, int n, int load_number, toml::source_position at);
  void field(std::string &line, const FieldLayout &f, const toml::node &value);
  std::string literal(const toml::node &value) const;

  std::vector<std::string_view> lines_;
  std::vector<std::string> deck_lines_;
  std::vector<Origin> origins_;
  std::vector<toml::source_position> problem_at_, ends_at_;
  std::vector<bool> ends_here_;
};

// Keys of a [[problem]] table besides the title record's fields.
constexpr std::string_view kProblemKeys[] = {"passed_over", "deck_ends_here", "continuation",
                                             "span",        "loads",          "section",
                                             "slab",        "tbeam",          "tbeam-rows"};

void DeckBuilder::problem(const toml::table &t, int n) {
  problem_at_.push_back(t.source().begin);
  ends_at_.push_back(t.source().begin);
  ends_here_.push_back(false);
  record(t, RecordKind::Title, n, 0, t.source().begin);
  for (const RecordKind kind :
       {RecordKind::Continuation, RecordKind::Span, RecordKind::Loads, RecordKind::Section, RecordKind::Slab,
        RecordKind::TBeamSection, RecordKind::TBeamRows}) {
    const toml::node *node = t.get(record_table(kind));
    if (!node) continue;
    const bool many = kind == RecordKind::Continuation || kind == RecordKind::Loads;
    if (many != node->is_array_of_tables() || (!many && !node->is_table()))
      throw FileError{node->source().begin, table_header(kind) + " must be written as " + table_header(kind)};
    if (!many) {
      record(*node->as_table(), kind, n, 0, node->source().begin);
      continue;
    }
    int k = 0;
    for (const toml::node &e : *node->as_array()) record(*e.as_table(), kind, n, ++k, e.source().begin);
  }
  if (const toml::node *p = t.get("passed_over")) passed_over(*p, n);
  if (const toml::node *e = t.get("deck_ends_here")) {
    if (!e->is_boolean()) throw FileError{e->source().begin, "deck_ends_here takes true or false"};
    ends_here_.back() = e->as_boolean()->get();
    ends_at_.back() = e->source().begin;
  }
}

void DeckBuilder::record(const toml::table &t, RecordKind kind, int n, int load_number,
                         toml::source_position at) {
  const RecordLayout &layout = record_layout(kind);
  std::string line(static_cast<std::size_t>(layout.fields.back().last), ' ');
  const auto put = [&](const FieldLayout &f, std::string_view s) {
    line.replace(static_cast<std::size_t>(f.first - 1), s.size(), s);
  };
  for (const FieldLayout &f : layout.fields) {
    if (f.key == "record_type")
      put(f, std::to_string(expected_record_type(kind, load_number)));
    else if (f.key == "marker")
      put(f, "*");
    else if (f.key == "deck_id")
      put(f, "B04");
  }
  for (auto &&[key, value] : t) {
    const std::string_view name = key.str(); // (a structured binding is not captured before C++20)
    const auto known = [&](const FieldLayout &f) {
      return f.key == name && f.format != FieldFormat::Ignored &&
             !(kind == RecordKind::Title && f.key == "marker");
    };
    const auto f = std::find_if(layout.fields.begin(), layout.fields.end(), known);
    if (f != layout.fields.end()) {
      field(line, *f, value);
      continue;
    }
    if (kind == RecordKind::Title &&
        std::find(std::begin(kProblemKeys), std::end(kProblemKeys), key.str()) != std::end(kProblemKeys))
      continue;
    throw FileError{key.source().begin, "unknown key '" + std::string(key.str()) + "' in " +
                                            table_header(kind) + " (simple-span layout " +
                                            std::string(layout.key) + " lists the keys)"};
  }
  if (kind == RecordKind::Section) { // "WF" between depth and weight, as decks are written by custom
    for (const char *depth : {"rolled_depth", "second_depth"})
      if (t.contains(depth)) line.replace(std::string_view(depth) == "rolled_depth" ? 3 : 10, 2, "WF");
  }
  add_line(line, n, static_cast<int>(kind), at);
}

void DeckBuilder::field(std::string &line, const FieldLayout &f, const toml::node &value) {
  const auto at = value.source().begin;
  const std::string key(f.key);
  const std::string columns = " (" + std::to_string(f.width()) + " columns, " + f.format_name() + ")";
  std::string text;
  if (!f.numeric()) {
    if (!value.is_string()) throw FileError{at, key + " takes text in quotes" + columns};
    text = value.as_string()->get();
    if (text.find('\n') != std::string::npos) throw FileError{at, key + ": a record cannot hold a line end"};
    if (static_cast<int>(text.size()) > f.width())
      throw FileError{at, key + " is too wide for its field" + columns};
    text.resize(static_cast<std::size_t>(f.width()), ' '); // "" blanks a field that has a default
  } else {
    if (f.format == FieldFormat::Integer && !value.is_integer())
      throw FileError{at, key + " takes a whole number" + columns};
    if (!value.is_number()) throw FileError{at, key + " takes a number" + columns};
    const auto d = decimal_from_toml(literal(value));
    if (!d) throw FileError{at, key + ": no deck field holds " + literal(value)};
    const auto s = field_text_for(*d, f);
    if (!s) throw FileError{at, key + " = " + literal(value) + " is too wide for its field" + columns};
    text = std::string(static_cast<std::size_t>(f.width()) - s->size(), ' ') + *s;
  }
  line.replace(static_cast<std::size_t>(f.first - 1), text.size(), text);
}

// A number as written in the file: the columns its source region covers, counted in characters.
std::string DeckBuilder::literal(const toml::node &value) const {
  const toml::source_region &r = value.source();
  if (r.begin.line != r.end.line || r.begin.line < 1 || r.begin.line > lines_.size()) return "?";
  const std::string_view l = lines_[r.begin.line - 1];
  const auto byte = [&](toml::source_index column) {
    std::size_t i = 0;
    for (toml::source_index c = 1; c < column && i < l.size(); ++c) {
      ++i; // past a character: its first byte and its continuation bytes
      while (i < l.size() && (static_cast<unsigned char>(l[i]) & 0xc0) == 0x80) ++i;
    }
    return i;
  };
  const std::size_t b = byte(r.begin.column), e = byte(r.end.column);
  if (e <= b) return "?";
  return std::string(l.substr(b, e - b));
}

std::string where(const std::string &file, toml::source_position at) {
  return file + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": ";
}

} // namespace

Converted deck_from_problem_file(const std::string &text, const std::string &file_name) {
  try {
    const toml::table doc = toml::parse(std::string_view(text), std::string_view(file_name));
    DeckBuilder b(text);
    b.build(doc);
    b.check();
    return {b.deck(), "", b.source_lines()};
  } catch (const toml::parse_error &e) {
    return {"", where(file_name, e.source().begin) + std::string(e.description()), {}};
  } catch (const FileError &e) {
    return {"", where(file_name, e.at) + e.message, {}};
  }
}

} // namespace ss
