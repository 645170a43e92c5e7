#pragma once

// The calculation report as a PDF file, for use without any printer: the print dialog's
// "PDFファイル" entry and the command-line checker write it through these. Both need a running
// QGuiApplication (or QApplication), which provides the fonts.
//
// The document is drawn into memory and written to the file only when it is complete, through the
// same checked, atomic write as design files: the file at the path is either the whole new report
// or what was there before, never a part of one.

#include "calc/design_record.h"
#include "io/result.h"
#include "report/picture_library.h"
#include "report/print_job.h"

#include <QString>

#include <memory>

namespace flange {

// A print job whose pages go into the PDF file at `path`, written when the document ends (an
// existing file is replaced only then, and only by a complete one). The pages have no unprintable
// margin: the origin is the sheet's top-left corner. Pictures come from `pictures` when given,
// else from a library of the job's own. A target that exists and is not a regular file is refused
// before the first page, without being opened.
std::unique_ptr<PrintJob> openPdfFileJob(const QString& path,
                                         std::shared_ptr<PictureLibrary> pictures = nullptr);

// Writes the report of `record` to `path` as two A4 portrait pages, with the same drawing as a
// print run. Succeeds when the whole file was written; otherwise says why not: NotRegularFile for a
// target that is a folder, pipe, device or socket, Unwritable (with the system's reason where it
// gave one) for any other failure.
Result<void> writeReportPdf(const DesignRecord& record, const QString& path,
                            std::shared_ptr<PictureLibrary> pictures = nullptr);

} // namespace flange
