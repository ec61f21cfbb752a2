#include "deck/block_lines.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "deck/deck_reader.h"
#include "state/fatal.h"

namespace ss {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kMarkBytes = 3;

} // namespace

BlockLines::BlockLines(std::istream &in, std::string name, std::size_t block)
    : in_(in), name_(std::move(name)), block_(std::max(block, kMarkBytes)),
      ended_(!in.rdbuf() || !in.good()) {}

// Moves the bytes not yet read to the front of the block and reads more after them, up to `want`
// bytes in all; false when the stream had none to give.
bool BlockLines::fill(std::size_t want) {
  if (ended_) return false;
  const std::size_t have = end_ - at_;
  std::memmove(block_.data(), block_.data() + at_, have);
  at_ = 0;
  end_ = have;
  const std::streamsize got =
      in_.rdbuf()->sgetn(block_.data() + have, static_cast<std::streamsize>(want - have));
  if (got <= 0) {
    ended_ = true;
    in_.setstate(std::ios::eofbit);
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool BlockLines::read(std::string &line, long number) {
  line.clear();
  if (!started_) {
    started_ = true;
    // A byte-order mark at the start of the deck is no part of line 1's length or columns.
    while (end_ - at_ < kMarkBytes && fill(kMarkBytes)) {
    }
    if (number == 1 && end_ - at_ >= kMarkBytes &&
        std::memcmp(block_.data() + at_, kByteOrderMark, kMarkBytes) == 0) {
      line.append(kByteOrderMark, kMarkBytes);
      at_ += kMarkBytes;
    }
  }
  std::size_t length = 0; // characters of the line, its line end not counted
  for (;;) {
    if (at_ == end_ && !fill(block_.size())) return length > 0;
    const char *p = block_.data() + at_, *e = block_.data() + end_;
    const char *stop = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(e - p)));
    if (!stop) stop = e;
    if (const void *cr = std::memchr(p, '\r', static_cast<std::size_t>(stop - p)))
      stop = static_cast<const char *>(cr);
    const std::size_t n = static_cast<std::size_t>(stop - p);
    if (length + n > kMaxDeckLine) throw FatalError(too_long_line(name_, number));
    if (length < kKeptColumns) line.append(p, std::min(n, kKeptColumns - length));
    length += n;
    at_ += n;
    if (stop == e) continue;
    const bool cr = *stop == '\r';
    ++at_;
    if (cr && (at_ < end_ || fill(block_.size())) && block_[at_] == '\n') ++at_;
    return true;
  }
}

} // namespace ss
