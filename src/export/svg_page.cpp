#include "export/svg_page.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ss::svg {

using draw::is_gap;

std::string escape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (u < 0x20 || u >= 0x7f)
      out += '?';
    else
      out += c;
  }
  return out;
}

void append_number(std::string &out, double v, int decimals) {
  decimals = std::clamp(decimals, 0, 6);
  static constexpr double kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  const double scaled = std::round(v * kPow10[decimals]); // halves away from zero
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 1e17 || scaled == 0) {
    out += '0';
    return;
  }
  char buf[32];
  char *end = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned long long>(std::fabs(scaled))).ptr;
  int digits = static_cast<int>(end - buf);
  if (scaled < 0) out += '-';
  // The digits before the point, a zero when there are none.
  if (digits <= decimals)
    out += '0';
  else
    out.append(buf, static_cast<std::size_t>(digits - decimals));
  // The decimals without trailing zeros.
  int last = digits;
  while (last > digits - decimals && last > 0 && buf[last - 1] == '0') --last;
  if (last > digits - decimals) {
    out += '.';
    out.append(static_cast<std::size_t>(std::max(0, decimals - digits)), '0');
    const int from = std::max(0, digits - decimals);
    out.append(buf + from, static_cast<std::size_t>(last - from));
  }
}

std::string number(double v, int decimals) {
  std::string s;
  append_number(s, v, decimals);
  return s;
}

Page::Page(double width, double height, std::string_view title) {
  out_.reserve(16384);
  add("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
      "width=\"",
      Num{width / 96.0, 3}, "in\" height=\"", Num{height / 96.0, 3}, "in\" viewBox=\"0 0 ", Num{width}, " ",
      Num{height}, "\" font-family=\"sans-serif\">\n<title>", escape(title),
      "</title>\n<rect x=\"0\" y=\"0\" width=\"", Num{width}, "\" height=\"", Num{height},
      "\" fill=\"#fff\"/>\n");
}

void Page::text(double x, double y, std::string_view s, double size, const char *anchor, bool bold,
                double rotate) {
  add("<text x=\"", Num{x}, "\" y=\"", Num{y}, "\" font-size=\"", Num{size}, "\"");
  if (std::string_view(anchor) != "start") add(" text-anchor=\"", anchor, "\"");
  if (bold) add(" font-weight=\"bold\"");
  if (rotate != 0) add(" transform=\"rotate(", Num{rotate}, " ", Num{x}, " ", Num{y}, ")\"");
  add(">", escape(s), "</text>\n");
}

void Page::label(double x, double y, std::string_view s) {
  add("<text x=\"", Num{x}, "\" y=\"", Num{y}, "\">", escape(s), "</text>\n");
}

void Page::begin_labels(double size, const char *anchor) {
  add("<g font-size=\"", Num{size}, "\" text-anchor=\"", anchor, "\">\n");
}

void Page::end_labels() { add("</g>\n"); }

void Page::rules(const std::vector<draw::Rule> &rules, const Style &style) {
  add("<path d=\"");
  for (const draw::Rule &r : rules)
    if (r.vertical)
      add("M", Num{r.at}, " ", Num{r.from}, "V", Num{r.to});
    else
      add("M", Num{r.from}, " ", Num{r.at}, "H", Num{r.to});
  add("\"");
  stroke_attributes(style);
  add("/>\n");
}

void Page::stroke_attributes(const Style &style) {
  add(" fill=\"", style.fill, "\" stroke=\"", style.stroke, "\" stroke-width=\"", Num{style.width, 2}, "\"");
  if (style.dash) add(" stroke-dasharray=\"", style.dash, "\"");
}

void Page::line(double x1, double y1, double x2, double y2, const Style &style) {
  add("<line x1=\"", Num{x1}, "\" y1=\"", Num{y1}, "\" x2=\"", Num{x2}, "\" y2=\"", Num{y2}, "\"");
  stroke_attributes(style);
  add("/>\n");
}

void Page::polyline(const std::vector<Point> &points, const Style &style, const char *cls) {
  std::size_t i = 0;
  while (i < points.size()) {
    while (i < points.size() && is_gap(points[i])) ++i;
    std::size_t end = i;
    while (end < points.size() && !is_gap(points[end])) ++end;
    if (end - i >= 2) { // a lone point draws nothing
      add("<polyline class=\"", cls, "\" points=\"");
      for (std::size_t k = i; k < end; ++k) add(k == i ? "" : " ", Num{points[k].x}, ",", Num{points[k].y});
      add("\"");
      stroke_attributes(style);
      add(" stroke-linejoin=\"round\"/>\n");
    }
    i = end;
  }
}

void Page::rect(double x, double y, double w, double h, const Style &style, const char *cls) {
  add("<rect");
  if (cls) add(" class=\"", cls, "\"");
  add(" x=\"", Num{x}, "\" y=\"", Num{y}, "\" width=\"", Num{std::max(w, 0.0)}, "\" height=\"",
      Num{std::max(h, 0.0)}, "\"");
  stroke_attributes(style);
  add("/>\n");
}

void Page::circle(double cx, double cy, double r, const char *fill) {
  add("<circle cx=\"", Num{cx}, "\" cy=\"", Num{cy}, "\" r=\"", Num{r, 2}, "\" fill=\"", fill, "\"/>\n");
}

