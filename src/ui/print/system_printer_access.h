#pragma once

// The printers of the system as Qt sees them (through CUPS), plus
// one more entry at the end of the list, "PDFファイル", which writes the report into a PDF file
// and so works without any printer installed. The current printer starts as the system's default
// (the first printer when there is no default, "PDFファイル" when there is no printer) and lasts
// as long as this object, which the application keeps for its whole run.

#include "ui/print/printer_access.h"

#include <map>
#include <memory>

class QPrinter;

namespace flange {

class PictureLibrary;
class SpoolQueue;

class SystemPrinterAccess final : public PrinterAccess {
public:
    SystemPrinterAccess();
    ~SystemPrinterAccess() override;

    std::vector<PrinterEntry> listPrinters() const override;
    PrinterEntry currentPrinter() const override;
    bool selectPrinter(const QString& deviceName) override;
    void showPrinterProperties(const QString& deviceName, QWidget* owner) override;
    std::unique_ptr<PrintJob> openJob(const QString& pdfFileName) override;

    // The device name of the entry that writes a PDF file.
    static QString pdfFileEntryName();

private:
    std::shared_ptr<QPrinter> printerFor(const QString& deviceName);

    QString current_;
    // The drawings read for the first report, kept for the later ones.
    std::shared_ptr<PictureLibrary> pictures_;
    // One QPrinter per printer used in this run, so that what the user sets in a printer's
    // properties dialog applies to the later print runs on it.
    std::map<QString, std::shared_ptr<QPrinter>> printers_;
    // Hands the printers' jobs to the spooler one after another, for the whole run; a job still
    // waiting for its answer keeps it.
    std::shared_ptr<SpoolQueue> spooler_;
};

} // namespace flange
