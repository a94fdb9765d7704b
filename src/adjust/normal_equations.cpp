#include "adjust/normal_equations.h"

#include <array>

#include "adjust/arithmetic_fault.h"

namespace korvelin {
namespace {

constexpr int kColumns = kLastWeightFunction;
constexpr int kRightHandSide = 4;

}  // namespace

void formNormalEquations(RunTables& tables) {
  const FaultWatch watch(Stage::NormalEquations);
  const int sides = static_cast<int>(tables.coefficientTable.size()) - 2;  // 2n
  // The 28 distinct sums run side by side, each over k = 1 … 2n in ascending order. Columns 2
  // to 7 vanish on all but a handful of sides, and a product of 0 leaves a sum of finite terms
  // unchanged to the bit (it never turns a +0 into −0), so those sides add only to N(1, 1).
  std::array<double, kColumns*(kColumns + 1) / 2> sums{};
  double centralSquares = 0;
  for (int k = 1; k <= sides; ++k) {
    const auto& row = tables.coefficientTable[k];
    if (row[2] == 0 && row[3] == 0 && row[4] == 0 && row[5] == 0 && row[6] == 0 && row[7] == 0) {
      centralSquares += row[1] * row[1];
      continue;
    }
    sums[0] = centralSquares;
    int p = 0;
    for (int i = 1; i <= kColumns; ++i) {
      for (int j = i; j <= kColumns; ++j) sums[p++] += row[i] * row[j];
    }
    centralSquares = sums[0];
  }
  sums[0] = centralSquares;
  int p = 0;
  for (int i = 1; i <= kColumns; ++i) {
    for (int j = i; j <= kColumns; ++j) {
      const double sum = watch.checked(sums[p++]);
      tables.normalTable[i][j] = tables.normalTable[j][i] = sum;
      tables.workTable[i][j] = tables.workTable[j][i] = sum;
    }
  }
  watch.check();
}

void reduceAndSolve(NormalTable& G, std::vector<double>& K) {
  const FaultWatch watch(Stage::NormalEquations);
  constexpr int m = kSolvedConditions;
  const auto reduce = [&G](int i, int j) {
    double value = G[i][j];
    for (int pivot = 1; pivot <= i - 1; ++pivot) {
      value = value - (G[pivot][i] * G[pivot][j]) / G[pivot][pivot];
    }
    G[i][j] = value;
  };
  for (int i = 2; i <= m; ++i) {
    for (int j = i; j <= m; ++j) reduce(i, j);
    reduce(i, kRightHandSide);
  }
  std::array<double, m + 1> solution{};
  for (int i = m; i >= 1; --i) {
    double acc = G[i][kRightHandSide];
    for (int j = i + 1; j <= m; ++j) acc = acc + G[i][j] * solution[j];
    if (G[i][i] == 0) watch.fail(Fault::DivisionByZero, {Place::Pivot, i});
    solution[i] = watch.checked((-acc) / G[i][i]);
  }
  watch.check();
  for (int i = 1; i < static_cast<int>(K.size()); ++i) K[i] = i <= m ? solution[i] : 0.0;
}

void solveWeightFunctionPass(PolygonJob& job, RunTables& tables, int c) {
  reduceAndSolve(tables.workTable, job.K);
  if (c == kLastWeightFunction) return;
  for (int i = 1; i <= kFixedSideCondition; ++i) {
    for (int j = 1; j <= kFixedSideCondition; ++j) {
      tables.workTable[i][j] = tables.normalTable[i][j];
      tables.workTable[j][i] = tables.normalTable[j][i];
    }
  }
  for (int i = 1; i <= kFixedSideCondition; ++i) {
    tables.workTable[i][kRightHandSide] = tables.normalTable[i][c + 1];
  }
}

void solveCorrelates(PolygonJob& job, RunTables& tables) {
  for (int i = 1; i <= kFixedSideCondition; ++i) {
    tables.normalTable[i][kRightHandSide] = job.w[i];
  }
  reduceAndSolve(tables.normalTable, job.K);
}

void correctSides(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::NormalEquations);
  const double K1 = job.K[1], K2 = job.K[2];
  tables.vv = 0;
  for (int k = 1; k <= 2 * job.n - 1; ++k) {
    const double v = tables.T(kCentralCondition, k) * K1 + tables.T(kFixedAngleCondition, k) * K2;
    tables.v[k] = v;
    job.S[k] = watch.checked(job.S[k] + v, {Place::Side, k});
    tables.vv = tables.vv + v * v;
  }
  tables.vv = watch.checked(tables.vv);
  watch.check();
}

}  // namespace korvelin
