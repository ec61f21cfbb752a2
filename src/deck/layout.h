// The one table of the deck's record layouts: for every record kind, each field's name as the echo
// prints it, a snake_case key, its columns, its format, unit, a plausible range for a highway or
// railroad girder and a one-line meaning. The record readers take their columns from it; `check`,
// `layout` and the manual page's record tables are made from it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ss {

enum class FieldFormat {
  Text,    // An: n characters as written
  Integer, // Iw: blanks ignored, all blank reads 0
  Real,    // Fw.d: d implied decimals unless a point is written
  Scaled,  // Fw.d divided by 10^scale unless an exponent is written (WG)
  Ignored, // columns the program never reads
};

struct FieldLayout {
  std::string_view echo; // name as the report's echo prints it
  std::string_view key;  // snake_case, unique within its record
  int first = 0;         // first column, counting from 1
  int last = 0;          // last column
  FieldFormat format = FieldFormat::Text;
  int decimals = 0;         // implied decimals of Real and Scaled
  int scale = 0;            // Scaled: the value read is divided by 10^scale
  std::string_view unit;    // "" for pure numbers, codes and flags
  double low = 1, high = 0; // plausible range of a value other than zero; low > high: none
  std::string_view meaning;

  constexpr int width() const { return last - first + 1; }
  constexpr bool numeric() const {
    return format == FieldFormat::Integer || format == FieldFormat::Real || format == FieldFormat::Scaled;
  }
  constexpr bool has_range() const { return low <= high; }
  // "A2", "I3", "F6.3", "F3.0/1000", "-" for ignored columns.
  std::string format_name() const;
};

enum class RecordKind { Title, Continuation, Span, Loads, Section, Slab, TBeamSection, TBeamRows };

struct RecordLayout {
  RecordKind kind;
  std::string_view key;  // the name `simple-span layout` takes ("span")
  std::string_view name; // "Span record"
  std::string_view when; // when the record is present
  std::span<const FieldLayout> fields;
};

