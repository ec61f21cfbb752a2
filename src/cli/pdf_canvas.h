// The diagram page drawn with cairo, as a browser draws its SVG: the same calls, the generic
// sans-serif font (DejaVu Sans), strokes, dashes and fills as the SVG gives them. Text goes to cairo
// as runs of glyphs placed by the font's own advances.
#pragma once

#include <array>
#include <cairo.h>
#include <string_view>
#include <vector>

#include "export/canvas.h"

namespace ss {

// A font and the glyph and advance (at size 1) of each printable ASCII character, looked up on
// first use and kept for the document.
class Face {
public:
  Face(const char *family, bool bold);
  ~Face();
  Face(const Face &) = delete;
  Face &operator=(const Face &) = delete;
  cairo_font_face_t *face() const { return face_; }
  // The glyph of a byte: any byte outside printable ASCII as "?".
  unsigned long glyph(cairo_t *cr, char c) { return load(cr).glyph_[index(c)]; }
  double advance(cairo_t *cr, char c) { return load(cr).advance_[index(c)]; }
  // Width of `s` at `size`.
  double width(cairo_t *cr, double size, std::string_view s);

private:
  static std::size_t index(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 32 || u > 126 ? '?' : u;
  }
  Face &load(cairo_t *cr);
  cairo_font_face_t *face_;
  std::array<unsigned long, 128> glyph_{};
  std::array<double, 128> advance_{};
  bool ready_ = false;
};

// Text waiting to be drawn as one run of glyphs while it keeps its font, size and direction: cairo
// spends far less on one long run than on many short ones.
class GlyphRun {
public:
  explicit GlyphRun(cairo_t *cr) : cr_(cr) {}
  // The glyphs of `s` from (x, y) along a baseline `angle` radians clockwise from the x axis, in the
  // current source colour; blanks move on without a glyph.
  void add(Face &face, double size, double angle, double x, double y, std::string_view s);
  // Draws what waits.
  void flush();
  // True when text of this face, size and direction can join the run.
  bool takes(const Face &face, double size, double angle) const {
    return glyphs_.empty() || (&face == face_ && size == size_ && angle == angle_);
  }

private:
  cairo_t *cr_;
  std::vector<cairo_glyph_t> glyphs_;
  Face *face_ = nullptr;
  double size_ = 0, angle_ = 0;
};

class CairoCanvas final : public draw::Canvas {
public:
  // Draws on `cr`, whose user space stays the sheet's (points, y down); see place().
  explicit CairoCanvas(cairo_t *cr);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas &) = delete;
  CairoCanvas &operator=(const CairoCanvas &) = delete;

  // Page unit (x, y) drawn at (left + x * scale, y * scale) points. The canvas scales every
  // coordinate, width and size itself: cairo writes a scaled user space around every stroke.
  void place(double left, double scale);

  void text(double x, double y, std::string_view s, double size, const char *anchor = "start",
            bool bold = false, double rotate = 0) override;
  void begin_labels(double size, const char *anchor) override;
  void label(double x, double y, std::string_view s) override;
  void end_labels() override {}
  // Draws the lines and text still waiting (the text over everything else); the destructor does too.
  void flush();
  void rules(const std::vector<draw::Rule> &rules, const draw::Style &style) override;
  void line(double x1, double y1, double x2, double y2, const draw::Style &style) override;
  void polyline(const std::vector<draw::Point> &points, const draw::Style &style, const char *cls) override;
  void rect(double x, double y, double w, double h, const draw::Style &style,
            const char *cls = nullptr) override;
  void circle(double cx, double cy, double r, const char *fill) override;

private:
  double px(double x) const { return left_ + x * scale_; }
  double py(double y) const { return y * scale_; }
  // Sets the colour; false for "none".
  bool colour(const char *c);
  void stroke(const draw::Style &style);
  void flush_lines();

  cairo_t *cr_;
  Face regular_, bold_;
  // The page's text, a run for each face, size and direction, drawn when the page is complete:
  // cairo writes a text object with its own matrix and font for every run.
  std::vector<GlyphRun> runs_;
  // Lines of one style wait to be stroked as one path.
  bool lines_waiting_ = false;
  draw::Style lines_style_;
  double left_ = 0, scale_ = 1;
  double label_size_ = 11;
  const char *label_anchor_ = "start";
};

} // namespace ss
