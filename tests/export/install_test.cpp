// `cmake --install` puts the program and its manual page in place; the manual page is clean roff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "export/temp_dir.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

bool have(const char *tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(Install, ProgramAndManualPage) {
  if (!have("cmake")) GTEST_SKIP() << "cmake not on the path";
  TempDir prefix;
  const fs::path build = fs::path(SIMPLE_SPAN_BINARY).parent_path();
  const std::string cmd =
      "cmake --install '" + build.string() + "' --prefix '" + prefix.path().string() + "' >/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  const fs::path bin = prefix.path() / "bin" / "simple-span";
  const fs::path man = prefix.path() / "share" / "man" / "man1" / "simple-span.1";
  ASSERT_TRUE(fs::exists(bin));
  ASSERT_TRUE(fs::exists(man));
  EXPECT_EQ(read_file(man.string()), read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/../doc/simple-span.1"));
  const std::string version = prefix / "version.txt";
  ASSERT_EQ(std::system(("'" + bin.string() + "' --version > '" + version + "'").c_str()), 0);
  EXPECT_EQ(read_file(version), "simple-span 0.1.0\n");
}

TEST(ManualPage, DocumentsTheOptionsStatusesAndEnvironment) {
  const std::string page = read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/../doc/simple-span.1");
  for (const char *what :
       {".SH DIALOGUE", ".SH OPTIONS", ".SH INPUT DECK", ".SH ENVIRONMENT", ".SH EXIT STATUS",
        "SOURCE_DATE_EPOCH", "\\-\\-csv", "\\-\\-plot", "\\-\\-overwrite", "ENTER INPUT FILE NAME:"})
    EXPECT_NE(page.find(what), std::string::npos) << what;
  if (!have("groff")) GTEST_SKIP() << "groff not installed";
  TempDir dir;
  const std::string cmd = "groff -t -man -ww -z '" + std::string(SIMPLE_SPAN_EXAMPLES) +
                          "/../doc/simple-span.1' 2> '" + (dir / "warnings") + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_EQ(read_file(dir / "warnings"), "");
}

} // namespace
} // namespace ss::test
