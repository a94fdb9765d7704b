#include "adjust/known_points.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "adjust/triangle_angles.h"

namespace korvelin {
namespace {

const double F = kPi / 180;

struct AzimuthCase {
  double dx, dy;
  double low, high;  // the azimuth lies in [low, high]
};

std::ostream& operator<<(std::ostream& out, const AzimuthCase& c) {
  return out << "dx " << c.dx << " dy " << c.dy;
}

class AzimuthTest : public ::testing::TestWithParam<AzimuthCase> {};

TEST_P(AzimuthTest, LiesInItsQuadrant) {
  const auto& c = GetParam();
  const double a = azimuth(c.dx, c.dy, distance(c.dx, c.dy), F);
  EXPECT_GE(a, c.low) << c.dx << ", " << c.dy;
  EXPECT_LE(a, c.high) << c.dx << ", " << c.dy;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AzimuthTest,
    ::testing::Values(AzimuthCase{5, 0, 0, 0}, AzimuthCase{0, 5, 90, 90},
                      AzimuthCase{-5, 0, 180, 180}, AzimuthCase{0, -5, 270, 270},
                      AzimuthCase{0, 0, 270, 270}, AzimuthCase{3, 3, 45 - 1e-6, 45 + 1e-6},
                      AzimuthCase{-3, 3, 135 - 1e-6, 135 + 1e-6},
                      AzimuthCase{-3, -3, 225 - 1e-6, 225 + 1e-6},
                      AzimuthCase{3, -3, 315 - 1e-6, 315 + 1e-6},
                      AzimuthCase{1, -1e-9, 359.9999, 360 - 1e-12},
                      // dx so small beside dy that s rounds to 1: ±90 without dividing by 0.
                      AzimuthCase{1e-9, 1000, 90, 90}, AzimuthCase{-1e-9, -1000, 270, 270}));

TEST(TriangleAngleTest, ResolvesRightObtuseAndAcuteAngles) {
  // 3-4-5: the cosine is exactly 0.
  EXPECT_EQ(cosineOfAngle(3, 4, 5), 0.0);
  EXPECT_EQ(angleFromCosine(0.0, F), 90.0);
  EXPECT_NEAR(angleFromCosine(-0.5, F), 120.0, 1e-8);
  EXPECT_NEAR(angleFromCosine(0.5, F), 60.0, 1e-8);
  EXPECT_GT(angleFromCosine(-0.999, F), 170.0);
}

struct SidesCase {
  double p, q, r;
  bool triangle;
};

std::ostream& operator<<(std::ostream& out, const SidesCase& c) {
  return out << c.p << " " << c.q << " " << c.r;
}

class FormsTriangleTest : public ::testing::TestWithParam<SidesCase> {};

TEST_P(FormsTriangleTest, NeedsThreeSidesThatClose) {
  const auto& c = GetParam();
  EXPECT_EQ(formsTriangle(c.p, c.q, c.r), c.triangle) << c.p << " " << c.q << " " << c.r;
}

INSTANTIATE_TEST_SUITE_P(Cases, FormsTriangleTest,
                         ::testing::Values(SidesCase{3, 4, 5, true}, SidesCase{1, 1, 1.999, true},
                                           SidesCase{1, 1, 2, false}, SidesCase{1, 1, 3, false},
                                           SidesCase{3, 1, 1, false}, SidesCase{0, 1, 1, false},
                                           SidesCase{-1, 2, 2, false},
                                           SidesCase{1e-6, 1e-6, 1e-6, true},
                                           SidesCase{1e7, 1e7, 1e7, true},
                                           SidesCase{1e200, 1e200, 1e200, false}));

// S(2) and S(2n) have one form, shared by the data entry's triangle check and the stage.
TEST(KnownSidesTest, FromTheKnownPointsAsTheStageStoresThem) {
  PolygonJob job;
  RunTables tables = startRun();
  job.n = 4;
  sizeTables(job, tables);
  job.xa = 103, job.ya = 204, job.xb = 100, job.yb = 200, job.xc = 94, job.yc = 192;
  EXPECT_EQ(sideBA(job), 5.0);
  EXPECT_EQ(sideBC(job), 10.0);
  resolveKnownPoints(job, tables);
  EXPECT_EQ(job.S[2], sideBA(job));
  EXPECT_EQ(job.S[8], sideBC(job));
}

}  // namespace
}  // namespace korvelin
