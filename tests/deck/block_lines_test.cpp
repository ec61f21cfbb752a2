// Reading a deck's lines a block at a time gives the lines, the line numbers and the refusal of
// the deck reader, whatever the block size, over generated texts of every line end, byte-order
// marks whole and cut short, and lines about the kept 256 columns and the 64 KiB limit.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "deck/block_lines.h"
#include "deck/deck_reader.h"
#include "state/fatal.h"

namespace ss::test {
namespace {

const std::string kMark = "\xEF\xBB\xBF";

// The lines as the deck reader reads them, then its diagnostic (empty when none). A whole
// byte-order mark at the start stays in line 1, as the block reader leaves it for a deck reader.
std::vector<std::string> by_deck_reader(const std::string &text) {
  std::istringstream in(text);
  DeckReader deck(in, "gen.deck");
  std::vector<std::string> lines;
  try {
    while (auto r = deck.try_read())
      lines.push_back((lines.empty() && text.starts_with(kMark) ? kMark : "") + r->str());
    lines.push_back("");
  } catch (const FatalError &e) {
    lines.push_back(e.what());
  }
  return lines;
}

std::vector<std::string> by_blocks(const std::string &text, std::size_t block) {
  std::istringstream in(text);
  BlockLines reader(in, "gen.deck", block);
  std::vector<std::string> lines;
  std::string line;
  try {
    while (reader.read(line, static_cast<long>(lines.size()) + 1)) lines.push_back(line);
    EXPECT_FALSE(reader.read(line, 0)) << "a line after the end";
    lines.push_back("");
  } catch (const FatalError &e) {
    lines.push_back(e.what());
  }
  return lines;
}

std::string generated(std::mt19937 &rng) {
  static const std::string bytes = "a* \r\n\r\n\xEF\xBB\xBF";
  std::string s;
  switch (rng() % 4) {
  case 0:
    s = kMark;
    break;
  case 1:
    s = kMark.substr(0, 1 + rng() % 2);
    break;
  default:
    break;
  }
  const int pieces = static_cast<int>(rng() % 12);
  for (int i = 0; i < pieces; ++i) {
    if (rng() % 6 == 0) { // a long line about one limit or the other
      const std::size_t limit = rng() % 2 ? 256 : kMaxDeckLine;
      s.append(limit - 2 + rng() % 5, 'x');
    }
    for (int n = static_cast<int>(rng() % 20); n > 0; --n) s += bytes[rng() % bytes.size()];
  }
  return s;
}

TEST(BlockLines, GiveTheDeckReadersLinesWhateverTheBlockSize) {
  std::mt19937 rng(20261209);
  for (int i = 0; i < 600; ++i) {
    const std::string text = generated(rng);
    const std::vector<std::string> want = by_deck_reader(text);
    for (std::size_t block : {3u, 4u, 7u, 64u, 65536u}) {
      const std::vector<std::string> got = by_blocks(text, block);
      EXPECT_TRUE(got == want) << "text " << i << " of " << text.size() << " bytes, block " << block << ": "
                               << got.size() << " lines, want " << want.size();
      if (got != want) return;
    }
  }
}

} // namespace
} // namespace ss::test
