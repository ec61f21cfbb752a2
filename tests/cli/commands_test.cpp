// `layout` and `check` through the command line: the listing and the manual page's record tables
// read back as the layout table; `check` exits 0, 1 or 2 and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/program.h"
#include "deck/layout.h"
#include "export/temp_dir.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

int run(std::vector<std::string> args, std::string &out, std::string &err) {
  std::istringstream in;
  std::ostringstream o, e;
  const int status = simple_span_main(args, in, o, e, program_routines());
  out = o.str();
  err = e.str();
  return status;
}

std::string columns(const FieldLayout &f) {
  return f.first == f.last ? std::to_string(f.first) : std::to_string(f.first) + "-" + std::to_string(f.last);
}

// The manual page holds what `layout --roff` prints, between its two marker comments.
TEST(Layout, ManualPageRecordTablesAreTheTable) {
  const std::string page = read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/../doc/simple-span.1");
  const std::string begin = "are the output of \"simple-span layout --roff\"; a test compares them.\n";
  const std::size_t from = page.find(begin), to = page.find(".\\\" End of the record tables.");
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  std::string roff, err;
  ASSERT_EQ(run({"layout", "--roff"}, roff, err), 0);
  EXPECT_EQ(page.substr(from + begin.size(), to - from - begin.size()), roff)
      << "regenerate the tables with build/simple-span layout --roff";
  for (const RecordLayout &rec : record_layouts())
    for (const FieldLayout &f : rec.fields)
      EXPECT_NE(roff.find(".TP 14\n" + columns(f) + " " + f.format_name() + "\n"), std::string::npos);
}

// Every field line of the listing gives the table's columns, format and key, and the marks under
// the ruler begin and end where the field does; `layout RECORD` prints that record's part.
TEST(Layout, ListingReadsBackAsTheTable) {
  std::string all, one, err;
  ASSERT_EQ(run({"layout"}, all, err), 0);
  for (const RecordLayout &rec : record_layouts()) {
    ASSERT_EQ(run({"layout", std::string(rec.key)}, one, err), 0);
    EXPECT_NE(all.find(one), std::string::npos);
    std::istringstream in(one);
    std::string heading, tens, units, marks, blank, line;
    std::getline(in, heading), std::getline(in, blank), std::getline(in, tens), std::getline(in, units);
    std::getline(in, marks), std::getline(in, blank);
    ASSERT_EQ(marks.size(), static_cast<std::size_t>(rec.fields.back().last)) << rec.key;
    for (const FieldLayout &f : rec.fields) {
      ASSERT_TRUE(std::getline(in, line));
      std::istringstream words(line);
      std::string cols, format;
      words >> cols >> format;
      EXPECT_EQ(cols, columns(f));
      EXPECT_EQ(format, f.format_name());
      EXPECT_NE(line.find(" " + std::string(f.key) + " "), std::string::npos) << line;
      EXPECT_NE(std::string("<^.").find(marks[static_cast<std::size_t>(f.first - 1)]), std::string::npos);
      EXPECT_NE(std::string(">^.").find(marks[static_cast<std::size_t>(f.last - 1)]), std::string::npos);
    }
    EXPECT_FALSE(std::getline(in, line));
  }
  EXPECT_EQ(run({"layout", "cards"}, one, err), 2);
  EXPECT_NE(err.find("the records are title continuation span"), std::string::npos) << err;
}

TEST(CheckCommand, ExitStatusesAndNoFileWritten) {
  TempDir dir;
  const std::string clean =
      "*B04P001\n1RB1HS20    5000012501250 900   750 100    2900                36\n330WF116\n";
  write_file(dir / "clean.deck", clean);
  write_file(dir / "warning.deck", clean + "330WF116\n");
  write_file(dir / "fatal.deck", "*B04P001\n1RB1HS20    50X00\n");
  std::string out, err;
  EXPECT_EQ(run({"check", dir / "clean.deck"}, out, err), 0) << out;
  EXPECT_NE(out.find("0 warnings"), std::string::npos);
  EXPECT_EQ(run({"check", dir / "warning.deck"}, out, err), 1) << out;
  EXPECT_EQ(run({"check", dir / "fatal.deck"}, out, err), 2) << out;
  EXPECT_NE(out.find("fatal: line 2, columns 12-17: input conversion error"), std::string::npos) << out;
  EXPECT_EQ(run({"check", dir / "missing.deck"}, out, err), 2);
  EXPECT_NE(err.find("cannot open"), std::string::npos);
  EXPECT_EQ(run({"check"}, out, err), 2);
  EXPECT_EQ(run({"check", "--help"}, out, err), 0);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto &e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 3u);
}

} // namespace
} // namespace ss::test
