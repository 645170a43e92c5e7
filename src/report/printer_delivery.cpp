#include "report/printer_delivery.h"

#include <QPrinter>

#ifndef Q_OS_WIN
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>
#endif

namespace flange {

#ifdef Q_OS_WIN

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter>) { return {}; }

#else

namespace {

constexpr int spoolerTimeoutMs = 60'000;

// The spool file of one job, shared by the steps before and after its pages.
struct SpoolJob {
    std::shared_ptr<QPrinter> printer;
    std::unique_ptr<QTemporaryFile> file;
};

bool prepare(SpoolJob& job)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(job.printer->printerName());
    if (info.isNull() || info.state() == QPrinter::Error)
        return false; // gone, or stopped: the job would be held and never printed
    // Not named *.pdf, which would make Qt switch from the printer's format to a plain PDF file.
    job.file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/flange-report-XXXXXX.prn");
    if (!job.file->open())
        return false;
    job.file->close();
    job.printer->setOutputFileName(job.file->fileName());
    return true;
}

bool submit(SpoolJob& job)
{
    QPrinter& printer = *job.printer;
    const QString spoolFile = printer.outputFileName();
    printer.setOutputFileName({});
    QProcess lp;
    lp.start(QStringLiteral("lp"),
             {"-s", "-d", printer.printerName(), "-t", printer.docName(), "-o",
              "media=" + printer.pageLayout().pageSize().key(), "--", spoolFile});
    const bool accepted = lp.waitForFinished(spoolerTimeoutMs) &&
                          lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
    job.file.reset();
    return accepted;
}

} // namespace

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter> printer)
{
    auto job = std::make_shared<SpoolJob>(SpoolJob{std::move(printer), nullptr});
    return {[job] { return prepare(*job); }, [job] { return submit(*job); }};
}

#endif

} // namespace flange
