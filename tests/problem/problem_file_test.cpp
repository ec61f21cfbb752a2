// Problem files: deck -> TOML -> deck on every deck and on generated decks of every beam type (the
// same report, the same problem file again, the same report when the problem file runs directly),
// every numeric field's value carried exactly, the templates, and the errors a problem file gets.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/program.h"
#include "deck/field.h"
#include "export/temp_dir.h"
#include "problem/decimal.h"
#include "problem/problem_file.h"
#include "problem/templates.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> every_deck() {
  std::vector<std::string> decks;
  for (const fs::path &dir : {fs::path(SIMPLE_SPAN_TEST_DECKS), fs::path(SIMPLE_SPAN_TEST_DECKS) / "echo",
                              fs::path(SIMPLE_SPAN_EXAMPLES)})
    for (const auto &e : fs::directory_iterator(dir))
      if (e.path().extension() == ".deck") decks.push_back(e.path().string());
  std::sort(decks.begin(), decks.end());
  return decks;
}

// The program on the command line, its report read back.
std::string program_report(const std::string &input, const std::string &report, std::string &err_text) {
  std::istringstream in;
  std::ostringstream out, err;
  simple_span_main({input, report, "--overwrite"}, in, out, err, program_routines());
  err_text = err.str();
  return read_file(report);
}

// deck -> TOML -> deck gives the same report and TOML -> deck -> TOML the same problem file.
std::string expect_round_trip(const std::string &deck, const std::string &name) {
  const Converted toml = problem_file_from_deck(deck, name);
  EXPECT_TRUE(toml.ok()) << toml.error;
  const Converted back = deck_from_problem_file(toml.text, name + ".toml");
  EXPECT_TRUE(back.ok()) << name << ": " << back.error;
  EXPECT_TRUE(run_deck(back.text).report == run_deck(deck).report) << name;
  EXPECT_EQ(problem_file_from_deck(back.text, name).text, toml.text) << name;
  return toml.text;
}

TEST(ProblemFiles, EveryDeckRoundTripsAndRunsDirectly) {
  setenv("SOURCE_DATE_EPOCH", "86400", 1);
  TempDir dir;
  std::size_t decks = 0;
  for (const std::string &deck : every_deck()) {
    const std::string name = fs::path(deck).filename().string();
    if (const DeckRun run = run_deck(read_file(deck)); !run.diagnostic.empty()) {
      // The run stops at a field that is not a number: so does the conversion, at the same line.
      const Converted c = problem_file_from_deck(read_file(deck), name);
      const std::string line = run.diagnostic.substr(run.diagnostic.find(", line ") + 7);
      EXPECT_EQ(c.error.substr(0, name.size() + 2 + line.find(',')),
                name + ":" + line.substr(0, line.find(',')) + ":");
      continue;
    }
    const std::string toml = expect_round_trip(read_file(deck), name);
    if (const fs::path beside = fs::path(deck).replace_extension(".toml"); fs::exists(beside)) {
      EXPECT_EQ(read_file(beside.string()), toml) << beside << " is not the deck beside it";
    }
    write_file(dir / "p.toml", toml);
    std::string deck_err, toml_err;
    const std::string want = program_report(deck, dir / "deck.rpt", deck_err);
    EXPECT_TRUE(program_report(dir / "p.toml", dir / "toml.rpt", toml_err) == want) << name << toml_err;
    EXPECT_EQ(toml_err, deck_err) << name;
    ++decks;
  }
  EXPECT_GE(decks, 40u);
}

// Records the run rejects keep what they hold, blanks included: a blank deck id, a continuation
// without its "*", a blank record type, a lone sign, a negative zero, exponents, a problem cut off,
// carriage returns inside records.
TEST(ProblemFiles, RejectedAndOddRecordsRoundTrip) {
  const std::string title = "*B04P001ODD RECORDS                                             CONT\n";
  for (const std::string &deck : {
           std::string("*   P000BLANK DECK ID\n1RB1HS20   50.   1.  1.  1.\n330WF116\n"),
           title + "  MORE TITLE\n1RB1HS20   50.   1.  1.  1.\n",
           title + "*  MORE TITLE\n RB1HS20   50.   1.  1.  1.\n3\n",
           std::string("*B04P002\n1RB1HS20   1.5E+1 1E0  -.  -0 11D-1   -\n21  1E-9    -0\n330WF116\n"),
           std::string("NOTE\r\r\n*B04P004LINES ENDED BY CR\r1RB1HS20   50.   1.  1.  1.\r\n330WF116\n"),
           std::string("*B04P003\n1TB0HS20   34.   1.2 1.2 1.0 0 .5         3.\n31020 3\n"),
       })
    expect_round_trip(deck, "odd");
}

