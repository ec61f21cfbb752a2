// A small SVG writer for the diagram page: a canvas that writes SVG text, and plots that map span
// and result values onto a rectangle of any canvas with labelled axes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/canvas.h"

namespace ss::svg {

using draw::gap;
using draw::Point;
using draw::Style;

// Text made safe for XML: markup characters escaped, control and non-ASCII bytes shown as "?" (the
// deck is read byte by byte and need not be UTF-8).
std::string escape(std::string_view s);
// A number with at most `decimals` decimals and no trailing zeros ("12.5", "-3", "0"), halves
// rounded away from zero; "0" for a value that is not finite or beyond 1e17.
std::string number(double v, int decimals);
void append_number(std::string &out, double v, int decimals);

// A number as a page coordinate: a tenth of a pixel is far below what a printer shows.
struct Num {
  double v;
  int decimals = 1;
};

class Page final : public draw::Canvas {
public:
  Page(double width, double height, std::string_view title);
  void text(double x, double y, std::string_view s, double size, const char *anchor = "start",
            bool bold = false, double rotate = 0) override;
  // A group whose font size and anchor hold for the labels until end_labels().
  void begin_labels(double size, const char *anchor) override;
  void label(double x, double y, std::string_view s) override;
  void end_labels() override;
  // One path of grid lines.
  void rules(const std::vector<draw::Rule> &rules, const Style &style) override;
  void line(double x1, double y1, double x2, double y2, const Style &style) override;
  void polyline(const std::vector<Point> &points, const Style &style, const char *cls) override;
  void rect(double x, double y, double w, double h, const Style &style, const char *cls = nullptr) override;
  void circle(double cx, double cy, double r, const char *fill) override;
  std::string finish();

private:
  void put(std::string_view s) { out_.append(s); }
  void put(Num n) { append_number(out_, n.v, n.decimals); }
  template <class... Parts> void add(const Parts &...parts) { (put(parts), ...); }
  void stroke_attributes(const Style &style);
  std::string out_;
};

// Round steps (1, 2 or 5 times a power of ten) covering [lo, hi] with about `target` intervals.
double tick_step(double lo, double hi, int target);

class Plot {
public:
  // The rectangle (page units) and the value ranges it shows; y grows downward when `y_down`.
  Plot(draw::Canvas &page, double left, double top, double width, double height, double x0, double x1,
       double y0, double y1, bool y_down = false);
  // Widens [y0, y1] to hold 0 and every finite value, rounded out to whole ticks.
  static void fit(const std::vector<std::vector<Point>> &curves, double &y0, double &y1);

  double px(double x) const;
  double py(double y) const;
  // Frame, grid with tick labels, the zero line, the title and the axis labels.
  void axes(std::string_view title, std::string_view xlabel, std::string_view ylabel);
  // A curve in user units (gap() points break it).
  void curve(const std::vector<Point> &data, const Style &style, const char *cls);
  // Legend entries from the top right corner inwards: line samples with labels.
  struct Entry {
    Style style;
    std::string label;
  };
  void legend(const std::vector<Entry> &entries);

private:
  draw::Canvas &page_;
  double left_, top_, width_, height_; // the plot rectangle, page units
  double x0_, x1_;                     // span shown, ft
  double y0_, y1_;                     // values shown, units of the diagram (K-FT., KIPS, in)
  bool y_down_;                        // values grow downward (deflections)
};

} // namespace ss::svg
