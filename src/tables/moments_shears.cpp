// The page header and the tables of moments and shears at the twentieth points.
#include "tables/blocks.h"

#include <string>

namespace ss::tables {

namespace {

// One row of the moments or shears table (both share the layout).
struct LoadRow {
  float girder, pload, noncomp, totnc, comp, sidewalk, live, rri; // K-FT. or KIPS
  LoadCode code;                                                  // governing live load
};

void put_row(Run &run, int k, const LoadRow &r) {
  // A code never set (0) has no letter: the column stays blank.
  const char c = code_letter(r.code);
  const std::string letter(1, c >= ' ' ? c : ' ');
  run.out.put(Line::cc('0')
                  .i(5, 2, k)
                  .f(7, 8, 1, r.girder)
                  .f(15, 8, 1, r.pload)
                  .f(23, 8, 1, r.noncomp)
                  .f(31, 8, 1, r.totnc)
                  .f(39, 8, 1, r.comp)
                  .f(47, 8, 1, r.sidewalk)
                  .f(55, 10, 1, r.live)
                  .text(66, letter)
                  .f(67, 10, 1, r.rri));
}

} // namespace

void print_moments(Run &run) {
  ProblemState &st = run.st;
  run.out.put(Line::cc('0').text(24, "MOMENTS (K-FT.) AT SPAN 1/20 POINTS"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(5, "SP  GIRDER  P-LOAD  NON-C.  TOT.NC   COMP.  SIDEWK  LIVE LOAD")
                  .text(71, "RR-I"));
  for (int k = 1; k <= 10; ++k) {
    const int j = 2 * k;
    st.m_totnc[k] = st.m_girder[j] + st.m_pload[j] + st.m_noncomp[j];
    put_row(run, k,
            {st.m_girder[j], st.m_pload[j], st.m_noncomp[j], st.m_totnc[k], st.m_comp[j], st.m_sidewalk[k],
             st.m_live[k], st.m_rri[k], st.m_code[k]});
  }
}

void print_shears(Run &run) {
  const ProblemState &st = run.st;
  run.out.put(Line::cc('1').text(25, "SHEARS (KIPS) AT SPAN 1/20 POINTS").a(70, 4, st.problem_number));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(5, "SP  GIRDER  P-LOAD  NON-C.  TOT.NC")
                  .text(42, "COMP.  SIDEWK  LIVE LOAD")
                  .text(71, "RR-I"));
  for (int k = 0; k <= 10; ++k) {
    const int j = 2 * k;
    const float totnc = (st.v_girder[j] + st.v_pload[j]) + st.v_noncomp[j];
    put_row(run, k,
            {st.v_girder[j], st.v_pload[j], st.v_noncomp[j], totnc, st.v_comp[j], st.v_sidewalk_pos[k],
             st.v_live_pos[k], st.v_rri[k], st.v_code[k]});
  }
}

} // namespace ss::tables
