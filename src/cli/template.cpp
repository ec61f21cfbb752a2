#include "cli/convert.h"

#include "problem/templates.h"

namespace ss {

namespace {

std::string template_usage() {
  std::string s = "usage: simple-span template TYPE [design|analysis] > girder.toml\n"
                  "\n"
                  "Prints a commented problem file of a typical girder of beam type TYPE, in design form\n"
                  "unless analysis is asked for. Edit it, then run: simple-span girder.toml girder.rpt\n"
                  "\n";
  for (const ProblemTemplate &t : problem_templates())
    s += "  " + std::string(t.type) + (t.analysis ? " analysis  " : " design    ") + std::string(t.about) +
         "\n";
  return s;
}

} // namespace

int template_command(const std::vector<std::string> &operands, std::istream &, std::ostream &out,
                     std::ostream &err) {
  if (!operands.empty() && operands[0] == "--help") return out << template_usage(), 0;
  if (operands.empty() || operands.size() > 2)
    return err << "simple-span template: a beam type is needed (RB, RP, CB, PG, CG, TB or RM)\n"
                  "Try 'simple-span template --help'.\n",
           2;
  std::string type = operands[0];
  for (char &c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string form = operands.size() == 2 ? operands[1] : "";
  if (!form.empty() && form != "design" && form != "analysis")
    return err << "simple-span template: the form is design or analysis, not " << form << "\n", 2;
  const ProblemTemplate *chosen = nullptr;
  for (const ProblemTemplate &t : problem_templates()) {
    if (t.type != type) continue;
    if (form.empty() ? !chosen : t.analysis == (form == "analysis")) chosen = &t;
  }
  if (!chosen)
    return err << "simple-span template: no " << (form.empty() ? "" : form + " ") << "template for "
               << operands[0] << "\nTry 'simple-span template --help'.\n",
           2;
  out << template_problem_file(*chosen);
  return 0;
}

} // namespace ss
