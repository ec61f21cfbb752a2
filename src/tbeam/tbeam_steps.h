// The steps of the T-beam design, in the order TBEAM runs them: its own records, the cracked-section
// analysis, the design search, the girder dead load with bar cut-offs and stirrups, the section
// stiffness and the report blocks.
#pragma once

#include <cstdint>
#include <optional>

#include "run/run.h"
#include "state/problem_state.h"

namespace ss::tbeam {

// Design status returned to the driver.
constexpr std::int32_t kTBeamDone = 0;       // report complete
constexpr std::int32_t kTBeamRejected = 1;   // input rejected (error 4)
constexpr std::int32_t kTBeamImpossible = 2; // design impossible (error 5)

// Most web enlargements the design tries before it gives up.
constexpr std::int32_t kMaxEnlargements = 1000;

// True for a problem in resisting-moment mode: beam code "RM", also set by the driver for a zero
// LENGTH or D.F.M.
bool resisting_moment_mode(const ProblemState &st);

// ---- records (tbeam_records.cpp) ----

// Reads the T-beam section record and, for three rows or more, the rows record; echoes them,
// checks their record types, applies the defaults and checks the section can be worked with.
// Returns the design status (0 or 1). EndOfDeck propagates.
std::int32_t read_tbeam_records(Run &run);

// Input the design cannot work with, checked once the defaults are in: more than nine rows, a row
// in use (or a compression group with bars) whose size has no bar in the table.
bool bars_usable(const TBeamState &tb);

// True when every row set 1..rows holds bars (a positive total bar area), so that the neutral axis
// and the effective depth exist.
bool row_sets_have_bars(const TBeamState &tb);

// ---- cracked-section analysis (section.cpp) ----

// Constants of the section for one pass: overhang, transformed compression steel and first moments.
struct SectionConstants {
  float bo = 0;  // overhang width bT - bw, in
  float ao = 0;  // overhang area, in^2
  float nac = 0; // transformed compression steel area, in^2
  float sc = 0;  // its first moment about the top, in^3
  float ho = 0;  // first moment of the overhang about the top, in^3
};

// The constants of the cracked-section analysis (Ho = t*Ao/2).
SectionConstants section_constants(const TBeamState &tb);

// Neutral axis depth (in below the top) of a row set whose newest row has transformed area nA and
// first moment Y, the rows before it SA and SY: the T-section root, then the rectangular one of
// width bT when it lies in the slab. Nothing when the root needs a width that is zero or negative
// or when no positive depth comes out (no steel below the top).
std::optional<float> neutral_axis(const SectionConstants &k, float nA, float Y, float SA, float SY, float bw,
                                  float bT, float t);

// Analyses row sets 1..rows with the ratios tb.nt, tb.nc and the allowable stresses of the span
// data, filling kd, inertia, inertia_steel, ms, mc, jd. False when a row set is degenerate (see
// section.cpp); its values are then left unset.
bool analyse_section(const ProblemState &st, TBeamState &tb);

// ---- design search (design.cpp) ----

// Sum of the six load-component moments at midspan, K-FT.
float midspan_load_moment(const ProblemState &st);

// Enlarges the web until the balanced estimate covers the midspan moment, then fills the rows
// until the cracked section does. Returns 0, 1 (a row it tries has a size without a bar) or 2.
std::int32_t design_search(const ProblemState &st, TBeamState &tb);

// ---- girder dead load, cut-offs and stirrups (details.cpp) ----

// Girder weight, moments at fortieth points 0..40 and shears at 0..20.
void girder_dead_load(ProblemState &st);
// Total moment and shear at twentieth point k (girder and every load component).
float total_moment(const ProblemState &st, int k);
float total_shear(const ProblemState &st, int k);
// Cut-off point of every row (row 1 at the support).
void bar_cut_offs(ProblemState &st);
// Stirrup spacing of every row set; 2 when the excess shear stress is too high.
std::int32_t stirrup_spacings(ProblemState &st);

// ---- run sequence and report (tbeam.cpp) ----

// I of the row set in force at every fortieth point, into the steel inertia diagram.
void section_stiffness(ProblemState &st);
void print_width_and_depth(Run &run);
void print_resisting_moments(Run &run);

} // namespace ss::tbeam