namespace layout_detail {

constexpr FieldLayout text_field(std::string_view echo, std::string_view key, int first, int last,
                                 std::string_view meaning) {
  return {echo, key, first, last, FieldFormat::Text, 0, 0, "", 1, 0, meaning};
}
constexpr FieldLayout int_field(std::string_view echo, std::string_view key, int first, int last,
                                std::string_view unit, double low, double high, std::string_view meaning) {
  return {echo, key, first, last, FieldFormat::Integer, 0, 0, unit, low, high, meaning};
}
constexpr FieldLayout real_field(std::string_view echo, std::string_view key, int first, int last,
                                 int decimals, std::string_view unit, double low, double high,
                                 std::string_view meaning) {
  return {echo, key, first, last, FieldFormat::Real, decimals, 0, unit, low, high, meaning};
}
constexpr FieldLayout ignored_field(std::string_view key, int first, int last, std::string_view meaning) {
  return {"", key, first, last, FieldFormat::Ignored, 0, 0, "", 1, 0, meaning};
}
// The record-type number every record but the title records starts with.
constexpr FieldLayout type_field(int last, std::string_view meaning) {
  return {"RECORD TYPE", "record_type", 1, last, FieldFormat::Integer, 0, 0, "", 1, 0, meaning};
}

inline constexpr FieldLayout kTitleFields[] = {
    text_field("*", "marker", 1, 1, "\"*\": a problem starts"),
    text_field("B04", "deck_id", 2, 4, "deck identification, must be \"B04\""),
    text_field("PROB. NO.", "problem_number", 5, 8, "problem number, printed in every error line"),
    text_field("TITLE", "title", 9, 64, "title, printed in every title block"),
    text_field("CONT", "cont", 65, 68, "last word of the title; \"CONT\": a continuation record follows"),
};

inline constexpr FieldLayout kContinuationFields[] = {
    text_field("*", "marker", 1, 1, "must be \"*\""),
    text_field("TEXT", "text", 2, 64, "more title text, echoed"),
    text_field("CONT", "cont", 65, 68, "\"CONT\": yet another continuation record follows"),
};

inline constexpr FieldLayout kSpanFields[] = {
    type_field(1, "must be 1"),
    text_field("BEAM", "beam_type", 2, 3, "beam type: RB, RP, CB, PG, CG, TB or RM"),
    int_field("D/A", "design_analysis", 4, 4, "", 1, 0, "1 = analysis of the given section, else design"),
    text_field("L.L.C.", "class_code", 5, 6, "live-load class: H, HS or RR"),
    real_field("L.L.C.", "class_number", 7, 8, 0, "", 10, 99, "live-load class number (H20, HS20, RR72)"),
    int_field("T", "omit_truck", 9, 9, "", 0, 1, "1 = leave out the truck loading"),
    int_field("L", "omit_lane", 10, 10, "", 0, 1, "1 = leave out the lane loading"),
    int_field("M", "omit_military", 11, 11, "", 0, 1, "1 = leave out the military loading"),
    real_field("LENGTH", "length", 12, 17, 3, "ft", 10, 400, "span length; zero or less: resisting moments"),
    real_field("D.F.M.", "dfm", 18, 21, 3, "", 0.2, 4, "distribution factor for moment"),
    real_field("D.F.V.", "dfv", 22, 25, 3, "", 0.2, 4, "distribution factor for shear (RR: impact)"),
    real_field("D.F.D.", "dfd", 26, 29, 3, "", 0.2, 4, "distribution factor for deflection"),
    int_field("NPL", "npl", 30, 31, "", 0, 40, "number of concentrated loads"),
    real_field("WDLNC", "wdlnc", 32, 35, 3, "kips/ft", 0.02, 10, "dead load on the non-composite section"),
    real_field("WDLC", "wdlc", 36, 39, 3, "kips/ft", 0.02, 10, "dead load on the composite section"),
    real_field("SWLL", "swll", 40, 43, 3, "kips/ft", 0.01, 3, "sidewalk live load"),
    real_field("E", "e", 44, 47, 2, "x1000 ksi", 2, 40, "modulus of elasticity; blank: no deflections"),
    real_field("W BM", "wbm", 48, 51, 3, "kips/ft", 0.01, 3, "weight of the beam"),
    real_field("FS", "fs", 52, 55, 2, "ksi", 10, 60, "allowable steel stress; blank: default"),
    real_field("FC", "fc", 56, 59, 3, "ksi", 0.5, 5, "allowable concrete stress"),
    {"WG", "wg", 60, 62, FieldFormat::Scaled, 0, 3, "kips/ft3", 0.09, 0.5,
     "unit weight (concrete; steel for a given section), /1000"},
    int_field("TYPE STEEL", "type_steel", 63, 65, "", 1, 0, "36 or less, 441, 572 or 588: the design passes"),
};

inline constexpr FieldLayout kLoadFields[] = {
    type_field(2, "21 for the first record, 22 for the second, ..."),
    real_field("X1", "x1", 3, 8, 3, "ft", 0.01, 400, "position of load 1 from the left support"),
    real_field("P1", "p1", 9, 14, 3, "kips", 0.1, 2000, "load 1"),
    real_field("X2", "x2", 15, 20, 3, "ft", 0.01, 400, "position of load 2"),
    real_field("P2", "p2", 21, 26, 3, "kips", 0.1, 2000, "load 2"),
    real_field("X3", "x3", 27, 32, 3, "ft", 0.01, 400, "position of load 3"),
    real_field("P3", "p3", 33, 38, 3, "kips", 0.1, 2000, "load 3"),
    real_field("X4", "x4", 39, 44, 3, "ft", 0.01, 400, "position of load 4"),
    real_field("P4", "p4", 45, 50, 3, "kips", 0.1, 2000, "load 4"),
};

inline constexpr FieldLayout kSectionFields[] = {
    type_field(1, "must be 3"),
    int_field("BEAM", "rolled_depth", 2, 3, "in", 6, 44, "rolled section: nominal depth"),
    ignored_field("wf", 4, 5, "not read (\"WF\" by custom)"),
    int_field("BEAM", "rolled_weight", 6, 8, "lb/ft", 8, 999, "rolled section: weight per foot"),
    int_field("BEAM", "second_depth", 9, 10, "in", 6, 44, "second rolled section: depth; blank = none"),
    ignored_field("second_wf", 11, 12, "not read (\"WF\" by custom)"),
    int_field("BEAM", "second_weight", 13, 15, "lb/ft", 8, 999, "second rolled section: weight per foot"),
    int_field("P", "p_flag", 16, 16, "", 0, 1, "1 = the second section once more without plates"),
    int_field("NP", "np_flag", 17, 17, "", 0, 1, "1 = each section once more without cover plates"),
    real_field("I", "inertia", 18, 25, 1, "in4", 10, 5e6, "moment of inertia of a given section"),
    real_field("Y TOP", "y_top", 26, 30, 3, "in", 1, 80, "neutral axis to the top fibre"),
    real_field("Y BOT", "y_bot", 31, 35, 3, "in", 1, 80, "neutral axis to the bottom fibre"),
    real_field("D", "web_depth", 36, 40, 2, "in", 12, 200, "plate girder web depth"),
    real_field("T", "web_thickness", 41, 45, 4, "in", 0.25, 1.5, "plate girder web thickness"),
    real_field("W", "top_flange_width", 46, 49, 2, "in", 4, 48, "top flange width"),
    real_field("T", "top_flange_thickness", 50, 54, 4, "in", 0.25, 6, "top flange thickness"),
    real_field("W", "bottom_flange_width", 55, 58, 2, "in", 4, 48, "bottom flange width"),
    real_field("T", "bottom_flange_thickness", 59, 63, 4, "in", 0.25, 6, "bottom flange thickness"),
    int_field("CONSTANT W", "constant_width", 64, 64, "", 0, 1, "1 = flange width constant"),
    int_field("CONSTANT T", "constant_thickness", 65, 65, "", 0, 1, "1 = flange thickness constant"),
};

inline constexpr FieldLayout kSlabFields[] = {
    type_field(1, "must be 4"),
    real_field("WIDTH", "slab_width", 2, 7, 3, "in", 12, 240, "effective width of the composite slab"),
    real_field("THICKNESS", "slab_thickness", 8, 12, 3, "in", 4, 16, "slab thickness"),
    real_field("COPING", "coping", 13, 16, 3, "in", 0.1, 8, "coping under the slab"),
    real_field("SHEAR CAPACITY", "shear_capacity", 17, 20, 2, "kips/row", 1, 200, "shear connectors per row"),
    real_field("ULTIMATE STRENGTH", "ultimate_strength", 21, 24, 2, "kips", 1, 200,
               "ultimate strength of a connector"),
    int_field("N=ES/EC", "modular_ratio", 25, 26, "", 5, 30, "modular ratio"),
    real_field("X-BEGIN", "bottom_x_begin", 27, 30, 2, "ft", 0.1, 200, "bottom cover plate: start"),
    real_field("THICKNESS", "bottom_thickness", 31, 35, 4, "in", 0.1, 4, "bottom cover plate thickness"),
    real_field("WIDTH", "bottom_width", 36, 39, 2, "in", 0.25, 36, "bottom cover plate width"),
    real_field("LENGTH", "bottom_length", 40, 45, 3, "ft", 1, 400, "bottom cover plate length"),
    real_field("X-BEGIN", "top_x_begin", 46, 49, 2, "ft", 0.1, 200, "top cover plate: start"),
    real_field("THICKNESS", "top_thickness", 50, 54, 4, "in", 0.1, 4, "top cover plate thickness"),
    real_field("WIDTH", "top_width", 55, 58, 2, "in", 0.25, 36, "top cover plate width"),
    real_field("LENGTH", "top_length", 59, 64, 3, "ft", 1, 400, "top cover plate length"),
};

inline constexpr FieldLayout kTBeamSectionFields[] = {
    type_field(1, "must be 3"),
    real_field("N TENSILE", "n_tensile", 2, 3, 0, "", 5, 30, "modular ratio for the tension steel"),
    real_field("N COMPRES", "n_compressive", 4, 5, 0, "", 5, 30, "modular ratio for the compression steel"),
    int_field("NO. ROWS", "rows", 6, 7, "", 1, 9, "number of tension rows"),
    real_field("WIDTH", "web_width", 8, 12, 3, "in", 6, 72, "web width"),
    real_field("DELTA-W", "delta_w", 13, 16, 3, "in", 0.25, 12, "web width step of the design"),
    real_field("DEPTH", "web_depth", 17, 21, 3, "in", 8, 120, "web depth below the slab"),
    real_field("DELTA-D", "delta_d", 22, 25, 3, "in", 0.25, 12, "web depth step of the design"),
    real_field("T-SLAB WIDTH", "slab_width", 26, 30, 3, "in", 12, 240, "slab width"),
    real_field("T-SLAB THICK", "slab_thickness", 31, 35, 3, "in", 3, 16, "slab thickness"),
    int_field("COMPRESSION NO.", "comp_no", 36, 37, "", 1, 60, "compression bars: how many (0 = none)"),
    int_field("COMPRESSION SIZE", "comp_size", 38, 39, "", 2, 18, "compression bars: bar size number"),
    int_field("COMPRESSION DELTA", "comp_delta", 40, 40, "", 0, 9, "compression bars: read and printed only"),
    real_field("COMPRESSION DIST.", "comp_dist", 41, 44, 2, "in", 1, 40,
               "compression bars: top of slab to their centroid"),
    int_field("ROW 1 NO.", "row1_no", 45, 46, "", 1, 60, "tension row 1 (bottom): most bars it may hold"),
    int_field("ROW 1 SIZE", "row1_size", 47, 48, "", 2, 18, "tension row 1 (bottom): bar size number"),
    int_field("ROW 1 DELTA", "row1_delta", 49, 49, "", 1, 9,
              "tension row 1 (bottom): bars the design adds at a time"),
    real_field("ROW 1 DIST.", "row1_dist", 50, 53, 2, "in", 1, 40,
               "tension row 1: bottom of beam to its centroid"),
    int_field("ROW 2 NO.", "row2_no", 54, 55, "", 1, 60, "tension row 2: most bars it may hold"),
    int_field("ROW 2 SIZE", "row2_size", 56, 57, "", 2, 18, "tension row 2: bar size number"),
    int_field("ROW 2 DELTA", "row2_delta", 58, 58, "", 1, 9, "tension row 2: bars the design adds at a time"),
    real_field("ROW 2 DIST.", "row2_dist", 59, 62, 2, "in", 1, 40, "tension row 2: distance to its centroid"),

};

inline constexpr FieldLayout kTBeamRowsFields[] = {
    type_field(1, "must be 4"),
    int_field("ROW 3 NO.", "row3_no", 2, 3, "", 1, 60, "tension row 3: most bars it may hold"),
    int_field("ROW 3 SIZE", "row3_size", 4, 5, "", 2, 18, "tension row 3: bar size number"),
    int_field("ROW 3 DELTA", "row3_delta", 6, 6, "", 1, 9, "tension row 3: bars the design adds at a time"),
    real_field("ROW 3 DIST.", "row3_dist", 7, 10, 2, "in", 1, 40, "tension row 3: distance to its centroid"),
    int_field("ROW 4 NO.", "row4_no", 11, 12, "", 1, 60, "tension row 4: most bars it may hold"),
    int_field("ROW 4 SIZE", "row4_size", 13, 14, "", 2, 18, "tension row 4: bar size number"),
    int_field("ROW 4 DELTA", "row4_delta", 15, 15, "", 1, 9, "tension row 4: bars the design adds at a time"),
    real_field("ROW 4 DIST.", "row4_dist", 16, 19, 2, "in", 1, 40, "tension row 4: distance to its centroid"),
    int_field("ROW 5 NO.", "row5_no", 20, 21, "", 1, 60, "tension row 5: most bars it may hold"),
    int_field("ROW 5 SIZE", "row5_size", 22, 23, "", 2, 18, "tension row 5: bar size number"),
    int_field("ROW 5 DELTA", "row5_delta", 24, 24, "", 1, 9, "tension row 5: bars the design adds at a time"),
    real_field("ROW 5 DIST.", "row5_dist", 25, 28, 2, "in", 1, 40, "tension row 5: distance to its centroid"),
    int_field("ROW 6 NO.", "row6_no", 29, 30, "", 1, 60, "tension row 6: most bars it may hold"),
    int_field("ROW 6 SIZE", "row6_size", 31, 32, "", 2, 18, "tension row 6: bar size number"),
    int_field("ROW 6 DELTA", "row6_delta", 33, 33, "", 1, 9, "tension row 6: bars the design adds at a time"),
    real_field("ROW 6 DIST.", "row6_dist", 34, 37, 2, "in", 1, 40, "tension row 6: distance to its centroid"),
    int_field("ROW 7 NO.", "row7_no", 38, 39, "", 1, 60, "tension row 7: most bars it may hold"),
    int_field("ROW 7 SIZE", "row7_size", 40, 41, "", 2, 18, "tension row 7: bar size number"),
    int_field("ROW 7 DELTA", "row7_delta", 42, 42, "", 1, 9, "tension row 7: bars the design adds at a time"),
    real_field("ROW 7 DIST.", "row7_dist", 43, 46, 2, "in", 1, 40, "tension row 7: distance to its centroid"),
    int_field("ROW 8 NO.", "row8_no", 47, 48, "", 1, 60, "tension row 8: most bars it may hold"),
    int_field("ROW 8 SIZE", "row8_size", 49, 50, "", 2, 18, "tension row 8: bar size number"),
    int_field("ROW 8 DELTA", "row8_delta", 51, 51, "", 1, 9, "tension row 8: bars the design adds at a time"),
    real_field("ROW 8 DIST.", "row8_dist", 52, 55, 2, "in", 1, 40, "tension row 8: distance to its centroid"),
    int_field("ROW 9 NO.", "row9_no", 56, 57, "", 1, 60, "tension row 9: most bars it may hold"),
    int_field("ROW 9 SIZE", "row9_size", 58, 59, "", 2, 18, "tension row 9: bar size number"),
    int_field("ROW 9 DELTA", "row9_delta", 60, 60, "", 1, 9, "tension row 9: bars the design adds at a time"),
    real_field("ROW 9 DIST.", "row9_dist", 61, 64, 2, "in", 1, 40, "tension row 9: distance to its centroid"),
};

inline constexpr RecordLayout kRecordLayouts[] = {
    {RecordKind::Title, "title", "Title record", "starts every problem", kTitleFields},
    {RecordKind::Continuation, "continuation", "Continuation title record",
     "after a title or continuation record ending in CONT", kContinuationFields},
    {RecordKind::Span, "span", "Span record", "after the title records", kSpanFields},
    {RecordKind::Loads, "loads", "Concentrated-load record",
     "NPL of 1 or more: one per four loads, after the span record", kLoadFields},
    {RecordKind::Section, "section", "Section record", "beam types RB, RP, CB, PG and CG", kSectionFields},
    {RecordKind::Slab, "slab", "Slab and cover-plate record", "beam types RP, CB, PG and CG", kSlabFields},
    {RecordKind::TBeamSection, "tbeam", "T-beam section record",
     "beam types TB and RM (and LENGTH or D.F.M. zero or less)", kTBeamSectionFields},
    {RecordKind::TBeamRows, "tbeam-rows", "T-beam rows record", "T-beam with NO. ROWS 3 or more",
     kTBeamRowsFields},
};

} // namespace layout_detail

using layout_detail::kRecordLayouts;

// Every record layout, in the order a problem's records come.
constexpr std::span<const RecordLayout> record_layouts() { return kRecordLayouts; }

constexpr const RecordLayout &record_layout(RecordKind kind) {
  for (const RecordLayout &r : kRecordLayouts)
    if (r.kind == kind) return r;
  return kRecordLayouts[0];
}

// The record whose key is `key` ("span"); nullptr when there is none.
const RecordLayout *find_record_layout(std::string_view key);

// A field by its key; a key the record lacks does not compile (consteval), so the readers take
// their columns from the table without a lookup at run time.
consteval const FieldLayout &layout_field(RecordKind kind, std::string_view key) {
  for (const FieldLayout &f : record_layout(kind).fields)
    if (f.key == key) return f;
  throw "no such field"; // not a constant expression: a compile error
}

} // namespace ss
