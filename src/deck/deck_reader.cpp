#include "deck/deck_reader.h"

#include <limits>

#include "state/fatal.h"

namespace ss {

DeckReader::DeckReader(std::istream &in, std::string name) : in_(in), name_(std::move(name)) {}

namespace {

// Columns kept of a record. Every field lies within the first 80; the rest of a longer line is
// passed over unread, so a deck without line ends (a binary file named by mistake) is never held
// whole in memory.
constexpr std::streamsize kKeptColumns = 256;

} // namespace

std::optional<Record> DeckReader::try_read() {
  char kept[kKeptColumns + 1];
  in_.getline(kept, sizeof kept);
  if (in_.bad()) throw FatalError("read error on unit 5, file " + name_);
  const std::streamsize got = in_.gcount();
  if (got == 0) return std::nullopt; // nothing left
  std::streamsize length = got;
  if (in_.fail()) { // a longer line: skip the rest of it
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (in_.bad()) throw FatalError("read error on unit 5, file " + name_);
  } else if (!in_.eof()) {
    --length; // the line end was read, not stored
  }
  std::string text(kept, static_cast<std::size_t>(length));
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return Record(std::move(text), ++line_, name_);
}

Record DeckReader::read() {
  auto r = try_read();
  if (!r) throw EndOfDeck{};
  return std::move(*r);
}

} // namespace ss
