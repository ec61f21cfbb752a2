// The table of steel and concrete stresses at the twentieth points (steel beams and girders).
#include "tables/blocks.h"

namespace ss::tables {

namespace {

bool composite(const ProblemState &st) { return st.beam_type == 3 || st.beam_type == 5; }

void put_header(Run &run) {
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(26, "STRESS (PSI) AT SPAN 1/20 POINTS"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(11, "MINIMUM STRESS")
                  .text(33, "MAXIMUM STRESS")
                  .text(54, "ALLOWABLE")
                  .text(68, "R FACTOR"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(5, "SP")
                  .text(11, "TOP-S")
                  .text(20, "BOT-S")
                  .text(29, "TOP-C")
                  .text(38, "TOP-S")
                  .text(47, "BOT-S")
                  .text(58, "FS")
                  .text(65, "TOP-S    BOT-S"));
}

} // namespace

StressRow stress_row(const ProblemState &st, int k) {
  const int j = 2 * k;
  // Moments in pound-inches. A zero inertia gives an infinite or undefined stress, which the
  // table prints as asterisks.
  const float mn = st.m_totnc[k] * 12000.0f;
  const float mc = st.m_comp[j] * 12000.0f;
  const float ml = (st.m_sidewalk[k] + st.m_live[k] + st.m_rri[k]) * 12000.0f;
  StressRow r;
  if (composite(st)) {
    // Dead load on the steel, composite dead load on the 3n section, live load on the n section.
    const float fn = mn / st.i_steel[j];
    const float fc = mc / st.i_3n[j];
    const float fl = ml / st.i_n[j];
    r.top_min = fn * st.ytop_steel[j] + fc * st.ytop_3n[j];
    r.top_max = fl * st.ytop_n[j] + r.top_min;
    r.bot_min = fn * st.ybot_steel[j] + fc * st.ybot_3n[j];
    r.bot_max = fl * st.ybot_n[j] + r.bot_min;
    r.concrete = -(fc * st.yconc_3n[j]) - fl * st.yconc_n[j];
  } else {
    const float a = st.ytop_steel[j] / st.i_steel[j];
    const float b = st.ybot_steel[j] / st.i_steel[j];
    const float md = mn + mc;
    const float mt = md + ml;
    r.top_min = md * a;
    r.bot_min = md * b;
    r.top_max = mt * a;
    r.bot_max = mt * b;
    r.concrete = 0.0f;
  }
  return r;
}

void print_stresses(Run &run) {
  ProblemState &st = run.st;
  put_header(run);
  for (int k = 1; k <= 10; ++k) {
    const StressRow r = stress_row(st, k);
    // Without an input FS the cover-plated region of a rolled beam has its own allowable stress,
    // from the bottom plate's start on (and for every later row). A plate girder has none: it
    // keeps its own allowable stress on every row.
    const bool rolled = st.beam_type >= 1 && st.beam_type <= 3;
    if (rolled && st.fs <= 0.0f && st.x[2 * k] >= st.bottom_plate.x_begin) st.fs_beam = st.fs_plated;
    run.out.put(Line::cc('0')
                    .i(2, 5, k)
                    .i_trunc(7, 9, -r.top_min)
                    .i_trunc(16, 9, -r.bot_min)
                    .i_trunc(25, 9, r.concrete)
                    .i_trunc(34, 9, -r.top_max)
                    .i_trunc(43, 9, -r.bot_max)
                    .i_trunc(52, 9, st.fs_beam * 1000.0f)
                    .f(61, 9, 3, r.top_min / r.top_max)
                    .f(70, 9, 3, r.bot_min / r.bot_max));
    st.defl_totnc[k] = 0.0f;
  }
}

} // namespace ss::tables
