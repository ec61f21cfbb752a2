// The diagram page drawn with cairo, as a browser draws its SVG: the same calls, the generic
// sans-serif font (DejaVu Sans), strokes, dashes and fills as the SVG gives them.
#pragma once

#include <array>
#include <cairo.h>
#include <vector>

#include "export/canvas.h"

namespace ss {

class CairoCanvas final : public draw::Canvas {
public:
  // Draws on `cr` in its current user space (page units).
  explicit CairoCanvas(cairo_t *cr);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas &) = delete;
  CairoCanvas &operator=(const CairoCanvas &) = delete;

  void text(double x, double y, std::string_view s, double size, const char *anchor = "start",
            bool bold = false, double rotate = 0) override;
  void begin_labels(double size, const char *anchor) override;
  void label(double x, double y, std::string_view s) override;
  void end_labels() override {}
  // Draws the text still waiting; the destructor does too.
  void flush();
  void rules(const std::vector<draw::Rule> &rules, const draw::Style &style) override;
  void line(double x1, double y1, double x2, double y2, const draw::Style &style) override;
  void polyline(const std::vector<draw::Point> &points, const draw::Style &style, const char *cls) override;
  void rect(double x, double y, double w, double h, const draw::Style &style,
            const char *cls = nullptr) override;
  void circle(double cx, double cy, double r, const char *fill) override;

private:
  // A face's glyph and advance (at size 1) of each printable ASCII character, looked up once.
  struct Face {
    cairo_font_face_t *face;
    std::array<unsigned long, 128> glyph{};
    std::array<double, 128> advance{};
    bool ready = false;
  };
  Face &face(bool bold);
  // Sets the colour; false for "none".
  bool colour(const char *c);
  void stroke(const draw::Style &style);

  cairo_t *cr_;
  Face regular_, bold_;
  // Text waits here while it keeps one face and size, to be drawn as one run of glyphs.
  std::vector<cairo_glyph_t> glyphs_;
  Face *run_face_ = nullptr;
  double run_size_ = 0;
  double label_size_ = 11;
  const char *label_anchor_ = "start";
};

} // namespace ss
