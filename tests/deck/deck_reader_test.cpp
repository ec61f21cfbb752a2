// Reading the deck: every line end an editor may save and a leading byte-order mark give the same
// records, and a file that is not a deck is refused at its first long line.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "deck/deck_reader.h"
#include "state/fatal.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

// The deck with each line end (LF or CR LF) written as `end`.
std::string with_line_ends(const std::string &deck, const std::string &end) {
  std::string s;
  for (std::size_t i = 0; i < deck.size(); ++i)
    if (deck[i] == '\n')
      s += end;
    else if (!(deck[i] == '\r' && i + 1 < deck.size() && deck[i + 1] == '\n'))
      s += deck[i];
  return s;
}

// Every deck of the tests and the examples, saved in each other form, gives the report and the
// diagnostic of its LF original byte for byte.
TEST(DeckReader, EveryDeckReadsAlikeWithAnyLineEndAndAByteOrderMark) {
  int decks = 0;
  for (const char *dir : {SIMPLE_SPAN_TEST_DECKS, SIMPLE_SPAN_TEST_DECKS "/echo", SIMPLE_SPAN_EXAMPLES})
    for (const auto &entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() != ".deck") continue;
      const std::string saved = read_file(entry.path().string());
      const DeckRun want = run_deck(saved);
      const std::string lf = with_line_ends(saved, "\n");
      for (const std::string &form : {lf, with_line_ends(lf, "\r\n"), with_line_ends(lf, "\r"),
                                      "\xEF\xBB\xBF" + lf, "\xEF\xBB\xBF" + with_line_ends(lf, "\r")}) {
        const DeckRun got = run_deck(form);
        EXPECT_TRUE(got.report == want.report) << entry.path();
        EXPECT_EQ(got.diagnostic, want.diagnostic) << entry.path();
      }
      ++decks;
    }
  EXPECT_GT(decks, 40);
}

TEST(DeckReader, LineNumbersAreAnEditorsWithMixedLineEnds) {
  std::istringstream in("\xEF\xBB\xBF"
                        "a\r\nb\rc\n\r\nd\r\r"
                        "e");
  DeckReader deck(in);
  const std::vector<std::pair<std::string, long>> want{{"a", 1}, {"b", 2}, {"c", 3}, {"", 4},
                                                       {"d", 5}, {"", 6},  {"e", 7}};
  for (const auto &[text, line] : want) {
    const auto r = deck.try_read();
    ASSERT_TRUE(r.has_value()) << line;
    EXPECT_EQ(r->str(), text);
    EXPECT_EQ(r->line(), line);
  }
  EXPECT_FALSE(deck.try_read().has_value());
  // The start of a mark that is not one stays in the first record.
  std::istringstream partial("\xEF\xBBX\n");
  EXPECT_EQ(DeckReader(partial).try_read()->str(), "\xEF\xBBX");
}

// An endless stream of bytes without a line end, like /dev/zero.
class Zeros : public std::streambuf {
  char zeros_[4096] = {};
  int underflow() override {
    setg(zeros_, zeros_, zeros_ + sizeof zeros_);
    return 0;
  }
};

TEST(DeckReader, ALineBeyond64KiBEndsTheRunNamingTheLine) {
  std::istringstream fits("*B04\n" + std::string(kMaxDeckLine, 'x') + "\n");
  DeckReader deck(fits);
  deck.read();
  EXPECT_EQ(deck.read().str().size(), 256u); // kept: the columns any field can reach
  Zeros zeros;
  std::istream endless(&zeros);
  try {
    DeckReader(endless, "/dev/zero").read();
    FAIL() << "no diagnostic";
  } catch (const FatalError &e) {
    EXPECT_STREQ(e.what(), "read error on unit 5, file /dev/zero: line 1 is longer than 65536 characters: "
                           "not a deck?");
  }
}

} // namespace
} // namespace ss::test
