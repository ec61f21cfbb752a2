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
  DeckReader(std::istream &in, std::string name = "deck");
  // The next record; throws EndOfDeck at the end of the deck.
  Record read();
  // The next record, or nothing at the end of the deck.
  std::optional<Record> try_read();
  const std::string &name() const { return name_; }

private:
  std::istream &in_;
  std::string name_;
  long line_ = 0;
};

} // namespace ss
