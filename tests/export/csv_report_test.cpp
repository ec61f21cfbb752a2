// Every CSV written for a deck holds the numbers its report prints: each design's moments,
// stresses, shears and dead-load deflection tables are read back from the report by their columns
// and compared cell by cell with the CSV of that design.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "export/csv_reader.h"
#include "export/export_run.h"
#include "export/printed.h"
#include "report/format.h"
#include "support/run_deck.h"

namespace ss::test {
namespace {

struct Column {
  int col, w, d; // report field; d < 0 for an integer field, d = -2 for a letter
  const char *name;
};

const Column kLoadColumns[] = {{7, 8, 1, "girder"}, {15, 8, 1, "pload"}, {23, 8, 1, "nc"},
                               {31, 8, 1, "totnc"}, {39, 8, 1, "comp"},  {47, 8, 1, "sidewalk"},
                               {55, 10, 1, "live"}, {66, 1, -2, "load"}, {67, 10, 1, "rri"}};
const Column kStressColumns[] = {{7, 9, -1, "f_min_top_steel_psi"},
                                 {16, 9, -1, "f_min_bot_steel_psi"},
                                 {25, 9, -1, "f_max_top_conc_psi"},
                                 {34, 9, -1, "f_max_top_steel_psi"},
                                 {43, 9, -1, "f_max_bot_steel_psi"},
                                 {52, 9, -1, "fs_allow_psi"},
                                 {61, 9, 3, "R_top"},
                                 {70, 9, 3, "R_bot"}};
const Column kDeflectionColumns[] = {{7, 7, 3, "defl_girder_in"},       {14, 8, 3, "defl_pload_in"},
                                     {22, 8, 3, "defl_nc_in"},          {30, 8, 3, "defl_totnc_in"},
                                     {38, 8, 3, "defl_comp_in"},        {46, 12, 1, "shear_range_kips"},
                                     {58, 9, 2, "connector_spacing_in"}};

std::string load_name(const char *prefix, const Column &c) {
  const std::string n = c.name;
  if (n == "load") return std::string(prefix) + "_load";
  return std::string(prefix) + "_" + n + (prefix[0] == 'M' ? "_kft" : "_kips");
}

// One report field against its CSV cell.
void expect_cell(const std::string &printed, const std::string &cell, const Column &c,
                 const std::string &where) {
  const std::size_t first = printed.find_first_not_of(' ');
  if (first == std::string::npos) {
    EXPECT_EQ(cell, "") << where;
    return;
  }
  const std::string value = printed.substr(first);
  if (c.d == -2) {
    EXPECT_EQ(cell, value) << where;
  } else if (value[0] == '*') {
    // Too wide for its column: the CSV holds the number (or nothing when it is not finite).
    if (!cell.empty()) {
      const float v = std::strtof(cell.c_str(), nullptr);
      EXPECT_EQ(c.d < 0 ? format_i_trunc(c.w, v) : format_f(c.w, c.d, v), printed) << where << " " << cell;
    }
  } else {
    EXPECT_FALSE(cell.empty()) << where << " printed " << value;
    EXPECT_EQ(std::strtod(cell.c_str(), nullptr), std::strtod(value.c_str(), nullptr))
        << where << " printed " << value << " csv " << cell;
  }
}

// Index of the first record at or after `from` (and before `to`) containing `text`.
std::size_t find_record(const std::vector<std::string> &r, const std::string &text, std::size_t from,
                        std::size_t to) {
  for (std::size_t i = from; i < to && i < r.size(); ++i)
    if (r[i].find(text) != std::string::npos) return i;
  return std::string::npos;
}

// The rows k = first..10 following a header: records whose k field reads k, in order.
std::vector<std::string> table_rows(const std::vector<std::string> &r, std::size_t header, int first,
                                    int kcol, int kw) {
  std::vector<std::string> rows;
  int k = first;
  for (std::size_t i = header + 1; i < r.size() && i < header + 80 && k <= 10; ++i) {
    const std::string f = field(r[i], kcol, kw);
    if (f.find_first_not_of(' ') != std::string::npos && std::atoi(f.c_str()) == k &&
        f.find_first_not_of(" 0123456789") == std::string::npos) {
      rows.push_back(r[i]);
      ++k;
    }
  }
  return rows;
}

// Compares the results tables of every design of a deck with its CSV files.
int compare_deck(const std::string &path, std::set<std::int32_t> &types_seen) {
  const ExportRun run = run_with_exports(read_file(path), path);
  const std::vector<std::string> r = report_records(run.report);
  std::vector<std::size_t> shears;
  for (std::size_t i = find_record(r, "SHEARS (KIPS) AT SPAN 1/20 POINTS", 0, r.size());
       i != std::string::npos; i = find_record(r, "SHEARS (KIPS) AT SPAN 1/20 POINTS", i + 1, r.size()))
    shears.push_back(i);
  // One CSV per design whose tables are complete, none for a problem that ends in an error line.
  EXPECT_EQ(run.csv.size(), shears.size()) << path;
  if (run.csv.size() != shears.size()) return 0;
  for (std::size_t n = 0; n < shears.size(); ++n) {
    const std::string where = path + " design " + std::to_string(n + 1) + " (" + run.numbers[n] + ")";
    types_seen.insert(run.types[n]);
    const CsvTable t = parse_csv(run.csv[n]);
    if (t.rows.size() != 21u) return ADD_FAILURE() << where << " rows", 0;
    std::size_t moments = std::string::npos;
    for (std::size_t i = 0; i < shears[n]; ++i)
      if (r[i].find("MOMENTS (K-FT.) AT SPAN 1/20 POINTS") != std::string::npos) moments = i;
    if (moments == std::string::npos) return ADD_FAILURE() << where << " no moments table", 0;
    const std::vector<std::string> m = table_rows(r, moments, 1, 5, 2);
    if (m.size() != 10u) return ADD_FAILURE() << where << " moment rows", 0;
    for (int k = 1; k <= 10; ++k)
      for (const Column &c : kLoadColumns)
        expect_cell(field(m[k - 1], c.col, c.w), t.at(k, load_name("M", c)), c,
                    where + " moments k=" + std::to_string(k));
    const std::size_t stress = find_record(r, "STRESS (PSI) AT SPAN 1/20 POINTS", moments, shears[n]);
    if (stress == std::string::npos) {
      for (int k = 0; k <= 10; ++k)
        for (const Column &c : kStressColumns) EXPECT_EQ(t.at(k, c.name), "") << where;
    } else {
      const std::vector<std::string> s = table_rows(r, stress, 1, 2, 5);
      if (s.size() != 10u) return ADD_FAILURE() << where << " stress rows", 0;
      for (int k = 1; k <= 10; ++k)
        for (const Column &c : kStressColumns)
          expect_cell(field(s[k - 1], c.col, c.w), t.at(k, c.name), c,
                      where + " stresses k=" + std::to_string(k));
    }
    const std::vector<std::string> v = table_rows(r, shears[n], 0, 5, 2);
    if (v.size() != 11u) return ADD_FAILURE() << where << " shear rows", 0;
    for (int k = 0; k <= 10; ++k)
      for (const Column &c : kLoadColumns)
        expect_cell(field(v[k], c.col, c.w), t.at(k, load_name("V", c)), c,
                    where + " shears k=" + std::to_string(k));
    const std::size_t defl = find_record(r, "DEAD LOAD DEFLECTIONS (INCHES)", shears[n], r.size());
    if (defl == std::string::npos) return ADD_FAILURE() << where << " no deflection table", 0;
    const std::vector<std::string> d = table_rows(r, defl, 0, 5, 2);
    if (d.size() != 11u) return ADD_FAILURE() << where << " deflection rows", 0;
    for (int k = 0; k <= 10; ++k)
      for (const Column &c : kDeflectionColumns)
        expect_cell(field(d[k], c.col, c.w), t.at(k, c.name), c,
                    where + " deflections k=" + std::to_string(k));
    // The right half holds the dead-load moments of every fortieth point, the rest is empty.
    const ProblemState &st = run.states[n];
    for (int k = 11; k <= 20; ++k) {
      const int j = 2 * k;
      EXPECT_EQ(t.at(k, "M_pload_kft"), exporting::cell_f(1, st.m_pload[j])) << where << " k=" << k;
      EXPECT_EQ(t.at(k, "M_girder_kft"), exporting::cell_f(1, st.m_girder[j])) << where << " k=" << k;
      EXPECT_EQ(t.at(k, "V_girder_kips"), "") << where << " k=" << k;
    }
  }
  return static_cast<int>(shears.size());
}

TEST(CsvAgainstReport, EveryDesignOfEveryDeck) {
  std::set<std::int32_t> types;
  int designs = 0;
  for (const std::string &deck : all_decks()) designs += compare_deck(deck, types);
  EXPECT_GE(designs, 7); // at least those of the example deck
  // The example deck alone holds one problem of each beam type.
  EXPECT_EQ(types, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6}));
}

TEST(CsvAgainstReport, NoCsvForProblemsEndingInAnErrorLine) {
  // A span record of the wrong type, then a problem with an unknown beam type: error lines only.
  const std::string deck = "*B04E001BAD SPAN RECORD\n"
                           "2RB1HS20    5000012501250 900   750 100    2900                36\n"
                           "*B04E002BAD BEAM TYPE\n"
                           "1XX1HS20    5000012501250 900   750 100    2900                36\n";
  const ExportRun run = run_with_exports(deck);
  EXPECT_NE(run.report.find("ERROR"), std::string::npos);
  EXPECT_TRUE(run.csv.empty());
  EXPECT_TRUE(run.svg.empty());
}

} // namespace
} // namespace ss::test
