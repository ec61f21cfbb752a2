// The whole results pages of filled problem states, compared byte for byte with the expected
// reports in tests/tables/expected/ (checked column by column against the layouts).
// SIMPLE_SPAN_UPDATE_EXPECTED=1 rewrites them instead; review the diff before committing.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/run_deck.h"
#include "tables/problems.h"
#include "tables/tables.h"

namespace ss::test {
namespace {

namespace fs = std::filesystem;

void expect_report(const std::string &name, const std::string &got) {
  const fs::path path = fs::path(SIMPLE_SPAN_TEST_DECKS) / ".." / "tables" / "expected" / (name + ".txt");
  if (std::getenv("SIMPLE_SPAN_UPDATE_EXPECTED")) {
    write_file(path.string(), got);
    return;
  }
  ASSERT_TRUE(fs::exists(path)) << path;
  const std::string want = read_file(path.string());
  EXPECT_TRUE(got == want) << "report differs from " << path << "\n--- got ---\n"
                           << readable(got) << "\n--- expected ---\n"
                           << readable(want);
}

// Rolled beam with a bottom cover plate, no input FS: the allowable stress switches to the
// cover-plated region's from the plate's X-BEGIN (15 ft, twentieth point 5) on.
TEST(TablesReport, NonCompositePlatedBeam) {
  TableRun t;
  ProblemState &st = *t.st;
  fill_loads(st);
  fill_plated_section(st);
  st.fs = 0.0f;
  st.fs_beam = 20.0f;
  st.fs_plated = 24.0f;
  DLSELF(st);
  LLDEFL(st);
  RESTAB(t.run);
  expect_report("restab-noncomposite", t.bytes());
  EXPECT_EQ(st.fs_beam, 24.0f);
}

// Composite plate girder under a railroad train: stresses on the three sections, connector
// spacing from Q/I, the railroad deflection and its ratio.
TEST(TablesReport, CompositeGirder) {
  TableRun t;
  ProblemState &st = *t.st;
  fill_loads(st);
  make_railroad(st);
  fill_composite_section(st);
  st.fs = 20.0f;
  st.fs_beam = 20.0f;
  st.fs_plated = 77.0f; // a plate girder leaves no meaningful value here
  DLSELF(st);
  LLDEFL(st);
  RESTAB(t.run);
  expect_report("restab-composite", t.bytes());
}

// T-beam: the page header and the moments only; later, after its own blocks, the shears and
// deflections through the second entry with the long-term modulus.
TEST(TablesReport, TBeamMomentsThenShearsAndDeflections) {
  TableRun t;
  ProblemState &st = *t.st;
  fill_loads(st);
  st.beam_type = 6;
  st.wbm = 0.85f;
  st.i_steel.fill(180000.0f);
  DLSELF(st);
  RESTAB(t.run);
  expect_report("restab-tbeam", t.bytes());
  EXPECT_EQ(t.bytes().find("STRESS"), std::string::npos);

  LLDEFL(st);
  st.e = 80.55555f;
  for (int k = 1; k <= 10; ++k) st.defl_totnc[k] = 0.0f;
  std::ostringstream os;
  Report rep(os);
  ss::Run later{st, rep, t.deck};
  SHRTAB(later);
  expect_report("shrtab-tbeam", os.str());
}

// The rolled beam design prints the page header itself and enters at the moments table.
TEST(TablesReport, EntryAtTheMomentsTableLeavesOutOnlyThePageHeader) {
  TableRun whole, part, header;
  for (TableRun *t : {&whole, &part, &header}) {
    fill_loads(*t->st);
    fill_plated_section(*t->st);
    t->st->fs_beam = 20.0f;
    DLSELF(*t->st);
    LLDEFL(*t->st);
  }
  RESTAB(whole.run);
  RESTAB_moments(part.run);
  header.rep.put(Line::cc('1').text(20, "SIMPLE SPAN OUTPUT DATA PROBLEM NUMBER  ").text(60, "B12 "));
  EXPECT_EQ(whole.bytes(), header.bytes() + part.bytes());
}

} // namespace
} // namespace ss::test
