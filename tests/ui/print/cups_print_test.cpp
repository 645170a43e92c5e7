// Printing through the real print system. The CUPS queues come from scripts/cups-test-printer:
// "flange-test-pdf" turns each job into a PDF file in a known folder, "flange-test-stopped" is
// stopped and "flange-test-rejecting" rejects jobs. Tests that need a queue skip without it.

#include "pdf_tools.h"
#include "print_dialog_harness.h"
#include "report/system_printer_access.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace flange;
using namespace flange::testing;

namespace {

const QString printingQueue = "flange-test-pdf";
const QString queueOutputFolder = "/var/spool/cups-pdf/flange-test";

bool queueInstalled(const QString& name) { return !QPrinterInfo::printerInfo(name).isNull(); }

// The PDF files in a folder with the time each was last written. cups-pdf names a file after the
// job's title, so a new report may replace an earlier one of the same name.
QMap<QString, QDateTime> pdfFilesIn(const QString& folder)
{
    QMap<QString, QDateTime> files;
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files))
        files.insert(file.absoluteFilePath(), file.lastModified());
    return files;
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printOnAQueueArrivesAsTwoA4Pages();
    void refusingQueueWarnsAndKeepsTheDialogOpen_data();
    void refusingQueueWarnsAndKeepsTheDialogOpen();
    void pdfFileEntryWritesTheReport();
    void propertiesOfNoPrinterOpenNothing();

private:
    void openAndPrintOn(const QString& printer);

    PrintDialogHarness ui_;
    std::unique_ptr<SystemPrinterAccess> printers_;
};

void CupsPrintTest::init()
{
    ui_.start();
    printers_ = std::make_unique<SystemPrinterAccess>();
}

void CupsPrintTest::cleanup() { ui_.finish(); }

void CupsPrintTest::openAndPrintOn(const QString& printer)
{
    ui_.open(*printers_);
    QVERIFY2(ui_.choose(printer), qPrintable(printer));
    QCOMPARE(printers_->currentPrinter().deviceName, printer);
    ui_.press("Command1");
}

void CupsPrintTest::printOnAQueueArrivesAsTwoA4Pages()
{
    if (!queueInstalled(printingQueue))
        QSKIP("no CUPS queue flange-test-pdf: run scripts/cups-test-printer first");
    if (!havePdfTools())
        QSKIP("poppler-utils are not installed");
    const auto before = pdfFilesIn(queueOutputFolder);

    openAndPrintOn(printingQueue);
    QVERIFY2(ui_.prompts.warnedPrinters.isEmpty(), "the queue accepted the job");
    QVERIFY(!ui_.dialog || !ui_.dialog->isVisible());
    QVERIFY(ui_.mainWindow->isEnabled());

    // cups-pdf writes the file a moment later; wait until a new one reads as a whole PDF.
    QString arrived;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const auto now = pdfFilesIn(queueOutputFolder);
            for (auto it = now.begin(); it != now.end(); ++it)
                if (before.value(it.key()) != it.value() && pdfPageCount(it.key()) > 0)
                    arrived = it.key();
            return !arrived.isEmpty();
        }(),
        120'000);
    QCOMPARE(pdfPageCount(arrived), 2);
    for (const QString& size : pdfPageSizes(arrived))
        QVERIFY2(size.contains("(A4)"), qPrintable(size));
    QFile::remove(arrived);
}

void CupsPrintTest::refusingQueueWarnsAndKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("queue");
    QTest::newRow("stopped") << "flange-test-stopped";
    QTest::newRow("rejecting jobs") << "flange-test-rejecting";
}

void CupsPrintTest::refusingQueueWarnsAndKeepsTheDialogOpen()
{
    QFETCH(QString, queue);
    if (!queueInstalled(queue))
        QSKIP("the refusing CUPS queues are missing: run scripts/cups-test-printer first");

    openAndPrintOn(queue);
    QCOMPARE(ui_.prompts.warnedPrinters, QStringList{queue});
    QVERIFY(ui_.dialog && ui_.dialog->isVisible());
    QVERIFY(!ui_.mainWindow->isEnabled());
}

void CupsPrintTest::pdfFileEntryWritesTheReport()
{
    if (!havePdfTools())
        QSKIP("poppler-utils are not installed");
    QTemporaryDir folder;
    ui_.prompts.pdfFileAnswer = folder.filePath("report.pdf");

    openAndPrintOn(SystemPrinterAccess::pdfFileEntryName());
    QCOMPARE(ui_.prompts.fileNameQuestions, 1);
    QVERIFY(ui_.prompts.warnedPrinters.isEmpty());
    QCOMPARE(pdfPageCount(*ui_.prompts.pdfFileAnswer), 2);
}

void CupsPrintTest::propertiesOfNoPrinterOpenNothing()
{
    // A dialog opened by mistake would wait for the user; close it and fail instead.
    bool dialogShown = false;
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    watchdog.start(100);
    printers_->showPrinterProperties("no printer has this name", ui_.mainWindow.get());
    printers_->showPrinterProperties(SystemPrinterAccess::pdfFileEntryName(), ui_.mainWindow.get());
    QVERIFY(!dialogShown);
}

QTEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"
