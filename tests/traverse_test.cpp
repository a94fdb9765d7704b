// The traverse's first legs, A → centre → point 2, shared by the provisional traverse of the
// weight functions and the final coordinates; each stage keeps its own place for a fault.
#include "adjust/traverse.h"

#include <gtest/gtest.h>

#include <limits>

#include "adjust/arithmetic_fault.h"
#include "adjust/coordinates.h"
#include "adjust/weight_functions.h"
#include "app/run_phases.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

struct Resolved {
  testing::TrueNetwork network;
  PolygonJob job;
  RunTables tables;
};

// An exact network up to the angles of its triangles.
Resolved resolved(int n, unsigned seed) {
  Resolved r{testing::makeNetwork(n, seed), {}, startRun()};
  testing::enterNetwork(r.network, r.job, r.tables);
  knownPointsAndAngles(r.job, r.tables);
  return r;
}

Place slotOf(int k) {
  return {Place::Point, k};
}

TEST(TraverseFirstLegsTest, ReachTheCentreAndPointTwo) {
  for (const int n : {4, 9}) {
    auto r = resolved(n, 40 + n);
    traverseFirstLegs(r.job, r.tables, FaultWatch(Stage::Coordinates), slotOf);
    for (int k = 1; k <= 2; ++k) {
      EXPECT_NEAR(r.job.x[k], r.network.slot(k).x, 1e-6) << "n " << n << ", slot " << k;
      EXPECT_NEAR(r.job.y[k], r.network.slot(k).y, 1e-6) << "n " << n << ", slot " << k;
      EXPECT_GE(r.tables.legAzimuth[k], 0);
      EXPECT_LT(r.tables.legAzimuth[k], 360);
    }
  }
}

// A non-finite slot 1 is a fault of the whole weight-function stage, but of point 1 in the final
// coordinates, as each stage has always reported it.
TEST(TraverseFirstLegsTest, EachStageNamesItsOwnPlace) {
  struct Case {
    void (*stage)(PolygonJob&, RunTables&);
    Stage name;
    Place::Kind kind;
    int index;
  };
  for (const Case c : {Case{formWeightFunctions, Stage::WeightFunctions, Place::Whole, 0},
                       Case{computeCoordinates, Stage::Coordinates, Place::Point, 1}}) {
    auto r = resolved(5, 3);
    r.job.xa = std::numeric_limits<double>::infinity();
    try {
      c.stage(r.job, r.tables);
      ADD_FAILURE() << "no fault";
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.stage(), c.name);
      EXPECT_EQ(fault.place().kind, c.kind);
      EXPECT_EQ(fault.place().index, c.index);
    }
  }
}

}  // namespace
}  // namespace korvelin
