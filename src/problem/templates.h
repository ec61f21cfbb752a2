// Problem files of a typical girder of each beam type, to copy and edit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ss {

struct ProblemTemplate {
  std::string_view type;  // "RB", ... "RM"
  bool analysis;          // D/A 1: the given section analysed; else designed
  std::string_view about; // one line
  std::string_view deck;  // the girder as a deck
};

// Every template: RB, RP, CB, PG, CG and TB in design and analysis form, RM (analysis only).
const std::vector<ProblemTemplate> &problem_templates();

// The commented problem file of a template.
std::string template_problem_file(const ProblemTemplate &t);

} // namespace ss
