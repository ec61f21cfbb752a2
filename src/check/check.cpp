#include "check/check.h"

#include <algorithm>
#include <optional>

#include "check/fields.h"
#include "deck/deck_reader.h"
#include "rolled/section_table.h"
#include "state/fatal.h"
#include "tbeam/bar_table.h"

namespace ss {

namespace {

using check::field;

// The run stops: a fatal diagnostic.
struct Stop {};
// The problem is abandoned: its error line is recorded.
struct Abandon {};

class Walker {
public:
  Walker(std::istream &in, const std::string &name, const std::function<void(const CheckedProblem &)> &each)
      : reader_(in, name), each_(each) {
    out_.deck = name;
  }
  DeckCheck run();

private:
  Record next(const char *expected);
  const CheckedRecord &take(const Record &rec, RecordKind kind);
  [[noreturn]] void error(int code, const CheckedRecord &rec, std::string_view key, const std::string &why);
  void note(Severity severity, const char *kind, long line, std::string message);
  void problem();
  void title_records(const Record &title);
  void loads(const CheckedRecord &span);
  void steel(const std::string &code, const CheckedRecord &span);
  void tbeam(const CheckedRecord &span, bool resisting_moments);
  void tbeam_bars(const CheckedRecord &span, const CheckedRecord &section, bool resisting_moments);
  void rolled_passes(const CheckedRecord &span, const CheckedRecord &section, int beam_type);
  void passed_over(bool after_problem, bool abandoned);
  void finish();

