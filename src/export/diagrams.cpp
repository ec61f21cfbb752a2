#include "export/diagrams.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "export/printed.h"
#include "tables/blocks.h"
#include "tbeam/tbeam_steps.h"

namespace ss::exporting {

namespace {

using svg::Point;

constexpr double kInf = std::numeric_limits<double>::infinity();

const svg::Style kDead{"#1f5fbf", 1.5};
const svg::Style kLive{"#c0392b", 1.5, "6 3"};
const svg::Style kTotal{"#000", 2};
const svg::Style kAllowable{"#2e8b57", 1.5, "2 2"};

constexpr const char *kSpanLabel = "DISTANCE FROM LEFT SUPPORT (FT)";

// Twentieth point of fortieth point j when the half span is mirrored onto the other half.
int mirrored_k(int j) { return j <= 20 ? j / 2 : (40 - j) / 2; }

double dead_moment(const ProblemState &st, int j) {
  return static_cast<double>(st.m_girder[j]) + st.m_pload[j] + st.m_noncomp[j] + st.m_comp[j];
}

// SIDEWK + LIVE LOAD + RR-I, the live-load moment the stress table uses.
double live_moment(const ProblemState &st, int k) {
  return static_cast<double>(st.m_sidewalk[k]) + st.m_live[k] + st.m_rri[k];
}

svg::Plot plot(draw::Canvas &page, const SpanFrame &f, double top, double height,
               const std::vector<std::vector<Point>> &curves, bool y_down = false) {
  double y0 = 0, y1 = 0;
  svg::Plot::fit(curves, y0, y1);
  return svg::Plot(page, f.left, top, f.width, height, f.x0, f.x1, y0, y1, y_down);
}

// A steel design's allowable total moment at twentieth point k: the dead-load moment plus the live
// moment that brings the first steel fibre to the printed allowable stress (FS times the section
// modulus for a non-composite section).
double steel_allowable(const ProblemState &st, int k) {
  const int j = 2 * k;
  const bool composite = st.beam_type == 3 || st.beam_type == 5;
  const double inertia = composite ? st.i_n[j] : st.i_steel[j];
  const double ytop = composite ? st.ytop_n[j] : st.ytop_steel[j];
  const double ybot = composite ? st.ybot_n[j] : st.ybot_steel[j];
  if (!(inertia > 0)) return kInf;
  const double ct = 12000.0 * ytop / inertia, cb = 12000.0 * ybot / inertia; // psi per K-FT.
  const tables::StressRow r = tables::stress_row(st, k);
  const double fs = 1000.0 * allowable_stress(st, k);
  double extra = kInf;
  if (cb > 0) extra = std::min(extra, (fs - r.bot_min) / cb);
  if (ct < 0) extra = std::min(extra, (-fs - r.top_min) / ct);
  return static_cast<double>(st.m_totnc[k]) + st.m_comp[j] + extra;
}

// A T-beam's resisting moment: the smaller of MS and MC of the row set in force, as the design pass
// printed them (the later passes leave other ratios' values in the state, so they are worked again).
std::vector<Point> tbeam_allowable(const ProblemState &st) {
  TBeamState tb = st.tbeam;
  tb.nt = tb.n_tensile;
  tb.nc = tb.n_compressive;
  const int rows = std::clamp(tb.rows, 0, kMaxBarRows);
  if (rows < 1 || !tbeam::analyse_section(st, tb)) return {};
  const double L = st.length;
  std::vector<double> cuts = {0.0, L};
  for (int r = 1; r <= rows; ++r)
    for (double c : {static_cast<double>(tb.cut[r]), L - tb.cut[r]})
      if (c > 0 && c < L) cuts.push_back(c);
  std::sort(cuts.begin(), cuts.end());
  std::vector<Point> out;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    if (!(cuts[i + 1] > cuts[i])) continue;
    const double mid = std::min((cuts[i] + cuts[i + 1]) / 2, L - (cuts[i] + cuts[i + 1]) / 2);
    int in_force = 1;
    for (int r = rows; r >= 1; --r)
      if (tb.cut[r] <= mid) {
        in_force = r;
        break;
      }
    const double m = std::min(tb.ms[in_force], tb.mc[in_force]);
    out.push_back({cuts[i], m});
    out.push_back({cuts[i + 1], m});
  }
  return out;
}

} // namespace

std::vector<Point> allowable_moment(const ProblemState &st) {
  if (st.beam_type == 6) return tbeam_allowable(st);
  if (!has_stress_table(st)) return {};
  std::vector<Point> out;
  for (int j = 2; j <= 38; j += 2) {
    const double m = steel_allowable(st, mirrored_k(j));
    out.push_back(std::isfinite(m) ? Point{st.x[j], m} : svg::gap());
  }
  return out;
}

