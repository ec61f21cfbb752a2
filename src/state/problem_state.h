// The problem state: everything one problem reads and computes, shared by every routine of the
// program. The driver owns one object and reuses it from problem to problem without clearing it:
// a value a problem does not set keeps the previous problem's value.
//
// Station arrays are indexed by the station itself: fortieth points j = 0..40 (x = j*L/40 from the
// left support) and twentieth points k = 0..10 (x = k*L/20, k = j/2, support to midspan).
#pragma once

#include <array>
#include <cstdint>

#include "state/girder_state.h"
#include "state/rolled_state.h"
#include "state/tbeam_state.h"
#include "state/word.h"

namespace ss {

using F41 = std::array<float, 41>; // fortieth points j = 0..40
using F21 = std::array<float, 21>; // fortieth points j = 0..20
using F11 = std::array<float, 11>; // twentieth points k = 0..10

// Governing-load code of a twentieth point: the integer 1 for the truck, otherwise a 4-character
// word ("L   ", "M   ", "R   ") packed into the 32-bit integer.
using LoadCode = std::int32_t;
constexpr LoadCode kTruckCode = 1;
constexpr LoadCode code_word(char letter) {
  return static_cast<LoadCode>(static_cast<std::uint32_t>(static_cast<unsigned char>(letter)) |
                               (static_cast<std::uint32_t>(' ') << 8) |
                               (static_cast<std::uint32_t>(' ') << 16) |
                               (static_cast<std::uint32_t>(' ') << 24));
}
// The letter the tables print for a code: "T" for the truck, else the word's first character.
constexpr char code_letter(LoadCode c) {
  return c == kTruckCode ? 'T' : static_cast<char>(static_cast<std::uint32_t>(c) & 0xFFu);
}

struct CoverPlate {
  float x_begin = 0;   // ft from the left support (X-BEGIN)
  float thickness = 0; // in
  float width = 0;     // in
  float length = 0;    // ft
};

constexpr int kMaxLoads = 40; // concentrated loads held

struct ProblemState {
  // ---- title record ----
  Word problem_number = blank_word(); // columns 5-8, printed as PROB. NO.
  std::array<char, 60> title{};       // columns 9-68 (words 1 to 15)

  // ---- span record ----
  // BEAM as read ("RB", "RP", "CB", "PG", "CG", "TB", "RM"); the driver replaces it by "RM" when
  // LENGTH or D.F.M. is not positive. Resisting-moment mode is word_is(beam_code, "RM").
  Word beam_code = blank_word();
  // 1 RB .. 6 TB after the driver's conversion; a problem in resisting-moment mode is never
  // converted and keeps the previous problem's value.
  std::int32_t beam_type = 0;
  std::int32_t da = 0;            // D/A: 1 analysis, otherwise design
  Word class_code = blank_word(); // L.L.C. text: "H ", "HS", "RR"
  std::int32_t live_class = 0;    // 1 H, 2 HS, 3 RR after conversion
  float class_number = 0;         // L.L.C. number N (20, 80, ...)
  std::int32_t omit_truck = 0;    // T: 1 leaves the truck loading out
  std::int32_t omit_lane = 0;     // L: 1 leaves the lane loading out
  std::int32_t omit_military = 0; // M: 1 leaves the military loading out
  float length = 0;               // LENGTH, ft
  float dfm = 0;                  // D.F.M., distribution factor for moment
  float dfv = 0;                  // D.F.V., for shear (impact fraction for class RR)
  float dfd = 0;                  // D.F.D., for deflection
  std::int32_t npl = 0;           // NPL, number of concentrated loads
  float wdlnc = 0;                // WDLNC, kips/ft on the non-composite section
  float wdlc = 0;                 // WDLC, kips/ft on the composite section
  float swll = 0;                 // SWLL, sidewalk live load, kips/ft
  float e = 0;                    // E: thousands of ksi as read, then E/0.012 when positive
  float wbm = 0;                  // W BM, beam weight, kips/ft
  float fs = 0;                   // FS, allowable steel stress, ksi
  float fc = 0;                   // FC, allowable concrete stress, ksi
  float wg = 0;                   // WG, unit weight, kips/ft^3
  std::int32_t type_steel = 0;    // TYPE STEEL: 36, 441, 572, 588

  // ---- concentrated-load records ----
  std::array<float, kMaxLoads> load_x{}; // ft from the left support (load n at index n-1)
  std::array<float, kMaxLoads> load_p{}; // kips

  // ---- section record ----
  std::int32_t rolled_depth = 0;  // nominal depth of the rolled section (before "WF")
  std::int32_t rolled_weight = 0; // weight per foot (after "WF")
  std::int32_t second_depth = 0;  // second rolled section, 0 = none
  std::int32_t second_weight = 0;
  std::int32_t p_flag = 0;     // P: rerun on the second section without plates
  std::int32_t np_flag = 0;    // NP: rerun each section without plates
  float input_i = 0;           // I of an input-defined section, in^4
  float y_top = 0;             // Y TOP, in
  float y_bot = 0;             // Y BOT, in
  float web_d = 0;             // plate girder web D, in
  float web_t = 0;             // web T, in
  float top_flange_w = 0;      // in
  float top_flange_t = 0;      // in
  float bot_flange_w = 0;      // in
  float bot_flange_t = 0;      // in
  std::int32_t constant_w = 0; // CONSTANT W flag
  std::int32_t constant_t = 0; // CONSTANT T flag

