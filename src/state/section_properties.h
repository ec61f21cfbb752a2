// A steel section acting with the deck slab, shared by the rolled beam and plate girder designs.
#pragma once

namespace ss {

// One steel section acting with the slab, for one modular ratio r (n or 3n).
struct CompositeSection {
  float inertia = 0; // in^4, transformed section
  float ytop = 0;    // in, top of steel from the composite neutral axis (negative)
  float ybot = 0;    // in, bottom of steel from the composite neutral axis
  float yconc = 0;   // in, top of concrete from the composite neutral axis, divided by r (negative)
  float q = 0;       // 1/in, first moment of the transformed slab over the inertia (ratio n only)
};

} // namespace ss
