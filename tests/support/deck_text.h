// Building deck records by column in tests, so that a record reads like its layout.
#pragma once

#include <string>
#include <string_view>

namespace ss::test {

class Cols {
public:
  // Places s at column col (1-based), blanks in between.
  Cols &at(int col, std::string_view s) {
    const std::size_t i = static_cast<std::size_t>(col - 1);
    if (text_.size() < i + s.size()) text_.resize(i + s.size(), ' ');
    text_.replace(i, s.size(), s);
    return *this;
  }
  std::string line() const { return text_ + "\n"; }

private:
  std::string text_;
};

} // namespace ss::test
