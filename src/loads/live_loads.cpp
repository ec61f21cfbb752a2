#include "loads/live_loads.h"

#include "loads/highway.h"
#include "loads/railroad.h"

namespace ss {

void live_loads(ProblemState &st) {
  // Every live-load formula divides by the span. A span that is not positive is handed to the
  // resisting-moment path before any loading is computed; should one come here anyway, the
  // live-load results stay as cleared and the impact and deflection loads keep their old values.
  if (!(st.length > 0.0f)) return;
  set_impact(st);
  set_deflection_loads(st);
  switch (st.live_class) {
  case 1: // H
  case 2: // HS
    highway_components(st);
    highway_envelope(st);
    break;
  case 3: // RR
    railroad_loading(st);
    break;
  default: // any other class is an input error reported by the caller; nothing to load
    break;
  }
}

} // namespace ss
