// The dead-load deflections with the live-load shear range and connector spacing, and the
// live-load deflections left by LLDEFL.
#include <array>

#include "deflection/deflection.h"
#include "tables/blocks.h"

namespace ss::tables {

namespace {

bool composite(const ProblemState &st) { return st.beam_type == 3 || st.beam_type == 5; }

// Deflections of one dead-load moment diagram into `result` (k = 1..10).
void integrate(ProblemState &st, const F41 &m, const F41 &in, float *acc, F11 &result) {
  std::array<float, 20> out{};
  COMPDF(m.data(), in.data(), acc, st.length, out.data(), st.e);
  for (int k = 1; k <= 10; ++k) result[k] = out[k - 1];
}

void dead_load_deflections(ProblemState &st) {
  if (st.e <= 0.0f) {
    for (int k = 1; k <= 10; ++k) {
      st.defl_girder[k] = st.defl_pload[k] = st.defl_noncomp[k] = st.defl_comp[k] = 0.0f;
    }
    return;
  }
  float *totnc = st.defl_totnc.data() + 1; // the caller has cleared it
  integrate(st, st.m_girder, st.i_steel, totnc, st.defl_girder);
  integrate(st, st.m_pload, st.i_steel, totnc, st.defl_pload);
  integrate(st, st.m_noncomp, st.i_steel, totnc, st.defl_noncomp);
  std::array<float, 10> unused{}; // the composite deflections are not part of TOT.NC
  integrate(st, st.m_comp, composite(st) ? st.i_3n : st.i_steel, unused.data(), st.defl_comp);
}

void put_row(Run &run, int k, float girder, float pload, float noncomp, float totnc, float comp) {
  const float range = shear_range(run.st, k);
  run.out.put(Line::cc('0')
                  .i(5, 2, k)
                  .f(7, 7, 3, girder)
                  .f(14, 8, 3, pload)
                  .f(22, 8, 3, noncomp)
                  .f(30, 8, 3, totnc)
                  .f(38, 8, 3, comp)
                  .f(46, 12, 1, range)
                  .f(58, 9, 2, connector_spacing(run.st, k, range)));
}

} // namespace

float shear_range(const ProblemState &st, int k) {
  return st.v_sidewalk_pos[k] + st.v_live_pos[k] - st.v_live_neg[k] - st.v_sidewalk_neg[k] + st.v_rri[k];
}

float connector_spacing(const ProblemState &st, int k, float range) {
  if (!composite(st)) return 0.0f;
  // A zero shear range or Q/I gives an infinite or undefined spacing, printed as asterisks.
  return -(st.shear_capacity / (range * st.q_ratio[2 * k]));
}

void print_dead_load_deflections(Run &run) {
  ProblemState &st = run.st;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(12, "DEAD LOAD DEFLECTIONS (INCHES)").text(59, "SHEAR"));
  run.out.empty();
  run.out.put(Line::cc(' ').text(5, "SP  GIRDER  P-LOAD  NON-C.  TOT.NC   COMP.  RANGE(KIPS) CON.SPAC(IN)"));
  put_row(run, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  dead_load_deflections(st);
  for (int k = 1; k <= 10; ++k) {
    put_row(run, k, st.defl_girder[k], st.defl_pload[k], st.defl_noncomp[k], st.defl_totnc[k],
            st.defl_comp[k]);
  }
}

void print_live_load_deflections(Run &run) {
  const ProblemState &st = run.st;
  run.out.put(Line::cc('0'));
  run.out.empty();
  run.out.put(Line::cc(' ').text(27, "LIVE LOAD DEFLECTIONS (INCHES)"));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .text(8, "TRUCK")
                  .text(19, "LANE")
                  .text(29, "MILITARY")
                  .text(43, "RAILROAD")
                  .text(57, "SIDEWALK")
                  .text(71, "L/")
                  .i(73, 4, st.deflection_ratio));
  run.out.empty();
  run.out.put(Line::cc(' ')
                  .f(7, 6, 3, st.defl_truck)
                  .f(13, 10, 3, st.defl_lane)
                  .f(23, 13, 3, st.defl_military)
                  .f(36, 14, 3, st.defl_railroad)
                  .f(50, 13, 3, st.defl_sidewalk)
                  .f(63, 13, 3, st.allowed_deflection));
}

} // namespace ss::tables
