// The section search of the rolled beam design, its status and its first report blocks.
#include <gtest/gtest.h>

#include <cmath>

#include "rolled_fixture.h"

namespace ss {
namespace {

using test::RolledProblem;

const std::string kHeader = "<FF>" + std::string(18, ' ') + "SIMPLE SPAN OUTPUT DATA PROBLEM NUMBER  T001";

// The row-number line: the row right-aligned in columns 11-13.
std::string row_line(std::int32_t row) {
  const std::string digits = std::to_string(row);
  return "\n" + std::string(12 - digits.size(), ' ') + digits + "\n";
}

TEST(RolledSearch, ExactlySufficientSectionModulusIsAccepted) {
  // 18 WF 35: S = 510 / 8.85. With FS chosen so that Mtot * 12 / FS equals S to the last bit the
  // row passes; one step of FS lower it fails and 18 WF 40 is the first row that passes.
  RolledProblem p;
  p.st->rolled_depth = 18;
  p.st->m_live[10] = 100.0f;
  const float L = p.st->length;
  const float m_beam = 35.0f * L * L / 8000.0f;
  const float m_total = (((m_beam + 0.0f) + 0.0f) + 0.0f) + 0.0f + 0.0f + 100.0f + 0.0f;
  const float s = 510.0f / (17.7f * 0.5f);
  float fs = m_total * 12.0f / s;
  bool found = false;
  for (int i = 0; i < 200 && !found; ++i) {
    const float candidate = std::nextafter(fs, 0.0f);
    if (m_total * 12.0f / fs - s == 0.0f) {
      found = true;
      break;
    }
    fs = m_total * 12.0f / fs - s > 0.0f ? std::nextafter(fs, 100.0f) : candidate;
  }
  ASSERT_TRUE(found);
  p.st->fs = fs;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 1);

  RolledProblem q;
  q.st->rolled_depth = 18;
  q.st->m_live[10] = 100.0f;
  q.st->fs = std::nextafter(fs, 0.0f);
  ASSERT_GT(m_total * 12.0f / q.st->fs - s, 0.0f);
  EXPECT_EQ(q.beampl(), 0);
  EXPECT_EQ(q.st->rolled.chosen_row, 2);
}

TEST(RolledSearch, OnlyTheDepthGivenTakesTheFirstAcceptableRowWhateverItsDepth) {
  // 36 in asked for, but the table is searched from row 1: 18 WF 35 passes a light load.
  RolledProblem p;
  p.st->rolled_depth = 36;
  p.st->m_live[10] = 50.0f;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 1);
  EXPECT_NE(p.text().find(row_line(1)), std::string::npos) << p.text();
}

TEST(RolledSearch, DepthAndWeightGivenTakesTheLightestAcceptableRowFromThere) {
  // From 18 WF 76 (row 9) on, under 200 K-FT. plus the own weight (0.2 W K-FT. over 40 ft) at
  // 20 ksi: S >= 120 + 0.12 W in^3. 18 WF 76 has 146.2; 24 WF 62 (row 43, S = 1550 / 11.85 =
  // 130.8 >= 127.4) is lighter and passes; 21 WF 62 (row 29, 126.7 < 127.4) just fails, and every
  // row lighter than 62 lb/ft has S below 120 (21 WF 57: 110.9; 24 WF 55: 114.4).
  RolledProblem p;
  p.st->rolled_depth = 18;
  p.st->rolled_weight = 76;
  p.st->m_live[10] = 200.0f;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 43);
  EXPECT_EQ(p.st->wbm, 0.062f);
  EXPECT_EQ(p.st->y_top, 11.85f);
  EXPECT_EQ(p.st->y_bot, 11.85f);
  EXPECT_EQ(p.text().rfind(kHeader, 0), 0u);
  EXPECT_NE(p.text().find(row_line(43)), std::string::npos);
  // BEAM PROPERTIES: 24WF 62, 18.200, 23.700, 7.040, 0.590, 0.430, 1550.0.
  EXPECT_NE(p.text().find("\n 24WF 62    18.200    23.700      7.040     0.590     0.430      1550.0\n"),
            std::string::npos)
      << p.text();
}

TEST(RolledSearch, DesignationNotInTheTableIsUnavailableWithoutOutput) {
  RolledProblem p;
  p.st->rolled_depth = 18;
  p.st->rolled_weight = 77;
  EXPECT_EQ(p.beampl(), 2);
  EXPECT_EQ(p.report_bytes.str(), "");
}

TEST(RolledSearch, NoAcceptableRowPrintsTheHeaderOnlyAndIsUnavailable) {
  RolledProblem p;
  p.st->m_live[10] = 1.0e6f;
  EXPECT_EQ(p.beampl(), 2);
  EXPECT_EQ(p.st->rolled.chosen_row, 0);
  EXPECT_EQ(p.text(), kHeader);
}

TEST(RolledSearch, AnalysisReportsTheGivenRowWithoutChecks) {
  RolledProblem p;
  p.st->da = 1;
  p.st->rolled_depth = 18;
  p.st->rolled_weight = 76;
  p.st->m_live[10] = 1.0e6f; // far beyond it
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 9);
  EXPECT_NE(p.text().find(row_line(9)), std::string::npos);
}

