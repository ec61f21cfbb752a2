// The T-beam's own records: the section record, the rows record for three rows or more, their echo
// in the concrete beam data block, and the defaults.
#include "deck/record.h"
#include "tbeam/bar_table.h"
#include "tbeam/tbeam_steps.h"

namespace ss::tbeam {

namespace {

consteval const FieldLayout &section_field(std::string_view key) {
  return layout_field(RecordKind::TBeamSection, key);
}

// A row group: NO., SIZE, DELTA and DIST., four fields one after the other in the table from `no`.
BarRow read_row(const Record &rec, const FieldLayout *no) {
  BarRow row;
  row.count = rec.i(no[0]);
  row.size = rec.i(no[1]);
  row.delta = rec.i(no[2]);
  row.dist = rec.f(no[3]);
  return row;
}

// Echo of a row group in 26 columns from col: I6 NO., I6 SIZE, I5 DELTA, F9.2 DIST.
Line &put_row(Line &line, int col, const BarRow &row) {
  return line.i(col, 6, row.count)
      .i(col + 6, 6, row.size)
      .i(col + 12, 5, row.delta)
      .f(col + 17, 9, 2, row.dist);
}

void print_beam_data(Report &out, const TBeamState &tb) {
  out.put(Line::cc('0'));
  out.empty();
  out.put(Line::cc(' ').text(11, "N").text(32, "CONCRETE BEAM DATA").text(68, "T-SLAB"));
  out.empty();
  out.put(Line::cc(' ')
              .text(3, "TENSILE  COMPRES NO. ROWS")
              .text(32, "WIDTH  DELTA-W")
              .text(50, "DEPTH DELTA-D")
              .text(67, "WIDTH")
              .text(76, "THICK"));
  out.empty();
  // The first column of N tensile's I6 field is the record's carriage control.
  out.put(Line()
              .i_trunc(1, 6, tb.n_tensile)
              .i_trunc(7, 10, tb.n_compressive)
              .i(17, 10, tb.rows)
              .f(27, 10, 3, tb.bw)
              .f(37, 9, 3, tb.delta_w)
              .f(46, 9, 3, tb.depth)
              .f(55, 8, 3, tb.delta_d)
              .f(63, 9, 3, tb.slab_width)
              .f(72, 9, 3, tb.slab_thick));
  out.empty();
  out.put(Line::cc(' ').text(7, "COMPRESSION STEEL").text(34, "ROW NUMBER ONE").text(60, "ROW NUMBER TWO"));
  out.empty();
  out.put(Line::cc(' ')
              .text(5, "NO.")
              .text(10, "SIZE")
              .text(16, "DELTA")
              .text(23, "DIST.")
              .text(31, "NO.  SIZE  DELTA DIST.")
              .text(56, "NO.  SIZE  DELTA  DIST."));
  out.empty();
  Line groups = Line::cc(' ');
  put_row(groups, 2, tb.comp);
  put_row(groups, 28, tb.row[1]);
  put_row(groups, 54, tb.row[2]);
  out.put(groups);
}

// A block of up to three rows: its title line, the column headings, the row groups.
void print_row_block(Report &out, const Line &title, const Line &headings, const TBeamState &tb, int first,
                     int last) {
  out.put(title);
  out.empty();
  out.put(headings);
  out.empty();
  Line groups = Line::cc(' ');
  for (int r = first; r <= last; ++r)
    put_row(groups, 2 + 26 * (r - first), tb.row[static_cast<std::size_t>(r)]);
  out.put(groups);
}

void print_rows_3_to_5(Report &out, const TBeamState &tb) {
  print_row_block(
      out, Line::cc('0').text(8, "ROW NUMBER THREE").text(34, "ROW NUMBER FOUR").text(60, "ROW NUMBER FIVE"),
      Line::cc(' ')
          .text(5, "NO.  SIZE  DELTA  DIST.")
          .text(31, "NO.  SIZE  DELTA  DIST.")
          .text(57, "NO. SIZE  DELTA  DIST."),
      tb, 3, 5);
}

void print_rows_6_to_8(Report &out, const TBeamState &tb) {
  print_row_block(
      out, Line::cc('0').text(8, "ROW  NUMBER SIX").text(35, "ROW NUMBER SEVEN").text(61, "ROW NUMBER EIGHT"),
      Line::cc(' ')
          .text(5, "NO. SIZE   DELTA  DIST.")
          .text(31, "NO. SIZE   DELTA  DIST.")
          .text(57, "NO. SIZE   DELTA  DIST."),
      tb, 6, 8);
}

void print_row_9(Report &out, const TBeamState &tb) {
  print_row_block(out, Line::cc('0').text(8, "ROW NUMBER NINE"),
                  Line::cc(' ').text(5, "NO.  SIZE  DELTA  DIST"), tb, 9, 9);
}

void apply_defaults(ProblemState &st) {
  TBeamState &tb = st.tbeam;
  if (st.fc <= 0.0f) st.fc = 1.2f;
  if (st.wg <= 0.0f) st.wg = 0.15f;
  if (st.fs <= 0.0f) st.fs = 20.0f;
  if (tb.n_tensile <= 0.0f) tb.n_tensile = 10.0f;
  if (tb.n_compressive <= 0.0f) tb.n_compressive = 10.0f;
}

} // namespace

bool resisting_moment_mode(const ProblemState &st) { return word_is(st.beam_code, "RM"); }

bool bars_usable(const TBeamState &tb) {
  if (tb.rows > kMaxBarRows) return false;
  if (tb.comp.count > 0 && !bar_exists(tb.comp.size)) return false;
  for (int r = 1; r <= tb.rows; ++r)
    if (!bar_exists(tb.row[static_cast<std::size_t>(r)].size)) return false;
  return true;
}

bool row_sets_have_bars(const TBeamState &tb) {
  float area = 0;
  for (int r = 1; r <= tb.rows && r <= kMaxBarRows; ++r) {
    const BarRow &row = tb.row[static_cast<std::size_t>(r)];
    area = area + bar(row.size).area * static_cast<float>(row.count);
    if (!(area > 0.0f)) return false;
  }
  return true;
}

std::int32_t read_tbeam_records(Run &run) {
  ProblemState &st = run.st;
  TBeamState &tb = st.tbeam;

  const Record rec = run.deck.read();
  const std::int32_t type = rec.i(section_field("record_type"));
  tb.n_tensile = rec.f(section_field("n_tensile"));
  tb.n_compressive = rec.f(section_field("n_compressive"));
  tb.rows = rec.i(section_field("rows"));
  tb.bw = rec.f(section_field("web_width"));
  tb.delta_w = rec.f(section_field("delta_w"));
  tb.depth = rec.f(section_field("web_depth"));
  tb.delta_d = rec.f(section_field("delta_d"));
  tb.slab_width = rec.f(section_field("slab_width"));
  tb.slab_thick = rec.f(section_field("slab_thickness"));
  tb.comp = read_row(rec, &section_field("comp_no"));
  tb.row[1] = read_row(rec, &section_field("row1_no"));
  tb.row[2] = read_row(rec, &section_field("row2_no"));
  print_beam_data(run.out, tb);
  if (type != 3) return kTBeamRejected;

  if (tb.rows >= 3) {
    const Record rows = run.deck.read();
    constexpr std::span<const FieldLayout> fields = record_layout(RecordKind::TBeamRows).fields;
    const std::int32_t rows_type = rows.i(fields[0]);
    for (int r = 3; r <= kMaxBarRows; ++r) // rows 3 to 9 follow the record type, four fields each
      tb.row[static_cast<std::size_t>(r)] =
          read_row(rows, &fields[static_cast<std::size_t>(1 + 4 * (r - 3))]);
    print_rows_3_to_5(run.out, tb);
    if (rows_type != 4) return kTBeamRejected;
    if (tb.rows >= 6) print_rows_6_to_8(run.out, tb);
    if (tb.rows >= 9) print_row_9(run.out, tb);
  }

  apply_defaults(st);
  const bool rm = resisting_moment_mode(st);
  if (!rm) {
    if (st.da == 1) {
      float smallest = tb.bw;
      if (tb.depth < smallest) smallest = tb.depth;
      if (static_cast<float>(tb.rows) < smallest) smallest = static_cast<float>(tb.rows);
      if (smallest <= 0.0f) return kTBeamRejected;
    }
    if (tb.depth <= 0.0f) tb.depth = 24.0f;
    if (tb.bw <= 0.0f) tb.bw = 18.0f;
    if (tb.slab_width <= tb.bw) tb.slab_width = tb.bw;
  }
  // Beyond nine rows the record format carries no data, and a size without a bar would divide by
  // its zero diameter or perimeter later. A design uses only the rows its search reaches: their
  // sizes are checked there and once the rows are settled.
  if (!rm && st.da < 1) {
    if (tb.rows > kMaxBarRows || (tb.comp.count > 0 && !bar_exists(tb.comp.size))) return kTBeamRejected;
  } else if (!bars_usable(tb)) {
    return kTBeamRejected;
  }
  return kTBeamDone;
}

} // namespace ss::tbeam
