#include "report/report_pdf.h"

#include "report/calculation_report.h"
#include "report/painter_print_job.h"

#include <QPdfWriter>

namespace flange {

namespace {

// One device unit per twip keeps every position of the layout exact in the file.
constexpr int pdfResolutionDpi = 1440;

} // namespace

std::unique_ptr<PrintJob> openPdfFileJob(const QString& path,
                                         std::shared_ptr<PictureLibrary> pictures)
{
    auto writer = std::make_shared<QPdfWriter>(path);
    writer->setResolution(pdfResolutionDpi);
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer->setTitle(QStringLiteral("丸型鋼管接合部の処理"));
    writer->setCreator(QStringLiteral("flangecheck"));
    return std::make_unique<PainterPrintJob>(std::move(writer), PainterPrintJob::Delivery{},
                                             std::move(pictures));
}

bool writeReportPdf(const DesignRecord& record, const QString& path,
                    std::shared_ptr<PictureLibrary> pictures)
{
    const auto job = openPdfFileJob(path, std::move(pictures));
    const bool papered = job->setPaper(PaperSize::A4, PageOrientation::Portrait);
    const bool drawn = papered && printCalculationReport(*job, record);
    const bool ended = job->endDocument();
    return drawn && ended;
}

} // namespace flange
