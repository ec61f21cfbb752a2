// The command line as data: every form the program accepts, and the words of every refusal.
#include <gtest/gtest.h>

#include "cli/options.h"

namespace ss {
namespace {

struct Accepted {
  std::vector<std::string> args;
  std::vector<std::string> names;
  bool overwrite;
  std::string csv, plot, pdf, html;
};

TEST(ParseArgs, AcceptsOptionsBeforeBetweenAndAfterTheNames) {
  const std::vector<Accepted> cases{
      {{}, {}, false, "", "", "", ""},
      {{"a.deck", "a.out"}, {"a.deck", "a.out"}, false, "", "", "", ""},
      {{"--overwrite", "a.deck", "a.out"}, {"a.deck", "a.out"}, true, "", "", "", ""},
      {{"--csv", "c", "a.deck", "--plot=p/q", "a.out", "--overwrite"},
       {"a.deck", "a.out"},
       true,
       "c",
       "p/q",
       "",
       ""},
      {{"--plot", "plots"}, {}, false, "", "plots", "", ""},
      {{"a", "--pdf", "r.pdf", "b", "--html=r.html"}, {"a", "b"}, false, "", "", "r.pdf", "r.html"},
      {{"-", "-"}, {"-", "-"}, false, "", "", "", ""}, // standard input and output are names like any other
  };
  for (const Accepted &c : cases) {
    const auto parsed = parse_args(c.args);
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << std::get<UsageError>(parsed).message;
    const Invocation &inv = std::get<Invocation>(parsed);
    EXPECT_EQ(inv.command, Invocation::Command::Run);
    EXPECT_EQ(inv.run.names, c.names);
    EXPECT_EQ(inv.run.overwrite, c.overwrite);
    EXPECT_EQ(inv.run.exports.csv_dir, c.csv);
    EXPECT_EQ(inv.run.exports.plot_dir, c.plot);
    EXPECT_EQ(inv.run.documents.pdf_file, c.pdf);
    EXPECT_EQ(inv.run.documents.html_file, c.html);
  }
  EXPECT_EQ(std::get<Invocation>(parse_args({"x", "--help"})).command, Invocation::Command::Help);
  EXPECT_EQ(std::get<Invocation>(parse_args({"--version"})).command, Invocation::Command::Version);
}

TEST(ParseArgs, RefusalsSayWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--csv"}, "--csv needs a directory"},
      {{"a", "b", "--plot"}, "--plot needs a directory"},
      {{"--csv="}, "--csv needs a directory"},
      {{"--pdf"}, "--pdf needs a file name"},
      {{"--html="}, "--html needs a file name"},
      {{"--bogus", "a", "b"}, "unknown option --bogus"},
      {{"a.deck"}, "a report name is needed after the deck a.deck"},
      {{"a", "b", "c"}, "one deck and one report, not 3 names"},
      {{"--overwrite"}, "--overwrite goes with the two names DECK REPORT"},
  };
  for (const auto &[args, message] : cases) {
    const auto parsed = parse_args(args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << message;
    EXPECT_EQ(std::get<UsageError>(parsed).message, message);
  }
}

} // namespace
} // namespace ss
