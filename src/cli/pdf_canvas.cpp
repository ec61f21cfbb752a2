#include "cli/pdf_canvas.h"

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
    : cr_(cr), regular_(cairo_toy_font_face_create(kSans, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL)),
      bold_(cairo_toy_font_face_create(kSans, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD)) {}

CairoCanvas::~CairoCanvas() {
  cairo_font_face_destroy(regular_);
  cairo_font_face_destroy(bold_);
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
  cairo_set_font_face(cr_, bold ? bold_ : regular_);
  cairo_set_font_size(cr_, size);
  double dx = 0;
  if (std::strcmp(anchor, "start") != 0) {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, shown.c_str(), &e);
    dx = std::strcmp(anchor, "end") == 0 ? -e.x_advance : -e.x_advance / 2;
  }
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  if (rotate != 0) cairo_rotate(cr_, rotate * M_PI / 180);
  cairo_move_to(cr_, dx, 0);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_show_text(cr_, shown.c_str());
  cairo_restore(cr_);
}

void CairoCanvas::begin_labels(double size, const char *anchor) {
  label_size_ = size;
  label_anchor_ = anchor;
}

void CairoCanvas::label(double x, double y, std::string_view s) { text(x, y, s, label_size_, label_anchor_); }

void CairoCanvas::rules(const std::vector<draw::Rule> &rules, const draw::Style &style) {
  for (const draw::Rule &r : rules) {
    cairo_move_to(cr_, r.vertical ? r.at : r.from, r.vertical ? r.from : r.at);
    cairo_line_to(cr_, r.vertical ? r.at : r.to, r.vertical ? r.to : r.at);
  }
  stroke(style);
}

void CairoCanvas::line(double x1, double y1, double x2, double y2, const draw::Style &style) {
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  stroke(style);
}

void CairoCanvas::polyline(const std::vector<draw::Point> &points, const draw::Style &style, const char *) {
  std::size_t run = 0; // points in the line being drawn; a lone point draws nothing
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool next_is_gap = i + 1 >= points.size() || draw::is_gap(points[i + 1]);
    if (draw::is_gap(points[i])) {
      run = 0;
    } else if (run++ == 0) {
      if (!next_is_gap)
        cairo_move_to(cr_, points[i].x, points[i].y);
      else
        run = 0;
    } else {
      cairo_line_to(cr_, points[i].x, points[i].y);
    }
  }
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  stroke(style);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
}

void CairoCanvas::rect(double x, double y, double w, double h, const draw::Style &style, const char *) {
  if (!(w > 0) || !(h > 0)) return;
  cairo_rectangle(cr_, x, y, w, h);
  if (colour(style.fill)) cairo_fill_preserve(cr_);
  stroke(style);
}

void CairoCanvas::circle(double cx, double cy, double r, const char *fill) {
  if (!colour(fill) || !(r > 0)) return;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr_);
}

} // namespace ss
