// DLSELF: the girder and full-length cover-plate weight diagrams of a uniform load.
#include <memory>

#include <gtest/gtest.h>

#include "deflection/deflection.h"
#include "loads/dead_loads.h"

namespace ss {
namespace {

TEST(Dlself, GirderMomentsAndShearsOfTheBeamWeight) {
  auto st = std::make_unique<ProblemState>();
  st->length = 40.0f; // stations 1 ft apart, exact in binary
  st->wbm = 0.25f;
  set_stations(*st);
  st->m_girder[40] = 123.0f; // point 40 is not written
  DLSELF(*st);
  EXPECT_EQ(st->m_girder[0], 0.0f);
  EXPECT_EQ(st->m_girder[20], 50.0f); // w L^2 / 8
  EXPECT_EQ(st->m_girder[10], 37.5f); // w x (L - x) / 2 = 0.25 * 10 * 30 / 2
  EXPECT_EQ(st->m_girder[39], 4.875f);
  EXPECT_EQ(st->m_girder[40], 123.0f);
  EXPECT_EQ(st->v_girder[0], 5.0f); // w L / 2
  EXPECT_EQ(st->v_girder[8], 3.0f);
  EXPECT_EQ(st->v_girder[20], 0.0f);
}

TEST(Dlself, PlateWeightDiagramsHoldTheReactionThenTheMoments) {
  auto st = std::make_unique<ProblemState>();
  st->length = 40.0f;
  st->wg = 0.48f; // kips per cubic foot
  st->top_plate = {0.0f, 0.75f, 16.0f, 0.0f};
  st->bottom_plate = {0.0f, 1.5f, 12.0f, 0.0f};
  set_stations(*st);
  DLSELF(*st);
  // Top plate: 0.75 * 16 / 144 ft^2 * 0.48 = 0.04 kips/ft; half of it is 0.02.
  EXPECT_FLOAT_EQ(st->m_top_plate[0], 0.8f);  // end reaction 0.04 * 40 / 2
  EXPECT_FLOAT_EQ(st->m_top_plate[20], 8.0f); // 0.04 * 40^2 / 8
  EXPECT_FLOAT_EQ(st->m_top_plate[10], 6.0f); // 0.02 * 10 * 30
  // Bottom plate: 1.5 * 12 / 144 * 0.48 = 0.06 kips/ft.
  EXPECT_FLOAT_EQ(st->m_bot_plate[0], 1.2f);
  EXPECT_FLOAT_EQ(st->m_bot_plate[20], 12.0f);
  // No plate: all zero.
  st->top_plate.width = 0.0f;
  DLSELF(*st);
  for (float v : st->m_top_plate) EXPECT_EQ(v, 0.0f);
}

} // namespace
} // namespace ss
