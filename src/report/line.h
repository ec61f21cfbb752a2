// A report line built by column, so that code reads like the layouts: column 1 is the
// carriage-control character, columns count from it, skipped columns are blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/word.h"

namespace ss {

class Line {
public:
  Line() = default; // an empty record: no characters at all
  // A line whose column 1 holds the carriage-control character c (' ', '0', '1', '+').
  static Line cc(char c);

  Line &text(int col, std::string_view s);     // text at column col
  Line &i(int col, int w, std::int64_t v);     // Iw in columns col..col+w-1
  Line &i_trunc(int col, int w, float v);      // Iw of a real truncated toward zero
  Line &f(int col, int w, int d, float v);     // Fw.d in columns col..col+w-1
  Line &a(int col, int n, const Word &word);   // An of a 4-character word
  Line &a(int col, int n, std::string_view s); // An of a longer text

  const std::string &str() const { return chars_; }
  bool empty() const { return chars_.empty(); }

private:
  std::string chars_;
};

} // namespace ss
