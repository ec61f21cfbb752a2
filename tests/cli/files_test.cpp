// The files around a run: the deck is never the report, an interrupted run or a failed write
// leaves the previous report as it was with no temporary left, export files are replaced only with
// consent, and every failure and unfinished problem is said on standard error.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "export/write_file.h"
#include "support/run_deck.h"
#include "support/scratch_run.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck";

// Names in the scratch directory that are temporaries of an unfinished write.
std::vector<std::string> temporaries(const fs::path &dir) {
  std::vector<std::string> found;
  for (const auto &e : fs::recursive_directory_iterator(dir))
    if (e.path().filename().string().find(".tmp-") != std::string::npos) found.push_back(e.path().string());
  return found;
}

class Files : public ScratchRun {
protected:
  void SetUp() override {
    ScratchRun::SetUp();
    write_file("s.deck", read_file(kSample));
  }
  // The deck is as it was and no temporary is left.
  void expect_nothing_lost() {
    EXPECT_EQ(read_file("s.deck"), read_file(kSample));
    EXPECT_EQ(temporaries(dir_.path()), std::vector<std::string>{});
  }
};

TEST_F(Files, TheDeckIsNeverTheReportByAnyName) {
  fs::create_hard_link("s.deck", "hard.deck");
  fs::create_symlink("s.deck", "soft.deck");
  for (const char *report : {"s.deck", "hard.deck", "soft.deck", "./s.deck"}) {
    EXPECT_EQ(run({"s.deck", report, "--overwrite"}), 1) << report;
    EXPECT_NE(err_.str().find("is the deck s.deck itself"), std::string::npos) << err_.str();
  }
  EXPECT_EQ(run({}, "s.deck\nhard.deck\ny\n"), 1); // the dialogue does not ask: refused first
  EXPECT_NE(err_.str().find("is the deck"), std::string::npos) << err_.str();
  EXPECT_EQ(out_.str().find("ALREADY EXISTS"), std::string::npos);
  // Nor a CSV or SVG page the run would write.
  fs::create_directory("csv");
  write_file("csv/S001.csv", read_file(kSample));
  EXPECT_EQ(run({"csv/S001.csv", "out.txt", "--overwrite", "--csv", "csv"}), 1);
  EXPECT_NE(err_.str().find("csv/S001.csv would be the deck csv/S001.csv itself"), std::string::npos)
      << err_.str();
  EXPECT_EQ(read_file("csv/S001.csv"), read_file(kSample));
  EXPECT_FALSE(fs::exists("out.txt"));
  expect_nothing_lost();
}

TEST_F(Files, ExportFilesAreReplacedOnlyWithConsent) {
  ASSERT_EQ(run({"s.deck", "a.out", "--csv", "csv", "--plot", "svg"}), 0) << err_.str();
  write_file("csv/S001.csv", "mine");
  write_file("csv/notes.csv", "not the run's");
  EXPECT_EQ(run({"s.deck", "b.out", "--csv", "csv"}), 1);
  EXPECT_NE(err_.str().find("csv/S001.csv exists"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists("b.out")); // stopped before any problem ran
  EXPECT_EQ(read_file("csv/S001.csv"), "mine");
  EXPECT_EQ(run({"s.deck", "b.out", "--plot", "svg"}, "y\n"), 1); // a new report asks nothing
  EXPECT_EQ(run({"--csv", "csv"}, "s.deck\nb.out\n"), 1);         // nor the dialogue for a new report
  EXPECT_EQ(read_file("csv/S001.csv"), "mine");
  EXPECT_EQ(run({"--csv", "csv"}, "s.deck\na.out\ny\n"), 0) << err_.str(); // Y for the report is consent
  EXPECT_NE(read_file("csv/S001.csv"), "mine");
  write_file("csv/S001.csv", "mine");
  EXPECT_EQ(run({"s.deck", "a.out", "--overwrite", "--csv", "csv", "--plot", "svg"}), 0) << err_.str();
  EXPECT_NE(read_file("csv/S001.csv"), "mine");
  write_file("csv/S001.csv", "mine"); // --overwrite holds with a new report as well
  EXPECT_EQ(run({"s.deck", "new.out", "--overwrite", "--csv", "csv"}), 0) << err_.str();
  EXPECT_NE(read_file("csv/S001.csv"), "mine");
  EXPECT_EQ(read_file("csv/notes.csv"), "not the run's");
  expect_nothing_lost();
}

// A child process under a file-size limit: the report and an export file hit it mid-write.
TEST_F(Files, AWriteFailureLeavesThePreviousFilesAsTheyWere) {
  write_file("out.txt", "the previous report");
  write_file("page.svg", "the previous page");
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    int failures = 0;
    failures += run({"s.deck", "out.txt", "--overwrite"}) != 1;
    failures += err_.str().find("write error on unit 6, file out.txt") == std::string::npos;
    failures +=
        write_file_atomically("page.svg", std::string(10000, 'x')).find("write error on page.svg") != 0;
    std::_Exit(failures);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(read_file("out.txt"), "the previous report");
  EXPECT_EQ(read_file("page.svg"), "the previous page");
  expect_nothing_lost();
}

// The program on a long deck, stopped by each signal as soon as its report is being written.
TEST_F(Files, AnInterruptedRunLeavesThePreviousReportAsItWas) {
  std::string deck;
  for (int i = 0; i < 2000; ++i) deck += read_file(kSample);
  write_file("long.deck", deck);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    write_file("out.txt", "the previous report");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
      if (!std::freopen("err.txt", "w", stderr)) std::_Exit(127);
      ::execl(SIMPLE_SPAN_BINARY, SIMPLE_SPAN_BINARY, "long.deck", "out.txt", "--overwrite", nullptr);
      std::_Exit(127);
    }
    bool writing = false;
    for (int tries = 0; tries < 20000 && !writing; ++tries) {
      for (const std::string &t : temporaries(dir_.path())) writing = writing || fs::file_size(t) > 0;
      if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(writing);
    ::kill(pid, sig);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
    EXPECT_EQ(read_file("out.txt"), "the previous report");
    EXPECT_NE(read_file("err.txt").find("interrupted: the report out.txt is as it was"), std::string::npos);
    expect_nothing_lost();
  }
}

