// A report line built by column, so that code reads like the layouts: column 1 is the
// carriage-control character, columns count from it, skipped columns are blanks.
//
// The characters live in the line object itself and every field is formatted in place: building
// and printing a line allocates nothing. A line holds kColumns columns; anything placed beyond
// them is left out (the widest layout uses well under a hundred).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/word.h"

namespace ss {

class Line {
public:
  static constexpr int kColumns = 256;

  Line() { chars_.fill(' '); } // an empty record: no characters at all
  // A line whose column 1 holds the carriage-control character c (' ', '0', '1', '+').
  static Line cc(char c);

  Line &text(int col, std::string_view s);     // text at column col
  Line &i(int col, int w, std::int64_t v);     // Iw in columns col..col+w-1
  Line &i_trunc(int col, int w, float v);      // Iw of a real truncated toward zero
  Line &f(int col, int w, int d, float v);     // Fw.d in columns col..col+w-1
  Line &a(int col, int n, const Word &word);   // An of a 4-character word
  Line &a(int col, int n, std::string_view s); // An of a longer text

  std::string_view str() const { return {chars_.data(), static_cast<std::size_t>(size_)}; }
  bool empty() const { return size_ == 0; }

private:
  // The line extended with blanks to cover columns col..col+w-1 and where those columns start;
  // nullptr, the line unchanged, when they reach beyond kColumns.
  char *field(int col, int w);
  std::array<char, kColumns> chars_; // blanks from size_ on

  int size_ = 0;
};

} // namespace ss
