#include "check/fields.h"

#include <cmath>

#include "check/shortest.h"
#include "deck/field.h"
#include "state/fatal.h"

namespace ss::check {

namespace {

// Every value the run reads is a float.
std::string value_text(double v) { return check::shortest(static_cast<float>(v)); }

std::string trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string with_unit(double v, const FieldLayout &f) {
  return f.unit.empty() ? value_text(v) : value_text(v) + " " + std::string(f.unit);
}

Finding at(Severity severity, const char *kind, long line, int first, int last, std::string message) {
  return Finding{severity, kind, line, first, last, std::move(message)};
}

// How implied decimals read the text, and what it would read with a decimal point.
std::string reading_of(const CheckedField &cf) {
  const FieldLayout &f = *cf.layout;
  std::string digits; // blanks inside a field are ignored
  for (char c : cf.text)
    if (c != ' ') digits.push_back(c);
  if (f.format == FieldFormat::Integer || digits.empty()) return "";
  if (digits.find('.') != std::string::npos) return "; it is written with a decimal point";
  std::string how;
  if (f.format == FieldFormat::Scaled)
    how = "the number in the field is divided by 1000";
  else if (f.decimals > 0)
    how = "without a decimal point its last " + std::to_string(f.decimals) + " digits are decimals";
  else
    return "";
  const auto pointed = parse_real(digits + ".", 0);
  std::string then;
  if (pointed && f.format == FieldFormat::Real)
    then = "; written \"" + digits + ".\" it would read " + with_unit(*pointed, f);
  return ": " + how + then;
}

void range_finding(CheckedRecord &out, const CheckedField &cf) {
  const FieldLayout &f = *cf.layout;
  if (!f.has_range() || cf.number == 0 || (cf.number >= f.low && cf.number <= f.high)) return;
  out.findings.push_back(at(Severity::Warning, "range", out.line, f.first, f.last,
                            f.echo.empty()
                                ? std::string(f.key)
                                : std::string(f.echo) + " \"" + cf.text + "\" reads " +
                                      with_unit(cf.number, f) + ", outside the plausible " +
                                      value_text(f.low) + " to " + with_unit(f.high, f) + reading_of(cf)));
}

// A numeric field's value; false with the run's diagnostic in `fatal` when it is not a number.
bool read_number(const Record &rec, const FieldLayout &f, CheckedField &cf, std::string &fatal) {
  try {
    if (f.format == FieldFormat::Integer) {
      const std::int32_t v = rec.i(f);
      cf.number = v;
      cf.value = std::to_string(v);
    } else {
      cf.number = rec.f(f);
      cf.value = value_text(cf.number);
    }
    return true;
  } catch (const FatalError &e) {
    fatal = e.what();
    return false;
  }
}

bool is_code(const FieldLayout &f) {
  return f.key == "deck_id" || f.key == "beam_type" || f.key == "class_code" || f.key == "cont";
}

void text_findings(CheckedRecord &out, const CheckedField &cf) {
  const FieldLayout &f = *cf.layout;
  if (!is_code(f)) return;
  for (char c : cf.text)
    if (c >= 'a' && c <= 'z') {
      out.findings.push_back(at(Severity::Warning, "lower-case", out.line, f.first, f.last,
                                std::string(f.echo) + " \"" + cf.text +
                                    "\" is in lower case: the run reads codes in capitals only"));
      return;
    }
}

} // namespace

const CheckedField &field(const CheckedRecord &rec, std::string_view key) {
  for (const CheckedField &f : rec.fields)
    if (f.layout->key == key) return f;
  static const CheckedField none;
  return none;
}

std::string error_line(int code, const std::string &problem_number) {
  std::string c = std::to_string(code);
  return "ERROR" + std::string(c.size() < 4 ? 4 - c.size() : 0, ' ') + c + "  PROBLEM NUMBER  " +
         problem_number;
}

namespace {

void tab_findings(CheckedRecord &out, const std::string &text) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string::npos) return;
  const int col = static_cast<int>(tab) + 1;
  out.findings.push_back(at(Severity::Warning, "tab", out.line, col, col,
                            "a tab in column " + std::to_string(col) +
                                ": every character is one column, a tab too; write blanks"));
}

void uncovered_findings(CheckedRecord &out, const std::string &text, std::span<const FieldLayout> fields) {
  auto covered = [&](int col) {
    for (const FieldLayout &f : fields)
      if (col >= f.first && col <= f.last) return true;
    return false;
  };
  const int n = static_cast<int>(text.size());
  for (int col = 1; col <= n; ++col) {
    if (covered(col) || text[static_cast<std::size_t>(col - 1)] == ' ') continue;
    int last = col;
    while (last < n && !covered(last + 1)) ++last;
    out.findings.push_back(at(Severity::Warning, "uncovered", out.line, col, last,
                              "columns " + std::to_string(col) + "-" + std::to_string(last) + " hold \"" +
                                  trimmed(text.substr(static_cast<std::size_t>(col - 1),
                                                      static_cast<std::size_t>(last - col + 1))) +
                                  "\", which no field reads: a field shifted out of its columns?"));
    col = last;
  }
}

} // namespace

CheckedRecord inspect(const Record &rec, RecordKind kind, bool &fatal) {
  CheckedRecord out{kind, rec.line(), {}, {}};
  const RecordLayout &layout = record_layout(kind);
  tab_findings(out, rec.str());
  uncovered_findings(out, rec.str(), layout.fields);
  fatal = false;
  for (const FieldLayout &f : layout.fields) {
    CheckedField cf{&f, rec.text(f), "", 0};
    if (f.format == FieldFormat::Text) cf.value = trimmed(cf.text);
    std::string diagnostic;
    if (f.numeric() && !read_number(rec, f, cf, diagnostic)) {
      out.fields.push_back(cf);
      out.findings.push_back(at(Severity::Fatal, "fatal", out.line, f.first, f.last, diagnostic));
      fatal = true;
      return out;
    }
    range_finding(out, cf);
    text_findings(out, cf);
    out.fields.push_back(std::move(cf));
  }
  return out;
}

} // namespace ss::check
