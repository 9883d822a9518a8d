// The field engine's speed, beside the whole-table engine where both apply, and its accuracy
// against the long-double reference of its tests (counter max_rel_err, where the reference
// takes seconds rather than minutes). Fields: stacks log-uniform over 100:1, payouts falling
// as 1 / m^1.1. The 100,000-player field takes seconds: BM_FieldHuge runs it once (on its own
// with --benchmark_filter=Huge).
#include "icm_exact.h"
#include "icm_field.h"
#include "icm_field_reference.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct SField {
    std::vector<int> chips;
    std::vector<double> shares;
};

SField MakeField(int players, int places) {
    SField field;
    std::mt19937_64 rng(players * 7919 + places);
    for (int i = 0; i < players; ++i)
        field.chips.push_back(static_cast<int>(
            std::lround(1000 * std::pow(100.0, std::ldexp(double(rng() >> 11), -53)))));
    double sum = 0;
    for (int m = 0; m < places; ++m)
        sum += field.shares.emplace_back(1 / std::pow(m + 1.0, 1.1));
    for (double& share : field.shares)
        share /= sum;
    return field;
}

// Largest error relative to the equity, counting 1e-15 of the pool as the floor.
double MaxRelativeError(const std::vector<double>& got, const std::vector<double>& want) {
    double worst = 0;
    for (std::size_t i = 0; i < got.size(); ++i)
        worst = std::max(worst, std::abs(got[i] - want[i]) / std::max(want[i], 1e-5));
    return worst;
}

void BM_Field(benchmark::State& state) {
    const SField field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int nodes = 0;
    std::vector<double> equity;
    for (auto _ : state) {
        const CFieldICM engine(field.chips, field.shares);
        nodes = engine.Nodes();
        equity = engine.Equities();
        benchmark::DoNotOptimize(equity.data());
    }
    state.counters["nodes"] = nodes;
    if (state.range(0) * state.range(1) <= 200000)
        state.counters["max_rel_err"] =
            MaxRelativeError(equity, ReferenceEquities(field.chips, field.shares));
}

void BM_WholeTable(benchmark::State& state) {
    const SField field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<double> equity;
    for (auto _ : state) {
        equity = ComputeICMEquities(field.chips, field.shares);
        benchmark::DoNotOptimize(equity.data());
    }
    state.counters["max_rel_err"] =
        MaxRelativeError(equity, ReferenceEquities(field.chips, field.shares));
}

void FinalTables(benchmark::internal::Benchmark* b) {
    for (const int players : {16, 20, 24})
        for (const int places : {players, 5})
            b->Args({players, places});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_WholeTable)->Apply(FinalTables);
BENCHMARK(BM_Field)->Apply(FinalTables);
BENCHMARK(BM_Field)
    ->Args({100, 15})
    ->Args({1000, 150})
    ->Args({1000, 1000})
    ->Args({10000, 1500})
    ->Unit(benchmark::kMillisecond);

void BM_FieldHuge(benchmark::State& state) {
    BM_Field(state);
}
BENCHMARK(BM_FieldHuge)->Args({100000, 15000})->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
