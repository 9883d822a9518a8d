#include "icm.h"
#include "icm_exact.h"
#include "icm_loop_nest.h"
#include "run.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <sstream>
#include <vector>

namespace {

const double kShares[ICM_PLACES] = {0.5, 0.25, 0.125, 0.0625, 0.0625};

using Engine = void (*)(const int*, double*, const double*);

// Players with chips in the first `state.range(0)` seats; the rest are empty. Each run
// also checks that the engine gives the loop nest's bits on its table.
void RunEngine(benchmark::State& state, Engine engine) {
    int chips[ICM_PLAYERS] = {};
    for (int i = 0; i < state.range(0); ++i)
        chips[i] = 1000 + 137 * i;
    double equity[ICM_PLAYERS], want[ICM_PLAYERS];
    LoopNestICMEquity(chips, want, kShares);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chips);
        engine(chips, equity, kShares);
        benchmark::DoNotOptimize(equity);
        benchmark::ClobberMemory();
    }
    if (std::memcmp(equity, want, sizeof want) != 0)
        state.SkipWithError("results differ from the loop nest");
}

void BM_LoopNest(benchmark::State& state) {
    RunEngine(state, LoopNestICMEquity);
}
void BM_ComputeICMEquity(benchmark::State& state) {
    RunEngine(state, ComputeICMEquity);
}
BENCHMARK(BM_LoopNest)->Arg(3)->Arg(6)->Arg(10);
BENCHMARK(BM_ComputeICMEquity)->Arg(3)->Arg(6)->Arg(10);

// The whole-table engine: state.range(0) players, state.range(1) paid places.
void BM_ExactPlaceTable(benchmark::State& state) {
    std::vector<int> chips;
    for (int i = 0; i < state.range(0); ++i)
        chips.push_back(1000 + 137 * i);
    const int places = static_cast<int>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(chips.data());
        const std::vector<double> table = ComputeICMPlaceTable(chips, places);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_ExactPlaceTable)
    ->Args({10, 5})
    ->Args({10, 10})
    ->Args({16, 16})
    ->Args({18, 18})
    ->Args({20, 20})
    ->Args({24, 24})
    ->Unit(benchmark::kMicrosecond);

// Parsing, computing and JSON formatting of a full table, as one call of the tool.
void BM_CommandLineJson(benchmark::State& state) {
    const char* argv[] = {
        "tallyvane-icm", "--chips",       "1500,2300,800,4100,950,3000,1200,600,2750,1900",
        "--payouts",     "40,25,15,12,8", "--pool",
        "25000",         "--json"};
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = RunCommandLine(8, argv, out, err);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_CommandLineJson);

} // namespace
