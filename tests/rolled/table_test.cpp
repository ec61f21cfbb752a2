// The section table and the small tables: order, spot rows, steel index and allowable stresses.
#include <gtest/gtest.h>

#include "rolled/section_table.h"

namespace ss {
namespace {

TEST(RolledTable, RowsComeInDepthGroupsInTableOrder) {
  const struct {
    std::int32_t depth, first, last;
  } groups[] = {{18, 1, 23},  {21, 24, 41},  {24, 42, 62},   {27, 63, 78},
                {30, 79, 94}, {33, 95, 107}, {36, 108, 125}, {40, 126, 143}};
  for (const auto &g : groups)
    for (std::int32_t r = g.first; r <= g.last; ++r) EXPECT_EQ(rolled_row(r).depth, g.depth) << r;
  // Weights are not strictly rising within a depth: 21 WF 48 follows 21 WF 57.
  EXPECT_EQ(rolled_row(26).weight, 57);
  EXPECT_EQ(rolled_row(27).weight, 48);
}

TEST(RolledTable, SpotRowsHoldTheirDesignationAndProperties) {
  const RolledRow &r9 = rolled_row(9); // 18 WF 76, printed as row 9
  EXPECT_EQ(r9.depth, 18);
  EXPECT_EQ(r9.weight, 76);
  EXPECT_EQ(r9.area, 22.3f);
  EXPECT_EQ(r9.d, 18.2f);
  EXPECT_EQ(r9.bf, 11.0f);
  EXPECT_EQ(r9.tf, 0.68f);
  EXPECT_EQ(r9.tw, 0.425f);
  EXPECT_EQ(r9.inertia, 1330.0f);
  const RolledRow &r143 = rolled_row(143); // the last row any search visits
  EXPECT_EQ(r143.depth, 40);
  EXPECT_EQ(r143.weight, 431);
  EXPECT_EQ(r143.inertia, 34800.0f);
  EXPECT_EQ(rolled_row(1).weight, 35);
  EXPECT_EQ(rolled_row(62).area, 109.0f);
}

TEST(RolledTable, Steel441IndexTurnsOnFlangesWiderThan15AndAHalf) {
  // 30 WF 357 has a flange exactly 15.5 in wide: index 1, 27 ksi.
  EXPECT_EQ(rolled_row(93).bf, 15.5f);
  EXPECT_EQ(steel_index(441, rolled_row(93).bf), 1);
  EXPECT_EQ(allowable_stress(steel_index(441, rolled_row(93).bf)), 27.0f);
  // 40 WF 397, 16.1 in: index 2, 25 ksi.
  EXPECT_EQ(steel_index(441, rolled_row(142).bf), 2);
  EXPECT_EQ(allowable_stress(steel_index(441, rolled_row(142).bf)), 25.0f);
}

TEST(RolledTable, OtherSteelsTakeTheirFixedIndex) {
  EXPECT_EQ(steel_index(572, 16.5f), 1);
  EXPECT_EQ(steel_index(588, 6.0f), 1);
  EXPECT_EQ(steel_index(36, 16.5f), 4);
  EXPECT_EQ(allowable_stress(4), 20.0f);
  EXPECT_EQ(steel_index(50, 10.0f), 4);
  EXPECT_EQ(steel_index(0, 10.0f), 4);
  EXPECT_EQ(allowable_stress(3), 23.0f); // in the table, never produced by the rule
  for (const std::int32_t steel : {0, 36, 50, 441, 572, 588})
    for (std::int32_t r = 1; r <= kRolledRowCount; ++r) EXPECT_NE(steel_index(steel, rolled_row(r).bf), 3);
}

TEST(RolledTable, EveryDepthGroupStartsAtRowOne) {
  for (std::int32_t g = -3; g <= 12; ++g) EXPECT_EQ(depth_group_start(g), 1) << g;
}

TEST(RolledTable, FatigueAndWeldTables) {
  EXPECT_EQ(fatigue_range(1), 8.0f);
  EXPECT_EQ(fatigue_range(2), 12.5f);
  EXPECT_EQ(fatigue_range(3), 21.0f);
  EXPECT_EQ(weld_stress_limit(1), 14.7f);
  EXPECT_EQ(weld_stress_limit(4), 12.4f);
  EXPECT_EQ(weld_class_factor(1, 1), 1.0f);
  EXPECT_EQ(weld_class_factor(2, 1), 1.08f);
  EXPECT_EQ(weld_class_factor(2, 2), 1.06f);
  EXPECT_EQ(weld_class_factor(2, 3), 1.03f);
  EXPECT_EQ(weld_class_factor(2, 4), 1.0f);
  for (std::int32_t s = 1; s <= 4; ++s) EXPECT_EQ(weld_class_factor(3, s), 1.0f) << s; // railroad
  EXPECT_EQ(weld_stress_base(1), 9.0f);
  EXPECT_EQ(weld_stress_base(2), 10.8f);
  EXPECT_EQ(weld_stress_base(3), 12.0f);
  EXPECT_EQ(weld_ratio_factor(1), 0.62f);
  EXPECT_EQ(weld_ratio_factor(2), 0.55f);
  EXPECT_EQ(weld_ratio_factor(3), 0.5f);
}

} // namespace
} // namespace ss
