#include "adjust/weight_functions.h"

#include <gtest/gtest.h>

#include <array>

#include "app/run_phases.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

struct Provisional {
  PolygonJob job;
  RunTables tables;
};

// The stages up to the weight functions, on the sides given.
Provisional provisional(const PolygonJob& entered, const std::vector<double>& sides) {
  Provisional p{entered, startRun()};
  sizeTables(p.job, p.tables);
  p.job.S = sides;
  knownPointsAndAngles(p.job, p.tables);
  weightFunctions(p.job, p.tables);
  return p;
}

std::array<double, 4> evaluatedCoordinates(const PolygonJob& job) {
  return {job.x[2], job.y[2], job.x[3], job.y[3]};
}

class WeightFunctionTest : public ::testing::TestWithParam<int> {};

TEST_P(WeightFunctionTest, ColumnsAreTheDerivativesOfTheTraverse) {
  const int n = GetParam();
  PolygonJob entered;
  RunTables tables = startRun();
  enterNetwork(testing::makeNetwork(n, 300 + n), entered, tables, 0.003, 9);
  const auto base = provisional(entered, entered.S);
  constexpr double h = 1e-4;
  for (int k = 1; k <= 2 * n - 1; ++k) {
    if (k == 2) continue;  // fixed by the known points
    auto plus = entered.S, minus = entered.S;
    plus[k] += h;
    minus[k] -= h;
    const auto up = evaluatedCoordinates(provisional(entered, plus).job);
    const auto down = evaluatedCoordinates(provisional(entered, minus).job);
    for (int c = 0; c < 4; ++c) {
      const double derivative = (up[c] - down[c]) / (2 * h);
      EXPECT_NEAR(base.tables.T(kFirstWeightFunction + c, k), derivative, 2e-6)
          << "column " << kFirstWeightFunction + c << ", side " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WeightFunctionTest, ::testing::Values(4, 5, 8));

TEST(ProvisionalTraverseTest, ExactSidesReachC) {
  PolygonJob job;
  RunTables tables = startRun();
  const auto network = testing::makeNetwork(7, 12);
  enterNetwork(network, job, tables);
  const auto p = provisional(job, job.S);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_NEAR(p.job.x[k], network.slot(k).x, 1e-6);
    EXPECT_NEAR(p.job.y[k], network.slot(k).y, 1e-6);
    EXPECT_GE(p.tables.legAzimuth[k], 0);
    EXPECT_LT(p.tables.legAzimuth[k], 360);
  }
  EXPECT_EQ(p.job.x[0], 0.0);  // slot 0 is left for the final traverse
}

}  // namespace
}  // namespace korvelin