#ifdef SIMPLE_SPAN_MAKE_DECK
// Decks of every beam type, class and mode, with problems abandoned on error lines.
TEST(ProblemFiles, GeneratedDecksRoundTrip) {
  for (int seed = 1; seed <= 4; ++seed) {
    const std::string cmd = std::string(SIMPLE_SPAN_MAKE_DECK) + " 150 " + std::to_string(seed);
    FILE *p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string deck;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) deck.append(buf, n);
    ASSERT_EQ(pclose(p), 0);
    const std::string toml = expect_round_trip(deck, "generated-" + std::to_string(seed));
    for (const char *type : {"RB", "RP", "CB", "PG", "CG", "TB", "RM"})
      EXPECT_NE(toml.find(std::string("beam_type = \"") + type + "\""), std::string::npos) << type;
  }
}
#endif

// A random field text the run accepts: digits, perhaps a sign, a point, an exponent, blanks.
std::string random_field_text(std::mt19937 &rng, const FieldLayout &f) {
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::string s;
  if (pick(4) == 0) s += pick(2) ? "-" : "+";
  const int digits = pick(f.width() + 1);
  for (int i = 0; i < digits; ++i) s += static_cast<char>('0' + (pick(3) == 0 ? 0 : pick(10)));
  if (f.format != FieldFormat::Integer) {
    if (pick(2)) s.insert(static_cast<std::size_t>(pick(static_cast<int>(s.size()) + 1)), ".");
    if (pick(4) == 0) s += std::string(pick(2) ? "E" : "D") + (pick(2) ? "-" : "") + std::to_string(pick(40));
  }
  if (!s.empty() && pick(4) == 0) s.insert(static_cast<std::size_t>(pick(static_cast<int>(s.size()))), " ");
  s.resize(std::min<std::size_t>(s.size(), static_cast<std::size_t>(f.width())));
  return std::string(static_cast<std::size_t>(f.width()) - s.size(), ' ') + s;
}

std::optional<std::uint32_t> bits(const std::string &text, const FieldLayout &f) {
  if (f.format == FieldFormat::Integer) {
    const auto v = parse_int(text);
    return v ? std::optional(static_cast<std::uint32_t>(*v)) : std::nullopt;
  }
  const auto v = parse_real(text, f.decimals, f.scale);
  return v ? std::optional(std::bit_cast<std::uint32_t>(*v)) : std::nullopt;
}

// Over every numeric field of the layout table: a value read from a deck goes to its TOML literal
// and back to a field text that fits and reads as the same float, bit for bit, and as the same
// decimal again (so the problem file is the same the second time).
TEST(ProblemFiles, EveryFieldCarriesItsValueExactly) {
  std::mt19937 rng(14);
  int checked = 0;
  for (const RecordLayout &r : record_layouts())
    for (const FieldLayout &f : r.fields) {
      if (!f.numeric()) continue;
      for (int i = 0; i < 3000; ++i) {
        const std::string text = random_field_text(rng, f);
        const auto want = bits(text, f);
        if (!want) continue;
        const auto d = decimal_from_field(text, f);
        ASSERT_TRUE(d) << f.key << " '" << text << "'";
        const std::string literal = toml_literal(*d, f.format == FieldFormat::Integer);
        const auto again = decimal_from_toml(literal);
        ASSERT_TRUE(again) << literal;
        const auto written = field_text_for(*again, f);
        ASSERT_TRUE(written) << f.key << " '" << text << "' -> " << literal;
        EXPECT_EQ(bits(*written, f), want)
            << f.key << " '" << text << "' -> " << literal << " -> " << *written;
        EXPECT_EQ(toml_literal(*decimal_from_field(*written, f), f.format == FieldFormat::Integer), literal);
        ++checked;
      }
    }
  EXPECT_GT(checked, 100000);
}

