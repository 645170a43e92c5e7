// Times the longest calculate action, the one of step D, which recomputes every section.

#include "calc/calculate_actions.h"
#include "worked_example.h"

#include <benchmark/benchmark.h>

namespace {

void calculateWeldsOnWorkedExample(benchmark::State& state)
{
    const auto record = flange::testing::workedExampleInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(flange::calculateWelds(record));
}
BENCHMARK(calculateWeldsOnWorkedExample);

} // namespace

BENCHMARK_MAIN();
