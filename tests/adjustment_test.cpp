// Whole adjustments of generated networks: exact sides reproduce the true network, noisy sides
// are corrected so that the conditions close.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "adjust/conditions.h"
#include "adjust/known_points.h"
#include "adjust/normal_equations.h"
#include "adjust/triangle_angles.h"
#include "app/commands.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

using testing::enterNetwork;
using testing::makeNetwork;
using testing::RecordingWindow;

struct Adjusted {
  PolygonJob job;
  RunTables tables;
  RecordingWindow window;
};

Adjusted adjust(const testing::TrueNetwork& network, double noise = 0, unsigned seed = 7) {
  Adjusted run;
  run.tables = startRun();
  enterNetwork(network, run.job, run.tables, noise, seed);
  calculate(run.job, run.tables, run.window);
  return run;
}

// Degrees between the radial sides of triangle i.
double trueCentralAngle(const testing::TrueNetwork& network, int i) {
  const auto direction = [&](testing::Point p) {
    return std::atan2(p.y - network.centre.y, p.x - network.centre.x);
  };
  double angle = (direction(network.Q[i % network.n()]) - direction(network.Q[i - 1])) * 180 /
                 std::numbers::pi;
  return angle < 0 ? angle + 360 : angle;
}

class ExactNetworkTest : public ::testing::TestWithParam<int> {};

TEST_P(ExactNetworkTest, ReproducesTheTrueCoordinates) {
  const int n = GetParam();
  const auto network = makeNetwork(n, 100 + n);
  const auto run = adjust(network);
  for (int k = 0; k < n; ++k) {
    EXPECT_NEAR(run.job.x[k], network.slot(k).x, 1e-6) << "slot " << k;
    EXPECT_NEAR(run.job.y[k], network.slot(k).y, 1e-6) << "slot " << k;
  }
  // The central angles are degrees of the ten-decimal π: an acute angle θ comes out θ·(1 + ε)
  // with ε = π/3.1415926535 − 1, an obtuse one 180 − (180 − θ)·(1 + ε).
  double excess = 0;
  for (int i = 1; i <= n; ++i) {
    const double theta = trueCentralAngle(network, i);
    excess += theta < 90 ? theta : theta - 180;
  }
  EXPECT_NEAR(run.job.w[1], 3600 * excess * (std::numbers::pi / kPi - 1), 2e-7);
  if (n >= 5) {
    EXPECT_NEAR(run.job.w[1], 3.7e-5, 0.05e-5);  // every central angle is acute
  }
  EXPECT_EQ(run.window.text(TextBox::Text10), "0秒");
  EXPECT_LT(std::abs(run.job.w[2]), 1e-3);
  EXPECT_LT(std::abs(run.job.w[3]), 1e-6);
  EXPECT_LT(run.job.ms, 1e-3);
  EXPECT_EQ(run.job.K[3], 0.0);
}

// n = 4 and n = 5 take the short paths of the traverse (no further leg, one further leg).
INSTANTIATE_TEST_SUITE_P(Sizes, ExactNetworkTest, ::testing::Values(4, 5, 6, 7, 12, 100));

TEST(ExactNetworkTest, CentralAnglesExceed360ByTheTenDecimalPi) {
  PolygonJob job;
  RunTables tables = startRun();
  enterNetwork(makeNetwork(6, 1), job, tables);
  knownPointsAndAngles(job, tables);
  EXPECT_NEAR(tables.centralAngleSum, 360 * (std::numbers::pi / kPi), 1e-11);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(tables.angleAtStart[i] + tables.angleAtCentre[i] + tables.angleAtEnd[i], 180,
                1e-12);
  }
  EXPECT_EQ(job.S[13], job.S[1]);
  EXPECT_EQ(job.observedSideCopy[13], static_cast<float>(job.S[1]));
}

// Re-forms w(1), w(2) from the sides now in the record.
std::pair<float, float> misclosuresOf(PolygonJob job) {
  RunTables tables = startRun();
  const auto sides = job.S;
  sizeTables(job, tables);
  job.S = sides;
  knownPointsAndAngles(job, tables);
  formMisclosures(job, tables);
  return {job.w[1], job.w[2]};
}

class NoisyNetworkTest : public ::testing::TestWithParam<int> {};

