// Sequential reading of the deck, one record per line. A line ends at a line feed, a carriage
// return followed by a line feed, or a carriage return alone (decks saved by old editors), so the
// line numbers in diagnostics are those an editor shows; the line end is not part of the record.
// A UTF-8 byte-order mark at the very start of the deck is skipped. Nothing but the current line
// is held, and of a line only its first 256 columns (no field lies beyond column 80); a line
// longer than 64 KiB ends the run, so a file that is not a deck (a binary file, /dev/zero) is
// refused at once.
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
  // The line number of the last record read (0 before the first).
  long line() const { return line_; }

private:
  std::istream &in_;
  std::string name_;
  long line_ = 0;
  bool started_ = false;
};

// Characters a deck line may hold before the reader gives up on the file.
constexpr std::size_t kMaxDeckLine = 65536;

} // namespace ss
