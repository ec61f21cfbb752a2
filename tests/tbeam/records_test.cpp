// The T-beam's own records: reading, echo, record-type checks, defaults and rejected input; and a
// whole resisting-moment problem, which needs nothing from the span analysis.
#include <sstream>

#include <gtest/gtest.h>

#include "state/fatal.h"
#include "support/run_deck.h"
#include "tbeam/tbeam.h"
#include "tbeam/tbeam_steps.h"
#include "tbeam_fixture.h"

namespace ss::tbeam {
namespace {

// TBEAM's records fed from `deck`, with the report collected.
struct RecordRun {
  explicit RecordRun(const std::string &deck, const char *code = "TB", std::int32_t da = 0)
      : in(deck), reader(in), report(out), st(test::tbeam_problem()), run{*st, report, reader} {
    st->beam_code = make_word(code);
    st->da = da;
    st->fs = st->fc = st->wg = 0.0f;
  }
  // The records written, column 1 being the carriage control ("0", "1", " "); a record with
  // nothing after a blank control shows as "", like an empty record.
  std::vector<std::string> lines() const {
    std::vector<std::string> v;
    const std::string bytes = out.str();
    std::size_t at = 0;
    for (std::size_t end; (end = bytes.find('\r', at)) != std::string::npos; at = end + 1) {
      std::string chunk = bytes.substr(at, end - at);
      if (chunk.rfind("\n\n", 0) == 0)
        v.push_back("0" + chunk.substr(2));
      else if (chunk.rfind("\f", 0) == 0)
        v.push_back("1" + chunk.substr(1));
      else if (chunk == "\n")
        v.push_back("");
      else if (chunk.rfind("\n", 0) == 0)
        v.push_back(" " + chunk.substr(1));
      else
        v.push_back("+" + chunk);
    }
    return v;
  }
  std::istringstream in;
  DeckReader reader;
  std::ostringstream out;
  Report report;
  std::unique_ptr<ProblemState> st;
  Run run;
};

// The sample T-beam: N 10 and 20, two rows of 6 #10, web 15 x 24 growing by 1 and 2, slab 72 x 7.5.
const char *kSection = "31020 215000100024000200072000 7500          6101 250 6101 550\n";

TEST(TBeamRecords, SectionRecordIsReadAndEchoed) {
  RecordRun r(std::string(kSection) + "*NEXT\n");
  EXPECT_EQ(read_tbeam_records(r.run), kTBeamDone);
  const TBeamState &tb = r.st->tbeam;
  EXPECT_EQ(tb.n_tensile, 10.0f);
  EXPECT_EQ(tb.n_compressive, 20.0f);
  EXPECT_EQ(tb.rows, 2);
  EXPECT_EQ(tb.bw, 15.0f);
  EXPECT_EQ(tb.delta_w, 1.0f);
  EXPECT_EQ(tb.depth, 24.0f);
  EXPECT_EQ(tb.delta_d, 2.0f);
  EXPECT_EQ(tb.slab_width, 72.0f);
  EXPECT_EQ(tb.slab_thick, 7.5f);
  EXPECT_EQ(tb.comp.count, 0);
  EXPECT_EQ(tb.row[1].count, 6);
  EXPECT_EQ(tb.row[1].size, 10);
  EXPECT_EQ(tb.row[1].delta, 1);
  EXPECT_EQ(tb.row[1].dist, 2.5f);
  EXPECT_EQ(tb.row[2].dist, 5.5f);
  // Two rows: the next record is left for the driver.
  EXPECT_EQ(r.reader.read().str(), "*NEXT");
  // Defaults of the span data.
  EXPECT_EQ(r.st->fs, 20.0f);
  EXPECT_EQ(r.st->fc, 1.2f);
  EXPECT_EQ(r.st->wg, 0.15f);

  const std::vector<std::string> expected = {
      "0",
      "",
      "          N                    CONCRETE BEAM DATA                  T-SLAB",
      "",
      "  TENSILE  COMPRES NO. ROWS    WIDTH  DELTA-W    DEPTH DELTA-D    WIDTH    THICK",
      "",
      "    10        20         2    15.000    1.000   24.000   2.000   72.000    7.500",
      "",
      "      COMPRESSION STEEL          ROW NUMBER ONE            ROW NUMBER TWO",
      "",
      "    NO.  SIZE  DELTA  DIST.   NO.  SIZE  DELTA DIST.   NO.  SIZE  DELTA  DIST.",
      "",
      "      0     0    0     0.00     6    10    1     2.50     6    10    1     5.50",
  };
  EXPECT_EQ(r.lines(), expected);
}

TEST(TBeamRecords, DefaultsAndTheirEcho) {
  // N blank: echoed 0, used as 10. Design mode with blank web and depth: 18 and 24; the slab,
  // blank, takes the web's width.
  RecordRun r("3     1                                     2 8  250\n");
  EXPECT_EQ(read_tbeam_records(r.run), kTBeamDone);
  const TBeamState &tb = r.st->tbeam;
  EXPECT_EQ(tb.n_tensile, 10.0f);
  EXPECT_EQ(tb.n_compressive, 10.0f);
  EXPECT_EQ(tb.bw, 18.0f);
  EXPECT_EQ(tb.depth, 24.0f);
  EXPECT_EQ(tb.slab_width, 18.0f);
  EXPECT_EQ(r.lines()[6], "     0         0         1     0.000    0.000    0.000   0.000    0.000    0.000");
}

TEST(TBeamRecords, RowsRecordForThreeRowsOrMore) {
  RecordRun three(std::string("31010 316000    28000    60000 7000          4 9  300 4 9  600\n") +
                  "4 4 9  900          3 511200\n");
  EXPECT_EQ(read_tbeam_records(three.run), kTBeamDone);
  EXPECT_EQ(three.st->tbeam.row[3].count, 4);
  EXPECT_EQ(three.st->tbeam.row[3].dist, 9.0f);
  EXPECT_EQ(three.st->tbeam.row[5].size, 5);
  const std::vector<std::string> lines = three.lines();
  ASSERT_EQ(lines.size(), 13u + 5u);
  EXPECT_EQ(lines[13], "0      ROW NUMBER THREE          ROW NUMBER FOUR           ROW NUMBER FIVE");
  EXPECT_EQ(lines[15], "    NO.  SIZE  DELTA  DIST.   NO.  SIZE  DELTA  DIST.   NO. SIZE  DELTA  DIST.");
  EXPECT_EQ(lines[17], "      4     9    0     9.00     0     0    0     0.00     3     5    1    12.00");

  RecordRun nine(std::string("31010 916000    28000    60000 7000          4 9  300 4 9  600\n") +
                 "4 4 9  900 4 9 1200 4 9 1500 4 9 1800 4 9 2100 4 9 2400 4 9 2700\n");
  EXPECT_EQ(read_tbeam_records(nine.run), kTBeamDone);
  const std::vector<std::string> all = nine.lines();
  ASSERT_EQ(all.size(), 13u + 15u);
  EXPECT_EQ(all[18], "0      ROW  NUMBER SIX            ROW NUMBER SEVEN          ROW NUMBER EIGHT");
  EXPECT_EQ(all[20], "    NO. SIZE   DELTA  DIST.   NO. SIZE   DELTA  DIST.   NO. SIZE   DELTA  DIST.");
  EXPECT_EQ(all[22], "      4     9    0    18.00     4     9    0    21.00     4     9    0    24.00");
  EXPECT_EQ(all[23], "0      ROW NUMBER NINE");
  EXPECT_EQ(all[25], "    NO.  SIZE  DELTA  DIST");
  EXPECT_EQ(all[27], "      4     9    0    27.00");
}

TEST(TBeamRecords, WrongRecordTypes) {
  RecordRun first("41010 216000    28000    60000 7000          4 9  300 4 9  600\n");
  EXPECT_EQ(read_tbeam_records(first.run), kTBeamRejected);
  EXPECT_EQ(first.lines().size(), 13u); // echoed all the same

  RecordRun second(std::string("31010 416000    28000    60000 7000          4 9  300 4 9  600\n") +
                   "3 4 9  900 4 9 1200\n");
  EXPECT_EQ(read_tbeam_records(second.run), kTBeamRejected);
  EXPECT_EQ(second.lines().size(), 18u); // rows 3 to 5 echoed, not 6 to 8
}

TEST(TBeamRecords, EndOfDeckPropagates) {
  RecordRun none("");
  EXPECT_THROW(read_tbeam_records(none.run), EndOfDeck);
  RecordRun half("31010 316000    28000    60000 7000          4 9  300 4 9  600\n");
  EXPECT_THROW(read_tbeam_records(half.run), EndOfDeck);
}

TEST(TBeamRecords, InputTheDesignCannotUse) {
  // More than nine rows (the rows record is read and echoed first).
  RecordRun many(std::string("31010124000    28000    60000 7000          4 9  300 4 9  600\n") +
                 "4 4 9  900 4 9 1200 4 9 1500 4 9 1800 4 9 2100 4 9 2400 4 9 2700\n");
  EXPECT_EQ(read_tbeam_records(many.run), kTBeamRejected);
  // A size without a bar in a row in use; in row 2 of a one-row section it does no harm.
  RecordRun size12("31010 124000    28000    60000 7000          412  300 4 9  600\n", "TB", 1);
  EXPECT_EQ(read_tbeam_records(size12.run), kTBeamRejected);
  RecordRun unused("31010 124000    28000    60000 7000          4 9  30041 1  600\n", "TB", 1);
  EXPECT_EQ(read_tbeam_records(unused.run), kTBeamDone);
  RecordRun rm_size12("31010 124000    28000    60000 7000          412  300 4 9  600\n", "RM", 0);
  EXPECT_EQ(read_tbeam_records(rm_size12.run), kTBeamRejected);
  // A design uses only the rows its search reaches: their sizes are checked there, not here.
  RecordRun design_row2("31010 224000    28000    60000 7000          4 9  300 412  600\n");
  EXPECT_EQ(read_tbeam_records(design_row2.run), kTBeamDone);
  // Compression bars of size 0; without bars the size does not matter.
  RecordRun comp("31010 124000    28000    60000 7000 2 0 0200 4 9  300\n");
  EXPECT_EQ(read_tbeam_records(comp.run), kTBeamRejected);
  RecordRun no_comp("31010 124000    28000    60000 7000 0 0 0200 4 9  300\n");
  EXPECT_EQ(read_tbeam_records(no_comp.run), kTBeamDone);
  // Analysis mode needs a web width, a depth and a row.
  RecordRun blank_width("31010 1         28000    60000 7000          4 9  300\n", "TB", 1);
  EXPECT_EQ(read_tbeam_records(blank_width.run), kTBeamRejected);
  RecordRun no_rows("31010 024000    28000    60000 7000          4 9  300\n", "TB", 1);
  EXPECT_EQ(read_tbeam_records(no_rows.run), kTBeamRejected);
}

TEST(TBeamRecords, ResistingMomentModeTakesTheSectionAsEntered) {
  // No default on the geometry: the slab stays narrower than the web.
  RecordRun r("31010 124000    28000    10000 7000          4 9  300\n", "RM", 1);
  EXPECT_EQ(read_tbeam_records(r.run), kTBeamDone);
  EXPECT_EQ(r.st->tbeam.slab_width, 10.0f);
  EXPECT_EQ(r.st->fs, 20.0f); // the stresses still default
}

TEST(TBeamRun, ResistingMomentsOfAGivenSection) {
  // 12 x 24 rectangle (no slab wider than the web), 4 #8 at 2.5: the section of the singly
  // reinforced hand calculation, kd = 8.329, jd = 21.5 - kd/3 = 18.724; MS 98.6, MC 93.6 K-FT.
  RecordRun r("31010 112000    20000    12000 4000          4 8  250\n", "RM", 0);
  std::int32_t status = -1;
  TBEAM(r.run, status);
  EXPECT_EQ(status, kTBeamDone);
  const std::vector<std::string> lines = r.lines();
  ASSERT_EQ(lines.size(), 13u + 3u + 8u);
  EXPECT_EQ(lines[15], "            WIDTH = 12.000             DEPTH = 20.000");
  EXPECT_EQ(lines[18], "                                RESISTING MOMENTS                      #4");
  EXPECT_EQ(lines[20], "  ROW  SIZE NUMBER   KD   JD    FS= 20000    FC= 1200    LENGTH     STIRRUP");
  EXPECT_EQ(lines[22], "                                   N= 10     N= 10                  SPACING");
  EXPECT_EQ(lines[23], "0 1     8     4   8.33  18.72       98.6       93.6        0.000      0.00");
}

TEST(TBeamRun, ResistingMomentsRejectsADegenerateSection) {
  // Nothing below the top: no depth, the bars at the top; no division by a zero neutral axis.
  RecordRun r("31010 112000                               4 8    0\n", "RM", 1);
  std::int32_t status = -1;
  TBEAM(r.run, status);
  EXPECT_EQ(status, kTBeamRejected);
}

} // namespace
} // namespace ss::tbeam
