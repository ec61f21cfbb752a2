#include "deck/record.h"

#include "deck/field.h"
#include "state/fatal.h"

namespace ss {

std::string printable(std::string s) {
  for (char &c : s)
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
  return s;
}

void Record::fail(int col, int w, const char *kind) const {
  throw FatalError("input conversion error on unit 5, file " + deck_ + ", line " + std::to_string(line_) +
                   ", columns " + std::to_string(col) + "-" + std::to_string(col + w - 1) + ": \"" +
                   printable(field_text(text_, col, w)) + "\" is not " + kind);
}

std::int32_t Record::i(int col, int w) const {
  const auto v = parse_int(field_text(text_, col, w));
  if (!v) fail(col, w, "an integer");
  return *v;
}

float Record::f(int col, int w, int d) const { return f_scaled(col, w, d, 0); }

float Record::f_scaled(int col, int w, int d, int scale) const {
  const auto v = parse_real(field_text(text_, col, w), d, scale);
  if (!v) fail(col, w, "a real number");
  return *v;
}

Word Record::a(int col, int n) const { return parse_word(text_, col, n); }

std::string Record::text(int col, int w) const { return field_text(text_, col, w); }

char Record::column(int col) const {
  const std::size_t at = static_cast<std::size_t>(col - 1);
  return at < text_.size() ? text_[at] : ' ';
}

} // namespace ss
