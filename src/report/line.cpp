#include "report/line.h"

#include <cstring>

#include "report/format.h"

namespace ss {

Line Line::cc(char c) {
  Line l;
  l.chars_[0] = c;
  l.size_ = 1;
  return l;
}

char *Line::field(int col, int w) {
  const int at = col > 1 ? col - 1 : 0;
  const int n = w > 0 ? w : 0;
  if (n > kColumns || at > kColumns - n) return nullptr;
  if (size_ < at + n) size_ = at + n; // the columns past the end are blanks already
  return chars_.data() + at;
}

Line &Line::text(int col, std::string_view s) {
  const int n = s.size() < kColumns ? static_cast<int>(s.size()) : kColumns + 1;
  if (char *at = field(col, n)) std::memcpy(at, s.data(), s.size());
  return *this;
}

Line &Line::i(int col, int w, std::int64_t v) {
  if (char *at = field(col, w)) put_i(at, w, v);
  return *this;
}

Line &Line::i_trunc(int col, int w, float v) {
  if (char *at = field(col, w)) put_i_trunc(at, w, v);
  return *this;
}

Line &Line::f(int col, int w, int d, float v) {
  if (char *at = field(col, w)) put_f(at, w, d, v);
  return *this;
}

Line &Line::a(int col, int n, const Word &word) { return a(col, n, view(word)); }

Line &Line::a(int col, int n, std::string_view s) {
  // An: the first n characters; a width beyond the text gives blanks on the left.
  const std::size_t un = static_cast<std::size_t>(n > 0 ? n : 0);
  if (un <= s.size()) return text(col, s.substr(0, un));
  if (char *at = field(col, n)) {
    const std::size_t blanks = un - s.size();
    std::memset(at, ' ', blanks);
    std::memcpy(at + blanks, s.data(), s.size());
  }
  return *this;
}

} // namespace ss
