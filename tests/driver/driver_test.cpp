// The problem loop with recording design routines: which routines run, in which order, with
// which inputs, and what each status and failed check prints.
#include <gtest/gtest.h>

#include <vector>

#include <sstream>

#include "driver/echo.h"
#include "support/deck_text.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

struct Recorder {
  std::vector<std::string> calls;
  std::vector<float> plate_widths; // bottom plate WIDTH at each BEAMPL call
  std::vector<std::int32_t> depths;
  std::vector<float> fs;
  std::vector<float> e;
  std::int32_t beampl_status = 0;
  std::int32_t tbeam_status = 0;

  DesignRoutines routines() {
    DesignRoutines r;
    r.live_loads = [this](ProblemState &st) { calls.push_back("LIVE" + std::to_string(st.live_class)); };
    r.beampl = [this](Run &run, std::int32_t &status) {
      calls.push_back("BEAMPL");
      plate_widths.push_back(run.st.bottom_plate.width);
      depths.push_back(run.st.rolled_depth);
      fs.push_back(run.st.fs);
      e.push_back(run.st.e);
      status = beampl_status;
    };
    r.plateg = [this](Run &run) {
      calls.push_back("PLATEG");
      fs.push_back(run.st.fs);
    };
    r.tbeam = [this](Run &run, std::int32_t &status) {
      calls.push_back("TBEAM");
      e.push_back(run.st.e);
      status = tbeam_status;
    };
    return r;
  }
};

std::string title(const char *number, const char *text = "TEST") {
  return Cols().at(1, "*B04").at(5, number).at(9, text).line();
}

// A span record: beam code, D/A, class, LENGTH field (3 implied decimals), NPL, FS and TYPE STEEL.
std::string span(const char *beam, const char *da, const char *cls, const char *length,
                 const char *npl = " 0", const char *fs = "    ", const char *steel = " 36") {
  return Cols()
      .at(1, "1")
      .at(2, beam)
      .at(4, da)
      .at(5, cls)
      .at(9, "000")
      .at(12, length)
      .at(18, "1000")
      .at(22, "1000")
      .at(26, "1000")
      .at(30, npl)
      .at(32, " 500")
      .at(44, "2900")
      .at(52, fs)
      .at(63, steel)
      .line();
}

// Section record: two designations and the P and NP flags.
std::string section(const char *depth, const char *weight, const char *depth2 = "  ",
                    const char *weight2 = "   ", const char *p = "0", const char *np = "0") {
  return Cols()
      .at(1, "3")
      .at(2, depth)
      .at(6, weight)
      .at(9, depth2)
      .at(13, weight2)
      .at(16, p)
      .at(17, np)
      .line();
}

// Slab and cover-plate record with the given bottom plate WIDTH field (2 implied decimals).
std::string slab(const char *width = "    ", const char *type = "4") {
  return Cols().at(1, type).at(36, width).line();
}

TEST(Driver, RolledBeamAnalysisRunsOneDesignWithTheDefaultStress) {
  Recorder rec;
  const DeckRun out = run_deck(title("P1") + span("RB", "1", "HS20", "050000") + section("30", "116") +
                                   title("P2") + span("RB", "1", "HS20", "050000") + section("30", "116"),
                               rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "BEAMPL", "LIVE2", "BEAMPL"}));
  EXPECT_EQ(rec.fs[0], 20.0f);
  EXPECT_EQ(rec.e[0], 29.0f / 0.012f); // E converted after the echo
  EXPECT_EQ(out.diagnostic, "");
}

TEST(Driver, SectionAlternativesCallOrderAndPlateWidths) {
  Recorder rec;
  run_deck(title("P1") + span("RP", "0", "H 20", "045000") + section("27", "  0", "30", "108", "1", "1") +
               slab(" 900"),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE1", "BEAMPL", "BEAMPL", "BEAMPL", "BEAMPL"}));
  EXPECT_EQ(rec.plate_widths, (std::vector<float>{9.0f, 0.25f, 0.0f, 0.25f}));
  EXPECT_EQ(rec.depths, (std::vector<std::int32_t>{27, 27, 30, 30}));
}

TEST(Driver, SteelType441RunsNoPlateGirderButTheAlternativesStillCallBeampl) {
  Recorder rec;
  run_deck(title("P1") + span("PG", "0", "HS20", "100000", " 0", "2500", "441") +
               section("  ", "   ", "  ", "   ", "0", "1") + slab(),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "BEAMPL"}));
  EXPECT_EQ(rec.fs[0], 0.0f); // FS is set to zero for this steel
}

