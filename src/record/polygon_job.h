#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvelin {

// π with ten decimals. Every angle of a run is formed with it, which is why an exact network
// closes its central angles with w(1) ≈ +3.7e-5 seconds instead of 0.
inline constexpr double kPi = 3.1415926535;
// Seconds of arc per radian, an integer as the coefficients of the conditions use it.
inline constexpr int kRho = 206265;

inline constexpr std::int16_t kMinTriangles = 4;
// 2n + 1 must still be a 16-bit index of the side table.
inline constexpr std::int16_t kMaxTriangles = 16383;

// Columns of the coefficient table T(j, k): 1..3 the conditions, 4..7 the weight functions of
// x(2), y(2), x(3), y(3).
inline constexpr int kCentralCondition = 1;
inline constexpr int kFixedAngleCondition = 2;
inline constexpr int kFixedSideCondition = 3;
inline constexpr int kFirstWeightFunction = 4;
inline constexpr int kLastWeightFunction = 7;

// The calculation record. Point slots: 0 = A, 1 = centre, 2 … n−2 the new peripheral points,
// n−1 = C; B has no slot. Sides: S(2j+1) centre–Q(j) (radial), S(2j) Q(j−1)–Q(j) (peripheral),
// S(2) = B–A and S(2n) = C–B fixed, S(2n+1) = S(1). Triangle i has S(2i−1), S(2i), S(2i+1).
struct PolygonJob {
  double xa = 0, ya = 0;
  double xb = 0, yb = 0;
  double xc = 0, yc = 0;
  std::int16_t n = 0;
  std::int16_t conditionCount = 0;
  float ms = 0;
  double Px1 = 0, Py1 = 0;
  double Px2 = 0, Py2 = 0;
  float mx1 = 0, my1 = 0, md1 = 0;
  float mx2 = 0, my2 = 0, md2 = 0;
  std::vector<double> S;                // 0 … 2n+1: observed, from the corrections on adjusted
  std::vector<float> observedSideCopy;  // 0 … 2n+1: the observed sides as 32-bit values
  std::vector<std::string> pointNames;  // 0 … n−1, UTF-8 as typed
  std::vector<float> w;                 // 0 … conditionCount
  std::vector<double> K;                // 0 … conditionCount
  std::vector<double> x, y;             // 0 … n−1
};

using NormalTable = std::array<std::array<double, 8>, 8>;

// Working data of one run: created with the sizing step, every entry 0, dropped at the run's end.
struct RunTables {
  double degreeFactor = 0;  // F = π/180, formed once per run
  double azimuthBA = 0, azimuthBC = 0;
  double centralAngleSum = 0;
  double carriedAzimuthBC = 0, carriedSideBC = 0;
  std::vector<double> angleAtStart;      // 0 … n+1
  std::vector<double> angleAtEnd;        // 0 … n
  std::vector<double> angleAtCentre;     // 0 … n
  std::vector<double> heightFromCentre;  // 0 … n
  std::vector<double> heightFromStart;   // 0 … n
  std::vector<double> heightFromEnd;     // 0 … n
  std::vector<double> legAzimuth;        // 0 … n−1
  // T(j, k) is coefficientTable[k][j]: one row of eight columns per side k = 0 … 2n+1, so that
  // the normal sums run through the sides once.
  std::vector<std::array<double, 8>> coefficientTable;
  NormalTable workTable{};
  NormalTable normalTable{};
  std::vector<double> v;  // 0 … 2n−1, metres
  double vv = 0;          // [vv]

  double& T(int j, int k) { return coefficientTable[k][j]; }
  double T(int j, int k) const { return coefficientTable[k][j]; }
};

// The constants of a run, set before its first prompt.
RunTables startRun();

// Sizing step, right after n is known: conditionCount := 3 and every table of the record and of
// the run is created anew for this n, discarding the previous run's entries.
void sizeTables(PolygonJob& job, RunTables& tables);

}  // namespace korvelin
