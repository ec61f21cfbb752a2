// Stations, deflection limit, concentrated loads, uniform dead loads and sidewalk load, checked
// against values worked by hand on spans whose fortieth points are exact binary fractions.
#include "loads/dead_loads.h"

#include <gtest/gtest.h>

#include "span.h"

namespace ss {
namespace {

using test::span;

TEST(Stations, FortiethPointsAccumulateTheQuarterFootStep) {
  auto st = span(10.0f, test::kHS, 20);
  EXPECT_EQ(st->x[0], 0.0f);
  EXPECT_EQ(st->l_minus_x[0], 10.0f);
  EXPECT_EQ(st->x[20], 5.0f); // twenty steps of 0.25 ft, exact
  EXPECT_EQ(st->x[40], 10.0f);
  EXPECT_EQ(st->l_minus_x[40], 0.0f);
  EXPECT_EQ(st->l_minus_x[8], 8.0f);
}

TEST(Stations, AnInexactStepIsAddedNotMultiplied) {
  auto st = span(33.3f, test::kHS, 20);
  const float step = 33.3f / 40.0f;
  float x = 0.0f;
  for (int j = 1; j <= 40; ++j) x = x + step;
  EXPECT_EQ(st->x[40], x);
  EXPECT_EQ(st->l_minus_x[40], 33.3f - x);
  EXPECT_NEAR(st->x[40], 33.3, 1e-4);
}

TEST(DeflectionLimit, WithoutSidewalkLoadIsL800) {
  auto st = span(80.0f, test::kHS, 20);
  st->swll = 0.0f;
  set_deflection_limit(*st);
  EXPECT_FLOAT_EQ(st->allowed_deflection, 1.2f);
  EXPECT_EQ(st->deflection_ratio, 800);
}

TEST(DeflectionLimit, WithSidewalkLoadIsL1000) {
  auto st = span(80.0f, test::kHS, 20);
  st->swll = 0.050f;
  set_deflection_limit(*st);
  EXPECT_FLOAT_EQ(st->allowed_deflection, 0.96f);
  EXPECT_EQ(st->deflection_ratio, 1000);
  st->swll = -0.05f; // a negative sidewalk load does not tighten the limit
  set_deflection_limit(*st);
  EXPECT_EQ(st->deflection_ratio, 800);
}

// One load of 0 kips at x = L, as the driver stores it when NPL = 0.
TEST(ConcentratedLoads, NoLoadGivesZeroEverywhere) {
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 1;
  st->load_x[0] = 40.0f;
  st->load_p[0] = 0.0f;
  st->m_pload.fill(7.0f); // left over from an earlier problem
  st->v_pload.fill(7.0f);
  st->m_pload[0] = 0.0f;
  concentrated_load_effects(*st);
  EXPECT_EQ(st->left_reaction, 0.0f);
  for (int j = 0; j <= 40; ++j) EXPECT_EQ(st->m_pload[j], 0.0f) << j;
  for (int j = 0; j <= 20; ++j) EXPECT_EQ(st->v_pload[j], 0.0f) << j;
}

TEST(ConcentratedLoads, LoadAtMidspanIsNotPassedAtItsOwnStation) {
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 1;
  st->load_x[0] = 20.0f;
  st->load_p[0] = 10.0f;
  concentrated_load_effects(*st);
  EXPECT_EQ(st->left_reaction, 5.0f);
  EXPECT_EQ(st->v_pload[0], 5.0f);
  EXPECT_EQ(st->m_pload[0], 0.0f);
  EXPECT_EQ(st->m_pload[1], 5.0f);
  EXPECT_EQ(st->m_pload[20], 100.0f);
  EXPECT_EQ(st->v_pload[20], 5.0f);
  EXPECT_EQ(st->m_pload[21], 95.0f); // 5*21 - 10*1
  EXPECT_EQ(st->m_pload[30], 50.0f);
  EXPECT_EQ(st->m_pload[40], 0.0f); // right support
}

TEST(ConcentratedLoads, TwoLoadsByStatics) {
  // 10 kips at 10 ft and 20 kips at 30 ft: R = (30*10 + 10*20)/40 = 12.5.
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 2;
  st->load_x[0] = 10.0f;
  st->load_p[0] = 10.0f;
  st->load_x[1] = 30.0f;
  st->load_p[1] = 20.0f;
  concentrated_load_effects(*st);
  EXPECT_EQ(st->left_reaction, 12.5f);
  EXPECT_EQ(st->m_pload[10], 125.0f);
  EXPECT_EQ(st->v_pload[10], 12.5f);
  EXPECT_EQ(st->v_pload[11], 2.5f);
  EXPECT_EQ(st->m_pload[20], 150.0f); // 12.5*20 - 10*10
  EXPECT_EQ(st->m_pload[30], 175.0f); // 12.5*30 - 10*20, the second load not yet passed
  EXPECT_EQ(st->m_pload[35], 87.5f);  // right reaction 17.5 times 5 ft
  EXPECT_EQ(st->m_pload[40], 0.0f);
}

TEST(ConcentratedLoads, LoadsBeyondTheSpanAreNotRejected) {
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 1;
  st->load_x[0] = 50.0f; // beyond the right support: (L - X) is negative
  st->load_p[0] = 10.0f;
  concentrated_load_effects(*st);
  EXPECT_EQ(st->left_reaction, -2.5f);
  EXPECT_EQ(st->m_pload[20], -50.0f);
  EXPECT_EQ(st->v_pload[20], -2.5f);
  EXPECT_EQ(st->m_pload[40], -100.0f);
}

TEST(ConcentratedLoads, LoadOnTheLeftSupportIsPassedAtTheFirstStation) {
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 1;
  st->load_x[0] = 0.0f;
  st->load_p[0] = 10.0f;
  concentrated_load_effects(*st);
  EXPECT_EQ(st->v_pload[0], 10.0f);
  EXPECT_EQ(st->v_pload[1], 0.0f);
  EXPECT_EQ(st->m_pload[1], 0.0f);
  EXPECT_EQ(st->m_pload[20], 0.0f);
}

TEST(ConcentratedLoads, OnlyFortyLoadsAreHeld) {
  auto st = span(40.0f, test::kHS, 20);
  st->npl = 41; // an input error reported by the driver; nothing is read past the array
  st->load_x.fill(20.0f);
  st->load_p.fill(1.0f);
  concentrated_load_effects(*st);
  EXPECT_EQ(st->left_reaction, 20.0f);
  EXPECT_EQ(st->m_pload[20], 400.0f);
}

TEST(DeadLoads, UniformLoadsByStatics) {
  auto st = span(40.0f, test::kHS, 20);
  st->wdlnc = 1.0f;
  st->wdlc = 0.5f;
  dead_load_effects(*st);
  EXPECT_EQ(st->v_noncomp[0], 20.0f);
  EXPECT_EQ(st->v_comp[0], 10.0f);
  EXPECT_EQ(st->m_noncomp[20], 200.0f); // w L^2 / 8
  EXPECT_EQ(st->m_comp[20], 100.0f);
  EXPECT_EQ(st->m_noncomp[10], 150.0f); // 10*30/2
  EXPECT_EQ(st->m_noncomp[30], 150.0f);
  EXPECT_EQ(st->m_noncomp[40], 0.0f);
  EXPECT_EQ(st->v_noncomp[10], 10.0f);
  EXPECT_EQ(st->v_comp[10], 5.0f);
  EXPECT_EQ(st->v_noncomp[20], 0.0f);
  EXPECT_EQ(st->m_noncomp[0], 0.0f);
}

TEST(Sidewalk, LoadOf50PoundsPerFootOn80Feet) {
  auto st = span(80.0f, test::kHS, 20);
  st->swll = 0.050f;
  sidewalk_effects(*st);
  EXPECT_FLOAT_EQ(st->v_sidewalk_pos[0], 2.0f); // full reaction
  EXPECT_EQ(st->v_sidewalk_neg[0], 0.0f);
  EXPECT_EQ(st->m_sidewalk[0], 0.0f);
  EXPECT_FLOAT_EQ(st->m_sidewalk[5], 30.0f);      // 0.025*20*60
  EXPECT_FLOAT_EQ(st->v_sidewalk_pos[5], 1.125f); // 0.025*60^2/80, load right of the station
  EXPECT_FLOAT_EQ(st->v_sidewalk_neg[5], -0.125f);
  EXPECT_FLOAT_EQ(st->m_sidewalk[10], 40.0f); // w L^2 / 8
  EXPECT_FLOAT_EQ(st->v_sidewalk_pos[10], 0.5f);
  EXPECT_FLOAT_EQ(st->v_sidewalk_neg[10], -0.5f);
}

TEST(Sidewalk, NoSidewalkLoadOverwritesAnEarlierProblem) {
  auto st = span(80.0f, test::kHS, 20);
  st->swll = 0.050f;
  sidewalk_effects(*st);
  st->swll = 0.0f;
  sidewalk_effects(*st);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_sidewalk[k], 0.0f) << k;
    EXPECT_EQ(st->v_sidewalk_pos[k], 0.0f) << k;
    EXPECT_EQ(st->v_sidewalk_neg[k], 0.0f) << k;
  }
}

TEST(ClearLiveLoads, EveryResultAndCodeIsCleared) {
  auto st = span(80.0f, test::kHS, 20);
  for (F11 *a : {&st->m_truck, &st->m_lane, &st->m_military, &st->vpos_truck, &st->vpos_lane,
                 &st->vpos_military, &st->vneg_truck, &st->vneg_lane, &st->vneg_military, &st->m_live,
                 &st->v_live_pos, &st->v_live_neg, &st->m_rri, &st->v_rri})
    a->fill(3.0f);
  st->m_code.fill(kTruckCode);
  st->v_code.fill(code_word('R'));
  clear_live_loads(*st);
  for (const F11 *a : {&st->m_truck, &st->m_lane, &st->m_military, &st->vpos_truck, &st->vpos_lane,
                       &st->vpos_military, &st->vneg_truck, &st->vneg_lane, &st->vneg_military, &st->m_live,
                       &st->v_live_pos, &st->v_live_neg, &st->m_rri, &st->v_rri})
    for (float v : *a) EXPECT_EQ(v, 0.0f);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(st->m_code[k], 0);
    EXPECT_EQ(st->v_code[k], 0);
  }
}

} // namespace
} // namespace ss
