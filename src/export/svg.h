// One page of diagrams per design, as a self-contained SVG drawing (no scripts, fonts or links):
// moments, shears and deflections along the span and a sketch of the section.
#pragma once

#include <string>

#include "export/canvas.h"
#include "state/problem_state.h"

namespace ss {

// The page for the results now in the state (as the results tables leave it). Letter size,
// portrait, in the generic sans-serif font.
draw::Drawing results_drawing(const ProblemState &st);
// A page drawn as SVG text.
std::string svg_text(const draw::Drawing &page);
std::string results_svg(const ProblemState &st);

} // namespace ss