TEST_P(NoisyNetworkTest, CorrectionsSatisfyTheConditions) {
  const int n = GetParam();
  const auto run = adjust(makeNetwork(n, 200 + n), 0.004, 11 + n);
  const auto& t = run.tables;
  ASSERT_GT(std::abs(run.job.w[1]) + std::abs(run.job.w[2]), 0.1);
  for (int j = kCentralCondition; j <= kFixedAngleCondition; ++j) {
    double sum = 0, scale = std::abs(run.job.w[j]);
    for (int k = 1; k <= 2 * n - 1; ++k) {
      sum += t.T(j, k) * t.v[k];
      scale += std::abs(t.T(j, k) * t.v[k]);
    }
    EXPECT_NEAR(sum + run.job.w[j], 0.0, 1e-9 * scale) << "condition " << j;
  }
  // The fixed sides keep their lengths.
  EXPECT_EQ(t.v[2], 0.0);
  // The adjusted network closes up to second-order terms.
  const auto [w1, w2] = misclosuresOf(run.job);
  EXPECT_LT(std::abs(w1), 1e-3 * std::abs(run.job.w[1]) + 1e-4);
  EXPECT_LT(std::abs(w2), 1e-3 * std::abs(run.job.w[2]) + 1e-4);
  // and C is reached where it is known.
  EXPECT_NEAR(run.job.x[n - 1], run.job.xc, 1e-4);
  EXPECT_NEAR(run.job.y[n - 1], run.job.yc, 1e-4);
  // ms from [vv] over the two independent conditions.
  EXPECT_NEAR(run.job.ms, std::sqrt(t.vv / 2) * 1000, 1e-6 * run.job.ms);
  for (const double p : {run.job.Px1, run.job.Py1, run.job.Px2, run.job.Py2}) EXPECT_GE(p, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, NoisyNetworkTest, ::testing::Values(4, 5, 6, 9, 30));

TEST(NoisyNetworkTest, FixedSideConditionDoesNotDriveTheCorrections) {
  // Up to the normal equations, then once as formed and once with w(3) and column 3 wiped:
  // the corrections agree to the bit, so the rounding residues of the fixed-side condition
  // never reach them.
  PolygonJob job;
  RunTables tables = startRun();
  enterNetwork(makeNetwork(6, 3), job, tables, 0.003, 5);
  testing::RecordingWindow window;
  knownPointsAndAngles(job, tables);
  misclosures(job, tables, window);
  ASSERT_NE(tables.T(kFixedSideCondition, 1), 0.0);
  PolygonJob wipedJob = job;
  RunTables wiped = tables;
  wipedJob.w[3] = 0;
  for (auto& row : wiped.coefficientTable) row[kFixedSideCondition] = 0;
  for (auto* run : {&tables, &wiped}) {
    PolygonJob& j = run == &tables ? job : wipedJob;
    formNormalEquations(*run);
    solveCorrelates(j, *run);
    correctSides(j, *run);
  }
  EXPECT_EQ(job.K[3], 0.0);
  for (int k = 1; k <= 11; ++k) {
    EXPECT_EQ(tables.v[k], wiped.v[k]) << "side " << k;
    EXPECT_EQ(tables.v[k], tables.T(1, k) * job.K[1] + tables.T(2, k) * job.K[2]);
  }
}

TEST(ReduceAndSolveTest, SolvesTheTwoByTwoBlock) {
  NormalTable G{};
  G[1][1] = 4, G[1][2] = G[2][1] = 1, G[2][2] = 3;
  G[1][3] = G[3][1] = 1e-12, G[3][3] = 1e-22;  // the fixed-side residue: not solved
  G[1][4] = 1, G[2][4] = 2;
  std::vector<double> K(4, 99.0);
  reduceAndSolve(G, K);
  // N·K + b = 0: K = −N⁻¹·b = −(1/11)·(3·1 − 1·2, −1·1 + 4·2).
  EXPECT_NEAR(K[1], -1.0 / 11, 1e-15);
  EXPECT_NEAR(K[2], -7.0 / 11, 1e-15);
  EXPECT_EQ(K[3], 0.0);
  EXPECT_EQ(G[1][1], 4.0);  // row 1 is not changed
}

TEST(MisclosureTest, BringsTheAzimuthDifferenceIntoAHalfTurn) {
  struct Case {
    double azimuthBA, angleAtB, azimuthBC;
    float w2;
  } cases[] = {
      {300, 60.0001, 359.9999, 0.72f},  // carried 0.0001 beyond 360 → 0.0001
      {300, 59.9998, 0.0001, -1.08f},   // carried 359.9998, known 0.0001
      {100, 50.001, 150, 3.6f},
  };
  for (const auto& c : cases) {
    PolygonJob job;
    RunTables tables = startRun();
    job.n = 4;
    sizeTables(job, tables);
    tables.azimuthBA = c.azimuthBA;
    tables.azimuthBC = c.azimuthBC;
    tables.angleAtStart[1] = c.angleAtB;
    tables.angleAtEnd[4] = 0;
    for (int i = 1; i <= 4; ++i) tables.angleAtCentre[i] = 90;
    tables.angleAtEnd[1] = 45, tables.angleAtStart[4] = 45;
    formMisclosures(job, tables);
    EXPECT_NEAR(job.w[2], c.w2, 1e-3) << c.azimuthBA << " + " << c.angleAtB;
  }
}

// The whole network turned about B by delta degrees of azimuth.
testing::TrueNetwork turnedAboutB(testing::TrueNetwork network, double delta) {
  const auto B = network.Q[0];
  const double c = std::cos(delta * std::numbers::pi / 180),
               s = std::sin(delta * std::numbers::pi / 180);
  const auto turn = [&](testing::Point& p) {
    const double dx = p.x - B.x, dy = p.y - B.y;
    p = {B.x + dx * c - dy * s, B.y + dx * s + dy * c};
  };
  turn(network.centre);
  for (auto& q : network.Q) turn(q);
  return network;
}

TEST(MisclosureTest, NetworkWithBToCDueNorth) {
  // B → C points north within a hair, so that for one sign of the noise the carried and the
  // known azimuth fall on either side of 0/360.
  int crossed = 0;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    auto network = makeNetwork(6, 40 + seed);
    const auto B = network.Q[0], C = network.Q[5];
    const double azimuthBC = std::atan2(C.y - B.y, C.x - B.x) * 180 / std::numbers::pi;
    network = turnedAboutB(network, 360 - 1e-7 - azimuthBC);
    const auto run = adjust(network, 0.002, seed);
    crossed += (run.tables.carriedAzimuthBC < 180) != (run.tables.azimuthBC < 180);
    EXPECT_LT(std::abs(run.job.w[2]), 60) << seed;
  }
  EXPECT_GT(crossed, 0);
}

}  // namespace
}  // namespace korvelin
