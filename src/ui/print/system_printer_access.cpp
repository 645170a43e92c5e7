#include "ui/print/system_printer_access.h"

#include "report/calculation_report.h"
#include "report/painter_print_job.h"
#include "report/picture_library.h"
#include "report/report_pdf.h"
#include "ui/print/printer_delivery.h"
#include "ui/print/spool_queue.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <QPageSetupDialog>

#include <algorithm>

namespace flange {

namespace {

PrinterEntry entryOf(const QPrinterInfo& info)
{
    return {info.printerName(), info.location(), false};
}

} // namespace

SystemPrinterAccess::SystemPrinterAccess()
    : pictures_(std::make_shared<PictureLibrary>()), spooler_(std::make_shared<SpoolQueue>())
{
    const auto printers = listPrinters();
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    const bool defaultListed = std::ranges::any_of(
        printers, [&](const PrinterEntry& e) { return e.deviceName == systemDefault; });
    current_ = defaultListed ? systemDefault : printers.front().deviceName;
}

SystemPrinterAccess::~SystemPrinterAccess() = default;

QString SystemPrinterAccess::pdfFileEntryName() { return QStringLiteral("PDFファイル"); }

std::vector<PrinterEntry> SystemPrinterAccess::listPrinters() const
{
    std::vector<PrinterEntry> entries;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        entries.push_back(entryOf(info));
    entries.push_back({pdfFileEntryName(), QString(), true});
    return entries;
}

PrinterEntry SystemPrinterAccess::currentPrinter() const
{
    const auto printers = listPrinters();
    const auto it = std::ranges::find(printers, current_, &PrinterEntry::deviceName);
    // A printer removed from the system since it was chosen stays current by its name.
    return it != printers.end() ? *it : PrinterEntry{current_, QString(), false};
}

bool SystemPrinterAccess::selectPrinter(const QString& deviceName)
{
    const auto printers = listPrinters();
    if (std::ranges::find(printers, deviceName, &PrinterEntry::deviceName) == printers.end())
        return false;
    current_ = deviceName;
    return true;
}

void SystemPrinterAccess::showPrinterProperties(const QString& deviceName, QWidget* owner)
{
    // CUPS drivers have no dialog of their own; Qt's page setup dialog edits the printer's
    // settings for this run.
    if (QPrinterInfo::printerInfo(deviceName).isNull())
        return;
    QPageSetupDialog dialog(printerFor(deviceName).get(), owner);
    dialog.exec();
}

std::unique_ptr<PrintJob> SystemPrinterAccess::openJob(const QString& pdfFileName)
{
    if (currentPrinter().toFile)
        return openPdfFileJob(pdfFileName, pictures_);
    auto printer = printerFor(current_);
    printer->setDocName(QString::fromUtf8(reportTitle));
    return std::make_unique<PainterPrintJob>(printer, printerDelivery(printer, spooler_),
                                             pictures_);
}

std::shared_ptr<QPrinter> SystemPrinterAccess::printerFor(const QString& deviceName)
{
    auto& printer = printers_[deviceName];
    if (!printer) {
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(deviceName);
        // No margins of its own: the page model's origin is the corner of the area the printer
        // can print on, whatever margins the printer needs.
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }
    return printer;
}

} // namespace flange
