#include "tables/tables.h"

#include "tables/blocks.h"

namespace ss {

void print_page_header(Run &run) {
  run.out.put(
      Line::cc('1').text(20, "SIMPLE SPAN OUTPUT DATA PROBLEM NUMBER  ").a(60, 4, run.st.problem_number));
}

void RESTAB(Run &run) {
  print_page_header(run);
  RESTAB_moments(run);
}

void RESTAB_moments(Run &run) {
  tables::print_moments(run);
  if (run.st.beam_type == 6) return; // a T-beam prints its own blocks before the shears page
  tables::print_stresses(run);
  SHRTAB(run);
}

void SHRTAB(Run &run) {
  tables::print_shears(run);
  tables::print_dead_load_deflections(run);
  tables::print_live_load_deflections(run);
  if (run.results_printed) run.results_printed(run.st); // the design's results are complete
}

} // namespace ss
