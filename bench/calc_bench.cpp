// Times the longest calculate action, the one of step D, which recomputes every section.

#include "calc/calculate_actions.h"

#include <benchmark/benchmark.h>

namespace {

flange::DesignRecord workedExample()
{
    flange::DesignRecord r;
    r.boltSize = "Ｍ27";
    r.boltArea = "5.73";
    r.boltCount = "8";
    r.boltCircleDiameter = "30";
    r.boltAllowableTension = "1.4";
    r.pipeDiameter = "21.63";
    r.flangeDiameter = "40";
    r.ribThickness = "0.9";
    r.ribHeight = "15";
    r.filletSize = "0.6";
    r.weldLength = "15";
    r.shearForce = "5";
    r.bendingMoment = "600";
    r.plateAllowableBending = "1.6";
    r.flangeThickness = "2.2";
    r.allowableShear = "0.9";
    r.alpha0 = "0.12";
    return r;
}

void calculateWeldsOnWorkedExample(benchmark::State& state)
{
    const auto record = workedExample();
    for (auto _ : state)
        benchmark::DoNotOptimize(flange::calculateWelds(record));
}
BENCHMARK(calculateWeldsOnWorkedExample);

} // namespace

BENCHMARK_MAIN();
