#include "export/section_sketch.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tbeam/bar_table.h"

namespace ss::exporting {

namespace {

// A plate or slab: in the cross-section a rectangle (in, x from the centre line, y down from the
// top of the section); in the elevation a band from x0 to x1 (ft).
struct Part {
  double x, y, w, h; // in
  double x0, x1;     // ft, where it runs along the span
  const char *cls;   // slab, flange, web, plate, section
  bool at_midspan;   // drawn in the cross-section
};

// A group of bars: in the cross-section `count` dots across `spread` inches at depth y; in the
// elevation a line from x0 to x1.
struct BarGroup {
  double y, spread, diameter; // in
  int count;
  double x0, x1; // ft
  std::string label;
};

struct Sketch {
  std::vector<Part> parts;
  std::vector<BarGroup> bars;
  std::vector<std::string> notes; // dimensions, beside the cross-section
};

const char *fill_of(const char *cls) {
  const std::string c = cls;
  if (c == "slab" || c == "concrete") return "#d9d9d9";
  if (c == "plate") return "#4a4a4a";
  if (c == "section") return "none";
  return "#8c8c8c";
}

std::string in(double v) { return svg::number(v, 3) + " in"; }
std::string ft(double v) { return svg::number(v, 2) + " ft"; }

bool plate_given(const CoverPlate &p, double thickness, double width) {
  return thickness > 0 && width > 0.25 && p.length > 0;
}

bool covers_midspan(const ProblemState &st, const CoverPlate &p) {
  return p.x_begin <= st.length / 2 && p.x_begin + p.length >= st.length / 2;
}

// The slab of a composite design, from the top down to its coping; returns the depth reached.
double slab(const ProblemState &st, Sketch &s) {
  if (st.beam_type != 3 && st.beam_type != 5) return 0;
  s.parts.push_back({-st.slab_width / 2.0, 0, st.slab_width, st.slab_thickness, 0, st.length, "slab", true});
  s.notes.push_back("SLAB " + in(st.slab_width) + " x " + in(st.slab_thickness) + ", COPING " +
                    in(st.coping));
  return static_cast<double>(st.slab_thickness) + st.coping;
}

Sketch rolled(const ProblemState &st) {
  Sketch s;
  const RolledState &r = st.rolled;
  double y = slab(st, s);
  const double L = st.length;
  const CoverPlate &tp = st.top_plate, &bp = st.bottom_plate;
  const bool plated = st.beam_type == 2 || st.beam_type == 3;
  if (plated && plate_given(tp, tp.thickness, tp.width)) {
    s.parts.push_back({-tp.width / 2.0, y, tp.width, tp.thickness, tp.x_begin, tp.x_begin + tp.length,
                       "plate", covers_midspan(st, tp)});
    s.notes.push_back("TOP PLATE " + in(tp.width) + " x " + in(tp.thickness) + " FROM " + ft(tp.x_begin) +
                      ", LENGTH " + ft(tp.length));
    y += tp.thickness;
  }
  if (r.bf > 0 && r.tf > 0 && r.tw > 0) {
    s.parts.push_back({-r.bf / 2.0, y, r.bf, r.tf, 0, L, "flange", true});
    s.parts.push_back({-r.tw / 2.0, y + r.tf, r.tw, r.d - 2.0 * r.tf, 0, L, "web", true});
    s.parts.push_back({-r.bf / 2.0, y + r.d - r.tf, r.bf, r.tf, 0, L, "flange", true});
    s.notes.insert(s.notes.begin(), std::to_string(r.depth) + "WF" + std::to_string(r.weight) + ": D " +
                                        in(r.d) + ", FLANGE " + in(r.bf) + " x " + in(r.tf) + ", WEB " +
                                        in(r.tw));
  } else {
    const double w = std::max(r.d * 0.4, 1.0);
    s.parts.push_back({-w / 2, y, w, r.d, 0, L, "section", true});
    s.notes.insert(s.notes.begin(), "SECTION GIVEN BY I, Y TOP, Y BOT: DEPTH " + in(r.d));
  }
  y += r.d;
  if (plated && plate_given(bp, r.bt, r.wb)) {
    s.parts.push_back(
        {-r.wb / 2.0, y, r.wb, r.bt, bp.x_begin, bp.x_begin + bp.length, "plate", covers_midspan(st, bp)});
    s.notes.push_back("BOTTOM PLATE " + in(r.wb) + " x " + in(r.bt) + " FROM " + ft(bp.x_begin) +
                      ", LENGTH " + ft(bp.length));
  }
  return s;
}

// A flange along the span, replaced by its cover plate where the plate runs.
void girder_chord(const ProblemState &st, Sketch &s, double edge, bool top, float fw, float ftk,
                  const CoverPlate &p) {
  const double L = std::max(0.0, static_cast<double>(st.length)); // clamps below need a range
  const bool plate = plate_given(p, p.thickness, p.width);
  const double a = plate ? std::clamp<double>(p.x_begin, 0, L) : L,
               b = plate ? std::clamp<double>(p.x_begin + p.length, a, L) : L;
  const bool mid = plate && covers_midspan(st, p);
  auto add = [&](double w, double t, double x0, double x1, const char *cls, bool at_mid) {
    if (x1 > x0) s.parts.push_back({-w / 2, top ? edge - t : edge, w, t, x0, x1, cls, at_mid});
  };
  add(fw, ftk, 0, a, "flange", !mid);
  add(fw, ftk, b, L, "flange", false);
  if (plate) {
    add(p.width, p.thickness, a, b, "plate", mid);
    s.notes.push_back(std::string(top ? "TOP" : "BOTTOM") + " COVER PLATE " + in(p.width) + " x " +
                      in(p.thickness) + " FROM " + ft(p.x_begin) + ", LENGTH " + ft(p.length));
  }
  s.notes.push_back(std::string(top ? "TOP" : "BOTTOM") + " FLANGE " + in(fw) + " x " + in(ftk));
}

Sketch girder(const ProblemState &st) {
  Sketch s;
  const double y = slab(st, s);
  const CoverPlate &tp = st.top_plate, &bp = st.bottom_plate;
  const double top_t =
      std::max<double>(st.top_flange_t, plate_given(tp, tp.thickness, tp.width) ? tp.thickness : 0);
  const double web_top = y + top_t, web_bot = web_top + st.web_d;
  s.parts.push_back({-st.web_t / 2.0, web_top, st.web_t, st.web_d, 0, st.length, "web", true});
  s.notes.insert(s.notes.begin(), "WEB " + in(st.web_d) + " x " + in(st.web_t));
  girder_chord(st, s, web_top, true, st.top_flange_w, st.top_flange_t, tp);
  girder_chord(st, s, web_bot, false, st.bot_flange_w, st.bot_flange_t, bp);
  return s;
}

Sketch tbeam_sketch(const ProblemState &st) {
  Sketch s;
  const TBeamState &tb = st.tbeam;
  const double L = st.length, t = tb.slab_thick, h = static_cast<double>(tb.slab_thick) + tb.depth;
  s.parts.push_back({-tb.slab_width / 2.0, 0, tb.slab_width, t, 0, L, "slab", true});
  s.parts.push_back({-tb.bw / 2.0, t, tb.bw, tb.depth, 0, L, "concrete", true});
  s.notes.push_back("SLAB " + in(tb.slab_width) + " x " + in(tb.slab_thick) + ", WEB " + in(tb.bw) + " x " +
                    in(tb.depth));
  const double spread = std::max(tb.bw - 3.0, tb.bw * 0.5);
  const int rows = std::clamp(tb.rows, 0, kMaxBarRows);
  for (int r = 1; r <= rows; ++r) {
    const BarRow &row = tb.row[r];
    const double cut = std::clamp<double>(tb.cut[r], 0, std::max(0.0, L / 2));
    const std::string label = "ROW " + std::to_string(r) + ": " + std::to_string(row.count) + " #" +
                              std::to_string(row.size) + " AT " + in(row.dist) + ", FROM " + ft(cut);
    s.bars.push_back({h - row.dist, spread, tbeam::bar(row.size).diameter, row.count, cut, L - cut, label});
  }
  if (tb.comp.count > 0) {
    const std::string label = "COMPRESSION: " + std::to_string(tb.comp.count) + " #" +
                              std::to_string(tb.comp.size) + " AT " + in(tb.comp.dist) + " FROM THE TOP";
    s.bars.push_back({tb.comp.dist, spread, tbeam::bar(tb.comp.size).diameter, tb.comp.count, 0, L, label});
  }
  return s;
}

void draw_elevation(draw::Canvas &page, const Sketch &s, const SpanFrame &f, double top, double height,
                    double depth) {
  const double v = height / depth; // page units per inch, exaggerated
  auto px = [&](double x) { return f.left + (x - f.x0) / (f.x1 - f.x0) * f.width; };
  for (const Part &p : s.parts) {
    const double h = std::max(p.h * v, 1.5);
    page.rect(px(p.x0), top + p.y * v, px(p.x1) - px(p.x0), h,
              svg::Style{"#000", 0.5, nullptr, fill_of(p.cls)}, p.cls);
  }
  for (const BarGroup &b : s.bars) {
    const double y = top + b.y * v;
    page.line(px(b.x0), y, px(b.x1), y, svg::Style{"#b03a2e", 1.5});
  }
  // The supports.
  for (double x : {f.x0, f.x1}) {
    const double cx = px(x), y = top + height;
    page.line(cx - 6, y + 8, cx + 6, y + 8, svg::Style{"#000", 1});
    page.line(cx - 6, y + 8, cx, y, svg::Style{"#000", 1});
    page.line(cx + 6, y + 8, cx, y, svg::Style{"#000", 1});
  }
}

void draw_cross_section(draw::Canvas &page, const Sketch &s, double left, double top, double width,
                        double height) {
  double wmax = 1, hmax = 1;
  for (const Part &p : s.parts)
    if (p.at_midspan) wmax = std::max(wmax, p.w), hmax = std::max(hmax, p.y + p.h);
  const double k = std::min(width / wmax, height / hmax); // page units per inch, true proportions
  const double cx = left + width / 2;
  for (const Part &p : s.parts)
    if (p.at_midspan)
      page.rect(cx + p.x * k, top + p.y * k, p.w * k, std::max(p.h * k, 0.75),
                svg::Style{"#000", 0.5, p.cls == std::string("section") ? "3 2" : nullptr, fill_of(p.cls)},
                p.cls);
  for (const BarGroup &b : s.bars) {
    const double r = std::max(b.diameter * k / 2, 1.2);
    for (int i = 0; i < std::min(b.count, 60); ++i) {
      const double x = b.count == 1 ? 0.0 : -b.spread / 2 + b.spread * i / (b.count - 1);
      page.circle(cx + x * k, top + b.y * k, r, "#b03a2e");
    }
  }
  page.text(cx, top + hmax * k + 12, "AT MIDSPAN, SCALE 1:" + svg::number(96.0 / k, 0), 10, "middle");
}

} // namespace

void section_sketch(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top) {
  Sketch s;
  if (st.beam_type >= 1 && st.beam_type <= 3)
    s = rolled(st);
  else if (st.beam_type == 4 || st.beam_type == 5)
    s = girder(st);
  else if (st.beam_type == 6)
    s = tbeam_sketch(st);
  double depth = 1;
  for (const Part &p : s.parts) depth = std::max(depth, p.y + p.h);
  page.text(f.left, top, "SECTION", 14, "start", true);
  page.text(f.left + f.width, top, "ELEVATION ALONG THE SPAN, DEPTH EXAGGERATED", 11, "end");
  draw_elevation(page, s, f, top + 10, 60, depth);
  draw_cross_section(page, s, f.left, top + 94, 230, 1056 - 28 - (top + 94));
  for (const BarGroup &b : s.bars) s.notes.push_back(b.label);
  // Seven lines fit beside the cross-section; more (a T-beam of many rows) go in two columns.
  const std::size_t per_column = s.notes.size() > 7 ? (s.notes.size() + 1) / 2 : 7;
  for (std::size_t i = 0; i < s.notes.size() && i < 2 * per_column; ++i)
    page.text(f.left + 250 + (i < per_column ? 0 : 230), top + 108 + 14 * static_cast<double>(i % per_column),
              s.notes[i], 11);
}

} // namespace ss::exporting
