// File names, directories and write failures of the exporter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "export/export.h"
#include "export/temp_dir.h"

namespace ss {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

ProblemState numbered(const char *number) {
  ProblemState st;
  st.problem_number = make_word(number);
  st.beam_type = 1;
  st.length = 40.0f;
  return st;
}

TEST(ProblemFileStem, SafeForEveryFileSystem) {
  EXPECT_EQ(problem_file_stem(make_word("S001")), "S001");
  EXPECT_EQ(problem_file_stem(make_word("  12")), "12");
  EXPECT_EQ(problem_file_stem(make_word("A B ")), "A_B");
  EXPECT_EQ(problem_file_stem(make_word("../.")), "____");
  EXPECT_EQ(problem_file_stem(make_word("a/b:")), "a_b_");
  EXPECT_EQ(problem_file_stem(make_word("    ")), "problem");
  Word w = make_word("x");
  w[1] = '\xe9'; // a byte of another code page
  w[2] = '\0';
  EXPECT_EQ(problem_file_stem(w), "x__");
  EXPECT_EQ(problem_file_stem(make_word("1-_2")), "1-_2");
}

TEST(Exporter, RepeatedNumbersGetSuffixes) {
  TempDir dir;
  Exporter e({dir / "csv", dir / "plot"});
  ASSERT_EQ(e.prepare(), "");
  for (const char *n : {"S001", "S001", "S002", "S001", "s002", "A", "A", "A-2"})
    e.results_printed(numbered(n));
  EXPECT_EQ(e.error(), "");
  EXPECT_EQ(e.written(), 8);
  // Names that differ only in case are kept apart too, for file systems that ignore case.
  for (const char *stem : {"S001", "S001-2", "S002", "S001-3", "s002-2", "A", "A-2", "A-2-2"}) {
    EXPECT_TRUE(fs::exists(dir.path() / "csv" / (std::string(stem) + ".csv"))) << stem;
    EXPECT_TRUE(fs::exists(dir.path() / "plot" / (std::string(stem) + ".svg"))) << stem;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "csv"), fs::directory_iterator{}), 8);
}

TEST(Exporter, OnlyTheDirectoriesAsked) {
  TempDir dir;
  Exporter e({"", dir / "plot"});
  ASSERT_EQ(e.prepare(), "");
  e.results_printed(numbered("S001"));
  EXPECT_TRUE(fs::exists(dir.path() / "plot" / "S001.svg"));
  EXPECT_FALSE(fs::exists(dir.path() / "csv"));
}

TEST(PrepareOutputDir, CreatesMissingDirectoriesAndLeavesNoProbe) {
  TempDir dir;
  const std::string nested = dir / "a/b/c";
  EXPECT_EQ(prepare_output_dir(nested, "CSV"), "");
  EXPECT_TRUE(fs::is_directory(nested));
  EXPECT_EQ(std::distance(fs::directory_iterator(nested), fs::directory_iterator{}), 0);
  EXPECT_EQ(prepare_output_dir(nested, "CSV"), ""); // an existing directory is fine
}

TEST(PrepareOutputDir, ADirectoryThatCannotBeMadeOrWrittenIsNamed) {
  TempDir dir;
  std::ofstream(dir / "file") << "x";
  // Below a regular file nothing can be created, whoever runs the test.
  std::string e = prepare_output_dir(dir / "file/sub", "plot");
  EXPECT_NE(e.find("cannot write the plot directory"), std::string::npos) << e;
  EXPECT_NE(e.find(dir / "file/sub"), std::string::npos) << e;
  e = prepare_output_dir(dir / "file", "CSV");
  EXPECT_NE(e.find("cannot write the CSV directory"), std::string::npos) << e;
  Exporter both({dir / "ok", dir / "file"});
  EXPECT_NE(both.prepare().find("plot directory"), std::string::npos);
}

TEST(Exporter, AWriteFailureIsKeptAndTheRunGoesOn) {
  TempDir dir;
  Exporter e({dir / "csv", ""});
  ASSERT_EQ(e.prepare(), "");
  e.results_printed(numbered("S001"));
  fs::remove_all(dir.path() / "csv");
  std::ofstream(dir / "csv") << "now a file"; // the directory is gone: the next write fails
  e.results_printed(numbered("S002"));
  e.results_printed(numbered("S003"));
  EXPECT_NE(e.error().find("write error on"), std::string::npos) << e.error();
  EXPECT_NE(e.error().find("S002.csv"), std::string::npos) << e.error(); // the first failure
  EXPECT_EQ(e.written(), 3);
}

} // namespace
} // namespace ss
