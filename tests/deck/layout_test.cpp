// The layout table is well formed, and every reader takes each numeric field from the columns the
// table gives: a letter in the field's first column stops the run with a diagnostic naming exactly
// those columns.
#include <gtest/gtest.h>

#include <set>

#include "deck/layout.h"
#include "support/deck_text.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

TEST(LayoutTable, FieldsAreOrderedDisjointAndDescribed) {
  for (const RecordLayout &rec : record_layouts()) {
    std::set<std::string_view> keys;
    int next = 1;
    for (const FieldLayout &f : rec.fields) {
      SCOPED_TRACE(std::string(rec.key) + "." + std::string(f.key));
      EXPECT_GE(f.first, next);
      EXPECT_LE(f.first, f.last);
      EXPECT_LE(f.last, 80);
      next = f.last + 1;
      EXPECT_TRUE(keys.insert(f.key).second);
      for (char c : f.key) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_');
      EXPECT_FALSE(f.meaning.empty());
      EXPECT_EQ(f.echo.empty(), f.format == FieldFormat::Ignored);
      if (f.has_range()) {
        EXPECT_TRUE(f.numeric());
      }
    }
    EXPECT_EQ(find_record_layout(rec.key), &rec);
  }
  EXPECT_EQ(find_record_layout("nothing"), nullptr);
  EXPECT_EQ(layout_field(RecordKind::Span, "wg").format_name(), "F3.0/1000");
  EXPECT_EQ(layout_field(RecordKind::Span, "length").format_name(), "F6.3");
}

// One problem per path: a plate girder with a load record, a section and a slab record; a T-beam
// with a section and a rows record. Each record's line in the deck goes with its kind.
struct PathRecord {
  RecordKind kind;
  int line;
};

std::string put_x(std::string record, int col) {
  if (record.size() < static_cast<std::size_t>(col)) record.resize(static_cast<std::size_t>(col), ' ');
  record[static_cast<std::size_t>(col - 1)] = 'X';
  return record;
}

void expect_each_field_read_at_its_columns(const std::vector<std::string> &deck,
                                           const std::vector<PathRecord> &path) {
  for (const PathRecord &p : path) {
    for (const FieldLayout &f : record_layout(p.kind).fields) {
      if (!f.numeric()) continue;
      std::string text;
      for (std::size_t i = 0; i < deck.size(); ++i)
        text += (static_cast<int>(i) + 1 == p.line ? put_x(deck[i], f.first) : deck[i]) + "\n";
      const std::string where = "line " + std::to_string(p.line) + ", columns " + std::to_string(f.first) +
                                "-" + std::to_string(f.last) + ":";
      EXPECT_NE(run_deck(text).diagnostic.find(where), std::string::npos)
          << record_layout(p.kind).key << "." << f.key << " " << run_deck(text).diagnostic;
    }
  }
}

TEST(LayoutTable, EveryReaderTakesItsColumnsFromTheTable) {
  expect_each_field_read_at_its_columns(
      {"*B04P001PLATE GIRDER", "1PG0HS20   110000130013001000 1 1100 200    2900                36",
       "21 50000 20000", "3", "4"},
      {{RecordKind::Span, 2}, {RecordKind::Loads, 3}, {RecordKind::Section, 4}, {RecordKind::Slab, 5}});
  expect_each_field_read_at_its_columns({"*B04P002T-BEAM", "1TB0HS20    34000120012001000   500         300",
                                         Cols().at(1, "31010 3").at(45, " 6101 250").line().substr(0, 53),
                                         "4"},
                                        {{RecordKind::TBeamSection, 3}, {RecordKind::TBeamRows, 4}});
}

} // namespace
} // namespace ss::test
