#include "export/svg.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "export/diagrams.h"
#include "export/section_sketch.h"
#include "export/svg_page.h"

namespace ss {

namespace {

constexpr double kWidth = 816, kHeight = 1056; // letter, 96 per inch
constexpr double kLeft = 92, kPlotWidth = 686; // every diagram shares the span axis

std::string trimmed(std::string s) {
  const std::size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

std::string word_text(const Word &w) { return trimmed(std::string(w.begin(), w.end())); }

const char *beam_name(std::int32_t type) {
  switch (type) {
  case 1:
    return "ROLLED BEAM";
  case 2:
    return "ROLLED BEAM WITH COVER PLATES";
  case 3:
    return "COMPOSITE ROLLED BEAM";
  case 4:
    return "PLATE GIRDER";
  case 5:
    return "COMPOSITE PLATE GIRDER";
  case 6:
    return "CONCRETE T-BEAM";
  default:
    return "BEAM";
  }
}

void header(draw::Canvas &page, const ProblemState &st) {
  const std::string number = word_text(st.problem_number);
  page.text(kLeft - 50, 34, "SIMPLE SPAN  PROBLEM NUMBER " + number, 16, "start", true);
  page.text(kLeft - 50, 54, trimmed(std::string(st.title.begin(), st.title.end())), 12);
  std::string loading = word_text(st.class_code);
  loading += svg::number(st.class_number, 0);
  page.text(kLeft - 50, 72,
            std::string(beam_name(st.beam_type)) + "   SPAN " + svg::number(st.length, 2) +
                " FT   LIVE LOAD " + loading,
            11);
}

} // namespace

draw::Drawing results_drawing(const ProblemState &st) {
  const std::string number = word_text(st.problem_number);
  draw::Drawing page(kWidth, kHeight,
                     "Simple span problem " + number + ": moments, shears, deflections, section");
  header(page, st);
  const exporting::SpanFrame frame{kLeft, kPlotWidth, 0.0, std::max(static_cast<double>(st.length), 1e-6)};
  exporting::moment_diagram(page, st, frame, 124, 180);
  exporting::shear_diagram(page, st, frame, 380, 160);
  exporting::deflection_diagram(page, st, frame, 620, 140);
  exporting::section_sketch(page, st, frame, 848);
  return page;
}

std::string svg_text(const draw::Drawing &page) {
  svg::Page out(page.width(), page.height(), page.title());
  page.replay(out);
  return out.finish();
}

std::string results_svg(const ProblemState &st) { return svg_text(results_drawing(st)); }

} // namespace ss