// The plainest text: implied decimals where they allow, a point next, an exponent last.
TEST(ProblemFiles, PlainestFieldText) {
  const FieldLayout &length = layout_field(RecordKind::Span, "length"); // F6.3
  const FieldLayout &wg = layout_field(RecordKind::Span, "wg");         // F3.0/1000
  const auto text = [](const char *literal, const FieldLayout &f) {
    return field_text_for(*decimal_from_toml(literal), f).value_or("(too wide)");
  };
  EXPECT_EQ(text("60", length), "60000");
  EXPECT_EQ(text("60.125", length), "60125");
  EXPECT_EQ(text("1000", length), "1000.");
  EXPECT_EQ(text("0.0005", length), "0.0005");
  EXPECT_EQ(text("0.00005", length), ".00005");
  EXPECT_EQ(text("1e20", length), "1E23");
  EXPECT_EQ(text("123456.7", length), "(too wide)");
  EXPECT_EQ(text("0.15", wg), "150");
  EXPECT_EQ(text("0.0015", wg), "1.5");
  EXPECT_EQ(text("-0.0", length), "-0");
}

TEST(ProblemFiles, EveryTemplateRunsAndDesignsWithoutAnErrorLine) {
  int analysis = 0;
  for (const ProblemTemplate &t : problem_templates()) {
    const std::string name = std::string(t.type) + (t.analysis ? " analysis" : " design");
    const std::string file = template_problem_file(t);
    const Converted deck = deck_from_problem_file(file, "girder.toml");
    ASSERT_TRUE(deck.ok()) << name << ": " << deck.error;
    const DeckRun run = run_deck(deck.text);
    EXPECT_EQ(run.diagnostic, "") << name;
    EXPECT_EQ(run.report.find(" ERROR"), std::string::npos) << name << "\n" << readable(run.report);
    EXPECT_EQ(run.report.find("UNAVAILABLE"), std::string::npos) << name;
    EXPECT_NE(run.report.find(t.type == "RM" || t.type == "TB" ? "RESISTING MOMENT" : "SHEARS (KIPS)"),
              std::string::npos)
        << name << "\n"
        << readable(run.report);
    EXPECT_NE(file.find(t.analysis ? "design_analysis = 1" : "design_analysis = 0"), std::string::npos)
        << name;
    EXPECT_NE(file.find("beam_type = \"" + std::string(t.type) + "\""), std::string::npos) << name;
    analysis += t.analysis;
  }
  EXPECT_EQ(problem_templates().size(), 13u);
  EXPECT_EQ(analysis, 7);
}

// Each mistake in a problem file names the file, the line and the column of what is wrong.
TEST(ProblemFiles, ErrorsNameTheFileLineAndColumn) {
  const std::string head = "[[problem]]\ntitle = \"T\"\n[problem.span]\nbeam_type = \"RB\"\n"
                           "class_code = \"HS\"\nclass_number = 20\nlength = 50\ndfm = 1.25\n";
  const struct {
    std::string text, error;
  } cases[] = {
      {head + "[problem.section]\n", ""},
      {head + "lenght = 50\n[problem.section]\n", "t.toml:9:1: unknown key 'lenght' in [problem.span]"},
      {"colour = 1\n" + head + "[problem.section]\n", "t.toml:1:1: unknown key 'colour'"},
      {head + "npl = \"2\"\n[problem.section]\n", "t.toml:9:7: npl takes a whole number (2 columns, I2)"},
      {head + "npl = 2.0\n[problem.section]\n", "t.toml:9:7: npl takes a whole number"},
      {head + "dfv = true\n[problem.section]\n", "t.toml:9:7: dfv takes a number"},
      {head + "[problem.section]\nrolled_depth = \"30\"\n",
       "t.toml:10:16: rolled_depth takes a whole number"},
      {head + "e = 12345.6\n[problem.section]\n",
       "t.toml:9:5: e = 12345.6 is too wide for its field (4 columns, F4.2)"},
      {head + "npl = 100\n[problem.section]\n", "t.toml:9:7: npl = 100 is too wide"},
      {head + "[problem.section]\n[problem.slab]\nbeam_type = 1\n",
       "t.toml:11:1: unknown key 'beam_type' in [problem.slab]"},
      {"[[problem]]\nproblem_number = \"12345\"\n",
       "t.toml:2:18: problem_number is too wide for its field (4 columns, A4)"},
      {head, "t.toml:1:1: this problem has no [problem.section] table, which the run reads next"},
      {head + head + "[problem.section]\n",
       "t.toml:1:1: this problem has no [problem.section] table where the run reads the Section record"},
      {head + "[problem.section]\n[problem.slab]\n", "t.toml:10:1: the run does not read this table here"},
      {head + "[[problem.loads]]\nx1 = 1\n[problem.section]\n",
       "t.toml:9:1: the run does not read this table"},
      {"passed_over = [\"*B04\"]\n" + head + "[problem.section]\n",
       "t.toml:1:16: a record starting with '*'"},
      {"[[problem]]\ndeck_ends_here = true\n" + head.substr(12) + "[problem.section]\n",
       "t.toml:2:18: deck_ends_here: the run reads every"},
      {"[[problem]]\ntitle = \"T\nx\"\n", "t.toml:2:"},
      {"title = \"T\"\n", "t.toml:1:1: unknown key 'title'"},
      {"# nothing\n", ""},
      {"problem = 1\n", "t.toml:1:11: problem must be tables written [[problem]]"},
  };
  for (const auto &c : cases) {
    const Converted r = deck_from_problem_file(c.text, "t.toml");
    if (c.error.empty()) {
      EXPECT_TRUE(r.ok()) << r.error;
      continue;
    }
    EXPECT_EQ(r.error.substr(0, c.error.size()), c.error) << c.text;
  }
}

