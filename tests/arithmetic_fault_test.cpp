// Arithmetic faults end a run with a typed error naming the fault and the stage, and leave no
// invalid value in the record.
#include "adjust/arithmetic_fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "adjust/known_points.h"
#include "adjust/normal_equations.h"
#include "adjust/precision.h"
#include "adjust/triangle_angles.h"
#include "app/commands.h"
#include "app/fault_message.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

template <typename Body>
ArithmeticFault faultOf(Body body) {
  try {
    body();
  } catch (const ArithmeticFault& fault) {
    return fault;
  }
  ADD_FAILURE() << "no fault";
  return ArithmeticFault(Fault::Overflow, Stage::KnownPoints, {});
}

struct Sized {
  PolygonJob job;
  RunTables tables;
};

Sized sized(int n) {
  Sized s{{}, startRun()};
  s.job.n = static_cast<std::int16_t>(n);
  sizeTables(s.job, s.tables);
  return s;
}

TEST(ArithmeticFaultTest, SidesThatFormNoTriangleNameTheTriangle) {
  auto s = sized(4);
  for (int i = 1; i <= 9; ++i) s.job.S[i] = 100;
  s.job.S[6] = 250;  // triangle 3: 100, 250, 100
  const auto fault = faultOf([&] { resolveTriangles(s.job, s.tables); });
  EXPECT_EQ(fault.fault(), Fault::CosineOutOfRange);
  EXPECT_EQ(fault.stage(), Stage::TriangleAngles);
  EXPECT_EQ(fault.place().kind, Place::Triangle);
  EXPECT_EQ(fault.place().index, 3);
  const auto message = faultMessage(fault);
  EXPECT_NE(message.find("第 3 个三角形"), std::string::npos) << message;
  EXPECT_NE(message.find("边长 100、250、100"), std::string::npos) << message;
}

TEST(ArithmeticFaultTest, ZeroSideIsAnInvalidOperation) {
  auto s = sized(4);
  for (int i = 1; i <= 9; ++i) s.job.S[i] = 100;
  s.job.S[1] = s.job.S[9] = 0;
  const auto fault = faultOf([&] { resolveTriangles(s.job, s.tables); });
  EXPECT_EQ(fault.place().index, 1);
  EXPECT_EQ(fault.fault(), Fault::InvalidOperation);
}

TEST(ArithmeticFaultTest, A32BitStoreThatOverflows) {
  auto s = sized(4);
  for (int i = 1; i <= 9; ++i) s.job.S[i] = 100;
  s.job.S[5] = 1e39;
  const auto fault = faultOf([&] { closeSideTable(s.job); });
  EXPECT_EQ(fault.fault(), Fault::Overflow);
  EXPECT_EQ(fault.place().kind, Place::Side);
  EXPECT_EQ(fault.place().index, 5);
  EXPECT_EQ(s.job.observedSideCopy[5], 0.0f);  // nothing invalid was written
}

TEST(ArithmeticFaultTest, ZeroPivot) {
  NormalTable G{};
  G[1][1] = 1, G[1][2] = G[2][1] = 2, G[2][2] = 4;  // the second row depends on the first
  std::vector<double> K(4, 0.0);
  const auto fault = faultOf([&] { reduceAndSolve(G, K); });
  EXPECT_EQ(fault.fault(), Fault::DivisionByZero);
  EXPECT_EQ(fault.stage(), Stage::NormalEquations);
  EXPECT_EQ(K[1], 0.0);
}

TEST(ArithmeticFaultTest, NegativeReciprocalWeight) {
  auto s = sized(4);
  auto& N = s.tables.normalTable;
  N[6][6] = 2;
  N[1][6] = 1;
  s.job.K[1] = -2.5;
  const auto fault = faultOf([&] { formReciprocalWeight(s.job, s.tables, 6); });
  EXPECT_EQ(fault.fault(), Fault::NegativeWeight);
  EXPECT_EQ(fault.place().index, 6);
  EXPECT_EQ(s.job.Px2, 0.0);

  // A residue of rounding is 0.
  s.job.K[1] = -2 * (1 + 1e-12);
  formReciprocalWeight(s.job, s.tables, 6);
  EXPECT_EQ(s.job.Px2, 0.0);
  s.job.K[1] = -1.5;
  formReciprocalWeight(s.job, s.tables, 6);
  EXPECT_EQ(s.job.Px2, 0.5);
}

TEST(ArithmeticFaultTest, FourTrianglesTakePointThreeAsC) {
  // With n = 4 point 3 is C, which the known points fix: its reciprocal weights vanish up to
  // rounding, and a residue below zero is not a fault.
  for (unsigned seed = 1; seed <= 20; ++seed) {
    PolygonJob job;
    RunTables tables = startRun();
    testing::enterNetwork(testing::makeNetwork(4, seed), job, tables, 0.003, seed);
    testing::RecordingWindow window;
    calculate(job, tables, window);
    EXPECT_GE(job.Px2, 0.0);
    EXPECT_LT(job.Px2, 1e-6);
    EXPECT_LT(job.Py2, 1e-6);
  }
}

}  // namespace
}  // namespace korvelin
