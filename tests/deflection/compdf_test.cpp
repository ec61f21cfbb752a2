// COMPDF against the closed forms of a simply supported beam of constant inertia.
#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "deflection/deflection.h"

namespace ss {
namespace {

constexpr double kL = 80.0;      // ft
constexpr double kEread = 29.0;  // thousands of ksi, as read from the deck
constexpr double kI = 20000.0;   // in^4
const float kE = 29.0f / 0.012f; // as stored for deflections

// E*I in kip-ft^2 ... expressed through the program's units: a closed form in kips, ft gives
// inches once multiplied by 1728 / (E * 1000 * I) with E in thousands of ksi.
constexpr double kToInches = 1728.0 / (kEread * 1000.0 * kI);

double station_x(int s) { return s * kL / 40.0; }

struct Beam {
  std::array<float, 40> m{};  // K-FT. at fortieth points 0..39
  std::array<float, 40> in{}; // in^4
  Beam() { in.fill(static_cast<float>(kI)); }
};

Beam uniform_load(double w) {
  Beam b;
  for (int s = 0; s < 40; ++s) b.m[s] = static_cast<float>(w * station_x(s) * (kL - station_x(s)) / 2.0);
  return b;
}

Beam midspan_load(double p) {
  Beam b;
  for (int s = 0; s < 40; ++s) {
    const double x = station_x(s);
    b.m[s] = static_cast<float>(p * (x <= kL / 2 ? x : kL - x) / 2.0);
  }
  return b;
}

TEST(Compdf, UniformLoadMatchesTheElasticCurveAtEveryTwentiethPoint) {
  const double w = 1.2; // kips/ft
  Beam b = uniform_load(w);
  std::array<float, 10> acc{};
  std::array<float, 20> out{};
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), out.data(), kE);
  for (int k = 1; k <= 10; ++k) {
    const double x = k * kL / 20.0;
    const double expected = w * x * (kL * kL * kL - 2 * kL * x * x + x * x * x) / 24.0 * kToInches;
    EXPECT_NEAR(out[k - 1], expected, 2e-5 * expected) << "twentieth point " << k;
  }
  // Midspan: 5 w L^4 / 384 EI.
  EXPECT_NEAR(out[9], 5.0 * w * std::pow(kL, 4) / 384.0 * kToInches, 2e-5 * out[9]);
}

TEST(Compdf, MidspanPointLoadMatchesPL3Over48EI) {
  const double p = 25.0; // kips
  Beam b = midspan_load(p);
  std::array<float, 10> acc{};
  std::array<float, 20> out{};
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), out.data(), kE);
  EXPECT_NEAR(out[9], p * kL * kL * kL / 48.0 * kToInches, 2e-5 * out[9]);
  for (int k = 1; k <= 10; ++k) {
    const double x = k * kL / 20.0; // left of the load: P x (3L^2 - 4x^2) / 48EI
    const double expected = p * x * (3 * kL * kL - 4 * x * x) / 48.0 * kToInches;
    EXPECT_NEAR(out[k - 1], expected, 2e-5 * expected) << "twentieth point " << k;
  }
}

TEST(Compdf, HalvingTheInertiaOfTheWholeSpanDoublesTheDeflections) {
  Beam b = uniform_load(1.0);
  Beam soft = b;
  for (float &v : soft.in) v = v / 2.0f;
  std::array<float, 10> acc{};
  std::array<float, 20> stiff_out{}, soft_out{};
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), stiff_out.data(), kE);
  COMPDF(soft.m.data(), soft.in.data(), acc.data(), static_cast<float>(kL), soft_out.data(), kE);
  for (int k = 0; k < 10; ++k) EXPECT_NEAR(soft_out[k], 2.0f * stiff_out[k], 1e-6f * soft_out[k]);
}

TEST(Compdf, AddsEachDeflectionToTheRunningTotal) {
  Beam b = uniform_load(1.0);
  std::array<float, 10> acc{};
  acc.fill(0.25f);
  std::array<float, 20> out{};
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), out.data(), kE);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(acc[k], out[k] + 0.25f);
}

TEST(Compdf, ZeroMomentsGiveZeroDeflectionsAndLeaveTheTotalAlone) {
  Beam b;
  std::array<float, 10> acc{};
  acc.fill(1.5f);
  std::array<float, 20> out;
  out.fill(7.0f);
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), out.data(), kE);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(out[k], 0.0f);
    EXPECT_EQ(acc[k], 1.5f);
  }
}

TEST(Compdf, TheMomentsAtTheSupportAreNeverRead) {
  Beam b = uniform_load(1.0);
  Beam poked = b;
  poked.m[0] = 1e30f;
  poked.in[0] = 0.0f;
  std::array<float, 10> acc{};
  std::array<float, 20> out{}, poked_out{};
  COMPDF(b.m.data(), b.in.data(), acc.data(), static_cast<float>(kL), out.data(), kE);
  COMPDF(poked.m.data(), poked.in.data(), acc.data(), static_cast<float>(kL), poked_out.data(), kE);
  EXPECT_EQ(out, poked_out);
}

TEST(Compdf, InPlaceCallEqualsTheSeparateCallBitForBit) {
  // A varying inertia and an unsymmetric diagram, so that every element matters.
  Beam b;
  for (int s = 0; s < 40; ++s) {
    b.m[s] = static_cast<float>(s * (45 - s)) * 0.37f + (s % 3 == 0 ? 1.0f : 0.0f);
    b.in[s] = 9000.0f + 150.0f * static_cast<float>(s % 7);
  }
  std::array<float, 10> acc1{}, acc2{};
  std::array<float, 20> out{};
  COMPDF(b.m.data(), b.in.data(), acc1.data(), static_cast<float>(kL), out.data(), kE);
  std::array<float, 40> same = b.m;
  COMPDF(same.data(), b.in.data(), acc2.data(), static_cast<float>(kL), same.data(), kE);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(same[i], out[i]) << "element " << i;
  EXPECT_EQ(acc1, acc2);
  for (int i = 20; i < 40; ++i) EXPECT_EQ(same[i], b.m[i]) << "element " << i << " is not part of the result";
}

} // namespace
} // namespace ss
