#include "deck/deck_reader.h"

#include "state/fatal.h"

namespace ss {

DeckReader::DeckReader(std::istream &in, std::string name) : in_(in), name_(std::move(name)) {}

namespace {

// Columns kept of a record. Every field lies within the first 80; the rest of a longer line is
// passed over unread.
constexpr std::size_t kKeptColumns = 256;

constexpr int kEof = std::char_traits<char>::eof();

// Skips a UTF-8 byte-order mark at the start of the stream. Returns the bytes taken for the start
// of a mark that was not one: they begin the first line.
std::string skip_byte_order_mark(std::streambuf &buf) {
  static constexpr char bom[] = "\xEF\xBB\xBF";
  std::string taken;
  for (int i = 0; i < 3; ++i) {
    if (buf.sgetc() != static_cast<unsigned char>(bom[i])) return taken;
    taken.push_back(static_cast<char>(buf.sbumpc()));
  }
  return {};
}

} // namespace

std::optional<Record> DeckReader::try_read() {
  std::streambuf *buf = in_.rdbuf();
  if (!buf || !in_.good()) return std::nullopt;
  std::string text;
  if (!started_) {
    started_ = true;
    text = skip_byte_order_mark(*buf);
  }
  std::size_t length = text.size();
  int c = kEof;
  while ((c = buf->sbumpc()) != kEof && c != '\n' && c != '\r') {
    if (++length > kMaxDeckLine)
      throw FatalError("read error on unit 5, file " + name_ + ": line " + std::to_string(line_ + 1) +
                       " is longer than " + std::to_string(kMaxDeckLine) + " characters: not a deck?");
    if (length <= kKeptColumns) text.push_back(static_cast<char>(c));
  }
  if (c == '\r' && buf->sgetc() == '\n') buf->sbumpc();
  if (c == kEof) {
    in_.setstate(std::ios::eofbit);
    if (length == 0) return std::nullopt; // nothing left
  }
  return Record(std::move(text), ++line_, name_);
}

Record DeckReader::read() {
  auto r = try_read();
  if (!r) throw EndOfDeck{};
  return std::move(*r);
}

} // namespace ss
