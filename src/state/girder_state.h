// Working values of the girder design, kept in the problem state because several of its steps and
// the results tables read them.
//
// The girder's plate dimensions themselves live in the problem state's section record fields (web,
// flanges) and cover plates, which the design overwrites as it sizes them: the self-weight diagrams
// and the results tables read them there.
#pragma once

#include <array>
#include <cstdint>

#include "state/section_properties.h"

namespace ss {

// The four steel cross-sections met along a plate girder.
enum GirderSectionKind : std::int32_t {
  kWebFlanges = 0,     // web and flanges: outside both cover plates
  kWebTopPlate = 1,    // web, top cover plate, bottom flange
  kWebBottomPlate = 2, // web, top flange, bottom cover plate
  kWebPlates = 3,      // web and both cover plates
};
constexpr std::int32_t kGirderSections = 4;

// One steel section; distances are measured downward.
struct SteelSection {
  float area = 0;    // in^2
  float ybar = 0;    // in, neutral axis below the web's mid-depth
  float inertia = 0; // in^4, about the neutral axis
  float ytop = 0;    // in, from the neutral axis to the top of the top element (negative)
  float ybot = 0;    // in, from the neutral axis to the bottom of the bottom element (positive)
  float t_top = 0;   // in, thickness of the top element (flange or cover plate)
  float t_bot = 0;   // in, thickness of the bottom element
};

struct GirderState {
  std::array<SteelSection, kGirderSections> steel{};       // indexed by GirderSectionKind
  std::array<CompositeSection, kGirderSections> comp_n{};  // composite with ratio n
  std::array<CompositeSection, kGirderSections> comp_3n{}; // composite with ratio 3n
  std::int32_t n = 0;               // modular ratio in use (10 when the input is below 1)
  float half_depth = 0;             // in, D/2
  float web_inertia = 0;            // in^4, tw*D^3/12 about the web's mid-depth
  float tmax = 0;                   // in, thickest plate allowed (2 for steel 572, else 4)
  bool bottom_flange_given = false; // the input bottom flange had an area
  float m_dead_mid = 0;             // K-FT., P-load + non-composite + composite moment at midspan
  float m_all_mid = 0;              // K-FT., that plus sidewalk, live-load and RR-I moment
  std::int32_t connectors = 0;      // shear connectors needed for ultimate strength
  std::int32_t longitudinal = 0;    // longitudinal stiffeners needed, 0 or 1
  bool transverse_needed = false;   // the web needs transverse stiffeners
  std::array<float, 11> spacing{};  // in, largest transverse stiffener spacing at k = 0..10, 0 = none
};

} // namespace ss
