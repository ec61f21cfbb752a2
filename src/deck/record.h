// One record of the deck with the fields read from it. A field that is not a number of its kind
// throws FatalError naming the conversion error, unit 5, the deck, the line and the columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "deck/layout.h"
#include "state/word.h"

namespace ss {

// Deck text as a diagnostic shows it: bytes that are not printable ASCII become '?', so the message
// stays one clean line.
std::string printable(std::string s);

class Record {
public:
  Record() = default;
  // `text` without its line end; `line` counts from 1; `deck` names the file in diagnostics.
  explicit Record(std::string text, long line = 0, std::string deck = "deck")
      : text_(std::move(text)), line_(line), deck_(std::move(deck)) {}

  std::int32_t i(int col, int w) const;                   // Iw
  float f(int col, int w, int d) const;                   // Fw.d
  float f_scaled(int col, int w, int d, int scale) const; // Fw.d divided by 10^scale
  Word a(int col, int n) const;                           // An into a 4-character word
  std::string text(int col, int w) const;                 // columns col..col+w-1, blank padded
  char column(int col) const;                             // one column, blank past the end

  // The same, at a field of the layout table.
  std::int32_t i(const FieldLayout &f) const { return i(f.first, f.width()); }
  float f(const FieldLayout &f) const { return f_scaled(f.first, f.width(), f.decimals, f.scale); }
  Word a(const FieldLayout &f) const { return a(f.first, f.width()); }
  std::string text(const FieldLayout &f) const { return text(f.first, f.width()); }

  const std::string &str() const { return text_; }
  long line() const { return line_; }

private:
  [[noreturn]] void fail(int col, int w, const char *kind) const;
  std::string text_;
  long line_ = 0;
  std::string deck_;
};

} // namespace ss
