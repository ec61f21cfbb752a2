// The count of how the problems of a run ended, for the line the program writes at the end of a
// run in which a problem did not complete.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "run/run.h"

namespace ss {

class OutcomeTally {
public:
  void add(const ProblemOutcome &outcome);
  int problems() const { return problems_; }
  // A problem ended in an error or unavailable line, or was cut short by the end of the deck.
  bool any_failed() const;
  // Some problem was not designed to its end (failed, or no design pass applied).
  bool any_incomplete() const { return problems_ > designed_; }
  // "12 problems: 10 designed, 1 ERROR 4 (0007), 1 ROLLED BEAM UNAVAILABLE (0011)".
  std::string summary() const;

private:
  // By kind and error code: how many, and the first problem numbers.
  using Key = std::pair<ProblemOutcome::Kind, std::int32_t>;
  struct Group {
    long count = 0;
    std::vector<std::string> numbers;
  };
  std::map<Key, Group> groups_;
  int problems_ = 0;
  int designed_ = 0;
};

} // namespace ss
