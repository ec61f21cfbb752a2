// Sequential reading of the deck, one record per line. A trailing carriage return (a deck saved
// with CR LF line ends) is not part of the record. Nothing but the current line is held, and of a
// line only its first 256 columns (no field lies beyond column 80).
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "deck/record.h"

namespace ss {

class DeckReader {
public:
  // `first_line` numbers the first line read (a part of a deck read on its own starts further on).
  DeckReader(std::istream &in, std::string name = "deck", long first_line = 1);
  // The next record; throws EndOfDeck at the end of the deck.
  Record read();
  // The next record, or nothing at the end of the deck.
  std::optional<Record> try_read();
  // True when no line is left.
  bool at_end();
  // The number of the line the next read returns.
  long next_line() const { return line_ + 1; }
  const std::string &name() const { return name_; }
  // The stream read from, for a reader that takes the rest of the deck over.
  std::istream &stream() { return in_; }

private:
  std::istream &in_;
  std::string name_;
  long line_ = 0;
};

// Reads the next line as the deck reader keeps it: its first 256 characters, the line end and
// the rest of a longer line passed over, a carriage return left in place. False at the end of
// the deck; throws FatalError naming `name` when the stream fails.
bool read_kept_line(std::istream &in, std::string &line, const std::string &name);

} // namespace ss
