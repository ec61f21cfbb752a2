#include "deck/deck_reader.h"

#include "state/fatal.h"

namespace ss {

DeckReader::DeckReader(std::istream &in, std::string name, long first_line)
    : in_(in), name_(std::move(name)), line_(first_line - 1), started_(first_line != 1) {}

namespace {

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

// Reads the rest of a line after the `line` already taken.
bool read_rest(std::istream &in, std::string &line, const std::string &name, long number) {
  std::streambuf *buf = in.rdbuf();
  std::size_t length = line.size();
  char kept[kKeptColumns]; // the columns kept, appended to `line` at the end of the line
  std::size_t taken = 0;
  int c = kEof;
  while ((c = buf->sbumpc()) != kEof && c != '\n' && c != '\r') {
    if (++length > kMaxDeckLine) throw FatalError(too_long_line(name, number));
    if (length <= kKeptColumns) kept[taken++] = static_cast<char>(c);
  }
  line.append(kept, taken);
  if (c == '\r' && buf->sgetc() == '\n') buf->sbumpc();
  if (c == kEof) {
    in.setstate(std::ios::eofbit);
    if (length == 0) return false; // nothing left
  }
  return true;
}

} // namespace

std::string too_long_line(const std::string &name, long number) {
  return "read error on unit 5, file " + name + ": line " + std::to_string(number) + " is longer than " +
         std::to_string(kMaxDeckLine) + " characters: not a deck?";
}

std::optional<Record> DeckReader::try_read() {
  if (!in_.rdbuf() || !in_.good()) return std::nullopt;
  std::string text;
  if (!started_) {
    started_ = true;
    text = skip_byte_order_mark(*in_.rdbuf());
  }
  if (!read_rest(in_, text, name_, line_ + 1)) return std::nullopt;
  return Record(std::move(text), ++line_, name_);
}

Record DeckReader::read() {
  auto r = try_read();
  if (!r) throw EndOfDeck{};
  return std::move(*r);
}

bool DeckReader::at_end() { return !in_.good() || in_.peek() == std::char_traits<char>::eof(); }

} // namespace ss
