// Bubble matrices beside naive recomputation, and deals of large fields.
#include "icm_bubble.h"
#include "icm_bubble_reference.h"
#include "icm_deal.h"
#include "icm_exact.h"
#include "icm_field.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Stacks spread log-uniformly over 100:1, payouts falling as 1 / m^1.1.
struct Field {
    std::vector<int> chips;
    std::vector<double> shares;
    std::vector<std::size_t> seats;
};

Field MakeField(int players, int paid, int rows) {
    Field field;
    std::mt19937_64 rng(players * 1000 + paid);
    std::uniform_real_distribution<double> exponent(0.0, 2.0);
    for (int i = 0; i < players; ++i)
        field.chips.push_back(static_cast<int>(1000 * std::pow(10.0, exponent(rng))));
    for (int m = 1; m <= paid; ++m)
        field.shares.push_back(1 / std::pow(m, 1.1));
    const double sum = std::accumulate(field.shares.begin(), field.shares.end(), 0.0);
    for (double& share : field.shares)
        share /= sum;
    // The rows: every `players / rows`-th seat, as one's own table in a field.
    for (int r = 0; r < rows; ++r)
        field.seats.push_back(static_cast<std::size_t>(r * (players / rows)));
    return field;
}

std::vector<double> WholeTable(std::span<const int> chips, std::span<const double> shares) {
    return ComputeICMEquities(chips, shares);
}

std::vector<double> FieldEngine(std::span<const int> chips, std::span<const double> shares) {
    return ComputeFieldEquities(chips, shares);
}

// Arguments: players, paid places, rows and columns of the matrix.
void BM_BubbleMatrix(benchmark::State& state) {
    const Field field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  static_cast<int>(state.range(2)));
    for (auto _ : state) {
        const BubbleMatrix matrix = ComputeBubbleMatrix(field.chips, field.shares, field.seats);
        benchmark::DoNotOptimize(matrix.factor.data());
    }
}
BENCHMARK(BM_BubbleMatrix)
    ->Args({10, 5, 10})
    ->Args({10, 10, 10})
    ->Args({24, 24, 24})
    ->Args({1000, 150, 9})
    ->Unit(benchmark::kMillisecond);

// Every all-in from scratch with the whole-table engine: two tables per ordered pair.
void BM_BubbleNaiveWholeTable(benchmark::State& state) {
    const Field field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  static_cast<int>(state.range(2)));
    for (auto _ : state) {
        const std::vector<double> factor =
            ReferenceBubbleFactors(field.chips, field.shares, field.seats, WholeTable);
        benchmark::DoNotOptimize(factor.data());
    }
}
BENCHMARK(BM_BubbleNaiveWholeTable)
    ->Args({10, 5, 10})
    ->Args({10, 10, 10})
    ->Unit(benchmark::kMillisecond);

// The same with the field engine, which takes the larger fields (the whole-table engine
// would spend some 20 minutes on the 24-player matrix).
void BM_BubbleNaiveField(benchmark::State& state) {
    const Field field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  static_cast<int>(state.range(2)));
    for (auto _ : state) {
        const std::vector<double> factor =
            ReferenceBubbleFactors(field.chips, field.shares, field.seats, FieldEngine);
        benchmark::DoNotOptimize(factor.data());
    }
}
BENCHMARK(BM_BubbleNaiveField)
    ->Args({10, 5, 10})
    ->Args({24, 24, 24})
    ->Args({1000, 150, 9})
    ->Unit(benchmark::kMillisecond);

// The three deal columns of a field, from equities already computed.
void BM_Deal(benchmark::State& state) {
    const Field field =
        MakeField(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1);
    const std::vector<double> equity = ComputeFieldEquities(field.chips, field.shares);
    for (auto _ : state) {
        const IcmDeal deal = ComputeIcmDeal(field.chips, equity, field.shares, 100'000'000, 1000);
        benchmark::DoNotOptimize(deal.icm.data());
    }
}
BENCHMARK(BM_Deal)->Args({10000, 1500})->Unit(benchmark::kMillisecond);

} // namespace
