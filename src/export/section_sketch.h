// The section sketch of the diagram page: an elevation along the span with the cover plates or bar
// rows where they run, and the cross-section at midspan drawn to scale.
#pragma once

#include "export/diagrams.h"

namespace ss::exporting {

// From `top` (page units) down to the foot of the page.
void section_sketch(draw::Canvas &page, const ProblemState &st, const SpanFrame &f, double top);

} // namespace ss::exporting
