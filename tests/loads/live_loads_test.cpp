// The live-load step as a whole: dispatch by class, reuse of the state, bad spans.
#include "loads/live_loads.h"

#include <gtest/gtest.h>

#include <cmath>

#include "span.h"

namespace ss {
namespace {

using test::load;
using test::span;

TEST(LiveLoads, RailroadAfterHighwayLeavesNoHighwayValues) {
  auto st = span(60.0f, test::kHS, 20);
  load(*st);
  ASSERT_GT(st->m_truck[10], 0.0f);
  st->live_class = test::kRR;
  st->class_number = 80;
  load(*st);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_truck[k], 0.0f);
    EXPECT_EQ(st->vneg_lane[k], 0.0f);
    EXPECT_EQ(st->v_live_neg[k], 0.0f);
    EXPECT_EQ(st->v_code[k], code_word('R'));
  }
  EXPECT_GT(st->m_rri[10], 0.0f);
}

TEST(LiveLoads, HighwayAfterRailroadLeavesNoRailroadValues) {
  auto st = span(60.0f, test::kRR, 80);
  load(*st);
  st->live_class = test::kH;
  st->class_number = 15;
  load(*st);
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(st->m_rri[k], 0.0f);
  EXPECT_NE(st->m_code[10], code_word('R'));
}

TEST(LiveLoads, UnknownClassLoadsNothing) {
  auto st = span(60.0f, 0, 20);
  load(*st);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_live[k], 0.0f);
    EXPECT_EQ(st->m_code[k], 0);
  }
  EXPECT_GT(st->truck_wheel_load, 0.0f); // the deflection loads do not depend on the class
}

TEST(LiveLoads, SpanThatIsNotPositiveLoadsNothing) {
  for (float length : {0.0f, -125.0f, -10.0f}) {
    for (int live_class : {test::kH, test::kHS, test::kRR}) {
      auto st = span(length, live_class, 20);
      load(*st);
      for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(st->m_live[k], 0.0f);
        EXPECT_EQ(st->v_live_pos[k], 0.0f);
      }
    }
  }
}

TEST(LiveLoads, VeryShortSpanStaysFinite) {
  for (int live_class : {test::kH, test::kHS, test::kRR}) {
    auto st = span(0.001f, live_class, 20);
    load(*st);
    for (int k = 0; k <= 10; ++k) {
      EXPECT_TRUE(std::isfinite(st->m_live[k]));
      EXPECT_TRUE(std::isfinite(st->v_live_pos[k]));
      EXPECT_TRUE(std::isfinite(st->v_live_neg[k]));
    }
  }
}

} // namespace
} // namespace ss