  // ---- slab and cover-plate record ----
  float slab_width = 0;           // composite slab WIDTH, in
  float slab_thickness = 0;       // THICKNESS, in
  float coping = 0;               // COPING, in
  float shear_capacity = 0;       // SHEAR CAPACITY of the connectors, kips per row
  float ultimate_strength = 0;    // ULTIMATE STRENGTH, kips per connector
  std::int32_t modular_ratio = 0; // N=ES/EC
  CoverPlate bottom_plate;        // bottom cover plate
  CoverPlate top_plate;           // top cover plate

  // ---- stations and dead loads ----
  F41 x{};                                          // ft from the left support, accumulated by L/40 steps
  F41 l_minus_x{};                                  // ft, L - x
  float left_reaction = 0;                          // kips, of the concentrated loads
  F41 m_girder{}, m_pload{}, m_noncomp{}, m_comp{}; // GIRDER, P-LOAD, NON-C., COMP. moments, K-FT.
  F21 v_girder{}, v_pload{}, v_noncomp{}, v_comp{}; // the same shears, KIPS
  F11 m_sidewalk{};                                 // SIDEWK moment, K-FT.
  F11 v_sidewalk_pos{};                             // SIDEWK positive shear, KIPS
  F11 v_sidewalk_neg{};                             // SIDEWK negative shear, KIPS (negative numbers)
  float allowed_deflection = 0;                     // allowable live-load deflection, in
  std::int32_t deflection_ratio = 0;                // L/ratio denominator: 800, 1000, 640

  // ---- live loads ----
  float impact = 0;                               // span impact multiplier IMP (capped at 1.3)
  F11 impact_pos{};                               // positive-shear multiplier I(L - x), divided by L
  F11 impact_neg{};                               // negative-shear multiplier I(x), divided by L
  float truck_wheel_load = 0;                     // kips, with impact and D.F.M.
  float lane_conc_load = 0;                       // kips, lane concentrated load for moment, same basis
  float lane_uniform_load = 0;                    // kips/ft, half the lane load, same basis
  float military_wheel_load = 0;                  // kips, same basis
  F11 m_truck{}, m_lane{}, m_military{};          // components, K-FT.
  F11 vpos_truck{}, vpos_lane{}, vpos_military{}; // positive-shear components, KIPS
  F11 vneg_truck{}, vneg_lane{}, vneg_military{}; // negative-shear components, KIPS (positive)
  F11 m_live{};                                   // LIVE LOAD moment, K-FT.
  F11 v_live_pos{};                               // LIVE LOAD positive shear, KIPS
  F11 v_live_neg{};                               // negative live-load shear, KIPS (negative)
  F11 m_rri{}, v_rri{};                           // RR-I moment (K-FT.) and shear (KIPS)
  std::array<LoadCode, 11> m_code{};              // governing load for moment
  std::array<LoadCode, 11> v_code{};              // governing load for shear

  // ---- section property diagrams, filled by the design routine ----
  F41 i_steel{};                    // in^4, steel section (cracked section of a T-beam)
  F41 i_n{};                        // in^4, composite section with modular ratio n
  F41 i_3n{};                       // in^4, composite section with 3n
  F21 ytop_steel{}, ybot_steel{};   // in from the neutral axis, positive downward
  F21 ytop_n{}, ybot_n{};           // composite section, n
  F21 ytop_3n{}, ybot_3n{};         // composite section, 3n
  F21 yconc_n{};                    // top of concrete / n, in
  F21 yconc_3n{};                   // top of concrete / 3n, in
  F21 q_ratio{};                    // Q/I of the composite section with n, 1/in (negative)
  F21 m_top_plate{}, m_bot_plate{}; // plate-weight diagrams of DLSELF: reaction at 0, K-FT. at 1..20
  float fs_beam = 0;                // allowable steel stress of the beam, ksi
  float fs_plated = 0;              // allowable steel stress where the bottom plate runs, ksi

  // ---- deflections ----
  float defl_truck = 0, defl_lane = 0, defl_military = 0; // midspan live-load deflections, in
  float defl_railroad = 0, defl_sidewalk = 0;             // in
  float defl_total = 0;                                   // governing live-load deflection plus sidewalk, in
  F11 m_totnc{};                                          // TOT.NC moment at k = 1..10, K-FT.
  F11 defl_girder{}, defl_pload{}, defl_noncomp{}, defl_comp{}; // dead-load deflections, in
  F11 defl_totnc{};                                             // TOT.NC deflection total at k = 1..10, in

  // ---- working values of the design routines ----
  RolledState rolled;
  GirderState girder;
  TBeamState tbeam;
};

// Stores at fortieth point j the properties of the section standing there: the three inertias at
// every j, the fibre distances and Q/I only for j <= 20.
void store_section_at(ProblemState &st, int j, float steel_inertia, float steel_ytop, float steel_ybot,
                      const CompositeSection &n, const CompositeSection &n3);

} // namespace ss
