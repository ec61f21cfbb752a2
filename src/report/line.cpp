#include "report/line.h"

#include "report/format.h"

namespace ss {

Line Line::cc(char c) {
  Line l;
  l.chars_.assign(1, c);
  return l;
}

Line &Line::text(int col, std::string_view s) {
  const std::size_t at = static_cast<std::size_t>(col > 1 ? col - 1 : 0);
  if (chars_.size() < at + s.size()) chars_.resize(at + s.size(), ' ');
  chars_.replace(at, s.size(), s);
  return *this;
}

Line &Line::i(int col, int w, std::int64_t v) { return text(col, format_i(w, v)); }

Line &Line::i_trunc(int col, int w, float v) { return text(col, format_i_trunc(w, v)); }

Line &Line::f(int col, int w, int d, float v) { return text(col, format_f(w, d, v)); }

Line &Line::a(int col, int n, const Word &word) { return a(col, n, view(word)); }

Line &Line::a(int col, int n, std::string_view s) {
  // An: the first n characters; a width beyond the text gives blanks on the left.
  const std::size_t un = static_cast<std::size_t>(n);
  if (un <= s.size()) return text(col, s.substr(0, un));
  return text(col, std::string(un - s.size(), ' ') + std::string(s));
}

} // namespace ss
