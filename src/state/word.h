// Deck text is kept in 4-character words padded with blanks on the right.
#pragma once

#include <array>
#include <string_view>

namespace ss {

using Word = std::array<char, 4>;

constexpr Word blank_word() { return {' ', ' ', ' ', ' '}; }

// The first four characters of s, padded with blanks.
constexpr Word make_word(std::string_view s) {
  Word w = blank_word();
  for (std::size_t i = 0; i < w.size() && i < s.size(); ++i) w[i] = s[i];
  return w;
}

constexpr std::string_view view(const Word &w) { return {w.data(), w.size()}; }

// True when the word reads s padded with blanks ("RB" matches "RB  ").
constexpr bool word_is(const Word &w, std::string_view s) { return w == make_word(s); }

} // namespace ss
