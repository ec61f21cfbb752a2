// Working values of the rolled design, kept in the problem state because several of its steps and
// the results tables read them.
//
// The bottom cover plate's working thickness and width live here; its X-BEGIN and LENGTH and, for
// a cover-plated beam without slab, the whole top plate are written over the cover-plate input of
// the problem state, which the report and the results tables read.
#pragma once

#include <array>
#include <cstdint>

#include "state/section_properties.h"

namespace ss {

// The four steel cross-sections met along a cover-plated rolled beam.
enum RolledSectionKind : std::int32_t {
  kBeamAlone = 0,       // rolled beam, no cover plate
  kBeamTopPlate = 1,    // beam and top cover plate
  kBeamBottomPlate = 2, // beam and bottom cover plate
  kBeamPlates = 3,      // beam and both cover plates
};
constexpr std::int32_t kRolledSections = 4;

// One steel section; distances from its neutral axis, positive downward.
struct RolledSteel {
  float area = 0;    // in^2
  float e = 0;       // in, shift of the neutral axis from the beam's mid-depth (down positive)
  float inertia = 0; // in^4
  float ytop = 0;    // in, to the top of steel, a top plate included (negative)
  float ybot = 0;    // in, to the bottom of steel, a bottom plate included
};

using RolledComposite = CompositeSection;

struct RolledState {
  // ---- the section under consideration ----
  std::int32_t chosen_row = 0;    // 0 none yet, 1..143 table row, -9 section defined by the input
  std::int32_t best_weight = 655; // lb/ft, lightest accepted row so far
  std::int32_t depth = 0;         // nominal depth of the designation (0 for an input-defined section)
  std::int32_t weight = 0;        // lb/ft of the designation (0 for an input-defined section)
  float area = 0;                 // in^2
  float d = 0;                    // in, actual depth
  float bf = 0;                   // in, flange width
  float tf = 0;                   // in, flange thickness
  float tw = 0;                   // in, web thickness
  float inertia = 0;              // in^4
  float yc = 0;                   // in, half depth
  float m_beam = 0;               // K-FT., midspan moment of the beam's own weight
  float m_dead = 0;               // K-FT., midspan moment of all dead load
  float m_total = 0;              // K-FT., midspan moment of dead plus live load
  std::int32_t steel_index = 4;   // 1..4, row of the allowable stress table
  float fs_section = 0;           // ksi, allowable bending stress of the section (FSd)
  float fs_plated = 0;            // ksi, allowable bending stress of the plated section (FSw)

  // ---- cover plate design ----
  float bt = 0;          // in, bottom cover plate thickness
  float wb = 0;          // in, bottom cover plate width
  float tmin = 0;        // in, thinnest plate allowed
  float tmax = 0;        // in, thickest plate allowed
  float xf = 0;          // ft, plate start (fatigue cut-off, then the plate's X-BEGIN)
  float xs = 0;          // ft, strength cut-off
  float rs = 0;          // dead-to-total stress ratio at the strength cut-off
  float fps = 0;         // ksi, plated-section stress at the strength cut-off
  std::int32_t weld = 0; // 1/16 in, minimum terminal weld

  // ---- section properties ----
  std::array<RolledSteel, kRolledSections> steel{};       // indexed by RolledSectionKind
  std::array<RolledComposite, kRolledSections> comp_n{};  // with modular ratio n
  std::array<RolledComposite, kRolledSections> comp_3n{}; // with 3n
  std::int32_t connectors = 0;                            // shear connectors needed for ultimate strength
};

} // namespace ss
