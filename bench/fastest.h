#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

// Adds the fastest of a benchmark's repetitions to its aggregates. On a
// shared machine, other work only ever adds time, and it comes and goes in
// spells of seconds: the fastest of repetitions interleaved at random is the
// steadiest measure of what the work itself costs, and the ratios use it.
inline void withFastest(benchmark::internal::Benchmark *b)
{
    b->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}
