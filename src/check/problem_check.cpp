#include "check/problem_check.h"

#include <sstream>

namespace ss {

namespace {

Finding in_problem_file(Finding f, const Converted &c, const RecordLayout *record) {
  if (f.line > 0 && static_cast<std::size_t>(f.line) <= c.source_lines.size())
    f.line = c.source_lines[static_cast<std::size_t>(f.line - 1)];
  if (!record || f.first <= 0) return f;
  for (const FieldLayout &field : record->fields)
    if (field.first == f.first) {
      f.message = std::string(field.key) + ": " + f.message;
      f.first = f.last = 0;
    }
  return f;
}

} // namespace

DeckCheck check_problem_file(const Converted &c, const std::string &name, std::ostream &out) {
  std::istringstream deck(c.text);
  DeckCheck check = check_deck(deck, name, [&](const CheckedProblem &p) {
    CheckedProblem q = p;
    for (CheckedRecord &r : q.records) {
      for (Finding &f : r.findings) f = in_problem_file(f, c, &record_layout(r.kind));
      r.line = in_problem_file(Finding{Severity::Note, "", r.line, 0, 0, ""}, c, nullptr).line;
    }
    for (Finding &f : q.findings) f = in_problem_file(f, c, nullptr);
    print_problem(out, q);
  });
  for (Finding &f : check.findings) f = in_problem_file(f, c, nullptr);
  print_summary(out, check);
  return check;
}

} // namespace ss
