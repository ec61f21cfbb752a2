// TBEAM: reads the T-beam's records, designs the section (or takes it as given), analyses it three
// times - with the input modular ratios, short-term with 8, long-term with 30 - and reports.
#include "tbeam/tbeam.h"

#include "deflection/deflection.h"
#include "tables/tables.h"
#include "tbeam/tbeam_steps.h"

namespace ss::tbeam {

void section_stiffness(ProblemState &st) {
  const TBeamState &tb = st.tbeam;
  st.i_steel[0] = tb.inertia[1];
  for (int j = 1; j <= 20; ++j) {
    const float x = st.x[static_cast<std::size_t>(j)];
    int r = tb.rows;
    while (r > 1 && !(tb.cut[static_cast<std::size_t>(r)] <= x)) --r;
    st.i_steel[static_cast<std::size_t>(j)] = tb.inertia[static_cast<std::size_t>(r)];
  }
  for (int j = 0; j <= 19; ++j)
    st.i_steel[static_cast<std::size_t>(40 - j)] = st.i_steel[static_cast<std::size_t>(j)];
}

void print_width_and_depth(Run &run) {
  const TBeamState &tb = run.st.tbeam;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(13, "WIDTH =").f(20, 7, 3, tb.bw).text(40, "DEPTH =").f(47, 7, 3, tb.depth));
}

void print_resisting_moments(Run &run) {
  ProblemState &st = run.st;
  TBeamState &tb = st.tbeam;
  const bool rm = resisting_moment_mode(st);
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(33, "RESISTING MOMENTS").text(72, "#4"));
  run.out.empty();
  // FS and FC in psi, truncated (FC nudged up by 0.01 psi so that 1.2 ksi shows 1200).
  run.out.put(Line::cc(' ')
                  .text(3, "ROW")
                  .text(8, "SIZE NUMBER")
                  .text(22, "KD")
                  .text(27, "JD")
                  .text(33, "FS=")
                  .i_trunc(36, 6, st.fs * 1000.0f)
                  .text(46, "FC=")
                  .i_trunc(49, 5, st.fc * 1000.0f + 0.01f)
                  .text(58, "LENGTH")
                  .text(69, "STIRRUP"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(36, "N=")
                  .i_trunc(38, 3, tb.nt)
                  .text(46, "N=")
                  .i_trunc(48, 3, tb.nt)
                  .text(69, "SPACING"));
  for (int r = 1; r <= tb.rows; ++r) {
    const auto i = static_cast<std::size_t>(r);
    if (rm) tb.spacing[i] = 0.0f;
    const float length = rm ? 0.0f : st.length - 2.0f * tb.cut[i];
    run.out.put(Line::cc('0')
                    .i(2, 2, r)
                    .i(4, 6, tb.row[i].size)
                    .i(10, 6, tb.row[i].count)
                    .f(16, 7, 2, tb.kd[i])
                    .f(23, 7, 2, tb.jd[i])
                    .f(30, 11, 1, tb.ms[i])
                    .f(41, 11, 1, tb.mc[i])
                    .f(52, 13, 3, length)
                    .f(65, 10, 2, tb.spacing[i]));
  }
}

namespace {

// Analysis of the settled section with both modular ratios n, then its stiffness along the span.
bool later_pass(ProblemState &st, float n) {
  st.tbeam.nt = n;
  st.tbeam.nc = n;
  if (!analyse_section(st, st.tbeam)) return false;
  section_stiffness(st);
  return true;
}

// The design pass: the section's resisting moments, and outside resisting-moment mode its dead
// load, cut-offs, stirrups and moments table. Then the width-and-depth and resisting-moment blocks.
std::int32_t design_pass(Run &run, bool rm) {
  ProblemState &st = run.st;
  TBeamState &tb = st.tbeam;
  // Zero rows outside resisting-moment mode would leave the stiffness of an earlier problem; a row
  // set without bars has no neutral axis and no effective depth; the rows a design settled on must
  // all have bars of the table.
  if ((!rm && tb.rows < 1) || !bars_usable(tb) || !row_sets_have_bars(tb)) return kTBeamRejected;
  if (!analyse_section(st, tb)) return kTBeamRejected;
  if (!rm) {
    girder_dead_load(st);
    bar_cut_offs(st);
    const std::int32_t status = stirrup_spacings(st);
    if (status != kTBeamDone) return status;
    RESTAB(run);
  }
  if (st.da < 1) print_width_and_depth(run);
  print_resisting_moments(run);
  return kTBeamDone;
}

} // namespace

} // namespace ss::tbeam

namespace ss {

using namespace tbeam;

void TBEAM(Run &run, std::int32_t &status) {
  status = kTBeamDone;
  ProblemState &st = run.st;
  TBeamState &tb = st.tbeam;
  status = read_tbeam_records(run);
  if (status != kTBeamDone) return;
  const bool rm = resisting_moment_mode(st);

  tb.nt = tb.n_tensile;
  tb.nc = tb.n_compressive;
  if (!rm && st.da < 1) {
    status = design_search(st, tb);
    if (status != kTBeamDone) return;
  }
  status = design_pass(run, rm);
  if (status != kTBeamDone || rm) return;
  section_stiffness(st);

  // Short-term: the live-load deflections with the modulus as the driver prepared it.
  if (!later_pass(st, 8.0f)) {
    status = kTBeamRejected;
    return;
  }
  LLDEFL(st);

  // Long-term: creep lowers the modulus to 0.96667 thousand ksi (stored divided by 0.012).
  if (st.e > 0.0f) st.e = 80.55555f;
  if (!later_pass(st, 30.0f)) {
    status = kTBeamRejected;
    return;
  }
  for (int k = 1; k <= 10; ++k) st.defl_totnc[static_cast<std::size_t>(k)] = 0.0f;
  SHRTAB(run);
}

} // namespace ss
