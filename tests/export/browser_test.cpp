// The web page of the sample deck as a real browser reads it: headless Chromium's DOM has one
// section per problem with its anchor, an inline SVG per design and the verdicts table's links;
// the PDF is the same from run to run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/program.h"
#include "export/documents_check.h"
#include "export/temp_dir.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

std::size_t count(const std::string &s, const std::string &what) {
  std::size_t n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(WebPage, HeadlessChromiumSeesEveryProblemAndDiagram) {
  TempDir dir;
  std::istringstream in;
  std::ostringstream out, err;
  const std::string html = dir / "sample.html";
  ASSERT_EQ(simple_span_main(
                {std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck", dir / "sample.out", "--html", html}, in,
                out, err, program_routines()),
            0)
      << err.str();
  const std::string dom = command_output(
      "chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
      "--disable-background-networking --disable-component-update --disable-sync --user-data-dir='" +
      (dir / "profile") + "' --dump-dom 'file://" + html + "' 2>/dev/null");
  ASSERT_NE(dom.find("</html>"), std::string::npos) << "no page from chromium";
  EXPECT_EQ(count(dom, "<section class=\"problem\""), 8u);
  EXPECT_EQ(count(dom, "<svg "), 7u); // every problem but the resisting moments of sample 7
  for (int p = 1; p <= 8; ++p) {
    const std::string id = "p-S00" + std::to_string(p);
    EXPECT_NE(dom.find("id=\"" + id + "\""), std::string::npos) << id;
    EXPECT_NE(dom.find("href=\"#" + id + "\""), std::string::npos) << id;
  }
  EXPECT_EQ(count(dom, "<pre class=\"page\">"), count(read_file(html), "<pre class=\"page\">"));
}

// With SOURCE_DATE_EPOCH two runs give the same PDF, titled with the deck's name and dated then.
TEST(Pdf, ReproducibleWithSourceDateEpoch) {
  TempDir dir;
  const char *old = std::getenv("SOURCE_DATE_EPOCH");
  const std::string saved = old ? old : "";
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  std::string bytes[2];
  for (int run = 0; run < 2; ++run) {
    std::istringstream in;
    std::ostringstream out, err;
    const std::string pdf = dir / ("run" + std::to_string(run) + ".pdf");
    EXPECT_EQ(simple_span_main({std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck", dir / "s.out",
                                "--overwrite", "--pdf", pdf},
                               in, out, err, program_routines()),
              0)
        << err.str();
    bytes[run] = read_file(pdf);
  }
  old ? ::setenv("SOURCE_DATE_EPOCH", saved.c_str(), 1) : ::unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_GT(bytes[0].size(), 1000u);
  EXPECT_TRUE(bytes[0] == bytes[1]);
  const std::string info = command_output("pdfinfo '" + (dir / "run0.pdf") + "'");
  EXPECT_NE(info.find("sample.deck"), std::string::npos) << info;
  EXPECT_NE(info.find("Nov 14 22:13:20 2023 UTC"), std::string::npos) << info;
}

} // namespace
} // namespace ss::test
