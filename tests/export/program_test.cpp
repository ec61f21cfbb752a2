// --csv, --plot, --pdf and --html on the command line and with the console dialogue; the report is
// the same byte for byte with and without them on every deck, and the PDF and the web page hold it
// all; a long deck stays fast.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "cli/program.h"
#include "export/csv_reader.h"
#include "export/documents_check.h"
#include "export/export.h"
#include "export/export_run.h"
#include "export/temp_dir.h"
#include "support/run_deck.h"
#include "support/scratch_run.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

std::size_t files_in(const fs::path &dir, const std::string &ext) {
  if (!fs::is_directory(dir)) return 0;
  std::size_t n = 0;
  for (const auto &e : fs::directory_iterator(dir)) n += e.path().extension() == ext;
  return n;
}

class Options : public ScratchRun {
protected:
  void SetUp() override {
    ScratchRun::SetUp();
    write_file("in.deck", read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck"));
  }
};

TEST_F(Options, HelpListsThem) {
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out_.str().find("[--csv DIR] [--plot DIR]"), std::string::npos);
  EXPECT_NE(out_.str().find("  --csv DIR "), std::string::npos);
  EXPECT_NE(out_.str().find("  --plot DIR "), std::string::npos);
}

TEST_F(Options, ADirectoryMustFollow) {
  EXPECT_EQ(run({"in.deck", "out.txt", "--csv"}), 2);
  EXPECT_NE(err_.str().find("--csv needs a directory"), std::string::npos) << err_.str();
  EXPECT_EQ(run({"in.deck", "out.txt", "--plot="}), 2);
  EXPECT_NE(err_.str().find("--plot needs a directory"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists("out.txt"));
}

TEST_F(Options, AnywhereOnTheCommandLine) {
  EXPECT_EQ(run({"--csv", "c", "in.deck", "--plot=p/q", "out.txt", "--overwrite"}), 0) << err_.str();
  EXPECT_EQ(files_in("c", ".csv"), 8u); // problems 1 to 6 and 8, and summary.csv
  EXPECT_EQ(files_in("p/q", ".svg"), 7u);
  EXPECT_TRUE(fs::exists("c/S006.csv"));
  EXPECT_FALSE(fs::exists("c/S007.csv")); // resisting moments only: no results tables
  EXPECT_EQ(parse_csv(read_file("c/S001.csv")).rows.size(), 21u);
}

TEST_F(Options, WithTheConsoleDialogue) {
  EXPECT_EQ(run({"--plot", "plots"}, "in.deck\nout.txt\n"), 0) << err_.str();
  EXPECT_EQ(out_.str(), " ENTER INPUT FILE NAME: ENTER OUTPUT FILE NAME:"); // nothing new is asked
  EXPECT_EQ(files_in("plots", ".svg"), 7u);
  EXPECT_EQ(files_in(".", ".csv"), 0u);
}

TEST_F(Options, AnUnwritableDirectoryStopsTheRunBeforeAnything) {
  write_file("blocker", "a file, not a directory");
  write_file("out.txt", "old report");
  EXPECT_EQ(run({"in.deck", "out.txt", "--overwrite", "--csv", "blocker/csv"}), 1);
  EXPECT_NE(err_.str().find("cannot write the CSV directory blocker/csv"), std::string::npos) << err_.str();
  EXPECT_EQ(read_file("out.txt"), "old report"); // the report was not replaced
  // With the dialogue: nothing is asked.
  EXPECT_EQ(run({"--plot", "blocker"}, "in.deck\nnew.txt\n"), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("cannot write the plot directory blocker"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists("new.txt"));
}

TEST_F(Options, TheReportIsTheSameByteForByteOnEveryDeck) {
  std::size_t designs = 0;
  std::vector<std::string> pages;
  for (const std::string &deck : all_decks()) {
    const std::string stem =
        fs::path(deck).stem().string() + (deck.find("/echo/") != std::string::npos ? "-echo" : "");
    const int plain = run({deck, stem + ".plain", "--overwrite"});
    const std::string plain_err = err_.str();
    const int with = run({deck, stem + ".with", "--overwrite", "--csv", stem + "-csv", "--plot",
                          stem + "-svg", "--pdf", stem + ".pdf", "--html", stem + ".html"});
    EXPECT_EQ(with, plain) << deck;
    EXPECT_EQ(err_.str(), plain_err) << deck;
    const std::string report = read_file(stem + ".plain");
    EXPECT_TRUE(report == read_file(stem + ".with")) << deck;
    // A CSV and a page for every design whose tables are complete.
    std::size_t tables = 0;
    for (const std::string &r : report_records(report))
      tables += r.find("SHEARS (KIPS) AT SPAN 1/20 POINTS") != std::string::npos;
    EXPECT_EQ(files_in(stem + "-csv", ".csv"), tables + 1) << deck; // and summary.csv
    EXPECT_EQ(check_pdf(report, stem + ".pdf"), "") << deck;
    EXPECT_EQ(check_pdf_diagrams(stem + ".pdf", stem + "-svg"), "") << deck;
    EXPECT_EQ(check_html(report, read_file(stem + ".html")), "") << deck;
    EXPECT_EQ(files_in(stem + "-svg", ".svg"), tables) << deck;
    designs += tables;
    if (fs::is_directory(stem + "-svg"))
      for (const auto &e : fs::directory_iterator(stem + "-svg")) pages.push_back(e.path().string());
  }
  EXPECT_GE(designs, 7u);
  if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
    for (std::size_t i = 0; i < pages.size(); i += 50) {
      std::string cmd = "xmllint --noout";
      for (std::size_t j = i; j < std::min(pages.size(), i + 50); ++j) cmd += " '" + pages[j] + "'";
      EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
  }
}

// 10,000 problems with both options: under 3 s of processor time in an optimised build, and the
// files cost less than the report itself (sanitizer and debug builds run 400 problems, untimed).
// The time spent writing the files is measured inside the same run as the rest, so that a busy
// machine (tests run in parallel) weighs on both alike; on a machine too busy for the report alone
// to take under 2 s only that share is held to its bound. The files go to memory when the machine
// has a memory file system: the time measured is the program's, not the disk's.
TEST(LongRun, TenThousandProblemsStayFast) {
  std::error_code ec;
  const bool shm = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0;
  TempDir scratch(shm ? fs::path("/dev/shm") : fs::temp_directory_path());
  const std::string sample = read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck");
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__)
  constexpr int kCopies = 1250; // 8 problems each, 7 of them designs
#else
  constexpr int kCopies = 50; // a sanitizer build only checks the long run works
#endif
  std::string deck;
  for (int i = 0; i < kCopies; ++i) deck += sample;
  Exporter exporter({scratch / "c", scratch / "p"});
  ASSERT_EQ(exporter.prepare(), "");
  std::istringstream in(deck);
  std::ofstream out(scratch / "big.out", std::ios::binary);
  Report report(out, "big.out");
  DeckReader reader(in, "big.deck");
  ProblemState st;
  ss::Run r{st, report, reader};
  std::clock_t in_files = 0;
  r.results_printed = [&](const ProblemState &s) {
    const std::clock_t c0 = std::clock();
    exporter.results_printed(s);
    in_files += std::clock() - c0;
  };
  const std::clock_t c0 = std::clock();
  run_problems(r, program_routines(), fixed_stamp());
  report.flush();
  const double total = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
  const double files = static_cast<double>(in_files) / CLOCKS_PER_SEC;
  EXPECT_EQ(exporter.error(), "");
  EXPECT_EQ(files_in(scratch.path() / "c", ".csv"), 7u * kCopies); // problem 7 of each has no tables
  EXPECT_EQ(files_in(scratch.path() / "p", ".svg"), 7u * kCopies);
  EXPECT_TRUE(fs::exists(scratch.path() / "c" / ("S001-" + std::to_string(kCopies) + ".csv")));
  RecordProperty("cpu_seconds", std::to_string(total));
  RecordProperty("cpu_seconds_in_files", std::to_string(files));
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__)
  // A busy machine slows both alike: the limit holds when the report alone is within its own.
  if (total - files < 2.0) {
    EXPECT_LT(total, 3.0) << "the files " << files << " s of " << total << " s";
  }
#endif
}

} // namespace
} // namespace ss::test
