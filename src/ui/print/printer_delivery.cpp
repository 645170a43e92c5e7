#include "ui/print/printer_delivery.h"

#include "ui/print/spool_queue.h"

#include <QPrinter>

#ifndef Q_OS_WIN
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryFile>
#endif

namespace flange {

#ifdef Q_OS_WIN

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter>, std::shared_ptr<SpoolQueue>)
{
    return {};
}

#else

namespace {

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

// True when the spool file is a whole PDF document: it ends with the end-of-file marker and the
// cross-reference table stands where the trailer says. A write that failed part-way (a full
// folder, a file size limit) leaves a file without its end, or with bytes missing before it.
bool spooledFileWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const qint64 tailSize = qMin<qint64>(file.size(), 1024);
    if (!file.seek(file.size() - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize).trimmed();
    const qsizetype marker = tail.lastIndexOf("startxref");
    if (!tail.endsWith("%%EOF") || marker < 0)
        return false;
    bool isNumber = false;
    const qint64 table =
        tail.mid(marker + 9, tail.size() - 5 - marker - 9).trimmed().toLongLong(&isNumber);
    return isNumber && table >= 0 && table < file.size() && file.seek(table)
           && file.read(4) == "xref";
}

// After the last page: the printer may take the next job, and a spool file that is not whole is
// not sent, since a part of a report is no report.
bool spooledInFull(SpoolJob& job)
{
    job.printer->setOutputFileName({});
    if (spooledFileWhole(job.file->fileName()))
        return true;
    job.file.reset();
    return false;
}

void submit(SpoolJob& job, SpoolQueue& spooler, std::function<void(PrintOutcome)> done)
{
    QPrinter& printer = *job.printer;
    spooler.submit({"-s", "-d", printer.printerName(), "-t", printer.docName(), "-o",
                    "media=" + printer.pageLayout().pageSize().key(), "--", job.file->fileName()},
                   std::move(done));
}

} // namespace

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter> printer,
                                          std::shared_ptr<SpoolQueue> spooler)
{
    auto job = std::make_shared<SpoolJob>(SpoolJob{std::move(printer), nullptr});
    // Whatever was drawn is handed on, also after a failed drawing operation; the spool file
    // lasts until the spooler has answered.
    return {[job] { return prepare(*job); }, [job](bool) { return spooledInFull(*job); },
            [job, spooler](std::function<void(PrintOutcome)> done) {
                submit(*job, *spooler, [job, done = std::move(done)](PrintOutcome outcome) {
                    job->file.reset();
                    done(outcome);
                });
            }};
}

#endif

} // namespace flange
