#include "driver/outcomes.h"

namespace ss {

namespace {

// Problem numbers listed for one kind of ending; the rest are counted only, so the tally stays
// small on a deck of any length.
constexpr std::size_t kNumbersListed = 10;

std::string label(ProblemOutcome::Kind kind, std::int32_t code) {
  using Kind = ProblemOutcome::Kind;
  switch (kind) {
  case Kind::Designed:
    return "designed";
  case Kind::NotDesigned:
    return "NOT DESIGNED";
  case Kind::Error:
    return "ERROR " + std::to_string(code);
  case Kind::Unavailable:
    return "ROLLED BEAM UNAVAILABLE";
  case Kind::CutShort:
    return "CUT SHORT BY THE END OF THE DECK";
  }
  return "?";
}

} // namespace

void OutcomeTally::add(const ProblemOutcome &outcome) {
  ++problems_;
  if (outcome.kind == ProblemOutcome::Kind::Designed) {
    ++designed_;
    return;
  }
  Group &g = groups_[{outcome.kind, outcome.code}];
  ++g.count;
  if (g.numbers.size() < kNumbersListed)
    g.numbers.push_back(outcome.number.empty() ? "----" : outcome.number);
}

bool OutcomeTally::any_failed() const {
  for (const auto &[key, group] : groups_)
    if (key.first != ProblemOutcome::Kind::NotDesigned) return true;
  return false;
}

std::string OutcomeTally::summary() const {
  std::string s = std::to_string(problems_) + (problems_ == 1 ? " problem: " : " problems: ") +
                  std::to_string(designed_) + " designed";
  for (const auto &[key, group] : groups_) {
    s += ", " + std::to_string(group.count) + " " + label(key.first, key.second) + " (";
    for (std::size_t i = 0; i < group.numbers.size(); ++i) s += (i ? " " : "") + group.numbers[i];
    if (group.count > static_cast<long>(group.numbers.size())) s += " ...";
    s += ")";
  }
  return s;
}

} // namespace ss
