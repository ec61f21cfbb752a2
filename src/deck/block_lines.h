// Reading the lines of a deck a block at a time, for a reader that takes the whole stream over
// (the threaded run cuts the deck into chunks this way). The lines are those the deck reader reads,
// kept the same way (their first 256 columns, line ends: LF, CR LF or CR alone) and refused at the
// same line, but a byte-order mark at the start of line 1 stays in its text, so that a deck reader
// starting at line 1 on the text passes it by as it would in the stream.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace ss {

class BlockLines {
public:
  // `name` names the deck in a diagnostic; `block` is the bytes read from the stream at once.
  BlockLines(std::istream &in, std::string name, std::size_t block = 64 * 1024);

  // Reads the next line into `line` (emptied first); false at the end of the deck. Throws
  // FatalError naming the line `number` when it is longer than kMaxDeckLine.
  bool read(std::string &line, long number);

private:
  bool fill(std::size_t want);

  std::istream &in_;
  std::string name_; // the deck's, for a diagnostic
  std::vector<char> block_;
  std::size_t at_ = 0, end_ = 0; // the bytes of the block not yet read
  bool ended_ = false;           // the stream has nothing more
  bool started_ = false;         // a line has been read
};

} // namespace ss