TEST(Driver, OtherSteelTypesRunOnlyTheAlternatives) {
  Recorder rec;
  run_deck(title("P1") + span("RB", "0", "HS20", "050000", " 0", "    ", " 50") +
               section("30", "116", "  ", "   ", "0", "1") + title("P2") +
               span("RB", "1", "HS20", "050000", " 0", "    ", " 50") + section("30", "116"),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "BEAMPL", "LIVE2"}));
}

TEST(Driver, SteelTypeDefaultsOfTheAllowableStress) {
  Recorder rec;
  run_deck(title("P1") + span("PG", "1", "HS20", "100000", " 0", "    ", "588") + section("  ", "   ") +
               slab() + title("P2") + span("PG", "1", "HS20", "100000", " 0", "    ", "572") +
               section("  ", "   ") + slab() + title("P3") +
               span("PG", "1", "HS20", "100000", " 0", "2200", " 36") + section("  ", "   ") + slab(),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "PLATEG", "LIVE2", "PLATEG", "LIVE2", "PLATEG"}));
  EXPECT_EQ(rec.fs, (std::vector<float>{27.0f, 0.0f, 22.0f}));
}

TEST(Driver, UnavailableSectionAbandonsTheProblemBeforeAnyAlternative) {
  Recorder rec;
  rec.beampl_status = 2;
  const DeckRun out =
      run_deck(title("P7") + span("RB", "0", "HS20", "050000") + section("30", "116", "33", "118", "1", "1"),
               rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "BEAMPL"}));
  EXPECT_NE(out.report.find("\n\nROLLED BEAM UNAVAILABLE P7  \r"), std::string::npos);
}

TEST(Driver, DesignStatusesBecomeErrorLines) {
  Recorder rec;
  rec.beampl_status = 1;
  rec.tbeam_status = 2;
  const DeckRun out = run_deck(title("P1") + span("RB", "1", "HS20", "050000") + section("30", "116") +
                                   title("P2") + span("TB", "0", "HS20", "030000"),
                               rec.routines());
  EXPECT_NE(out.report.find("\n\nERROR   4  PROBLEM NUMBER  P1  \r"), std::string::npos);
  EXPECT_NE(out.report.find("\n\nERROR   5  PROBLEM NUMBER  P2  \r"), std::string::npos);
  rec.tbeam_status = 1;
  const DeckRun out2 = run_deck(title("P3") + span("TB", "0", "HS20", "030000"), rec.routines());
  EXPECT_NE(out2.report.find("ERROR   4  PROBLEM NUMBER  P3"), std::string::npos);
}

TEST(Driver, ZeroLengthIsResistingMomentsWithoutSectionRecordsOrConversion) {
  Recorder rec;
  run_deck(title("P1") + span("RB", "1", "HS20", "000000") + title("P2") + span("RM", "0", "HS20", "030000"),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"TBEAM", "TBEAM"}));
  EXPECT_EQ(rec.e, (std::vector<float>{29.0f, 29.0f})); // E is not converted in resisting-moment mode
}

TEST(Driver, BadClassIsErrorOneBeforeTheLiveLoads) {
  Recorder rec;
  const DeckRun out =
      run_deck(title("P1") + span("RB", "1", "XX20", "050000") + section("30", "116"), rec.routines());
  EXPECT_TRUE(rec.calls.empty());
  EXPECT_NE(out.report.find("ERROR   1  PROBLEM NUMBER  P1"), std::string::npos);
}

TEST(Driver, RecordsOfAnAbandonedProblemArePassedOver) {
  Recorder rec;
  // Error 3 on the section record; the slab record and stray lines are skipped up to the next "*".
  run_deck(title("P1") + span("RP", "1", "HS20", "050000") + "4\n" + slab() + "comment\n" + title("P2") +
               span("RB", "1", "HS20", "050000") + section("30", "116"),
           rec.routines());
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "LIVE2", "BEAMPL"}));
}

