// Times drawing and writing the worked example's calculation report as a PDF file, against the
// least a PDF of the report's shape costs: two pages holding one line of text in the same font.
// Both write to a temporary folder; the report should cost at most twice the bare document.

#include "calc/calculate_actions.h"
#include "report/calculation_report.h"
#include "report/report_pdf.h"
#include "worked_example.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Each report reads its pictures afresh, as the command-line checker's single report does.
void workedExampleReport(benchmark::State& state)
{
    const auto record = flange::calculateWelds(flange::testing::workedExampleInputs()).record;
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    for (auto _ : state) {
        if (!flange::writeReportPdf(record, file))
            state.SkipWithError("the report could not be written");
    }
}
BENCHMARK(workedExampleReport)->Unit(benchmark::kMillisecond);

// The pictures are read once and kept, as the program keeps them between print runs.
void workedExampleReportKeptPictures(benchmark::State& state)
{
    const auto record = flange::calculateWelds(flange::testing::workedExampleInputs()).record;
    const auto pictures = std::make_shared<flange::PictureLibrary>();
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    for (auto _ : state) {
        if (!flange::writeReportPdf(record, file, pictures))
            state.SkipWithError("the report could not be written");
    }
}
BENCHMARK(workedExampleReportKeptPictures)->Unit(benchmark::kMillisecond);

void bareTwoPageDocument(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bare.pdf");
    for (auto _ : state) {
        const auto job = flange::openPdfFileJob(file);
        const bool written =
            job->setPaper(flange::PaperSize::A4, flange::PageOrientation::Portrait)
            && job->setFont(flange::reportFace, 12) && job->setPosition({4000, 500})
            && job->printText("丸型鋼管接合部の処理") && job->newPage() && job->endDocument();
        if (!written)
            state.SkipWithError("the bare document could not be written");
    }
}
BENCHMARK(bareTwoPageDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts and the PDF writer need it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
