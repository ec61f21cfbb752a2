// The CSV of a state built by hand: a 40 ft span under 1 kip/ft on a steel beam of I = 1000 in^4
// and fibres 10 in from its axis, worked from statics.
#include <gtest/gtest.h>

#include <sstream>

#include "export/csv.h"
#include "export/csv_reader.h"
#include "export/printed.h"

namespace ss {
namespace {

using test::CsvTable;
using test::parse_csv;

constexpr float kL = 40.0f; // ft

ProblemState uniform_beam(std::int32_t beam_type) {
  ProblemState st;
  st.problem_number = make_word("  12");
  st.beam_type = beam_type;
  st.length = kL;
  st.fs = 20.0f;
  st.fs_beam = 20.0f;
  for (int j = 0; j <= 40; ++j) {
    const float x = static_cast<float>(j); // L/40 = 1 ft
    st.x[j] = x;
    st.m_noncomp[j] = x * (kL - x) / 2.0f; // w x (L - x) / 2, w = 1 kip/ft
    st.i_steel[j] = st.i_n[j] = st.i_3n[j] = 1000.0f;
    if (j <= 20) {
      st.v_noncomp[j] = kL / 2.0f - x;
      st.ytop_steel[j] = -10.0f;
      st.ybot_steel[j] = 10.0f;
    }
  }
  for (int k = 0; k <= 10; ++k) {
    st.m_totnc[k] = st.m_noncomp[2 * k]; // as the moments table stores it
    st.m_live[k] = 100.0f;
    st.v_live_pos[k] = 30.0f;
    st.v_live_neg[k] = -5.0f;
    st.m_code[k] = kTruckCode;
    st.v_code[k] = code_word(k < 5 ? 'L' : 'M');
  }
  return st;
}

TEST(ResultsCsv, HeaderUnitsAndOneRowPerTwentiethPoint) {
  const CsvTable t = parse_csv(results_csv(uniform_beam(1)));
  ASSERT_EQ(t.rows.size(), 21u);
  EXPECT_EQ(t.header, csv_columns());
  EXPECT_EQ(t.header.size(), 35u);
  for (const char *name : {"M_live_kft", "defl_nc_in", "V_live_kips", "fs_allow_psi", "connector_spacing_in"})
    EXPECT_NE(t.column(name), -1) << name;
  for (const auto &row : t.rows) EXPECT_EQ(row.size(), t.header.size());
  EXPECT_EQ(t.at(0, "k"), "0");
  EXPECT_EQ(t.at(10, "x_ft"), "20.000");
}

TEST(ResultsCsv, ValuesWorkedFromStatics) {
  const CsvTable t = parse_csv(results_csv(uniform_beam(1)));
  // Midspan: M = wL^2/8 = 200 K-FT; stress = 200 * 12000 * 10 / 1000 = 24000 psi, live 100 K-FT
  // adds 12000 psi; R = 24000 / 36000.
  EXPECT_EQ(t.at(10, "M_nc_kft"), "200.0");
  EXPECT_EQ(t.at(10, "M_totnc_kft"), "200.0");
  EXPECT_EQ(t.at(10, "f_min_top_steel_psi"), "24000");
  EXPECT_EQ(t.at(10, "f_min_bot_steel_psi"), "-24000");
  EXPECT_EQ(t.at(10, "f_max_top_steel_psi"), "36000");
  EXPECT_EQ(t.at(10, "f_max_top_conc_psi"), "0");
  EXPECT_EQ(t.at(10, "fs_allow_psi"), "20000");
  EXPECT_EQ(t.at(10, "R_top"), "0.667");
  // Quarter point k = 5, x = 10 ft: M = 10 * 30 / 2 = 150, V = 20 - 10 = 10.
  EXPECT_EQ(t.at(5, "M_nc_kft"), "150.0");
  EXPECT_EQ(t.at(5, "V_nc_kips"), "10.0");
  EXPECT_EQ(t.at(5, "V_totnc_kips"), "10.0");
  // Shear range = 30 - (-5) = 35; no connectors on a non-composite beam.
  EXPECT_EQ(t.at(5, "shear_range_kips"), "35.0");
  EXPECT_EQ(t.at(5, "connector_spacing_in"), "0.00");
  EXPECT_EQ(t.at(3, "M_load"), "T");
  EXPECT_EQ(t.at(3, "V_load"), "L");
  EXPECT_EQ(t.at(7, "V_load"), "M");
}

TEST(ResultsCsv, EmptyCellsWhereTheReportHasNone) {
  ProblemState st = uniform_beam(1);
  st.v_code[0] = 0; // a code never set prints no letter
  CsvTable t = parse_csv(results_csv(st));
  for (const char *name :
       {"M_girder_kft", "M_live_kft", "M_load", "M_rri_kft", "f_min_top_steel_psi", "R_bot"})
    EXPECT_EQ(t.at(0, name), "") << name; // the support row of the moments and stress tables
  EXPECT_EQ(t.at(0, "V_load"), "");
  EXPECT_EQ(t.at(0, "V_nc_kips"), "20.0");
  EXPECT_EQ(t.at(0, "defl_girder_in"), "0.000"); // the support row prints zero deflections
  // A T-beam has no stress table.
  t = parse_csv(results_csv(uniform_beam(6)));
  for (int k = 0; k <= 10; ++k)
    for (const char *name : {"f_min_top_steel_psi", "f_max_top_conc_psi", "fs_allow_psi", "R_top", "R_bot"})
      EXPECT_EQ(t.at(k, name), "") << name << " " << k;
  EXPECT_EQ(t.at(10, "M_nc_kft"), "200.0");
}

TEST(ResultsCsv, CompositeConnectorSpacing) {
  ProblemState st = uniform_beam(3);
  st.shear_capacity = 21.0f; // kips per row
  for (int j = 0; j <= 20; ++j) st.q_ratio[j] = -0.02f;
  const CsvTable t = parse_csv(results_csv(st));
  // -(21 / (35 * -0.02)) = 30 in
  EXPECT_EQ(t.at(4, "connector_spacing_in"), "30.00");
  // A zero shear range gives no finite spacing: the cell stays empty (the report prints asterisks).
  st.v_live_pos[6] = -5.0f;
  EXPECT_EQ(parse_csv(results_csv(st)).at(6, "connector_spacing_in"), "");
}

TEST(ResultsCsv, PlainCsvWithCrLfAndPointDecimals) {
  const std::string csv = results_csv(uniform_beam(1));
  EXPECT_EQ(csv.substr(0, 7), "k,x_ft,");
  std::size_t lines = 0;
  for (std::size_t i = 0; i < csv.size(); ++i)
    if (csv[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(csv[i - 1], '\r');
      ++lines;
    }
  EXPECT_EQ(lines, 22u);
  EXPECT_EQ(csv.find('"'), std::string::npos);
  EXPECT_EQ(csv.find(';'), std::string::npos);
}

TEST(AllowableStress, RolledBeamSwitchesAtTheBottomPlateWithoutInputFs) {
  ProblemState st = uniform_beam(2);
  st.fs = 0.0f;
  st.rolled.fs_section = 20.0f; // the section's own allowable stress
  st.fs_plated = 18.0f;         // where the bottom plate runs
  st.fs_beam = 18.0f;           // as the stress table leaves it after switching
  st.bottom_plate.x_begin = 9.0f;
  // x(2k) = 2k ft: rows 1..4 lie before 9 ft, row 5 (10 ft) on is plated.
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(exporting::allowable_stress(st, k), 20.0f) << k;
  for (int k = 5; k <= 10; ++k) EXPECT_EQ(exporting::allowable_stress(st, k), 18.0f) << k;
  // With an input FS nothing switches.
  st.fs = 20.0f;
  st.fs_beam = 20.0f;
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(exporting::allowable_stress(st, k), 20.0f);
  // A plate girder keeps its own on every row.
  st = uniform_beam(4);
  st.fs = 0.0f;
  st.fs_plated = 5.0f;
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(exporting::allowable_stress(st, k), 20.0f);
}

} // namespace
} // namespace ss
