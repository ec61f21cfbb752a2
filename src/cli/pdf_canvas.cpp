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

Face::Face(const char *family, bool bold)
    : face_(cairo_toy_font_face_create(family, CAIRO_FONT_SLANT_NORMAL,
                                       bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL)) {}

Face::~Face() { cairo_font_face_destroy(face_); }

Face &Face::load(cairo_t *cr) {
  if (ready_) return *this;
  ready_ = true;
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_font_face(cr, face_);
  cairo_set_font_size(cr, 1);
  cairo_scaled_font_t *font = cairo_get_scaled_font(cr);
  for (int c = 32; c < 127; ++c) {
    const char one[2] = {static_cast<char>(c), 0};
    cairo_glyph_t *g = nullptr;
    int n = 0;
    if (cairo_scaled_font_text_to_glyphs(font, 0, 0, one, 1, &g, &n, nullptr, nullptr, nullptr) ==
            CAIRO_STATUS_SUCCESS &&
        n == 1) {
      cairo_text_extents_t e;
      cairo_scaled_font_glyph_extents(font, g, 1, &e);
      glyph_[static_cast<std::size_t>(c)] = g[0].index;
      advance_[static_cast<std::size_t>(c)] = e.x_advance;
    }
    cairo_glyph_free(g);
  }
  cairo_restore(cr);
  return *this;
}

void GlyphRun::add(Face &face, double size, double angle, double x, double y, std::string_view s) {
  if (&face != face_ || size != size_ || angle != angle_) flush();
  face_ = &face, size_ = size, angle_ = angle;
  const double cos = std::cos(angle), sin = std::sin(angle);
  double along = 0;
  for (char c : s) {
    if (c != ' ') glyphs_.push_back({face.glyph(cr_, c), x + along * cos, y + along * sin});
    along += face.advance(cr_, c) * size;
  }
}

double Face::width(cairo_t *cr, double size, std::string_view s) {
  double w = 0;
  for (char c : s) w += advance(cr, c) * size;
  return w;
}

void GlyphRun::flush() {
  if (glyphs_.empty()) return;
  cairo_matrix_t m;
  cairo_matrix_init_rotate(&m, angle_);
  cairo_matrix_scale(&m, size_, size_);
  cairo_set_font_face(cr_, face_->face());
  cairo_set_font_matrix(cr_, &m);
  cairo_show_glyphs(cr_, glyphs_.data(), static_cast<int>(glyphs_.size()));
  glyphs_.clear();
}

CairoCanvas::CairoCanvas(cairo_t *cr) : cr_(cr), regular_(kSans, false), bold_(kSans, true) {}

CairoCanvas::~CairoCanvas() { flush(); }

void CairoCanvas::place(double left, double scale) {
  flush();
  left_ = left;
  scale_ = scale;
}

void CairoCanvas::flush() {
  flush_lines();
  cairo_set_source_rgb(cr_, 0, 0, 0);
  for (GlyphRun &run : runs_) run.flush();
}

void CairoCanvas::flush_lines() {
  if (!lines_waiting_) return;
  lines_waiting_ = false;
  stroke(lines_style_);
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
    if (v > 0) dash[n++] = v * scale_;
    p = end;
  }
  cairo_set_dash(cr_, dash, n, 0);
  cairo_set_line_width(cr_, style.width * scale_);
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
    shown += c;
  }
  if (!shown.empty() && shown.back() == ' ') shown.pop_back();
  Face &f = bold ? bold_ : regular_;
  size *= scale_;
  const double width = f.width(cr_, size, shown);
  const double dx = std::strcmp(anchor, "end") == 0      ? -width
                    : std::strcmp(anchor, "middle") == 0 ? -width / 2
                                                         : 0;
  const double angle = rotate * M_PI / 180;
  auto run =
      std::find_if(runs_.begin(), runs_.end(), [&](const GlyphRun &r) { return r.takes(f, size, angle); });
  if (run == runs_.end()) run = runs_.insert(run, GlyphRun(cr_));
  run->add(f, size, angle, px(x) + dx * std::cos(angle), py(y) + dx * std::sin(angle), shown);
}

void CairoCanvas::begin_labels(double size, const char *anchor) {
  label_size_ = size;
  label_anchor_ = anchor;
}

void CairoCanvas::label(double x, double y, std::string_view s) { text(x, y, s, label_size_, label_anchor_); }

void CairoCanvas::rules(const std::vector<draw::Rule> &rules, const draw::Style &style) {
  flush_lines();
  for (const draw::Rule &r : rules) {
    cairo_move_to(cr_, px(r.vertical ? r.at : r.from), py(r.vertical ? r.from : r.at));
    cairo_line_to(cr_, px(r.vertical ? r.at : r.to), py(r.vertical ? r.to : r.at));
  }
  stroke(style);
}

namespace {

bool same_text(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

bool same_style(const draw::Style &a, const draw::Style &b) {
  return same_text(a.stroke, b.stroke) && a.width == b.width && same_text(a.dash, b.dash) &&
         same_text(a.fill, b.fill);
}

} // namespace

// Lines of one style in a row become one path: the same strokes, one set of operators.
void CairoCanvas::line(double x1, double y1, double x2, double y2, const draw::Style &style) {
  if (lines_waiting_ && !same_style(style, lines_style_)) flush_lines();
  lines_waiting_ = true;
  lines_style_ = style;
  cairo_move_to(cr_, px(x1), py(y1));
  cairo_line_to(cr_, px(x2), py(y2));
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
void trace(cairo_t *cr, const std::vector<draw::Point> &pts, std::size_t from, std::size_t to, double left,
           double scale) {
  constexpr double kTolerance = 0.05;
  const auto to_sheet = [&](const draw::Point &p) { cairo_line_to(cr, left + p.x * scale, p.y * scale); };
  cairo_move_to(cr, left + pts[from].x * scale, pts[from].y * scale);
  std::size_t kept = from;
  for (std::size_t j = from + 2; j < to; ++j) {
    bool straight = true;
    for (std::size_t i = kept + 1; i < j && straight; ++i)
      straight = off_segment(pts[i], pts[kept], pts[j]) <= kTolerance;
    if (!straight) {
      kept = j - 1;
      to_sheet(pts[kept]);
    }
  }
  to_sheet(pts[to - 1]);
}

} // namespace

void CairoCanvas::polyline(const std::vector<draw::Point> &points, const draw::Style &style, const char *) {
  flush_lines();
  for (std::size_t i = 0; i < points.size();) {
    while (i < points.size() && draw::is_gap(points[i])) ++i;
    std::size_t end = i;
    while (end < points.size() && !draw::is_gap(points[end])) ++end;
    if (end - i >= 2) trace(cr_, points, i, end, left_, scale_); // a lone point draws nothing
    i = end;
  }
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  stroke(style);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
}

void CairoCanvas::rect(double x, double y, double w, double h, const draw::Style &style, const char *) {
  flush_lines();
  if (!(w > 0) || !(h > 0)) return;
  cairo_rectangle(cr_, px(x), py(y), w * scale_, h * scale_);
  if (colour(style.fill)) cairo_fill_preserve(cr_);
  stroke(style);
}

void CairoCanvas::circle(double cx, double cy, double r, const char *fill) {
  flush_lines();
  if (!colour(fill) || !(r > 0)) return;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, px(cx), py(cy), r * scale_, 0, 2 * M_PI);
  cairo_fill(cr_);
}

} // namespace ss
