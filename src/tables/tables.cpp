#include "tables/tables.h"

#include "tables/blocks.h"

namespace ss {

void RESTAB(Run &run) {
  print_page_header(run);
  RESTAB_moments(run);
}

void RESTAB_moments(Run &run) {
  print_moments(run);
  if (run.st.beam_type == 6) return; // a T-beam prints its own blocks before the shears page
  print_stresses(run);
  SHRTAB(run);
}

void SHRTAB(Run &run) {
  print_shears(run);
  print_dead_load_deflections(run);
  print_live_load_deflections(run);
}

} // namespace ss
