#include "ui/print/printer_delivery.h"

#include <QPrinter>

#ifndef Q_OS_WIN
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>
#endif

namespace flange {

#ifdef Q_OS_WIN

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter>, Spooler) { return {}; }

#else

namespace {

using Handover = PainterPrintJob::Handover;

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
bool spooledInFull(const QString& path)
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

Handover submit(SpoolJob& job, const Spooler& spooler)
{
    QPrinter& printer = *job.printer;
    const QString spoolFile = printer.outputFileName();
    printer.setOutputFileName({});
    const auto finished = [&job](Handover handover) {
        job.file.reset();
        return handover;
    };
    if (!spooledInFull(spoolFile))
        return finished(Handover::Failed); // nothing is sent: a part of a report is no report
    QProcess lp;
    lp.start(spooler.program, {"-s", "-d", printer.printerName(), "-t", printer.docName(), "-o",
                               "media=" + printer.pageLayout().pageSize().key(), "--", spoolFile});
    if (!lp.waitForStarted(spooler.answerTimeoutMs))
        return finished(Handover::Failed); // it never ran, so nothing was sent
    if (!lp.waitForFinished(spooler.answerTimeoutMs)) {
        lp.kill();
        lp.waitForFinished(1'000);
        return finished(Handover::Unknown); // it may have queued the job before it hung
    }
    if (lp.exitStatus() != QProcess::NormalExit)
        return finished(Handover::Unknown);
    return finished(lp.exitCode() == 0 ? Handover::Done : Handover::Failed);
}

} // namespace

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter> printer, Spooler spooler)
{
    auto job = std::make_shared<SpoolJob>(SpoolJob{std::move(printer), nullptr});
    // Whatever was drawn is printed, also after a failed drawing operation.
    return {[job] { return prepare(*job); },
            [job, spooler](bool) { return submit(*job, spooler); }};
}

#endif

} // namespace flange
