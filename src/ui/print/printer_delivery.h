#pragma once

// How a document drawn on a QPrinter reaches the printer. Qt hands a finished job to CUPS without
// looking at the answer, so a stopped queue or one that rejects jobs would swallow the report in
// silence. Here the job is checked before its first page (a stopped printer refuses to start),
// drawn into a spool file in the printer's own format, checked to be complete (a full temporary
// folder or a file size limit cuts it short), and only then submitted with the CUPS client `lp`,
// whose answer becomes the job's result. When `lp` gives no answer in time the job's fate is
// unknown: it may still be printed. On Windows, Qt's own spooling reports failures itself.

#include "report/painter_print_job.h"

#include <QString>

#include <memory>

class QPrinter;

namespace flange {

// The program that takes spooled jobs and how long its answer is waited for.
struct Spooler {
    QString program = QStringLiteral("lp");
    int answerTimeoutMs = 60'000;
};

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter> printer, Spooler spooler = {});

} // namespace flange
