// Failures that end the run: a malformed numeric field, a file that cannot be opened or written.
// Code below main never exits the process; it throws, and main turns the exception into the
// diagnostic and the exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace ss {

class FatalError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Thrown by any read that meets the end of the deck: the run ends normally (exit status 0).
struct EndOfDeck {};

} // namespace ss
