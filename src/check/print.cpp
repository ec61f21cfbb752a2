#include <iomanip>

#include "check/check.h"

namespace ss {

namespace {

const char *label(Severity s) {
  switch (s) {
  case Severity::Note:
    return "note";
  case Severity::Warning:
    return "warning";
  case Severity::Fatal:
    return "fatal";
  }
  return "";
}

void print_finding(std::ostream &out, const Finding &f, const char *indent) {
  out << indent << label(f.severity) << ": ";
  if (f.line > 0) out << "line " << f.line << (f.first > 0 ? ", " : ": ");
  if (f.first > 0)
    out << (f.first == f.last ? "column " + std::to_string(f.first)
                              : "columns " + std::to_string(f.first) + "-" + std::to_string(f.last))
        << ": ";
  out << f.message << "\n";
}

std::string columns(const FieldLayout &f) {
  return f.first == f.last ? std::to_string(f.first) : std::to_string(f.first) + "-" + std::to_string(f.last);
}

void print_field(std::ostream &out, const CheckedField &cf) {
  const FieldLayout &f = *cf.layout;
  if (f.format == FieldFormat::Ignored && cf.text.find_first_not_of(' ') == std::string::npos) return;
  out << "    " << std::left << std::setw(18) << (f.echo.empty() ? f.key : f.echo) << std::setw(7)
      << columns(f) << std::setw(10) << f.format_name() << std::setw(0) << "\"" << cf.text << "\"";
  if (f.format == FieldFormat::Ignored)
    out << "  not read";
  else if (f.numeric())
    out << "  " << cf.value << (f.unit.empty() ? "" : " ") << f.unit;
  out << "\n";
}

void print_record(std::ostream &out, const CheckedRecord &r) {
  out << "  line " << r.line << ": " << record_layout(r.kind).name << "\n";
  for (const CheckedField &f : r.fields) print_field(out, f);
  for (const Finding &f : r.findings) print_finding(out, f, "  ");
}

} // namespace

void print_problem(std::ostream &out, const CheckedProblem &p) {
  out << "problem " << p.number << "\n";
  for (const CheckedRecord &r : p.records) print_record(out, r);
  for (const Finding &f : p.findings) print_finding(out, f, "  ");
  out << "\n";
}

void print_summary(std::ostream &out, const DeckCheck &check) {
  for (const Finding &f : check.findings) print_finding(out, f, "");
  out << check.deck << ": " << check.problem_count
      << (check.problem_count == 1 ? " problem, " : " problems, ") << check.warnings
      << (check.warnings == 1 ? " warning" : " warnings");
  if (check.fatal) out << "; the run would stop with the fatal diagnostic above";
  out << "\n";
}

void print_check(std::ostream &out, const DeckCheck &check) {
  for (const CheckedProblem &p : check.problems) print_problem(out, p);
  print_summary(out, check);
}

} // namespace ss