TEST(Driver, EndOfDeckInAnyRecordEndsTheRunQuietly) {
  const std::vector<std::string> records = {title("P1"),
                                            span("CB", "1", "HS20", "050000", " 5"),
                                            Cols().at(1, "21").at(3, "010000010000").line(),
                                            Cols().at(1, "22").at(3, "020000010000").line(),
                                            section("30", "116"),
                                            slab()};
  for (std::size_t n = 0; n <= records.size(); ++n) {
    Recorder rec;
    std::string deck;
    for (std::size_t i = 0; i < n; ++i) deck += records[i];
    const DeckRun out = run_deck(deck, rec.routines());
    EXPECT_EQ(out.diagnostic, "") << n;
    EXPECT_EQ(rec.calls.size(), n == records.size() ? 2u : (n >= 4 ? 1u : 0u)) << n;
  }
}

TEST(Driver, LoadsBeyondNplAreStoredAndNoLoadMeansOneZeroLoadAtTheRightSupport) {
  ProblemState seen;
  Recorder rec;
  DesignRoutines r = rec.routines();
  r.beampl = [&](ss::Run &run, std::int32_t &status) {
    seen = run.st;
    status = 0;
  };
  run_deck(title("P1") + span("RB", "1", "HS20", "040000", " 5") +
               Cols().at(1, "21").at(3, "010000001000020000002000030000003000035000004000").line() +
               Cols().at(1, "22").at(3, "020000010000001000007000002000008000").line() + section("30", "116"),
           r);
  EXPECT_EQ(seen.npl, 5);
  EXPECT_EQ(seen.load_x[4], 20.0f);
  EXPECT_EQ(seen.load_p[6], 8.0f); // load 7 is stored, though not used
  EXPECT_FLOAT_EQ(seen.left_reaction, (30 * 1 + 20 * 2 + 10 * 3 + 5 * 4 + 20 * 10) / 40.0f);

  run_deck(title("P2") + span("RB", "1", "HS20", "040000") + section("30", "116"), r);
  EXPECT_EQ(seen.npl, 1);
  EXPECT_EQ(seen.load_x[0], 40.0f);
  EXPECT_EQ(seen.load_p[0], 0.0f);
  EXPECT_EQ(seen.left_reaction, 0.0f);
}

TEST(Driver, TooManyLoadsReadsEveryRecordThenErrorOne) {
  Recorder rec;
  std::string deck = title("P1") + span("RB", "1", "HS20", "040000", "41");
  for (int n = 1; n <= 11; ++n) deck += Cols().at(1, std::to_string(20 + n)).at(3, "001000001000").line();
  deck += title("P2") + span("RB", "1", "HS20", "040000") + section("30", "116");
  const DeckRun out = run_deck(deck, rec.routines());
  EXPECT_NE(out.report.find("ERROR   1  PROBLEM NUMBER  P1"), std::string::npos);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"LIVE2", "BEAMPL"}));
}

TEST(Driver, AMalformedFieldStopsTheRunAndKeepsTheReport) {
  Recorder rec;
  const DeckRun out =
      run_deck(title("P1") + Cols().at(1, "1RB1HS20   X50000").line(), rec.routines(), "bad.deck");
  EXPECT_NE(out.diagnostic.find("line 2, columns 12-17"), std::string::npos) << out.diagnostic;
  EXPECT_NE(out.report.find("PROB. NO. P1"), std::string::npos);
}

TEST(Driver, CrLfDeckReadsLikeLfDeck) {
  const std::string deck =
      title("P1", "CRLF TITLE") + span("RB", "1", "HS20", "050000") + section("30", "116");
  std::string crlf;
  for (char c : deck) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Recorder a, b;
  EXPECT_EQ(run_deck(deck, a.routines()).report, run_deck(crlf, b.routines()).report);
  EXPECT_EQ(a.calls, b.calls);
}

} // namespace
} // namespace ss::test

namespace ss::test {
namespace {

TEST(DriverEcho, CoverPlateLineIsSingleSpacedWhateverXBegin) {
  ProblemState st;
  st.bottom_plate.x_begin = 1.0e6f; // a 4-column field can hold "1E6"
  std::ostringstream os;
  Report out(os);
  print_cover_plates(out, st);
  const std::string bytes = os.str();
  EXPECT_EQ(bytes.find('\f'), std::string::npos);
  EXPECT_NE(bytes.find("\n*********"), std::string::npos) << readable(bytes);
}

} // namespace
} // namespace ss::test
