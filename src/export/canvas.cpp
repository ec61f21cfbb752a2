#include "export/canvas.h"

#include <cmath>
#include <limits>

namespace ss::draw {

Point gap() { return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()}; }

bool is_gap(const Point &p) { return std::isnan(p.x) || std::isnan(p.y); }

Drawing::Op &Drawing::add(Kind kind, const char *name) {
  Op &op = ops_.emplace_back();
  op.kind = kind;
  op.name = name;
  return op;
}

void Drawing::text(double x, double y, std::string_view s, double size, const char *anchor, bool bold,
                   double rotate) {
  Op &op = add(Kind::text, anchor);
  op.flag = bold;
  op.v[0] = x, op.v[1] = y, op.v[2] = size, op.v[3] = rotate;
  op.from = static_cast<std::uint32_t>(text_.size());
  text_ += s;
  op.to = static_cast<std::uint32_t>(text_.size());
}

void Drawing::begin_labels(double size, const char *anchor) { add(Kind::begin_labels, anchor).v[0] = size; }

void Drawing::label(double x, double y, std::string_view s) {
  text(x, y, s, 0);
  ops_.back().kind = Kind::label;
}

void Drawing::end_labels() { add(Kind::end_labels); }

void Drawing::rules(const std::vector<Rule> &rules, const Style &style) {
  Op &op = add(Kind::rules);
  op.style = style;
  op.from = static_cast<std::uint32_t>(points_.size());
  for (const Rule &r : rules) {
    points_.push_back({r.at, r.from});
    points_.push_back({r.to, r.vertical ? 1.0 : 0.0});
  }
  op.to = static_cast<std::uint32_t>(points_.size());
}

void Drawing::line(double x1, double y1, double x2, double y2, const Style &style) {
  Op &op = add(Kind::line);
  op.v[0] = x1, op.v[1] = y1, op.v[2] = x2, op.v[3] = y2;
  op.style = style;
}

void Drawing::polyline(const std::vector<Point> &points, const Style &style, const char *cls) {
  Op &op = add(Kind::polyline, cls);
  op.style = style;
  op.from = static_cast<std::uint32_t>(points_.size());
  points_.insert(points_.end(), points.begin(), points.end());
  op.to = static_cast<std::uint32_t>(points_.size());
}

void Drawing::rect(double x, double y, double w, double h, const Style &style, const char *cls) {
  Op &op = add(Kind::rect, cls);
  op.v[0] = x, op.v[1] = y, op.v[2] = w, op.v[3] = h;
  op.style = style;
}

void Drawing::circle(double cx, double cy, double r, const char *fill) {
  Op &op = add(Kind::circle, fill);
  op.v[0] = cx, op.v[1] = cy, op.v[2] = r;
}

void Drawing::replay(Canvas &to) const {
  std::vector<Point> points;
  std::vector<Rule> rules;
  for (const Op &op : ops_) {
    const double *v = op.v;
    switch (op.kind) {
    case Kind::text:
      to.text(v[0], v[1], chars(op), v[2], op.name, op.flag, v[3]);
      break;
    case Kind::begin_labels:
      to.begin_labels(v[0], op.name);
      break;
    case Kind::label:
      to.label(v[0], v[1], chars(op));
      break;
    case Kind::end_labels:
      to.end_labels();
      break;
    case Kind::rules:
      rules.clear();
      for (std::uint32_t i = op.from; i + 1 < op.to; i += 2)
        rules.push_back({points_[i + 1].y != 0, points_[i].x, points_[i].y, points_[i + 1].x});
      to.rules(rules, op.style);
      break;
    case Kind::line:
      to.line(v[0], v[1], v[2], v[3], op.style);
      break;
    case Kind::polyline:
      points.assign(points_.begin() + op.from, points_.begin() + op.to);
      to.polyline(points, op.style, op.name);
      break;
    case Kind::rect:
      to.rect(v[0], v[1], v[2], v[3], op.style, op.name);
      break;
    case Kind::circle:
      to.circle(v[0], v[1], v[2], op.name);
      break;
    }
  }
}

} // namespace ss::draw
