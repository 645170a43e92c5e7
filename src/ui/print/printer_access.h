#pragma once

// Access to the printers of the system: the list of installed printers, the current printer the
// report goes to, the choice of another one, each printer's own properties dialog, and a print job
// on the current printer. The print dialog takes it through its constructor, so tests can stand in
// a fake for the real print system.

#include "report/print_job.h"

#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace flange {

struct PrinterEntry {
    QString deviceName;  // the printer's identity, unique on the system
    QString port;        // where it is attached
    bool toFile = false; // the entry that writes a PDF file: its print run asks for a file name

    bool operator==(const PrinterEntry&) const = default;
};

class PrinterAccess {
public:
    virtual ~PrinterAccess() = default;

    // The installed printers in the system's order.
    virtual std::vector<PrinterEntry> listPrinters() const = 0;
    // The printer the report goes to: the one last selected, else the system's default.
    virtual PrinterEntry currentPrinter() const = 0;
    // Makes the listed printer whose device name equals `deviceName` exactly the current printer;
    // false when there is none.
    virtual bool selectPrinter(const QString& deviceName) = 0;
    // Opens the named printer's own properties dialog, owned by `owner`, and returns when it is
    // closed; does nothing when no printer has that name.
    virtual void showPrinterProperties(const QString& deviceName, QWidget* owner) = 0;
    // A print job on the current printer; `pdfFileName` names the file when the current printer
    // writes a PDF file.
    virtual std::unique_ptr<PrintJob> openJob(const QString& pdfFileName) = 0;
};

} // namespace flange