void moment_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top,
                    double height) {
  std::vector<Point> dead, live, total;
  for (int j = 0; j <= 40; ++j) dead.push_back({st.x[j], dead_moment(st, j)});
  for (int j = 0; j <= 40; j += 2) {
    live.push_back({st.x[j], live_moment(st, mirrored_k(j))});
    total.push_back({st.x[j], dead_moment(st, j) + live_moment(st, mirrored_k(j))});
  }
  const std::vector<Point> allowable = allowable_moment(st);
  svg::Plot p = plot(page, f, top, height, {dead, live, total, allowable});
  // The dead-load moments are held at every fortieth point of the span; the live-load envelope and
  // the stress table only for the half span, so the right half of those mirrors the left.
  p.axes("MOMENTS", std::string(kSpanLabel) + "; LIVE LOAD AND ALLOWABLE MIRRORED FROM THE TABLES' HALF SPAN",
         "MOMENT (K-FT.)");
  p.curve(dead, kDead, "dead");
  p.curve(live, kLive, "live");
  p.curve(total, kTotal, "total");
  std::vector<svg::Plot::Entry> legend = {
      {kDead, "dead load"}, {kLive, "live load envelope"}, {kTotal, "total"}};
  if (!allowable.empty()) {
    p.curve(allowable, kAllowable, "allowable");
    legend.push_back({kAllowable, st.beam_type == 6 ? "resisting moment" : "allowable moment"});
  }
  p.legend(legend);
}

namespace {

// The shear of the concentrated loads at fortieth point j: the left reaction less the loads passed
// (a load exactly at the station is not passed yet), from the loads and reaction the state holds.
double pload_shear(const ProblemState &st, int j) {
  double v = st.left_reaction;
  for (int i = 0; i < std::min(st.npl, kMaxLoads); ++i)
    if (st.load_x[i] < st.x[j]) v -= st.load_p[i];
  return v;
}

} // namespace

void shear_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top,
                   double height) {
  // The tables hold the half span. The uniform loads' shears change sign on the other half; the
  // concentrated loads' are worked from the loads; the live-load envelope is mirrored.
  std::vector<Point> dead, pos, neg, tmax, tmin;
  auto add = [&](int jj, bool left) {
    const double x = st.x[left ? jj : 40 - jj];
    const double uniform = static_cast<double>(st.v_girder[jj]) + st.v_noncomp[jj] + st.v_comp[jj];
    const double dead_here = left ? uniform + st.v_pload[jj] : pload_shear(st, 40 - jj) - uniform;
    dead.push_back({x, dead_here});
    if (jj % 2) return;
    const int k = jj / 2;
    const double up = static_cast<double>(st.v_sidewalk_pos[k]) + st.v_live_pos[k] + st.v_rri[k];
    const double down = static_cast<double>(st.v_live_neg[k]) + st.v_sidewalk_neg[k];
    const double hi = left ? up : -down, lo = left ? down : -up;
    pos.push_back({x, hi});
    neg.push_back({x, lo});
    tmax.push_back({x, dead_here + hi});
    tmin.push_back({x, dead_here + lo});
  };
  for (int jj = 0; jj <= 20; ++jj) add(jj, true);
  for (int jj = 20; jj >= 0; --jj) add(jj, false); // midspan twice: the jump there, if any
  svg::Plot p = plot(page, f, top, height, {dead, pos, neg, tmax, tmin});
  p.axes("SHEARS", std::string(kSpanLabel) + "; LIVE LOAD MIRRORED FROM THE TABLES' HALF SPAN",
         "SHEAR (KIPS)");
  p.curve(dead, kDead, "dead");
  p.curve(pos, kLive, "live");
  p.curve(neg, kLive, "live");
  p.curve(tmax, kTotal, "total");
  p.curve(tmin, kTotal, "total");
  p.legend({{kDead, "dead load"}, {kLive, "live load envelope"}, {kTotal, "total"}});
}

void deflection_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top,
                        double height) {
  std::vector<Point> dead, live, allowed;
  for (int j = 0; j <= 40; j += 2) {
    const int k = mirrored_k(j);
    const double d = k == 0 ? 0.0 : static_cast<double>(st.defl_totnc[k]) + st.defl_comp[k];
    dead.push_back({st.x[j], d});
  }
  // Only the midspan live-load deflection is computed: the shape is that of a uniform load.
  const double mid = st.defl_total, L = st.length;
  for (int i = 0; i <= 40; ++i) {
    const double xi = i / 40.0;
    live.push_back({xi * L, mid * 3.2 * ((xi - 2 * xi * xi * xi) + (xi * xi) * (xi * xi))});
  }
  allowed = {{0.0, st.allowed_deflection}, {L, st.allowed_deflection}};
  svg::Plot p = plot(page, f, top, height, {dead, live, allowed}, true);
  p.axes("DEFLECTIONS", std::string(kSpanLabel) + "; DEAD LOAD MIRRORED FROM THE TABLES' HALF SPAN",
         "DEFLECTION (IN), DOWN");
  p.curve(dead, kDead, "dead");
  p.curve(live, kLive, "live");
  p.curve(allowed, kAllowable, "allowable");
  p.legend({{kDead, "dead load (TOT.NC + COMP.)"},
            {kLive, "live load " + svg::number(mid, 3) + " in at midspan (shape sketched)"},
            {kAllowable, "allowed L/" + std::to_string(st.deflection_ratio) + " = " +
                             svg::number(st.allowed_deflection, 3) + " in"}});
}

} // namespace ss::exporting
