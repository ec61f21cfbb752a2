// Section properties of the cover-plated rolled beam: the beam with a top plate, a bottom plate,
// both or none; their composite forms with the slab for the modular ratios n and 3n; which section
// stands at a point of the span; the per-point property diagrams; the shear connector count.
#pragma once

#include <cstdint>

#include "rolled/lanes.h"
#include "state/problem_state.h"

namespace ss {

// The four steel sections of the beam in st.rolled (area, d, inertia, yc) with the top plate
// tt x wt and the bottom plate st.rolled.bt x st.rolled.wb (in).
void steel_sections(RolledState &r, float tt, float wt);

// The composite sections of the four steel sections with the slab, for n and 3n. A modular ratio
// below 1 becomes 10 and an FC below or at 0 becomes 1.2 ksi, both stored back into the problem.
void composite_sections(ProblemState &st);

// The plates' areas, first moments and inertias about the beam's mid-depth (above it: negative).
struct PlateTerms {
  float at, qt, it, ab, qb, ib;
};

// The slab's transformed area and inertia for n and 3n, and the distances every section uses.
struct Slab {
  float n, n3, ac, ic, ys, hc, ac3, ic3, tt, yc, bt;
};

// The section with both plates, steel and composite, as steel_sections and composite_sections
// work it, while only the bottom plate's thickness changes: a plate search works this one alone at
// each trial, and what does not depend on the thickness once. Constructing it applies the modular
// ratio and FC defaults as composite_sections does.
struct BothPlates {
  RolledSteel steel;
  RolledComposite n, n3; // without the top of concrete until add_concrete, never with Q/I
};

// The same for several bottom plate thicknesses at once, lane by lane.
struct LanesSteel {
  Lanes area, e, inertia, ytop, ybot;
};
struct LanesComposite {
  Lanes inertia, ytop, ybot, yconc, q;
};
struct BothPlatesLanes {
  LanesSteel steel;
  LanesComposite n, n3; // without the tops of concrete
};

class BothPlatesSection {
public:
  explicit BothPlatesSection(ProblemState &st);
  // Steel, n and 3n sections with both plates for the bottom plate bt x r.wb.
  void work(const RolledState &r, float bt, BothPlates &out) const;
  void work(const RolledState &r, Lanes bt, BothPlatesLanes &out) const;
  // Their tops of concrete.
  void add_concrete(BothPlates &out) const;

private:
  Slab slab_;
  float tt_;
  PlateTerms plates_{};
};

// The section standing x ft from the left support with the plates' X-BEGIN and LENGTH.
RolledSectionKind section_at(float x, const CoverPlate &top, const CoverPlate &bottom);

// Inertias (j = 0..39) and fibre distances (j <= 20) of fortieth point j from the section there.
void point_properties(ProblemState &st, int j);

// Shear connectors for ultimate strength over the span: the smaller of the steel force at yield
// (a3 * fsd / 0.55) and the slab force (2.125 * fc * b * t), for both half spans, over 0.85 times
// the connector strength su (at least 1 kip), rounded up.
std::int32_t shear_connectors(float a3, float fsd, float fc, float b, float t, float su);

} // namespace ss
