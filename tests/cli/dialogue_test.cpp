// The file dialogue and the command line, driven through standard input in a scratch folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "cli/program.h"
#include "cli/setio.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

const char *kDeck = "*B04P001SMALL DECK\n";

class Dialogue : public ::testing::Test {
protected:
  void SetUp() override {
    old_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("simple-span-dialogue-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    write_file("in.deck", kDeck);
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  // Runs the program with the console input and arguments given; returns the exit status.
  int run(const std::string &console, std::vector<std::string> args = {}) {
    std::istringstream in(console);
    out_.str("");
    err_.str("");
    return simple_span_main(args, in, out_, err_, program_routines());
  }
  fs::path old_, dir_;
  std::ostringstream out_, err_;
};

// --jobs takes a thread count from 1 to 256; the report is the same whatever the count, and a
// fatal diagnostic leaves the lines written before it.
TEST_F(Dialogue, JobsOptionKeepsTheReport) {
  for (const char *bad : {"0", "257", "x", "-1"}) {
    EXPECT_EQ(run("", {"in.deck", "out.txt", "--jobs", bad}), 2) << bad;
    EXPECT_NE(err_.str().find("--jobs needs a number of threads"), std::string::npos) << err_.str();
  }
  std::string deck;
  for (int i = 0; i < 40; ++i)
    deck += read_file(std::string(SIMPLE_SPAN_TEST_DECKS) + "/rolled-rp-design.deck");
  write_file("in.deck", deck + "*B04R999\n1RB0HS20   4X.\n");
  ::setenv("SOURCE_DATE_EPOCH", "0", 1); // both runs print the same date and time
  EXPECT_EQ(run("", {"in.deck", "one.txt", "--jobs=1"}), 1);
  EXPECT_EQ(run("", {"--jobs", "3", "in.deck", "three.txt"}), 1);
  EXPECT_NE(err_.str().find("conversion"), std::string::npos) << err_.str();
  EXPECT_TRUE(read_file("one.txt") == read_file("three.txt"));
  EXPECT_NE(read_file("three.txt").find("R999"), std::string::npos);
  ::unsetenv("SOURCE_DATE_EPOCH");
}

TEST_F(Dialogue, AsksForBothNamesAndWritesTheReport) {
  EXPECT_EQ(run("in.deck\nout.txt\n"), 0);
  EXPECT_EQ(out_.str(), " ENTER INPUT FILE NAME: ENTER OUTPUT FILE NAME:");
  EXPECT_NE(read_file("out.txt").find("PROB. NO. P001"), std::string::npos);
}

TEST_F(Dialogue, ExistingReportIsReplacedOnlyAfterY) {
  write_file("out.txt", "old");
  EXPECT_EQ(run("in.deck\nout.txt\ny\n"), 0);
  EXPECT_NE(out_.str().find("OUTPUT FILE ALREADY EXISTS.  DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) \n"),
            std::string::npos);
  EXPECT_NE(read_file("out.txt").find("P001"), std::string::npos);

  for (const char *answer : {" Y\n", "\n", "N\n", ""}) {
    write_file("out.txt", "old");
    EXPECT_EQ(run(std::string("in.deck\nout.txt\n") + answer), 0) << answer;
    EXPECT_NE(out_.str().find("EXITING PROGRAM\n"), std::string::npos) << answer;
    EXPECT_EQ(read_file("out.txt"), "old") << answer;
  }
}

TEST_F(Dialogue, MissingDeckStopsBeforeTheReportIsLookedAt) {
  write_file("out.txt", "old");
  EXPECT_NE(run("missing.deck\nout.txt\ny\n"), 0);
  EXPECT_NE(err_.str().find("unit 5"), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find("missing.deck"), std::string::npos) << err_.str();
  EXPECT_EQ(read_file("out.txt"), "old");
  EXPECT_EQ(out_.str().find("ALREADY EXISTS"), std::string::npos);
  EXPECT_NE(run("missing.deck\nnew.txt\n"), 0);
  EXPECT_FALSE(fs::exists("new.txt"));
}

TEST_F(Dialogue, NamesAreCutAtThirtyFiveCharacters) {
  const std::string name35 = "a-report-name-of-thirty-five-chars.";
  ASSERT_EQ(name35.size(), 35u);
  EXPECT_EQ(run("in.deck\n" + name35 + "EXTRA\n"), 0);
  EXPECT_TRUE(fs::exists(name35));
  EXPECT_EQ(dialogue_name("  in.deck   "), "  in.deck");
}

TEST_F(Dialogue, BlankNameIsAskedForAgainWithItsUnit) {
  EXPECT_EQ(run("\nout.txt\nin.deck\n"), 0);
  EXPECT_NE(out_.str().find("File name missing or blank - please enter file name\nUNIT 5?\n"),
            std::string::npos);
  EXPECT_TRUE(fs::exists("out.txt"));
  // A name given at that question is protected like any other.
  write_file("kept.txt", "old");
  EXPECT_EQ(run("in.deck\n\nkept.txt\n\n"), 0);
  EXPECT_NE(out_.str().find("UNIT 6?"), std::string::npos);
  EXPECT_EQ(read_file("kept.txt"), "old");
}

TEST_F(Dialogue, EndOfConsoleInputEndsTheRunQuietly) {
  EXPECT_EQ(run(""), 0);
  EXPECT_EQ(run("in.deck\n"), 0);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(Dialogue, CommandLineNamesAskNothingAndProtectAnExistingReport) {
  EXPECT_EQ(run("", {"in.deck", "out.txt"}), 0);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(read_file("out.txt").find("P001"), std::string::npos);
  write_file("out.txt", "old");
  EXPECT_EQ(run("", {"in.deck", "out.txt"}), 1); // no consent: the report was not written
  EXPECT_NE(out_.str().find("EXITING PROGRAM"), std::string::npos);
  EXPECT_EQ(read_file("out.txt"), "old");
  EXPECT_EQ(run("y\n", {"in.deck", "out.txt"}), 0);
  EXPECT_NE(read_file("out.txt").find("P001"), std::string::npos);
  write_file("out.txt", "old");
  EXPECT_EQ(run("", {"in.deck", "out.txt", "--overwrite"}), 0);
  EXPECT_NE(read_file("out.txt").find("P001"), std::string::npos);
}

TEST_F(Dialogue, HelpVersionAndWrongArguments) {
  EXPECT_EQ(run("", {"--help"}), 0);
  EXPECT_NE(out_.str().find("usage: simple-span"), std::string::npos);
  EXPECT_EQ(run("", {"--version"}), 0);
  EXPECT_NE(out_.str().find("simple-span "), std::string::npos);
  EXPECT_EQ(run("", {"only-one"}), 2);
  EXPECT_EQ(run("", {"--bogus"}), 2);
}

TEST_F(Dialogue, AReportThatCannotBeCreatedOrWrittenIsAFatalError) {
  EXPECT_EQ(run("", {"in.deck", "no-such-dir/out.txt"}), 1);
  EXPECT_NE(err_.str().find("unit 6"), std::string::npos) << err_.str();
  if (fs::exists("/dev/full")) {
    EXPECT_EQ(run("", {"in.deck", "/dev/full", "--overwrite"}), 1);
    EXPECT_NE(err_.str().find("write error"), std::string::npos) << err_.str();
  }
}

TEST_F(Dialogue, MalformedFieldGivesADiagnosticAndKeepsTheReport) {
  write_file("bad.deck", std::string(kDeck) + "1RB1HS20   X50000\n");
  EXPECT_EQ(run("", {"bad.deck", "out.txt"}), 1);
  EXPECT_NE(err_.str().find("input conversion error on unit 5, file bad.deck, line 2, columns 12-17"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(read_file("out.txt").find("PROB. NO. P001"), std::string::npos);
}

} // namespace
} // namespace ss::test
