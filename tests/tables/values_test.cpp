// Stresses, shear ranges, connector spacings and the state the tables leave, worked by hand.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tables/blocks.h"
#include "tables/problems.h"
#include "tables/tables.h"

namespace ss::test {
namespace {

using namespace ss::tables;

// The records of a report, carriage control first ("" for an empty record, which is stored like
// a blank-control record with no text: both read back as "").
std::vector<std::string> records(const std::string &bytes) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find('\r', at);
    std::string chunk = bytes.substr(at, end - at);
    at = end + 1;
    if (chunk.rfind("\n\n", 0) == 0)
      out.push_back("0" + chunk.substr(2));
    else if (chunk.rfind("\f", 0) == 0)
      out.push_back("1" + chunk.substr(1));
    else if (chunk.rfind("\n", 0) == 0)
      out.push_back(chunk.size() > 1 ? " " + chunk.substr(1) : "");
    else
      out.push_back("+" + chunk);
  }
  return out;
}

// The text of columns first..last (1-based, column 1 the control character).
std::string cols(const std::string &rec, int first, int last) {
  return rec.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// A state with every diagram zero but the station coordinates of a 60 ft span.
struct Blank {
  TableRun t;
  ProblemState &st = *t.st;
  Blank() {
    for (int j = 0; j <= 40; ++j) st.x[j] = 1.5f * static_cast<float>(j);
    st.length = 60.0f;
  }
};

TEST(Stresses, NonCompositeSectionCarriesEveryMomentOnTheSteel) {
  Blank b;
  ProblemState &st = b.st;
  st.beam_type = 1;
  st.m_totnc[4] = 300.0f; // K-FT.
  st.m_comp[8] = 100.0f;  // on the steel too for a non-composite beam
  st.m_sidewalk[4] = 20.0f;
  st.m_live[4] = 150.0f;
  st.m_rri[4] = 30.0f;
  st.i_steel[8] = 10000.0f;
  st.ytop_steel[8] = -15.0f;
  st.ybot_steel[8] = 12.5f;
  const StressRow r = stress_row(st, 4);
  // Dead: 400 K-FT. = 4.8e6 lb-in; * 15 / 10000 = 7200 psi. Total: 600 K-FT.: 10800 psi.
  EXPECT_FLOAT_EQ(r.top_min, -7200.0f);
  EXPECT_FLOAT_EQ(r.bot_min, 6000.0f);
  EXPECT_FLOAT_EQ(r.top_max, -10800.0f);
  EXPECT_FLOAT_EQ(r.bot_max, 9000.0f);
  EXPECT_EQ(r.concrete, 0.0f);
}

TEST(Stresses, CompositeSectionSplitsTheMomentsOverThreeSections) {
  Blank b;
  ProblemState &st = b.st;
  st.beam_type = 3;
  st.m_totnc[2] = 200.0f; // on the steel: 2.4e6 lb-in / 8000 = 300 psi per inch
  st.m_comp[4] = 50.0f;   // on 3n: 6e5 / 12000 = 50 psi per inch
  st.m_live[2] = 250.0f;  // on n: 3e6 / 20000 = 150 psi per inch
  st.i_steel[4] = 8000.0f;
  st.i_3n[4] = 12000.0f;
  st.i_n[4] = 20000.0f;
  st.ytop_steel[4] = -14.0f;
  st.ybot_steel[4] = 14.0f;
  st.ytop_3n[4] = -8.0f;
  st.ybot_3n[4] = 20.0f;
  st.ytop_n[4] = -3.0f;
  st.ybot_n[4] = 25.0f;
  st.yconc_3n[4] = -0.5f; // top of concrete over 3n
  st.yconc_n[4] = -1.25f; // over n
  const StressRow r = stress_row(st, 2);
  EXPECT_FLOAT_EQ(r.top_min, -300.0f * 14.0f - 50.0f * 8.0f); // -4600
  EXPECT_FLOAT_EQ(r.top_max, -150.0f * 3.0f - 4600.0f);       // -5050
  EXPECT_FLOAT_EQ(r.bot_min, 300.0f * 14.0f + 50.0f * 20.0f); // 5200
  EXPECT_FLOAT_EQ(r.bot_max, 150.0f * 25.0f + 5200.0f);       // 8950
  EXPECT_FLOAT_EQ(r.concrete, 50.0f * 0.5f + 150.0f * 1.25f); // 212.5, compression
}

TEST(Stresses, RowPrintsSteelStressesNegatedAndTheRFactors) {
  Blank b;
  ProblemState &st = b.st;
  st.beam_type = 1;
  st.fs = 20.0f;
  st.fs_beam = 20.0f;
  for (int j = 0; j <= 20; ++j) {
    st.ytop_steel[j] = -15.0f;
    st.ybot_steel[j] = 12.5f;
  }
  st.i_steel.fill(10000.0f);
  st.m_girder[2] = 400.0f;
  st.m_live[1] = 200.0f;
  st.defl_totnc.fill(5.0f);
  print_moments(b.t.run);
  print_stresses(b.t.run);
  const auto recs = records(b.t.bytes());
  const std::string row1 = recs[recs.size() - 10];
  EXPECT_EQ(cols(row1, 1, 6), "0    1");
  EXPECT_EQ(cols(row1, 7, 15), "     7200"); // -(-7200): compression at the top prints positive
  EXPECT_EQ(cols(row1, 16, 24), "    -6000");
  EXPECT_EQ(cols(row1, 25, 33), "        0"); // no concrete
  EXPECT_EQ(cols(row1, 34, 42), "    10800");
  EXPECT_EQ(cols(row1, 43, 51), "    -9000");
  EXPECT_EQ(cols(row1, 52, 60), "    20000");
  EXPECT_EQ(cols(row1, 61, 78), "    0.667    0.667");
  // Zero moments: 0/0 R factors are undefined and print as asterisks.
  EXPECT_EQ(cols(recs.back(), 61, 78), "*********"
                                       "*********");
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(st.defl_totnc[k], 0.0f) << k;
  EXPECT_EQ(st.defl_totnc[0], 5.0f);
  EXPECT_EQ(st.m_totnc[1], 400.0f);
}

TEST(Stresses, ZeroInertiaPrintsAsterisks) {
  Blank b;
  b.st.beam_type = 2;
  b.st.fs = 20.0f;
  b.st.fs_beam = 20.0f;
  b.st.m_girder.fill(100.0f);
  for (int j = 0; j <= 20; ++j) b.st.ytop_steel[j] = -10.0f;
  print_moments(b.t.run);
  print_stresses(b.t.run);
  const std::string row = records(b.t.bytes()).back();
  EXPECT_EQ(cols(row, 7, 15), "*********");
  EXPECT_EQ(cols(row, 52, 60), "    20000");
}

TEST(Stresses, CoverPlatedRegionTakesItsOwnAllowableStressWithoutAnInputFs) {
  Blank b;
  ProblemState &st = b.st;
  st.beam_type = 2;
  st.fs = 0.0f;
  st.fs_beam = 20.0f;
  st.fs_plated = 27.0f;
  st.bottom_plate.x_begin = 12.0f; // x(2k) = 3k: rows 4 on
  print_moments(b.t.run);
  print_stresses(b.t.run);
  const auto recs = records(b.t.bytes());
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(cols(recs[recs.size() - 11 + static_cast<std::size_t>(k)], 52, 60),
              k < 4 ? "    20000" : "    27000")
        << k;
  EXPECT_EQ(st.fs_beam, 27.0f); // replaced in the shared state
}

TEST(Stresses, AnInputFsOrAPlateGirderKeepsTheBeamsAllowableStress) {
  for (auto [type, fs] : {std::pair{2, 20.0f}, std::pair{4, 0.0f}, std::pair{5, 0.0f}}) {
    Blank b;
    ProblemState &st = b.st;
    st.beam_type = type;
    st.fs = fs;
    st.fs_beam = 20.0f;
    st.fs_plated = 99.0f;
    print_moments(b.t.run);
    print_stresses(b.t.run);
    EXPECT_EQ(st.fs_beam, 20.0f) << type;
    EXPECT_EQ(cols(records(b.t.bytes()).back(), 52, 60), "    20000") << type;
  }
}

TEST(ShearRange, IsBothLiveLoadShearsTheSidewalkAndTheImpact) {
  Blank b;
  ProblemState &st = b.st;
  st.v_sidewalk_pos[3] = 1.25f;
  st.v_live_pos[3] = 30.0f;
  st.v_live_neg[3] = -4.5f;
  st.v_sidewalk_neg[3] = -0.25f;
  st.v_rri[3] = 2.0f;
  EXPECT_EQ(shear_range(st, 3), 38.0f);
}

TEST(ConnectorSpacing, IsTheRowCapacityOverTheShearFlow) {
  Blank b;
  ProblemState &st = b.st;
  st.shear_capacity = 18.0f;
  st.q_ratio[6] = -0.0125f;
  st.beam_type = 3;
  // Shear flow 40 kips * 0.0125 /in = 0.5 kips/in; 18 kips per row: a row every 36 in.
  EXPECT_FLOAT_EQ(connector_spacing(st, 3, 40.0f), 36.0f);
  st.beam_type = 5;
  EXPECT_FLOAT_EQ(connector_spacing(st, 3, 40.0f), 36.0f);
  for (int type : {1, 2, 4, 6}) {
    st.beam_type = type;
    EXPECT_EQ(connector_spacing(st, 3, 40.0f), 0.0f);
  }
}

TEST(DeadLoadDeflections, ZeroShearRangeOrQPrintsTheSpacingAsAsterisks) {
  Blank b;
  ProblemState &st = b.st;
  st.beam_type = 5;
  st.shear_capacity = 18.0f;
  st.q_ratio.fill(-0.01f);
  st.q_ratio[20] = 0.0f;
  st.v_live_pos.fill(10.0f);
  st.v_live_pos[0] = 0.0f;
  st.e = 0.0f;
  print_dead_load_deflections(b.t.run);
  const auto recs = records(b.t.bytes());
  const std::string support = recs[recs.size() - 11], midspan = recs.back(), row5 = recs[recs.size() - 6];
  EXPECT_EQ(cols(support, 46, 66), "         0.0*********"); // 18 / 0: infinite
  EXPECT_EQ(cols(midspan, 46, 66), "        10.0*********"); // Q/I = 0: infinite
  EXPECT_EQ(cols(row5, 46, 66), "        10.0   180.00");
}

TEST(DeadLoadDeflections, ModulusNotPositivePrintsZeroDeflectionsAndStillTheShearRanges) {
  TableRun t;
  ProblemState &st = *t.st;
  fill_loads(st);
  fill_plated_section(st);
  DLSELF(st);
  st.e = -29.0f;
  st.defl_girder.fill(3.0f);
  st.defl_comp.fill(3.0f);
  st.defl_totnc.fill(0.0f);
  print_dead_load_deflections(t.run);
  const auto recs = records(t.bytes());
  for (int k = 0; k <= 10; ++k) {
    const std::string &row = recs[recs.size() - 11 + static_cast<std::size_t>(k)];
    EXPECT_EQ(cols(row, 7, 45), "  0.000   0.000   0.000   0.000   0.000") << k;
    EXPECT_NE(cols(row, 46, 57), "         0.0") << k;
  }
}

TEST(DeadLoadDeflections, TotalIsGirderPlusPLoadPlusNonComposite) {
  TableRun t;
  ProblemState &st = *t.st;
  fill_loads(st);
  fill_composite_section(st);
  DLSELF(st);
  st.defl_totnc.fill(0.0f);
  print_dead_load_deflections(t.run);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(st.defl_totnc[k], st.defl_noncomp[k] + (st.defl_pload[k] + (st.defl_girder[k] + 0.0f))) << k;
    EXPECT_GT(st.defl_comp[k], 0.0f);
  }
  // The composite dead load deflects the 3n section: 5 w L^4 / 384 EI at midspan with the
  // inertias of the section varying, between the values of its two inertias.
  const double w = 0.3, L = 60.0, base = 5 * w * L * L * L * L / 384 * 1728 / 29000.0;
  EXPECT_GT(st.defl_comp[10], base / 18700.0);
  EXPECT_LT(st.defl_comp[10], base / 15400.0);
}

TEST(Entries, TheResultsHookRunsOnceTheShearsAndDeflectionsArePrinted) {
  int calls = 0;
  TableRun t;
  fill_loads(*t.st);
  t.run.results_printed = [&](const ProblemState &) { ++calls; };
  t.st->beam_type = 6;
  RESTAB(t.run);
  EXPECT_EQ(calls, 0); // a T-beam's moments page is not the end of its results
  SHRTAB(t.run);
  EXPECT_EQ(calls, 1);
  t.st->beam_type = 4;
  RESTAB(t.run);
  EXPECT_EQ(calls, 2);
}

TEST(Entries, UnsetGoverningCodePrintsABlankLetter) {
  Blank b;
  b.st.m_code[1] = 0;
  b.st.m_code[2] = kTruckCode;
  b.st.m_code[3] = code_word('M');
  print_moments(b.t.run);
  const auto recs = records(b.t.bytes());
  EXPECT_EQ(cols(recs[3], 65, 66), "  ");
  EXPECT_EQ(cols(recs[4], 65, 66), " T");
  EXPECT_EQ(cols(recs[5], 65, 66), " M");
}

} // namespace
} // namespace ss::test
