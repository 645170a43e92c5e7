#pragma once

// How a document drawn on a QPrinter reaches the printer. Qt hands a finished job to CUPS without
// looking at the answer, so a stopped queue or one that rejects jobs would swallow the report in
// silence. Here the job is checked before its first page (a stopped printer refuses to start),
// drawn into a spool file in the printer's own format, checked to be complete (a full temporary
// folder or a file size limit cuts it short), and only then submitted to the spooler queue, whose
// answer becomes the job's outcome; the spool file lasts until then. On Windows, Qt's own spooling
// reports failures itself.

#include "report/painter_print_job.h"

#include <memory>

class QPrinter;

namespace flange {

class SpoolQueue;

PainterPrintJob::Delivery printerDelivery(std::shared_ptr<QPrinter> printer,
                                          std::shared_ptr<SpoolQueue> spooler);

} // namespace flange
