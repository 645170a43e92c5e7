#pragma once

// The calculation report as a PDF file, for use without any printer: the print dialog's
// "PDFファイル" entry and the command-line checker write it through these. Both need a running
// QGuiApplication (or QApplication), which provides the fonts.

#include "calc/design_record.h"
#include "report/picture_library.h"
#include "report/print_job.h"

#include <QString>

#include <memory>

namespace flange {

// A print job whose pages go into the PDF file at `path` (created or overwritten when the first
// page starts). The pages have no unprintable margin: the origin is the sheet's top-left corner.
// Pictures come from `pictures` when given, else from a library of the job's own.
std::unique_ptr<PrintJob> openPdfFileJob(const QString& path,
                                         std::shared_ptr<PictureLibrary> pictures = nullptr);

// Writes the report of `record` to `path` as two A4 portrait pages, with the same drawing as a
// print run. Returns false when the file could not be written completely.
bool writeReportPdf(const DesignRecord& record, const QString& path,
                    std::shared_ptr<PictureLibrary> pictures = nullptr);

} // namespace flange
