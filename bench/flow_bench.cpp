#include "flow/area_ratio.h"
#include "flow/mach_iteration.h"
#include "flow/texts.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const flow::GasConstants gas = flow::gasConstants();

void BM_AAfM(benchmark::State &state)
{
    double M = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(M);
        benchmark::DoNotOptimize(flow::AAfM(M, gas));
    }
}
BENCHMARK(BM_AAfM);

// The floor of AAfM: the one real power it takes.
void BM_AAfMFloor(benchmark::State &state)
{
    double base = 1.05;
    for (auto _ : state) {
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(std::pow(base, gas.kc3));
    }
}
BENCHMARK(BM_AAfMFloor);

// Both regimes for A2/A* = 2: 6 and 10 steps.
void BM_MachIterationPair(benchmark::State &state)
{
    double AAr = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AAr);
        benchmark::DoNotOptimize(flow::M_iter(AAr, 1, flow::kSubsonic, gas));
        benchmark::DoNotOptimize(flow::M_iter(AAr, 1, flow::kSupersonic, gas));
    }
}
BENCHMARK(BM_MachIterationPair);

// The floor of the pair: its 16 real powers and 10 square roots.
void BM_MachIterationPairFloor(benchmark::State &state)
{
    double x = 1.2;
    for (auto _ : state) {
        for (int i = 0; i < 16; ++i) {
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(std::pow(x, gas.kc3));
        }
        for (int i = 0; i < 10; ++i) {
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(std::sqrt(x));
        }
    }
}
BENCHMARK(BM_MachIterationPairFloor);

} // namespace