std::string Page::finish() {
  add("</svg>\n");
  return std::move(out_);
}

double tick_step(double lo, double hi, int target) {
  const double span = hi - lo;
  if (!(span > 0) || !std::isfinite(span)) return 1;
  const double raw = span / target;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * mag >= raw) return m * mag;
  return 10 * mag;
}

Plot::Plot(draw::Canvas &page, double left, double top, double width, double height, double x0, double x1,
           double y0, double y1, bool y_down)
    : page_(page), left_(left), top_(top), width_(width), height_(height), x0_(x0), x1_(x1), y0_(y0), y1_(y1),
      y_down_(y_down) {
  if (!(x1_ > x0_)) x1_ = x0_ + 1;
  if (!(y1_ > y0_)) y1_ = y0_ + 1;
}

void Plot::fit(const std::vector<std::vector<Point>> &curves, double &y0, double &y1) {
  y0 = std::min(y0, 0.0);
  y1 = std::max(y1, 0.0);
  for (const auto &c : curves)
    for (const Point &p : c)
      if (std::isfinite(p.y)) y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  if (!(y1 > y0)) y1 = y0 + 1;
  const double step = tick_step(y0, y1, 5);
  y0 = std::floor(y0 / step + 1e-3) * step; // a rounding crumb below 0 needs no tick of its own
  y1 = std::ceil(y1 / step - 1e-3) * step;
  if (y1 - y0 < step) y1 = y0 + step;
}

double Plot::px(double x) const { return left_ + (x - x0_) / (x1_ - x0_) * width_; }

double Plot::py(double y) const {
  const double f = (y - y0_) / (y1_ - y0_);
  return y_down_ ? top_ + f * height_ : top_ + height_ - f * height_;
}

void Plot::axes(std::string_view title, std::string_view xlabel, std::string_view ylabel) {
  const Style grid{"#d0d0d0", 0.5};
  const Style frame{"#000", 1};
  const double xs = tick_step(x0_, x1_, 10), ys = tick_step(y0_, y1_, 5);
  const int xd = std::max(0, static_cast<int>(-std::floor(std::log10(xs) + 1e-9)));
  const int yd = std::max(0, static_cast<int>(-std::floor(std::log10(ys) + 1e-9)));
  std::vector<draw::Rule> rules;
  // About ten and five intervals by construction; the cap holds whatever the ranges.
  const double n_x = std::min(std::floor((x1_ - x0_) / xs + 1e-6), 50.0);
  const double n_y = std::min(std::floor((y1_ - y0_) / ys + 1e-6), 50.0);
  const double first_x = std::ceil(x0_ / xs - 1e-9) * xs, first_y = std::ceil(y0_ / ys - 1e-9) * ys;
  for (int i = 0; i <= n_x && first_x + i * xs <= x1_ + xs * 1e-6; ++i)
    rules.push_back({true, px(first_x + i * xs), top_, top_ + height_});
  for (int i = 0; i <= n_y && first_y + i * ys <= y1_ + ys * 1e-6; ++i)
    rules.push_back({false, py(first_y + i * ys), left_, left_ + width_});
  page_.rules(rules, grid);
  page_.begin_labels(11, "middle");
  for (int i = 0; i <= n_x && first_x + i * xs <= x1_ + xs * 1e-6; ++i)
    page_.label(px(first_x + i * xs), top_ + height_ + 14, number(first_x + i * xs, xd));
  page_.end_labels();
  page_.begin_labels(11, "end");
  for (int i = 0; i <= n_y && first_y + i * ys <= y1_ + ys * 1e-6; ++i)
    page_.label(left_ - 5, py(first_y + i * ys) + 4, number(first_y + i * ys, yd));
  page_.end_labels();
  if (y0_ < 0 && y1_ > 0) page_.line(left_, py(0), left_ + width_, py(0), Style{"#000", 0.75});
  page_.rect(left_, top_, width_, height_, frame);
  page_.text(left_, top_ - 24, title, 14, "start", true);
  page_.text(left_ + width_ / 2, top_ + height_ + 30, xlabel, 12, "middle");
  page_.text(left_ - 50, top_ + height_ / 2, ylabel, 12, "middle", false, -90);
}

void Plot::curve(const std::vector<Point> &data, const Style &style, const char *cls) {
  std::vector<Point> pts;
  pts.reserve(data.size());
  for (const Point &p : data)
    pts.push_back(is_gap(p) || !std::isfinite(p.y) || !std::isfinite(p.x) ? gap() : Point{px(p.x), py(p.y)});
  page_.polyline(pts, style, cls);
}

void Plot::legend(const std::vector<Entry> &entries) {
  // One row above the frame, right-aligned: sample line then label, entries side by side.
  double x = left_ + width_;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    const double text_w = 6.1 * static_cast<double>(it->label.size()); // about 11 px sans-serif
    x -= text_w;
    page_.text(x, top_ - 6, it->label, 11);
    page_.line(x - 26, top_ - 9.5, x - 4, top_ - 9.5, it->style);
    x -= 40;
  }
}

} // namespace ss::svg
