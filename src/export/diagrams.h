// The moment, shear and deflection diagrams of the diagram page.
#pragma once

#include "export/svg_page.h"
#include "state/problem_state.h"

namespace ss::exporting {

// Where the span is drawn: every diagram and the section elevation share it.
struct SpanFrame {
  double left;  // page units
  double width; // page units
  double x0;    // ft, left support
  double x1;    // ft, right support
};

// Dead load, live-load envelope and total moments along the span, with the allowable resisting
// moment where the design has one. `top` and `height` are the plot rectangle's, page units.
void moment_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top,
                    double height);
// Dead load, live-load envelope (positive and negative) and total shears along the span.
void shear_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top, double height);
// Dead-load and live-load deflected shapes with the allowed deflection, downward positive.
void deflection_diagram(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top,
                        double height);

// The allowable resisting moment at the stations where it is defined, K-FT. (gap() elsewhere).
std::vector<svg::Point> allowable_moment(const ProblemState &st);

} // namespace ss::exporting