// The command line: convert both ways, a problem file run directly, and a bad one refused before
// the report is touched.
TEST(ProblemFiles, CommandLine) {
  TempDir dir;
  const std::string deck = std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck";
  std::istringstream in;
  std::ostringstream out, err;
  const auto run = [&](std::vector<std::string> args, const std::string &console = "") {
    in.clear();
    in.str(console);
    out.str("");
    err.str("");
    return simple_span_main(args, in, out, err, program_routines());
  };
  EXPECT_EQ(run({"convert", deck, dir / "s.toml"}), 0) << err.str();
  EXPECT_EQ(run({"convert", dir / "s.toml", dir / "s.deck"}), 0) << err.str();
  EXPECT_EQ(run({"convert", dir / "s.deck", "-"}), 0);
  EXPECT_EQ(out.str(), read_file(dir / "s.toml"));
  EXPECT_EQ(run({"convert", dir / "s.toml", dir / "s.deck"}), 1);
  EXPECT_NE(err.str().find("exists; add --overwrite"), std::string::npos) << err.str();
  EXPECT_EQ(run({"convert", deck, dir / "x.deck"}), 1);
  EXPECT_NE(err.str().find("name it NAME.toml"), std::string::npos) << err.str();
  EXPECT_EQ(run({"convert", deck}), 2);
  write_file(dir / "bad.toml", "[[problem]]\nspan = 1\n");
  EXPECT_EQ(run({dir / "bad.toml", dir / "bad.rpt"}), 1);
  EXPECT_NE(err.str().find("bad.toml:2:8: [problem.span] must be written as"), std::string::npos)
      << err.str();
  EXPECT_FALSE(fs::exists(dir / "bad.rpt"));
  // Named in the dialogue, a problem file runs as its deck does.
  // (the dialogue takes names of 35 characters at most: they are given relative to the directory)
  const fs::path here = fs::current_path();
  fs::current_path(dir.path());
  EXPECT_EQ(run({}, "s.toml\ndialogue.rpt\n"), 0) << err.str();
  fs::current_path(here);
  EXPECT_EQ(run({deck, dir / "deck.rpt"}), 0);
  EXPECT_TRUE(read_file(dir / "dialogue.rpt") == read_file(dir / "deck.rpt"));
  // check reads a problem file as its deck, on the file's lines and keys.
  EXPECT_EQ(run({"check", dir / "s.toml"}), 0) << out.str();
  std::string toml = read_file(dir / "s.toml");
  toml.replace(toml.find("length = 50 "), 12, "length = 500");
  write_file(dir / "far.toml", toml);
  EXPECT_EQ(run({"check", dir / "far.toml"}), 1);
  EXPECT_NE(out.str().find("warning: line 17: length: LENGTH"), std::string::npos) << out.str();
  EXPECT_EQ(run({"check", dir / "bad.toml"}), 2);
  EXPECT_NE(err.str().find("bad.toml:2:8:"), std::string::npos) << err.str();
  EXPECT_EQ(run({"template", "cg", "analysis"}), 0);
  EXPECT_NE(out.str().find("beam_type = \"CG\""), std::string::npos);
  EXPECT_EQ(run({"template", "RM", "design"}), 2);
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out.str().find("convert"), std::string::npos);
}

} // namespace
} // namespace ss::test
