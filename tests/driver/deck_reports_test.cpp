// Every deck under tests/decks/ is run through the whole program and its report compared byte for
// byte with the expected report beside it (<name>.expected). A deck that ends in a fatal
// diagnostic has the diagnostic in <name>.diagnostic. The decks under tests/decks/echo/ test the
// driver alone: they run with design routines that print nothing, so their reports hold the title
// blocks, the echo of the input and the error lines. SIMPLE_SPAN_UPDATE_EXPECTED=1 rewrites the
// expected files instead; review the diff before committing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

// Deck names relative to tests/decks/, without ".deck".
std::vector<std::string> deck_names() {
  std::vector<std::string> names;
  for (const char *sub : {"", "echo/"})
    for (const auto &entry : fs::directory_iterator(fs::path(SIMPLE_SPAN_TEST_DECKS) / sub))
      if (entry.path().extension() == ".deck") names.push_back(sub + entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The live loads run as in the program; the design routines print nothing and succeed.
DesignRoutines echo_routines() {
  DesignRoutines r = program_routines();
  r.beampl = [](Run &, std::int32_t &status) { status = 0; };
  r.plateg = [](Run &) {};
  r.tbeam = [](Run &, std::int32_t &status) { status = 0; };
  return r;
}

class DeckReports : public ::testing::TestWithParam<std::string> {};

TEST_P(DeckReports, MatchExpected) {
  const fs::path dir = SIMPLE_SPAN_TEST_DECKS;
  const std::string name = GetParam();
  const bool echo = name.rfind("echo/", 0) == 0;
  const DeckRun run =
      run_deck(read_file((dir / (name + ".deck")).string()), echo ? echo_routines() : program_routines(),
               fs::path(name).filename().string() + ".deck");
  const fs::path expected = dir / (name + ".expected");
  const fs::path diagnostic = dir / (name + ".diagnostic");
  if (std::getenv("SIMPLE_SPAN_UPDATE_EXPECTED")) {
    write_file(expected.string(), run.report);
    if (!run.diagnostic.empty())
      write_file(diagnostic.string(), run.diagnostic + "\n");
    else
      fs::remove(diagnostic);
    return;
  }
  ASSERT_TRUE(fs::exists(expected)) << expected;
  const std::string want = read_file(expected.string());
  EXPECT_TRUE(run.report == want) << "report differs from " << expected << "\n--- got ---\n"
                                  << readable(run.report);
  const std::string want_diag = fs::exists(diagnostic) ? read_file(diagnostic.string()) : "";
  EXPECT_EQ(run.diagnostic.empty() ? "" : run.diagnostic + "\n", want_diag);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(DeckReports);
INSTANTIATE_TEST_SUITE_P(Decks, DeckReports, ::testing::ValuesIn(deck_names()), [](const auto &info) {
  std::string s = info.param;
  std::replace_if(
      s.begin(), s.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return s;
});

} // namespace
} // namespace ss::test
