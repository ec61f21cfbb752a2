// Whatever the state holds (infinite, undefined, huge or negative values, any beam type), the
// writers finish and the page stays well-formed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>

#include "export/csv.h"
#include "export/csv_reader.h"
#include "export/svg.h"
#include "export/temp_dir.h"

namespace ss {
namespace {

// Every float of the state drawn from a mix of ordinary, extreme and non-finite values.
void scramble(ProblemState &st, std::mt19937 &gen) {
  static const float specials[] = {0.0f,
                                   -0.0f,
                                   1.0f,
                                   -1.0f,
                                   3.0e38f,
                                   -3.0e38f,
                                   1.0e-40f,
                                   std::numeric_limits<float>::infinity(),
                                   -std::numeric_limits<float>::infinity(),
                                   std::numeric_limits<float>::quiet_NaN()};
  std::uniform_int_distribution<int> pick(0, 19);
  std::uniform_real_distribution<float> ordinary(-500.0f, 500.0f);
  auto value = [&] {
    const int p = pick(gen);
    return p < 10 ? specials[p] : ordinary(gen);
  };
  for (F41 *a : {&st.x, &st.m_girder, &st.m_pload, &st.m_noncomp, &st.m_comp, &st.i_steel, &st.i_n, &st.i_3n})
    for (float &v : *a) v = value();
  for (F21 *a : {&st.v_girder, &st.v_pload, &st.v_noncomp, &st.v_comp, &st.ytop_steel, &st.ybot_steel,
                 &st.ytop_n, &st.ybot_n, &st.yconc_n, &st.yconc_3n, &st.q_ratio})
    for (float &v : *a) v = value();
  for (F11 *a :
       {&st.m_sidewalk, &st.v_sidewalk_pos, &st.v_sidewalk_neg, &st.m_live, &st.v_live_pos, &st.v_live_neg,
        &st.m_rri, &st.v_rri, &st.m_totnc, &st.defl_girder, &st.defl_totnc, &st.defl_comp})
    for (float &v : *a) v = value();
  for (float *v : {&st.length,
                   &st.fs,
                   &st.fs_beam,
                   &st.fs_plated,
                   &st.defl_total,
                   &st.allowed_deflection,
                   &st.slab_width,
                   &st.slab_thickness,
                   &st.web_d,
                   &st.web_t,
                   &st.top_flange_w,
                   &st.top_flange_t,
                   &st.rolled.d,
                   &st.rolled.bf,
                   &st.rolled.tf,
                   &st.rolled.tw,
                   &st.rolled.bt,
                   &st.rolled.wb,
                   &st.bottom_plate.x_begin,
                   &st.bottom_plate.length,
                   &st.top_plate.thickness,
                   &st.tbeam.bw,
                   &st.tbeam.depth,
                   &st.tbeam.slab_width,
                   &st.tbeam.slab_thick})
    *v = value();
  for (float &v : st.tbeam.cut) v = value();
  std::uniform_int_distribution<std::int32_t> any_int(-1000, 1000);
  st.tbeam.rows = any_int(gen);
  for (BarRow &r : st.tbeam.row) r.count = any_int(gen), r.size = any_int(gen), r.dist = value();
  st.tbeam.comp.count = any_int(gen);
  for (LoadCode &c : st.m_code) c = static_cast<LoadCode>(gen());
  st.deflection_ratio = any_int(gen);
  for (char &c : st.title) c = static_cast<char>(gen());
  for (char &c : st.problem_number) c = static_cast<char>(gen());
}

TEST(HostileState, WritersFinishAndThePageIsWellFormed) {
  std::mt19937 gen(9);
  test::TempDir dir;
  std::vector<std::string> files;
  for (int trial = 0; trial < 80; ++trial) {
    ProblemState st;
    st.beam_type = trial % 8; // 0..7: every type and two that never reach the tables
    scramble(st, gen);
    const std::string csv = results_csv(st);
    EXPECT_EQ(test::parse_csv(csv).rows.size(), 21u);
    const std::string svg = results_svg(st);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    if (trial < 16) {
      files.push_back(dir / ("t" + std::to_string(trial) + ".svg"));
      std::ofstream(files.back(), std::ios::binary) << svg;
    }
  }
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint not installed";
  std::string cmd = "xmllint --noout";
  for (const std::string &f : files) cmd += " '" + f + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

} // namespace
} // namespace ss
