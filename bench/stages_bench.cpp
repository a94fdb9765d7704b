// The computation stages of a run, everything after the data entry, on generated networks.
// Only calculate() is timed; copying the entered record and its fresh tables is not.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/commands.h"
#include "network_fixture.h"

namespace {

class NullWindow : public korvelin::ResultWindow {
 public:
  void setText(korvelin::TextBox, const std::string& text) override {
    benchmark::DoNotOptimize(text.data());
  }
  void showMessage(korvelin::MessageKind, const std::string&) override {}
};

void BM_Stages(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  korvelin::PolygonJob entered;
  korvelin::RunTables fresh = korvelin::startRun();
  // Sub-millimetre noise keeps the thin triangles of a large n well inside a degree of closure.
  korvelin::testing::enterNetwork(korvelin::testing::makeNetwork(n, 1), entered, fresh, 1e-4, 2);
  NullWindow window;
  korvelin::PolygonJob job;
  korvelin::RunTables tables;
  for (auto _ : state) {
    job = entered;
    tables = fresh;
    const auto start = std::chrono::steady_clock::now();
    korvelin::calculate(job, tables, window);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(job.x.data());
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
}

BENCHMARK(BM_Stages)->Arg(6)->Arg(1000)->Arg(16383)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
