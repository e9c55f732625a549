#include "flow/area_ratio.h"
#include "flow/isentropic.h"
#include "flow/mach_iteration.h"
#include "flow/texts.h"
#include "form_runtime/vector_state.h"

#include "fastest.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const flow::GasConstants gas = flow::gasConstants();

// Each benchmark starts with the vector state the solve command starts with.

void BM_AAfM(benchmark::State &state)
{
    form_runtime::clearUpperVectorState();
    double M = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(M);
        benchmark::DoNotOptimize(flow::AAfM(M, gas));
    }
}
BENCHMARK(BM_AAfM)->Apply(withFastest);

// The floor of AAfM: the one real power it takes.
void BM_AAfMFloor(benchmark::State &state)
{
    form_runtime::clearUpperVectorState();
    double base = 1.05;
    for (auto _ : state) {
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(std::pow(base, gas.kc3));
    }
}
BENCHMARK(BM_AAfMFloor)->Apply(withFastest);

// Both regimes for A2/A* = 2: 6 and 10 steps.
void BM_MachIterationPair(benchmark::State &state)
{
    form_runtime::clearUpperVectorState();
    double AAr = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AAr);
        benchmark::DoNotOptimize(flow::M_iter(AAr, 1, flow::kSubsonic, gas));
        benchmark::DoNotOptimize(flow::M_iter(AAr, 1, flow::kSupersonic, gas));
    }
}
BENCHMARK(BM_MachIterationPair)->Apply(withFastest);

// The floor of the pair: its 16 real powers and 10 square roots, each taking
// the result of the one before, as every step of the iteration takes the last
// iterate.
void BM_MachIterationPairFloor(benchmark::State &state)
{
    form_runtime::clearUpperVectorState();
    double x = 1.2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        for (int i = 0; i < 16; ++i)
            x = std::pow(x, i % 2 ? gas.kc3 : gas.kc4);
        for (int i = 0; i < 10; ++i)
            x = std::sqrt(x * x);
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_MachIterationPairFloor)->Apply(withFastest);

// A look-up of the Stations window: the Mach number from one quantity and the
// whole state at it. p/p0 has a closed form; A/A* on the supersonic branch and
// nu are bisected down to adjacent doubles.
void BM_LookUp(benchmark::State &state)
{
    form_runtime::clearUpperVectorState();
    const auto quantity = flow::Quantity(state.range(0));
    double value = state.range(1) / 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        const std::optional<double> M = flow::machFrom(quantity, value, flow::Branch::Supersonic, gas);
        benchmark::DoNotOptimize(flow::isentropicState(*M, gas));
    }
}
BENCHMARK(BM_LookUp)
    ->ArgNames({"quantity", "value_percent"})
    ->Args({int(flow::Quantity::p_p0), 50})
    ->Args({int(flow::Quantity::A_As), 200})
    ->Args({int(flow::Quantity::nu), 5000})
    ->Apply(withFastest);

} // namespace
