// Times Save As and Open of a design file: the encoding and decoding of its 17 texts alone, and
// the whole round through the disk. Opening a file the size of the refusal limit shows that even
// the largest file accepted reads without a noticeable pause.

#include "io/design_file.h"
#include "worked_example.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const flange::DesignInputs& workedExample = flange::testing::workedExampleFile();

void encodeWorkedExample(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(flange::encodeDesignFile(workedExample));
}
BENCHMARK(encodeWorkedExample);

void decodeWorkedExample(benchmark::State& state)
{
    const QByteArray bytes = flange::encodeDesignFile(workedExample).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(flange::decodeDesignFile(bytes));
}
BENCHMARK(decodeWorkedExample);

// A file of the largest size accepted, most of it one unterminated quoted field.
void decodeLargestAcceptedFile(benchmark::State& state)
{
    QByteArray bytes = "\"" + QByteArray(flange::maxDesignFileBytes - 1, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(flange::decodeDesignFile(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(decodeLargestAcceptedFile);

void writeAndReadWorkedExample(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("design.sou");
    for (auto _ : state) {
        if (!flange::writeDesignFile(path, workedExample) || !flange::readDesignFile(path))
            state.SkipWithError("design file round trip failed");
    }
}
BENCHMARK(writeAndReadWorkedExample);

} // namespace

BENCHMARK_MAIN();