TEST_F(Files, DashIsTheConsole) {
  ASSERT_EQ(run({"s.deck", "out.txt"}), 0);
  EXPECT_EQ(run({"s.deck", "-"}), 0);
  EXPECT_TRUE(out_.str() == read_file("out.txt"));
  EXPECT_EQ(run({"-", "-"}, read_file(kSample)), 0);
  EXPECT_TRUE(out_.str() == read_file("out.txt"));
  EXPECT_EQ(run({"-", "out.txt"}, read_file(kSample)), 1); // no question can be asked
  EXPECT_NE(err_.str().find("--overwrite replaces it"), std::string::npos);
}

// Unfinished problems are said on standard error; --strict makes them an exit status.
TEST_F(Files, TheEndOfRunLineAndStrict) {
  write_file("errors.deck", read_file(std::string(SIMPLE_SPAN_TEST_DECKS) + "/echo/errors.deck"));
  write_file("empty.deck", "A DECK WITHOUT A TITLE RECORD\n");
  const std::string errors =
      "simple-span: 8 problems: 0 designed, 5 ERROR 1 (E1A E1B E1C E1D E1E), 1 ERROR 2 (E2), 1 ERROR 3 (E3), "
      "1 ERROR 4 (E4)\n";
  const std::string none =
      "simple-span: no problem found in empty.deck (no record with B04 in columns 2-4)\n";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::vector<Case> cases{
      {{"s.deck", "o", "--overwrite"}, 0, ""},
      {{"s.deck", "o", "--overwrite", "--strict"}, 0, ""},
      {{"errors.deck", "o", "--overwrite"}, 0, errors},
      {{"errors.deck", "o", "--overwrite", "--strict"}, 3, errors},
      {{"errors.deck", "o", "--overwrite", "--strict", "--quiet"}, 3, ""},
      {{"empty.deck", "o", "--overwrite"}, 0, none},
      {{"empty.deck", "o", "--overwrite", "--strict"}, 3, none},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(run(c.args), c.status) << c.args[0];
    EXPECT_EQ(err_.str(), c.err) << c.args[0];
  }
}

// Every exit status 1 or 2 comes with its reason on standard error.
TEST_F(Files, EveryFailureSaysWhy) {
  write_file("old.txt", "old");
  struct Case {
    std::string epoch;
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::vector<Case> cases{
      {"abc", {"s.deck", "new.txt"}, 1, "SOURCE_DATE_EPOCH=abc is not"},
      {"1e9", {"s.deck", "new.txt"}, 1, "SOURCE_DATE_EPOCH=1e9 is not"},
      {"-1", {"s.deck", "new.txt"}, 1, "SOURCE_DATE_EPOCH=-1 is not"},
      {"99999999999999999999", {"s.deck", "new.txt"}, 1, "SOURCE_DATE_EPOCH=99999999999999999999 is not"},
      {"", {"s.deck", "new.txt"}, 1, "SOURCE_DATE_EPOCH= is not"},
      {"0", {"s.deck", "old.txt"}, 1, "the report old.txt exists and was not replaced"},
      {"0", {"missing.deck", "new.txt"}, 1, "open error on unit 5, file missing.deck"},
      {"0", {"s.deck", "new.txt", "--bogus"}, 2, "unknown option --bogus"},
  };
  for (const Case &c : cases) {
    ::setenv("SOURCE_DATE_EPOCH", c.epoch.c_str(), 1);
    EXPECT_EQ(run(c.args), c.status) << c.epoch;
    EXPECT_NE(err_.str().find(c.err), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists("new.txt"));
  }
  EXPECT_EQ(read_file("old.txt"), "old");
  ::setenv("SOURCE_DATE_EPOCH", "1000000000", 1);
  EXPECT_EQ(run({"s.deck", "new.txt"}), 0);
  EXPECT_NE(read_file("new.txt").find("09-SEP-01"), std::string::npos);
}

} // namespace
} // namespace ss::test