TEST(RolledSearch, Steel441PrintsTheAllowableStressOfTheChosenRow) {
  // 40 WF 211 (row 129, flange 11.8 in, 27 ksi) is the lightest acceptable row; the search goes
  // on to 40 WF 199 (row 134, flange 15.8 in, 25 ksi), which fails. The stress table must show
  // the chosen row's 27 ksi.
  RolledProblem p;
  p.st->type_steel = 441;
  p.st->fs = 0.0f;
  p.st->rolled_depth = 18;
  p.st->rolled_weight = 35;
  p.st->m_live[10] = 1650.0f;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 129);
  EXPECT_EQ(p.st->rolled.steel_index, 1);
  EXPECT_EQ(p.st->fs_beam, 27.0f);
}

TEST(RolledSearch, PlainBeamSelfWeightDiagrams) {
  // 18 WF 76 over 40 ft: R = 40 * 0.038 = 1.52 kips; M(20 ft) = 20 * (1.52 - 0.038 * 20) = 15.2.
  RolledProblem p;
  p.st->da = 1;
  p.st->rolled_depth = 18;
  p.st->rolled_weight = 76;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_FLOAT_EQ(p.st->v_girder[0], 1.52f);
  EXPECT_NEAR(p.st->v_girder[20], 0.0f, 1e-6);
  EXPECT_NEAR(p.st->m_girder[20], 15.2f, 1e-4);
  EXPECT_NEAR(p.st->m_girder[40], 0.0f, 1e-4);
  EXPECT_EQ(p.st->ytop_steel[1], -9.1f);
  EXPECT_EQ(p.st->ybot_steel[20], 9.1f);
  for (std::size_t j = 1; j <= 39; ++j) EXPECT_EQ(p.st->i_steel[j], 1330.0f);
}

TEST(InputSection, NonPositivePropertyIsErrorFourWithoutOutput) {
  for (int which = 0; which < 3; ++which) {
    RolledProblem p;
    p.st->da = 1;
    p.st->input_i = which == 0 ? 0.0f : 900.0f;
    p.st->y_top = which == 1 ? -1.0f : 9.0f;
    p.st->y_bot = which == 2 ? 0.0f : 9.0f;
    EXPECT_EQ(p.beampl(), 1) << which;
    EXPECT_EQ(p.report_bytes.str(), "") << which;
  }
}

TEST(InputSection, PlainBeamPrintsHeaderOnlyAndUsesTheInputProperties) {
  RolledProblem p;
  p.st->da = 1;
  p.st->input_i = 900.0f;
  p.st->y_top = 8.0f;
  p.st->y_bot = 10.0f;
  p.st->wbm = 0.049f;
  EXPECT_EQ(p.beampl(), 0);
  const RolledState &r = p.st->rolled;
  EXPECT_EQ(r.chosen_row, -9);
  EXPECT_FLOAT_EQ(r.area, 14.4f); // 0.049 / 0.49 * 144
  EXPECT_EQ(r.d, 18.0f);
  EXPECT_EQ(r.fs_section, 20.0f);
  EXPECT_EQ(p.st->ytop_steel[5], -8.0f);
  EXPECT_EQ(p.st->ybot_steel[5], 10.0f);
  EXPECT_EQ(p.st->i_steel[20], 900.0f);
  EXPECT_EQ(p.text().rfind(kHeader + "\n", 0), 0u);
  EXPECT_EQ(p.text().find("BEAM PROPERTIES"), std::string::npos);
}

TEST(InputSection, BlankUnitWeightBecomesSteel) {
  RolledProblem p;
  p.st->da = 1;
  p.st->wg = 0.0f;
  p.st->input_i = 900.0f;
  p.st->y_top = p.st->y_bot = 9.0f;
  p.st->wbm = 0.098f;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->wg, 0.49f);
  EXPECT_FLOAT_EQ(p.st->rolled.area, 28.8f);
}

TEST(PlatedSearch, EveryRowFailingEndsUnavailable) {
  for (const std::int32_t type : {2, 3}) {
    RolledProblem p(40.0f, type);
    p.st->slab_width = 60.0f;
    p.st->slab_thickness = 6.0f;
    p.st->m_live.fill(1.0e6f);
    EXPECT_EQ(p.beampl(), 2) << type;
    EXPECT_EQ(p.text(), kHeader) << type;
  }
}

TEST(PlatedSearch, CyclingWidthStepsOnEveryRowEndUnavailable) {
  // A minimum thickness of 9 in is beyond every flange's 2 tf: no plate is ever settled, and
  // every row must end.
  RolledProblem p(40.0f, 2);
  p.st->bottom_plate.thickness = 9.0f;
  // No bare beam carries 3000 K-FT. (S >= 1800 in^3 against 1685 for 40 WF 431).
  for (int k = 1; k <= 10; ++k) p.st->m_live[static_cast<std::size_t>(k)] = 3000.0f;
  EXPECT_EQ(p.beampl(), 2);
}

TEST(PlatedSearch, FirstRowThatTakesPlatesIsTheDesign) {
  RolledProblem p(40.0f, 2);
  p.st->m_live[10] = 150.0f;
  EXPECT_EQ(p.beampl(), 0);
  EXPECT_EQ(p.st->rolled.chosen_row, 1); // plated 18 WF 35, weight plays no part
  EXPECT_GT(p.st->rolled.bt, 0.0f);
  EXPECT_NE(p.text().find("COVER PLATES"), std::string::npos);
  EXPECT_NE(p.text().find("BEAM WITH PLATES PROPERTIES"), std::string::npos);
  EXPECT_EQ(p.text().find("COMPOSITE SECTION PROPERTIES"), std::string::npos);
}

} // namespace
} // namespace ss
