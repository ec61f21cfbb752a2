#include "cli/pdf_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ss {

namespace {

constexpr const char *kSans = "DejaVu Sans";

int hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

} // namespace

CairoCanvas::CairoCanvas(cairo_t *cr)
    : cr_(cr), regular_{cairo_toy_font_face_create(kSans, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL)},
      bold_{cairo_toy_font_face_create(kSans, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD)} {}

CairoCanvas::~CairoCanvas() {
  flush();
  cairo_font_face_destroy(regular_.face);
  cairo_font_face_destroy(bold_.face);
}

CairoCanvas::Face &CairoCanvas::face(bool bold) {
  Face &f = bold ? bold_ : regular_;
  if (f.ready) return f;
  f.ready = true;
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_font_face(cr_, f.face);
  cairo_set_font_size(cr_, 1);
  cairo_scaled_font_t *font = cairo_get_scaled_font(cr_);
  for (int c = 32; c < 127; ++c) {
    const char one[2] = {static_cast<char>(c), 0};
    cairo_glyph_t *g = nullptr;
    int n = 0;
    if (cairo_scaled_font_text_to_glyphs(font, 0, 0, one, 1, &g, &n, nullptr, nullptr, nullptr) ==
            CAIRO_STATUS_SUCCESS &&
        n == 1) {
      cairo_text_extents_t e;
      cairo_scaled_font_glyph_extents(font, g, 1, &e);
      f.glyph[static_cast<std::size_t>(c)] = g[0].index;
      f.advance[static_cast<std::size_t>(c)] = e.x_advance;
    }
    cairo_glyph_free(g);
  }
  cairo_restore(cr_);
  return f;
}

void CairoCanvas::flush() {
  if (glyphs_.empty()) return;
  cairo_set_font_face(cr_, run_face_->face);
  cairo_set_font_size(cr_, run_size_);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_show_glyphs(cr_, glyphs_.data(), static_cast<int>(glyphs_.size()));
  glyphs_.clear();
}

bool CairoCanvas::colour(const char *c) {
  if (!c || c[0] != '#') return false;
  const std::size_t n = std::strlen(c);
  double rgb[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i)
    rgb[i] = n == 4   ? hex(c[1 + i]) * 17 / 255.0
             : n == 7 ? (hex(c[1 + 2 * i]) * 16 + hex(c[2 + 2 * i])) / 255.0
                      : 0;
  cairo_set_source_rgb(cr_, rgb[0], rgb[1], rgb[2]);
  return true;
}

void CairoCanvas::stroke(const draw::Style &style) {
  double dash[8];
  int n = 0;
  for (const char *p = style.dash; p && *p && n < 8;) {
    char *end = nullptr;
    const double v = std::strtod(p, &end);
    if (end == p) break;
    if (v > 0) dash[n++] = v;
    p = end;
  }
  cairo_set_dash(cr_, dash, n, 0);
  cairo_set_line_width(cr_, style.width);
  if (colour(style.stroke) && style.width > 0)
    cairo_stroke(cr_);
  else
    cairo_new_path(cr_);
}

void CairoCanvas::text(double x, double y, std::string_view s, double size, const char *anchor, bool bold,
                       double rotate) {
  // As SVG shows text: runs of blanks as one, none at the ends; bytes outside ASCII as "?".
  std::string shown;
  for (char c : s) {
    if (c == ' ' && (shown.empty() || shown.back() == ' ')) continue;
    shown += static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126 ? '?' : c;
  }
  if (!shown.empty() && shown.back() == ' ') shown.pop_back();
  Face &f = face(bold);
  double width = 0;
  for (char c : shown) width += f.advance[static_cast<unsigned char>(c)] * size;
  const double dx = std::strcmp(anchor, "end") == 0      ? -width
                    : std::strcmp(anchor, "middle") == 0 ? -width / 2
                                                         : 0;
  if (rotate != 0) {
    flush();
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_rotate(cr_, rotate * M_PI / 180);
    cairo_set_font_face(cr_, f.face);
    cairo_set_font_size(cr_, size);
    cairo_move_to(cr_, dx, 0);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_show_text(cr_, shown.c_str());
    cairo_restore(cr_);
    return;
  }
  if (&f != run_face_ || size != run_size_) flush();
  run_face_ = &f;
  run_size_ = size;
  double at = x + dx;
  for (char c : shown) {
    const std::size_t u = static_cast<unsigned char>(c);
    if (c != ' ') glyphs_.push_back({f.glyph[u], at, y});
    at += f.advance[u] * size;
  }
}

void CairoCanvas::begin_labels(double size, const char *anchor) {
  label_size_ = size;
  label_anchor_ = anchor;
}

void CairoCanvas::label(double x, double y, std::string_view s) { text(x, y, s, label_size_, label_anchor_); }

void CairoCanvas::rules(const std::vector<draw::Rule> &rules, const draw::Style &style) {
  flush();
  for (const draw::Rule &r : rules) {
    cairo_move_to(cr_, r.vertical ? r.at : r.from, r.vertical ? r.from : r.at);
    cairo_line_to(cr_, r.vertical ? r.at : r.to, r.vertical ? r.to : r.at);
  }
  stroke(style);
}

void CairoCanvas::line(double x1, double y1, double x2, double y2, const draw::Style &style) {
  flush();
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  stroke(style);
}

namespace {

// Distance from p to the segment a-b.
double off_segment(const draw::Point &p, const draw::Point &a, const draw::Point &b) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Points of a line that a straight run from the last one kept passes within a twentieth of a page
// unit of (the SVG's own coordinates are rounded to a tenth) are left out: cairo spends most of a
// diagram page on the points of its curves, and the shears are mostly straight.
void trace(cairo_t *cr, const std::vector<draw::Point> &pts, std::size_t from, std::size_t to) {
  constexpr double kTolerance = 0.05;
  cairo_move_to(cr, pts[from].x, pts[from].y);
  std::size_t kept = from;
  for (std::size_t j = from + 2; j < to; ++j) {
    bool straight = true;
    for (std::size_t i = kept + 1; i < j && straight; ++i)
      straight = off_segment(pts[i], pts[kept], pts[j]) <= kTolerance;
    if (!straight) {
      kept = j - 1;
      cairo_line_to(cr, pts[kept].x, pts[kept].y);
    }
  }
  cairo_line_to(cr, pts[to - 1].x, pts[to - 1].y);
}

} // namespace

void CairoCanvas::polyline(const std::vector<draw::Point> &points, const draw::Style &style, const char *) {
  flush();
  for (std::size_t i = 0; i < points.size();) {
    while (i < points.size() && draw::is_gap(points[i])) ++i;
    std::size_t end = i;
    while (end < points.size() && !draw::is_gap(points[end])) ++end;
    if (end - i >= 2) trace(cr_, points, i, end); // a lone point draws nothing
    i = end;
  }
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  stroke(style);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
}

void CairoCanvas::rect(double x, double y, double w, double h, const draw::Style &style, const char *) {
  flush();
  if (!(w > 0) || !(h > 0)) return;
  cairo_rectangle(cr_, x, y, w, h);
  if (colour(style.fill)) cairo_fill_preserve(cr_);
  stroke(style);
}

void CairoCanvas::circle(double cx, double cy, double r, const char *fill) {
  flush();
  if (!colour(fill) || !(r > 0)) return;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr_);
}

} // namespace ss
