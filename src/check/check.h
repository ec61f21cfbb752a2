// Checking a deck before it runs: the records read along the path the run would take, each field
// with its columns, text, value and unit, and what a person should look at: values outside their
// plausible range, characters no field reads, tabs, lower-case codes, the error lines the run would
// print and why, the fatal diagnostic that would stop it. Nothing is written but to the stream
// given to the printer.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "deck/layout.h"

namespace ss {

enum class Severity {
  Note,    // how the run reads the deck; not a fault
  Warning, // likely a mistake, or a problem the run abandons
  Fatal,   // the run would stop here with this diagnostic
};

struct Finding {
  Severity severity = Severity::Warning;
  std::string kind; // "range", "uncovered", "tab", "lower-case", "error", "unavailable", "fatal", ...
  long line = 0;    // 0: the deck as a whole
  int first = 0;    // columns, 0 when the finding is about the whole record
  int last = 0;
  std::string message;
};

struct CheckedField {
  const FieldLayout *layout = nullptr;
  std::string text;  // the columns as found, blank padded
  std::string value; // the value read ("" for ignored columns)
  double number = 0; // a numeric field's value
};

struct CheckedRecord {
  RecordKind kind = RecordKind::Title;
  long line = 0;
  std::vector<CheckedField> fields;
  std::vector<Finding> findings;
};

struct CheckedProblem {
  std::string number; // columns 5-8 of its title record
  std::vector<CheckedRecord> records;
  std::vector<Finding> findings; // about the problem: its error line, records left unread
};

struct DeckCheck {
  std::string deck;
  std::vector<Finding> findings;        // outside every problem
  std::vector<CheckedProblem> problems; // empty when they were handed to a callback
  std::size_t problem_count = 0;
  int warnings = 0; // of every problem and the deck
  bool fatal = false;

  // 0 nothing flagged, 1 warnings, 2 a fatal diagnostic.
  int exit_status() const { return fatal ? 2 : warnings > 0 ? 1 : 0; }
  // Every finding of the deck and of the problems kept, in deck order within each problem.
  std::vector<Finding> all_findings() const;
};

// Reads the deck as the run would; `name` names it in the diagnostics.
DeckCheck check_deck(std::istream &deck, const std::string &name);
// The same, handing each problem to `each` once it is complete instead of keeping it, so that a
// deck of any length is checked in little memory.
DeckCheck check_deck(std::istream &deck, const std::string &name,
                     const std::function<void(const CheckedProblem &)> &each);

// The check as text: per problem and record each field, the findings under their record; then
// the findings outside the problems and a summary.
void print_check(std::ostream &out, const DeckCheck &check);
void print_problem(std::ostream &out, const CheckedProblem &problem);
void print_summary(std::ostream &out, const DeckCheck &check);

} // namespace ss
