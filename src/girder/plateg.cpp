#include "girder/plateg.h"

#include "girder/girder_report.h"
#include "girder/sizing.h"
#include "tables/tables.h"

namespace ss {

void PLATEG(Run &run) {
  ProblemState &st = run.st;
  switch (size_girder(st)) {
  case SizingResult::fs_not_given:
    print_not_designed(run, "FS NOT GIVEN");
    return;
  case SizingResult::plates_too_wide:
    print_not_designed(run, "PLATES EXCEED 120 IN");
    return;
  case SizingResult::sized:
    break;
  }
  girder_stiffeners(st);
  print_girder(run);
  // The stress table prints FS on every row: a girder has no separate allowable stress where the
  // bottom cover plate runs.
  st.fs_beam = st.fs;
  st.fs_plated = st.fs;
  RESTAB(run);
}

} // namespace ss
