#include "state/problem_state.h"

namespace ss {

void store_section_at(ProblemState &st, int j, float steel_inertia, float steel_ytop, float steel_ybot,
                      const CompositeSection &n, const CompositeSection &n3) {
  const auto u = static_cast<std::size_t>(j);
  st.i_steel[u] = steel_inertia;
  st.i_n[u] = n.inertia;
  st.i_3n[u] = n3.inertia;
  if (j > 20) return;
  st.ytop_steel[u] = steel_ytop;
  st.ybot_steel[u] = steel_ybot;
  st.ytop_n[u] = n.ytop;
  st.ybot_n[u] = n.ybot;
  st.yconc_n[u] = n.yconc;
  st.ytop_3n[u] = n3.ytop;
  st.ybot_3n[u] = n3.ybot;
  st.yconc_3n[u] = n3.yconc;
  st.q_ratio[u] = n.q;
}

} // namespace ss
