#include "report/report_pdf.h"

#include "io/atomic_file.h"
#include "report/calculation_report.h"
#include "report/painter_print_job.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

namespace flange {

namespace {

// One device unit per twip keeps every position of the layout exact in the file.
constexpr int pdfResolutionDpi = 1440;

// The document in memory and the file it goes to, shared by the steps around its pages.
struct PdfFile {
    QString path;
    QBuffer memory;
    Result<void> written;
};

// A folder, pipe or device at the target would never take the report: refuse it before drawing.
bool targetAcceptable(PdfFile& file)
{
    const QFileInfo target(file.path);
    if (target.exists() && !target.isFile()) {
        file.written = FileError{.kind = FileErrorKind::NotRegularFile, .path = file.path};
        return false;
    }
    return true;
}

// Only a report drawn in full is written: a part of one is no report.
bool writeOut(PdfFile& file, bool complete)
{
    if (!complete)
        return false;
    file.written = writeFileAtomically(file.path, file.memory.data());
    return file.written.ok();
}

std::unique_ptr<PrintJob> pdfJob(const std::shared_ptr<PdfFile>& file,
                                 std::shared_ptr<PictureLibrary> pictures)
{
    file->memory.open(QIODevice::WriteOnly);
    // The writer only borrows the buffer: it must go first, so it shares ownership of the file.
    auto writer = std::shared_ptr<QPdfWriter>(new QPdfWriter(&file->memory),
                                              [file](QPdfWriter* w) { delete w; });
    writer->setResolution(pdfResolutionDpi);
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer->setTitle(QString::fromUtf8(reportTitle));
    writer->setCreator(QStringLiteral("flangecheck"));
    PainterPrintJob::Delivery delivery{[file] { return targetAcceptable(*file); },
                                       [file](bool complete) { return writeOut(*file, complete); },
                                       {}};
    return std::make_unique<PainterPrintJob>(std::move(writer), std::move(delivery),
                                             std::move(pictures));
}

} // namespace

std::unique_ptr<PrintJob> openPdfFileJob(const QString& path,
                                         std::shared_ptr<PictureLibrary> pictures)
{
    auto file = std::make_shared<PdfFile>();
    file->path = path;
    return pdfJob(file, std::move(pictures));
}

Result<void> writeReportPdf(const DesignRecord& record, const QString& path,
                            std::shared_ptr<PictureLibrary> pictures)
{
    auto file = std::make_shared<PdfFile>();
    file->path = path;
    const auto job = pdfJob(file, std::move(pictures));
    const bool papered = job->setPaper(PaperSize::A4, PageOrientation::Portrait);
    const bool drawn = papered && printCalculationReport(*job, record);
    const bool ended = job->endDocument();
    if (!file->written)
        return file->written;
    if (!drawn || !ended)
        return FileError{.kind = FileErrorKind::Unwritable, .path = path};
    return {};
}

} // namespace flange
