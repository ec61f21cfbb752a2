#include "deck/deck_reader.h"

#include <limits>

#include "state/fatal.h"

namespace ss {

DeckReader::DeckReader(std::istream &in, std::string name, long first_line)
    : in_(in), name_(std::move(name)), line_(first_line - 1) {}

namespace {

// Columns kept of a record. Every field lies within the first 80; the rest of a longer line is
// passed over unread, so a deck without line ends (a binary file named by mistake) is never held
// whole in memory.
constexpr std::streamsize kKeptColumns = 256;

} // namespace

bool read_kept_line(std::istream &in, std::string &line, const std::string &name) {
  char kept[kKeptColumns + 1];
  in.getline(kept, sizeof kept);
  if (in.bad()) throw FatalError("read error on unit 5, file " + name);
  const std::streamsize got = in.gcount();
  if (got == 0) return false; // nothing left
  std::streamsize length = got;
  if (in.fail()) { // a longer line: skip the rest of it
    in.clear(in.rdstate() & ~std::ios::failbit);
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (in.bad()) throw FatalError("read error on unit 5, file " + name);
  } else if (!in.eof()) {
    --length; // the line end was read, not stored
  }
  line.assign(kept, static_cast<std::size_t>(length));
  return true;
}

std::optional<Record> DeckReader::try_read() {
  std::string text;
  if (!read_kept_line(in_, text, name_)) return std::nullopt;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return Record(std::move(text), ++line_, name_);
}

Record DeckReader::read() {
  auto r = try_read();
  if (!r) throw EndOfDeck{};
  return std::move(*r);
}

bool DeckReader::at_end() { return in_.peek() == std::char_traits<char>::eof(); }

} // namespace ss
