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
  // `first_line` numbers the first line read (a part of a deck read on its own starts further on);
  // only a reader that starts at line 1 looks for a byte-order mark.
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
  // The line number of the last record read (0 before the first).
  long line() const { return line_; }
  // The stream read from, for a reader that takes the rest of the deck over.
  std::istream &stream() { return in_; }

private:
  std::istream &in_;
  std::string name_;
  long line_ = 0;
  bool started_ = false;
};

// Characters a deck line may hold before the reader gives up on the file.
constexpr std::size_t kMaxDeckLine = 65536;
// Columns kept of a record. Every field lies within the first 80; the rest of a longer line is
// passed over unread.
constexpr std::size_t kKeptColumns = 256;

// The diagnostic of line `number` of deck `name`, longer than kMaxDeckLine.
std::string too_long_line(const std::string &name, long number);

} // namespace ss
