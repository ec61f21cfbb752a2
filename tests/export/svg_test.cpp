// The diagram pages: well-formed, self-contained XML with the curves, labels and section sketch of
// each beam type, and the allowable moments worked by hand or read from the report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "export/diagrams.h"
#include "export/export_run.h"
#include "export/svg.h"
#include "export/svg_page.h"
#include "export/temp_dir.h"
#include "support/run_deck.h"

namespace ss {
namespace {

using test::ExportRun;
using test::TempDir;

int count(const std::string &s, const std::string &what) {
  int n = 0;
  for (std::size_t i = s.find(what); i != std::string::npos; i = s.find(what, i + 1)) ++n;
  return n;
}

TEST(SvgText, EscapedAndPlainAscii) {
  EXPECT_EQ(svg::escape("A&B <C> \"D\""), "A&amp;B &lt;C&gt; &quot;D&quot;");
  EXPECT_EQ(svg::escape(std::string("x\xe9y\x01z")), "x?y?z"); // deck bytes need not be UTF-8
}

TEST(SvgText, Numbers) {
  EXPECT_EQ(svg::number(12.5, 1), "12.5");
  EXPECT_EQ(svg::number(12.0, 3), "12");
  EXPECT_EQ(svg::number(-0.04, 1), "0");
  EXPECT_EQ(svg::number(-2.25, 1), "-2.3"); // halves away from zero
  EXPECT_EQ(svg::number(0.125, 2), "0.13");
  EXPECT_EQ(svg::number(1e300, 1), "0");
  EXPECT_EQ(svg::number(std::nan(""), 1), "0");
}

TEST(SvgPlot, RoundTicks) {
  EXPECT_EQ(svg::tick_step(0, 50, 10), 5);
  EXPECT_EQ(svg::tick_step(0, 1760, 5), 500);
  EXPECT_EQ(svg::tick_step(0, 0.9, 5), 0.2);
  EXPECT_EQ(svg::tick_step(3, 3, 5), 1); // nothing to span
  double y0 = 0, y1 = 0;
  svg::Plot::fit({{{0, -1e-6}, {1, 1760}}}, y0, y1); // a rounding crumb below zero adds no tick
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 2000);
}

// A 40 ft span of a uniform steel section, I = 1000 in^4, fibres 10 in from the axis.
ProblemState uniform_section() {
  ProblemState st;
  st.beam_type = 1;
  st.length = 40.0f;
  st.fs = st.fs_beam = 20.0f;
  for (int j = 0; j <= 40; ++j) {
    st.x[j] = static_cast<float>(j);
    st.m_noncomp[j] = static_cast<float>(j) * (40.0f - static_cast<float>(j)) / 2.0f;
    st.i_steel[j] = st.i_n[j] = st.i_3n[j] = 1000.0f;
    if (j <= 20) st.ytop_steel[j] = -10.0f, st.ybot_steel[j] = 10.0f;
  }
  for (int k = 0; k <= 10; ++k) st.m_totnc[k] = st.m_noncomp[2 * k], st.m_live[k] = 50.0f;
  return st;
}

TEST(AllowableMoment, SteelSectionIsFsTimesSectionModulus) {
  // S = I / y = 100 in^3; 20 ksi * 100 in^3 = 2000 kip-in = 166.67 K-FT., whatever the dead load.
  const auto m = exporting::allowable_moment(uniform_section());
  ASSERT_EQ(m.size(), 19u); // fortieth points 2, 4, ..., 38: the stress table has no support row
  for (const auto &p : m) EXPECT_NEAR(p.y, 2000.0 / 12.0, 1e-3) << p.x;
  EXPECT_EQ(m.front().x, 2.0);
  EXPECT_EQ(m.back().x, 38.0);
}

TEST(AllowableMoment, CompositeSectionFromTheStressesOfTheTable) {
  // Composite: dead load on the steel alone (I 1000, top -5, bottom 10), live load on the n section
  // (I 4000, top of steel -2, bottom 18). The top fibre, at 12000 psi, has room for 1333 K-FT. At midspan the
  // dead moment 200 K-FT. stresses the bottom fibre 200 * 12000 * 10 / 1000 = 24000 psi, beyond 20 ksi: no
  // live load fits, the allowable total falls below the dead moment: 200 + (20000 - 24000) / (12000 * 18 /
  // 4000) = 125.93 K-FT.
  ProblemState st = uniform_section();
  st.beam_type = 3;
  for (int j = 0; j <= 40; ++j) st.i_n[j] = 4000.0f;
  for (int j = 0; j <= 20; ++j) st.ytop_n[j] = -2.0f, st.ybot_n[j] = 18.0f, st.ytop_steel[j] = -5.0f;
  const auto m = exporting::allowable_moment(st);
  EXPECT_NEAR(m[9].y, 200.0 - 4000.0 / 54.0, 1e-3);
}

// Well-formed XML by xmllint (installed by .ci/run; skipped on a machine without it, outside CI).
void expect_well_formed(const std::vector<std::string> &files) {
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0) {
    if (std::getenv("CI")) FAIL() << "xmllint is missing (Debian package libxml2-utils)";
    GTEST_SKIP() << "xmllint not installed";
  }
  std::string cmd = "xmllint --noout";
  for (const std::string &f : files) cmd += " '" + f + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

class SampleDeckSvg : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    run_ = new ExportRun(
        test::run_with_exports(test::read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck")));
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::string &page(std::int32_t type) {
    for (std::size_t i = 0; i < run_->types.size(); ++i)
      if (run_->types[i] == type) return run_->svg[i];
    throw std::runtime_error("no design of type " + std::to_string(type));
  }
  static ExportRun *run_;
};
ExportRun *SampleDeckSvg::run_ = nullptr;

TEST_F(SampleDeckSvg, WellFormedXml) {
  TempDir dir;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < run_->svg.size(); ++i) {
    files.push_back(dir / ("page" + std::to_string(i) + ".svg"));
    std::ofstream(files.back(), std::ios::binary) << run_->svg[i];
  }
  ASSERT_EQ(files.size(), 7u); // problems 1 to 6 and 8; problem 7 has no results tables
  expect_well_formed(files);
}

TEST_F(SampleDeckSvg, SelfContainedLetterPages) {
  for (const std::string &s : run_->svg) {
    EXPECT_NE(s.find("width=\"8.5in\" height=\"11in\""), std::string::npos);
    EXPECT_EQ(s.find("<script"), std::string::npos);
    EXPECT_EQ(s.find("href"), std::string::npos);
    EXPECT_EQ(s.find("url("), std::string::npos);
    EXPECT_EQ(s.find("@font-face"), std::string::npos);
    EXPECT_EQ(s.find("<image"), std::string::npos);
  }
}

TEST_F(SampleDeckSvg, CurvesAndLabelsOfEveryPage) {
  for (std::size_t i = 0; i < run_->svg.size(); ++i) {
    const std::string &s = run_->svg[i];
    const std::string number = run_->numbers[i];
    EXPECT_NE(s.find("PROBLEM NUMBER " + number), std::string::npos) << number;
    for (const char *label :
         {"MOMENTS", "MOMENT (K-FT.)", "SHEARS", "SHEAR (KIPS)", "DEFLECTIONS", "DEFLECTION (IN), DOWN",
          "DISTANCE FROM LEFT SUPPORT (FT)", "SECTION", "dead load", "live load envelope", "allowed L/"})
      EXPECT_NE(s.find(label), std::string::npos) << number << " " << label;
    // Moments: dead, live, total, allowable; shears: dead, two live, two total; deflections: dead,
    // live, allowed.
    EXPECT_EQ(count(s, "<polyline class=\"dead\""), 3) << number;
    EXPECT_EQ(count(s, "<polyline class=\"live\""), 4) << number;
    EXPECT_EQ(count(s, "<polyline class=\"total\""), 3) << number;
    EXPECT_GE(count(s, "<polyline class=\"allowable\""), 2) << number;
  }
  EXPECT_NE(page(1).find("SAMPLE 1  ROLLED BEAM DESIGN"), std::string::npos); // the title as given
}

TEST_F(SampleDeckSvg, SectionSketchOfEachBeamType) {
  // Rolled beam: two flanges and a web along the span and at midspan; the designation.
  EXPECT_EQ(count(page(1), "class=\"flange\""), 4);
  EXPECT_EQ(count(page(1), "class=\"web\""), 2);
  EXPECT_NE(page(1).find("30WF116"), std::string::npos);
  // Cover-plated beam: the bottom plate in the elevation and at midspan, with its extent.
  EXPECT_GE(count(page(2), "class=\"plate\""), 2);
  EXPECT_NE(page(2).find("BOTTOM PLATE"), std::string::npos);
  // Composite rolled beam and composite girder: the slab.
  EXPECT_EQ(count(page(3), "class=\"slab\""), 2);
  EXPECT_EQ(count(page(5), "class=\"slab\""), 2);
  // Plate girders: web, flanges and cover plates.
  for (std::int32_t t : {4, 5}) {
    EXPECT_NE(page(t).find("WEB "), std::string::npos);
    EXPECT_NE(page(t).find("COVER PLATE"), std::string::npos);
    EXPECT_GE(count(page(t), "class=\"plate\""), 2);
  }
  // T-beam: slab and stem, a line per bar row along the span, the bars at midspan.
  const std::string &t = page(6);
  EXPECT_EQ(count(t, "class=\"slab\""), 2);
  EXPECT_EQ(count(t, "class=\"concrete\""), 2);
  EXPECT_NE(t.find("ROW 1: "), std::string::npos);
  EXPECT_NE(t.find("ROW 2: "), std::string::npos);
  EXPECT_GE(count(t, "<circle"), 6);
  EXPECT_NE(t.find("resisting moment"), std::string::npos);
}

TEST(ExamplePages, WellFormedWithTheirCurves) {
  std::vector<std::string> files;
  for (const auto &e : std::filesystem::directory_iterator(std::string(SIMPLE_SPAN_EXAMPLES) + "/plots")) {
    if (e.path().extension() != ".svg") continue;
    files.push_back(e.path().string());
    const std::string s = test::read_file(files.back());
    EXPECT_EQ(count(s, "<polyline class=\"total\""), 3) << files.back();
    EXPECT_NE(s.find("PROBLEM NUMBER"), std::string::npos) << files.back();
  }
  ASSERT_GE(files.size(), 6u); // one page per beam type at least
  expect_well_formed(files);
}

TEST(TBeamResistingMoment, TheValuesTheReportPrints) {
  // The steps of the resisting-moment curve are the design pass's MS and MC of each row set, which
  // the report prints (F11.1 at columns 30 and 41), not the later passes' values left in the state.
  const ExportRun run =
      test::run_with_exports(test::read_file(std::string(SIMPLE_SPAN_EXAMPLES) + "/sample.deck"));
  ProblemState kept;
  for (std::size_t i = 0; i < run.types.size(); ++i)
    if (run.types[i] == 6) kept = run.states[i];
  ASSERT_EQ(kept.beam_type, 6);
  const auto records = test::report_records(run.report);
  std::size_t block = 0;
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].find("RESISTING MOMENTS") != std::string::npos) {
      block = i;
      break;
    }
  ASSERT_GT(block, 0u);
  std::vector<std::pair<double, double>> rows; // MS, MC
  for (std::size_t i = block + 1;
       i < records.size() && rows.size() < static_cast<std::size_t>(kept.tbeam.rows); ++i)
    if (std::atoi(test::field(records[i], 2, 2).c_str()) == static_cast<int>(rows.size()) + 1 &&
        test::field(records[i], 30, 11).find('.') != std::string::npos)
      rows.emplace_back(std::atof(test::field(records[i], 30, 11).c_str()),
                        std::atof(test::field(records[i], 41, 11).c_str()));
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kept.tbeam.rows));
  const auto curve = exporting::allowable_moment(kept);
  ASSERT_FALSE(curve.empty());
  // At the supports row set 1 is in force, at midspan all rows.
  EXPECT_NEAR(curve.front().y, std::min(rows[0].first, rows[0].second), 0.05);
  double mid = 0;
  for (const auto &p : curve)
    if (p.x <= kept.length / 2) mid = p.y;
  EXPECT_NEAR(mid, std::min(rows.back().first, rows.back().second), 0.05);
}

} // namespace
} // namespace ss
