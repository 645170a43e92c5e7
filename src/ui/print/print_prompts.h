#pragma once

// The questions and messages a print run may put to the user, behind an interface so that
// the print dialog's tests never wait on a modal window.

#include <QString>

#include <optional>

class QWidget;

namespace flange {

class PrintPrompts {
public:
    virtual ~PrintPrompts() = default;

    // Tells the user that the report could not be printed on the named printer.
    virtual void warnPrintFailed(QWidget* owner, const QString& printerName) = 0;
    // Tells the user why the report of this design is not printed at all (a field's text too wide
    // for its place on the page), before any printer or file is chosen.
    virtual void warnReportRefused(QWidget* owner, const QString& reason) = 0;
    // Tells the user that the report was handed to the named printer's queue but no answer came,
    // so it may or may not be printed: the queue should be looked at before printing again.
    virtual void warnPrintStateUnknown(QWidget* owner, const QString& printerName) = 0;
    // Asks for the PDF file to write the report to; nothing when the user cancels.
    virtual std::optional<QString> askPdfFileName(QWidget* owner) = 0;
};

} // namespace flange
