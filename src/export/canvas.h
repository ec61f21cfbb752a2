// What the diagram page is drawn on: text, lines, polylines, rectangles and dots in page units
// (1/96 in, y down). The layout draws once on a Canvas; the SVG writer and the PDF each render it.
// A Drawing records the calls and plays them back on any canvas, so that a run can keep its
// diagram pages until the documents are written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ss::draw {

struct Point {
  double x = 0; // user units of the plot (ft, K-FT., ...) or page units
  double y = 0;
};
// A point that breaks a polyline in two.
Point gap();
bool is_gap(const Point &p);

// Colours are "#rgb" or "#rrggbb", or "none"; a dash is a list of lengths ("6 3"). Every string
// here is a literal of the layout, so a recorded style may keep the pointers.
struct Style {
  const char *stroke = "#000"; // colour
  double width = 1;            // page units
  const char *dash = nullptr;  // dash lengths, none when null
  const char *fill = "none";
};

// A grid line: vertical at x = `at` from y = `from` to `to`, or horizontal at y = `at`.
struct Rule {
  bool vertical;
  double at, from, to;
};

class Canvas {
public:
  virtual ~Canvas() = default;
  // `anchor` is "start", "middle" or "end"; `rotate` in degrees about (x, y), clockwise.
  virtual void text(double x, double y, std::string_view s, double size, const char *anchor = "start",
                    bool bold = false, double rotate = 0) = 0;
  // Labels drawn until end_labels() take this size and anchor.
  virtual void begin_labels(double size, const char *anchor) = 0;
  virtual void label(double x, double y, std::string_view s) = 0;
  virtual void end_labels() = 0;
  virtual void rules(const std::vector<Rule> &rules, const Style &style) = 0;
  virtual void line(double x1, double y1, double x2, double y2, const Style &style) = 0;
  // Points in page units; a gap() point starts a new line. `cls` names the curve for readers.
  virtual void polyline(const std::vector<Point> &points, const Style &style, const char *cls) = 0;
  virtual void rect(double x, double y, double w, double h, const Style &style,
                    const char *cls = nullptr) = 0;
  virtual void circle(double cx, double cy, double r, const char *fill) = 0;
};

// A page of drawing calls, recorded to be played back.
class Drawing final : public Canvas {
public:
  Drawing() = default;
  Drawing(double width, double height, std::string title)
      : width_(width), height_(height), title_(std::move(title)) {}
  double width() const { return width_; }
  double height() const { return height_; }
  const std::string &title() const { return title_; }
  // Every call recorded, in order.
  void replay(Canvas &to) const;

  void text(double x, double y, std::string_view s, double size, const char *anchor = "start",
            bool bold = false, double rotate = 0) override;
  void begin_labels(double size, const char *anchor) override;
  void label(double x, double y, std::string_view s) override;
  void end_labels() override;
  void rules(const std::vector<Rule> &rules, const Style &style) override;
  void line(double x1, double y1, double x2, double y2, const Style &style) override;
  void polyline(const std::vector<Point> &points, const Style &style, const char *cls) override;
  void rect(double x, double y, double w, double h, const Style &style, const char *cls = nullptr) override;
  void circle(double cx, double cy, double r, const char *fill) override;

private:
  enum class Kind : std::uint8_t {
    text,
    begin_labels,
    label,
    end_labels,
    rules,
    line,
    polyline,
    rect,
    circle
  };
  struct Op {
    Kind kind;
    bool flag = false;              // bold text; vertical rule
    const char *name = nullptr;     // anchor, class or fill (literals)
    double v[5] = {};               // coordinates, size, rotation
    Style style{};                  // lines, rules, polylines, rectangles
    std::uint32_t from = 0, to = 0; // its characters in text_ or its points in points_
  };
  Op &add(Kind kind, const char *name = nullptr);
  std::string_view chars(const Op &op) const {
    return std::string_view(text_).substr(op.from, op.to - op.from);
  }

  double width_ = 0, height_ = 0;
  std::string title_;
  std::vector<Op> ops_;
  std::string text_;          // the texts of every op, end to end
  std::vector<Point> points_; // the points of every polyline; rules as (at, from), (to, vertical)
};

} // namespace ss::draw