  DeckReader reader_;
  const std::function<void(const CheckedProblem &)> &each_;
  DeckCheck out_;
  bool open_ = false;           // the last problem may still get findings
  std::optional<Record> title_; // the title record met while passing over records
  CheckedProblem *problem_ = nullptr;
  long last_line_ = 0;
};

// The next record; at the end of the deck a problem still expecting a record is flagged.
Record Walker::next(const char *expected) {
  std::optional<Record> rec = reader_.try_read();
  if (!rec) {
    if (problem_)
      note(Severity::Warning, "end", last_line_,
           "the deck ends where the run expects the " + std::string(expected) +
               ": the run ends quietly after the echo of what was read");
    throw EndOfDeck{};
  }
  last_line_ = rec->line();
  return std::move(*rec);
}

// What the run adds to a malformed field's diagnostic: the record it expected, the problem, and
// why a problem that names no T-beam reads T-beam records.
std::string run_context(const CheckedProblem &p, RecordKind kind) {
  static const std::pair<RecordKind, const char *> names[] = {
      {RecordKind::Span, "span record"},
      {RecordKind::Loads, "concentrated-load record"},
      {RecordKind::Section, "section record"},
      {RecordKind::Slab, "slab and cover-plate record"},
      {RecordKind::TBeamSection, "T-beam section record"},
      {RecordKind::TBeamRows, "T-beam bar rows record"},
  };
  const char *name = "record";
  for (const auto &[k, n] : names)
    if (k == kind) name = n;
  const std::size_t first = p.number.find_first_not_of(' ');
  const std::string number =
      first == std::string::npos ? "" : p.number.substr(first, p.number.find_last_not_of(' ') - first + 1);
  std::string s = std::string("; while reading the ") + name + " of problem " + printable(number);
  if (kind != RecordKind::TBeamSection && kind != RecordKind::TBeamRows) return s;
  for (const CheckedRecord &r : p.records) {
    if (r.kind != RecordKind::Span) continue;
    if (field(r, "length").number <= 0)
      return s + "; a LENGTH of zero or less sends a problem to the T-beam records";
    if (field(r, "dfm").number <= 0)
      return s + "; a D.F.M. of zero or less sends a problem to the T-beam records";
  }
  return s;
}

const CheckedRecord &Walker::take(const Record &rec, RecordKind kind) {
  bool fatal = false;
  problem_->records.push_back(check::inspect(rec, kind, fatal));
  if (fatal) {
    problem_->records.back().findings.back().message += run_context(*problem_, kind);
    throw Stop{};
  }
  return problem_->records.back();
}

// A finding about a record goes with that record when it is the last one read.
void Walker::note(Severity severity, const char *kind, long line, std::string message) {
  Finding f{severity, kind, line, 0, 0, std::move(message)};
  if (!problem_) return out_.findings.push_back(std::move(f));
  const bool last_read = !problem_->records.empty() && problem_->records.back().line == line;
  (last_read ? problem_->records.back().findings : problem_->findings).push_back(std::move(f));
}

void Walker::error(int code, const CheckedRecord &rec, std::string_view key, const std::string &why) {
  const FieldLayout *f = key.empty() ? nullptr : field(rec, key).layout;
  problem_->findings.push_back(Finding{Severity::Warning, "error", rec.line, f ? f->first : 0,
                                       f ? f->last : 0,
                                       "the run prints \"" + check::error_line(code, problem_->number) +
                                           "\": " + why + "; the rest of the problem is passed over"});
  throw Abandon{};
}

void Walker::title_records(const Record &title) {
  const CheckedRecord t = take(title, RecordKind::Title);
  if (title.text(2, 3) != "B04")
    error(1, t, "deck_id", "columns 2-4 of the title record read \"" + title.text(2, 3) + "\", not \"B04\"");
  std::string cont = title.text(65, 4);
  while (cont == "CONT") {
    const Record rec = next("continuation title record");
    const CheckedRecord c = take(rec, RecordKind::Continuation);
    if (rec.column(1) != '*')
      error(1, c, "marker", "the record after a title ending in CONT has no \"*\" in column 1");
    cont = rec.text(65, 4);
  }
}

void Walker::problem() {
  const Record title = std::move(*title_);
  title_.reset();
  out_.problems.emplace_back();
  problem_ = &out_.problems.back();
  open_ = true;
  problem_->number = title.text(5, 4);
  title_records(title);
  const CheckedRecord span = take(next("span record"), RecordKind::Span);
  if (field(span, "record_type").number != 1)
    error(1, span, "record_type",
          "the span record's type is " + field(span, "record_type").value + ", not 1");
  std::string code = field(span, "beam_type").value;
  if (field(span, "length").number <= 0 || field(span, "dfm").number <= 0) {
    if (code != "RM")
      note(Severity::Note, "route", span.line,
           "LENGTH or D.F.M. is zero or less: the problem is taken as resisting moments (RM) and the T-beam "
           "records follow the span record");
    code = "RM";
  }
  if (code == "RM") return tbeam(span, true);
  loads(span);
  const std::string live = field(span, "class_code").value;
  if (live != "H" && live != "HS" && live != "RR")
    error(1, span, "class_code", "the live-load class code is \"" + live + "\", not H, HS or RR");
  steel(code, span);
}

void Walker::loads(const CheckedRecord &span) {
  const auto npl = static_cast<std::int32_t>(field(span, "npl").number);
  if (npl < 1) return;
  // As many records as the run reads: the integer part of 0.25 NPL + 0.999, in single precision.
  const auto records = static_cast<std::int32_t>(0.25f * static_cast<float>(npl) + 0.999f);
  for (std::int32_t n = 1; n <= records; ++n) {
    const CheckedRecord rec = take(next("concentrated-load record"), RecordKind::Loads);
    const std::string type = field(rec, "record_type").value;
    if (field(rec, "record_type").number != 20 + n)
      error(2, rec, "record_type",
            "concentrated-load record " + std::to_string(n) + " has type " + type + ", not " +
                std::to_string(20 + n));
  }
  if (npl > 40) error(1, span, "npl", "NPL is " + std::to_string(npl) + ", more than the 40 loads held");
}

int beam_type_of(const std::string &code) {
  static constexpr const char *codes[] = {"RB", "RP", "CB", "PG", "CG", "TB"};
  for (int i = 0; i < 6; ++i)
    if (code == codes[i]) return i + 1;
  return 0;
}

void Walker::steel(const std::string &code, const CheckedRecord &span) {
  const int type = beam_type_of(code);
  if (type == 0)
    error(1, span, "beam_type", "the beam type is \"" + code + "\", not RB, RP, CB, PG, CG, TB or RM");
  if (type == 6) return tbeam(span, false);
  const CheckedRecord section = take(next("section record"), RecordKind::Section);
  if (field(section, "record_type").number != 3)
    error(3, section, "record_type",
          "the section record's type is " + field(section, "record_type").value + ", not 3");
  if (type != 1) {
    const CheckedRecord slab = take(next("slab and cover-plate record"), RecordKind::Slab);
    if (field(slab, "record_type").number != 4)
      error(4, slab, "record_type",
            "the slab and cover-plate record's type is " + field(slab, "record_type").value + ", not 4");
  }
  rolled_passes(span, section, type);
}

// True when the rolled-beam design finds its first row: a weight given needs that depth and weight
// in the section table, searched from the depth's group on.
bool in_section_table(std::int32_t depth, std::int32_t weight) {
  if (weight <= 0) return true;
  if (depth <= 0) return false;
  const std::int32_t g = std::clamp((depth - 15) / 3, 1, 7);
  for (std::int32_t row = depth_group_start(g); row <= kRolledRowCount; ++row)
    if (rolled_row(row).depth == depth && rolled_row(row).weight == weight) return true;
  return false;
}

// The rolled-beam designs the run would start (steel-type pass, section alternatives), and the
// first one that stops on its input.
void Walker::rolled_passes(const CheckedRecord &span, const CheckedRecord &section, int beam_type) {
  auto number = [](const CheckedRecord &r, std::string_view key) { return field(r, key).number; };
  const auto ts = static_cast<std::int32_t>(number(span, "type_steel"));
  const auto da = static_cast<std::int32_t>(number(span, "design_analysis"));
  const bool rolled = beam_type <= 3;
  const bool designs = ts == 572 || ts <= 36 || ts == 441 || ts == 588;
  if (!designs || (ts == 441 && !rolled))
    note(Severity::Warning, "steel", span.line,
         "TYPE STEEL " + std::to_string(ts) +
             (designs ? " designs rolled beams only" : " is not 36 or less, 441, 572 or 588") +
             ": the steel-type pass makes no design");
  std::vector<std::pair<std::int32_t, std::int32_t>> calls; // depth and weight of each design started
  const auto first = std::pair{static_cast<std::int32_t>(number(section, "rolled_depth")),
                               static_cast<std::int32_t>(number(section, "rolled_weight"))};
  const auto second = std::pair{static_cast<std::int32_t>(number(section, "second_depth")),
                                static_cast<std::int32_t>(number(section, "second_weight"))};
  if (rolled && designs) calls.push_back(first);
  if (da <= 0) {
    if (number(section, "np_flag") >= 1) calls.push_back(first);
    if (second.first > 0 && number(section, "p_flag") >= 1) calls.push_back(second);
    if (second.first > 0 && number(section, "np_flag") >= 1) calls.push_back(second);
  }
  for (const auto &[depth, weight] : calls) {
    if (depth <= 0 && da == 1) {
      if (std::min({number(section, "inertia"), number(section, "y_top"), number(section, "y_bot")}) <= 0)
        error(4, section, "inertia",
              "analysis of a given section (no rolled depth, D/A 1) needs I, Y TOP and Y BOT above zero");
    } else if (!in_section_table(depth, weight)) {
      problem_->findings.push_back(Finding{Severity::Warning, "unavailable", section.line, 0, 0,
                                           "the run prints \"ROLLED BEAM UNAVAILABLE " + problem_->number +
                                               "\": no row of the section table is " + std::to_string(depth) +
                                               "WF" + std::to_string(weight) +
                                               "; the rest of the problem is passed over"});
      return;
    }
  }
}

void Walker::tbeam(const CheckedRecord &span, bool resisting_moments) {
  const CheckedRecord section = take(next("T-beam section record"), RecordKind::TBeamSection);
  if (field(section, "record_type").number != 3)
    error(4, section, "record_type",
          "the T-beam section record's type is " + field(section, "record_type").value + ", not 3");
  if (field(section, "rows").number >= 3) {
    const CheckedRecord rows = take(next("T-beam rows record"), RecordKind::TBeamRows);
    if (field(rows, "record_type").number != 4)
      error(4, rows, "record_type",
            "the T-beam rows record's type is " + field(rows, "record_type").value + ", not 4");
  }
  tbeam_bars(span, section, resisting_moments);
}

// The T-beam's checks of its input after the defaults: error 4 when the run would reject it.
void Walker::tbeam_bars(const CheckedRecord &span, const CheckedRecord &section, bool resisting_moments) {
  const double da = field(span, "design_analysis").number;
  const auto rows = static_cast<std::int32_t>(field(section, "rows").number);
  if (!resisting_moments && da == 1 &&
      std::min({field(section, "web_width").number, field(section, "web_depth").number, double(rows)}) <= 0)
    error(4, section, "rows", "analysis (D/A 1) needs WIDTH, DEPTH and NO. ROWS above zero");
  if (rows > 9) error(4, section, "rows", "NO. ROWS is " + std::to_string(rows) + ", more than 9");
  const auto comp = static_cast<std::int32_t>(field(section, "comp_size").number);
  if (field(section, "comp_no").number > 0 && !tbeam::bar_exists(comp))
    error(4, section, "comp_size",
          "the compression bar size " + std::to_string(comp) + " is not in the bar table");
  // A design settles its rows first and checks only those it reaches; the rows of an analysis or
  // of resisting moments are used as given.
  const bool design = !resisting_moments && da < 1;
  if (!design && !resisting_moments && rows < 1) error(4, section, "rows", "NO. ROWS is zero or less");
  float area = 0; // of the row sets 1..r, as the section analysis adds it up
  for (std::int32_t r = 1; r <= rows; ++r) {
    const CheckedRecord &rec = r <= 2 ? section : problem_->records.back();
    const std::string key = "row" + std::to_string(r);
    const auto size = static_cast<std::int32_t>(field(rec, key + "_size").number);
    area = area + tbeam::bar(size).area * static_cast<float>(field(rec, key + "_no").number);
    const std::string why = "tension row " + std::to_string(r) + "'s bar size " + std::to_string(size) +
                            " is not in the bar table (2 to 11, 14, 18)";
    if (tbeam::bar_exists(size)) {
      if (design || area > 0.0f) continue;
      error(4, rec, key + "_no", "tension rows 1 to " + std::to_string(r) + " hold no bars");
    }
    if (!design) error(4, rec, key + "_size", why);
    note(Severity::Note, "bars", rec.line, why + ": error 4 if the design reaches the row");
    return;
  }
}

// Records up to the next title record ("*" in column 1) are passed over, as the run does.
// Lines passed over after a problem are told with that problem.
void Walker::passed_over(bool after_problem, bool abandoned) {
  long first = 0, last = 0;
  while (std::optional<Record> rec = reader_.try_read()) {
    if (rec->column(1) == '*') {
      title_ = std::move(*rec);
      break;
    }
    if (rec->str().find_first_not_of(" \t") == std::string::npos) continue;
    if (first == 0) first = rec->line();
    last = rec->line();
  }
  if (first != 0) {
    const std::string lines = first == last
                                  ? "line " + std::to_string(first)
                                  : "lines " + std::to_string(first) + " to " + std::to_string(last);
    const bool stray = after_problem && !abandoned;
    note(stray ? Severity::Warning : Severity::Note, "passed-over", first,
         "records without \"*\" in column 1 up to " + lines + " are passed over" +
             (!after_problem ? std::string(" before the first problem")
              : abandoned    ? std::string(" with the rest of the abandoned problem")
                             : std::string(": no problem reads them (an extra record, or a title record "
                                              "without \"*\"?)")));
  }
  problem_ = nullptr;
  if (!title_) throw EndOfDeck{};
}

void tally(DeckCheck &check, const std::vector<Finding> &findings) {
  for (const Finding &f : findings) {
    check.warnings += f.severity == Severity::Warning;
    check.fatal = check.fatal || f.severity == Severity::Fatal;
  }
}

// The last problem is complete: counted, and handed over when there is a callback.
void Walker::finish() {
  if (!open_) return;
  open_ = false;
  const CheckedProblem &p = out_.problems.back();
  ++out_.problem_count;
  for (const CheckedRecord &r : p.records) tally(out_, r.findings);
  tally(out_, p.findings);
  if (!each_) return;
  each_(p);
  out_.problems.clear();
}

DeckCheck Walker::run() {
  bool after_problem = false, abandoned = false;
  try {
    for (;;) {
      passed_over(after_problem, abandoned);
      finish();
      abandoned = false;
      try {
        problem();
      } catch (const Abandon &) {
        abandoned = true;
      }
      after_problem = true;
    }
  } catch (const EndOfDeck &) {
    // the run ends here too
  } catch (const Stop &) {
    // the run stops with the fatal diagnostic recorded
  } catch (const FatalError &e) { // a read error
    out_.findings.push_back(Finding{Severity::Fatal, "fatal", 0, 0, 0, e.what()});
  }
  finish();
  if (out_.problem_count == 0)
    out_.findings.push_back(Finding{Severity::Warning, "no-problems", 0, 0, 0,
                                    "no record has \"*\" in column 1: the deck holds no problem, and the run "
                                    "writes an empty report"});
  tally(out_, out_.findings);
  return std::move(out_);
}

} // namespace

std::vector<Finding> DeckCheck::all_findings() const {
  std::vector<Finding> all = findings;
  for (const CheckedProblem &p : problems) {
    for (const CheckedRecord &r : p.records) all.insert(all.end(), r.findings.begin(), r.findings.end());
    all.insert(all.end(), p.findings.begin(), p.findings.end());
  }
  return all;
}

DeckCheck check_deck(std::istream &deck, const std::string &name) { return check_deck(deck, name, {}); }

DeckCheck check_deck(std::istream &deck, const std::string &name,
                     const std::function<void(const CheckedProblem &)> &each) {
  return Walker(deck, name, each).run();
}

} // namespace ss
