#include "deck/deck_reader.h"

#include "driver/fatal.h"

namespace ss {

DeckReader::DeckReader(std::istream &in, std::string name) : in_(in), name_(std::move(name)) {}

std::optional<Record> DeckReader::try_read() {
  std::string text;
  if (!std::getline(in_, text)) {
    if (in_.bad()) throw FatalError("read error on unit 5, file " + name_);
    return std::nullopt;
  }
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return Record(std::move(text), ++line_, name_);
}

Record DeckReader::read() {
  auto r = try_read();
  if (!r) throw EndOfDeck{};
  return std::move(*r);
}

} // namespace ss
