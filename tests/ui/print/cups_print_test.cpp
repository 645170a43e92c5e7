// Printing through the real print system. The CUPS queues come from scripts/cups-test-printer:
// "flange-test-pdf" turns each job into a PDF file in a known folder, "flange-test-stopped" is
// stopped and "flange-test-rejecting" rejects jobs. Tests that need a queue skip without it.

#include "pdf_tools.h"
#include "print_dialog_harness.h"
#include "report/calculation_report.h"
#include "ui/print/printer_delivery.h"
#include "ui/print/spool_queue.h"
#include "ui/print/system_printer_access.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <map>
#include <optional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Keeps files of this process (and of the programs it starts) below a size, as a nearly full
// temporary folder would, while it lives. SIGXFSZ is ignored meanwhile, so a write past the limit
// fails instead of killing the test. The limit is lowered in the test process itself: the print
// system's client code does not survive being forked.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printOnAQueueArrivesAsTwoA4Pages();
    void refusingQueueWarnsAndKeepsTheDialogOpen_data();
    void refusingQueueWarnsAndKeepsTheDialogOpen();
    void spooledJobIsHandedOnOnlyWhole_data();
    void spooledJobIsHandedOnOnlyWhole();
    void pdfFileEntryWritesTheReport_data();
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
    // lp answers while the window goes on: the dialog closes once the queue has taken the job.
    QTRY_VERIFY_WITH_TIMEOUT(!ui_.dialog || !ui_.dialog->isVisible(), 120'000);
    QVERIFY2(ui_.prompts.warnedPrinters.isEmpty(), "the queue accepted the job");
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
    QTRY_COMPARE_WITH_TIMEOUT(ui_.prompts.warnedPrinters, QStringList{queue}, 120'000);
    QVERIFY(ui_.dialog && ui_.dialog->isVisible());
    QVERIFY(!ui_.mainWindow->isEnabled());
}

void CupsPrintTest::spooledJobIsHandedOnOnlyWhole_data()
{
    QTest::addColumn<QString>("spooler");  // what the stand-in for lp does after noting its call
    QTest::addColumn<qint64>("sizeLimit"); // 0 for none
    QTest::addColumn<bool>("handedOn");
    QTest::addColumn<QString>("outcome"); // "printed", "failed" or "unknown"

    QTest::newRow("accepted") << "exit 0" << qint64(0) << true << "printed";
    QTest::newRow("spool file cut short") << "exit 0" << qint64(8 * 1024) << false << "failed";
    QTest::newRow("refused by lp") << "exit 1" << qint64(0) << true << "failed";
    QTest::newRow("no answer from lp") << "exec sleep 30" << qint64(0) << true << "unknown";
}

void CupsPrintTest::spooledJobIsHandedOnOnlyWhole()
{
    QFETCH(QString, spooler);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, handedOn);
    QFETCH(QString, outcome);
    if (!queueInstalled(printingQueue))
        QSKIP("no CUPS queue flange-test-pdf: run scripts/cups-test-printer first");

    QTemporaryDir folder;
    const QString calls = folder.filePath("calls");
    const QString lp = folder.filePath("lp");
    QFile script(lp);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n%2\n").arg(calls, spooler).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(printingQueue);
    PainterPrintJob job(printer, printerDelivery(printer, std::make_shared<SpoolQueue>(lp, 500)));
    std::optional<PrintOutcome> answer;
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit > 0)
            limit.emplace(rlim_t(sizeLimit));
        QVERIFY(printCalculationReport(job, workedExampleRecord()));
        if (job.endDocument())
            job.handOver([&answer](PrintOutcome outcome) { answer = outcome; });
        else
            answer = PrintOutcome::Failed;
    }
    QTRY_VERIFY(answer);
    const std::map<QString, PrintOutcome> outcomes{{"printed", PrintOutcome::Printed},
                                                   {"failed", PrintOutcome::Failed},
                                                   {"unknown", PrintOutcome::Unknown}};
    QCOMPARE(*answer, outcomes.at(outcome));
    QCOMPARE(QFile::exists(calls), handedOn);
}

void CupsPrintTest::pdfFileEntryWritesTheReport_data()
{
    QTest::addColumn<QString>("name"); // in a folder that holds "old.pdf", "plain" and "pipe"
    QTest::addColumn<bool>("written");

    QTest::newRow("new file") << "report.pdf" << true;
    QTest::newRow("replacing a report") << "old.pdf" << true;
    QTest::newRow("in a folder that is a file") << "plain/report.pdf" << false;
    QTest::newRow("pipe") << "pipe" << false;
}

void CupsPrintTest::pdfFileEntryWritesTheReport()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    if (!havePdfTools())
        QSKIP("poppler-utils are not installed");
    QTemporaryDir folder;
    for (const char* file : {"old.pdf", "plain"}) {
        QFile f(folder.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("written before");
    }
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    ui_.prompts.pdfFileAnswer = folder.filePath(name);

    openAndPrintOn(SystemPrinterAccess::pdfFileEntryName());
    QCOMPARE(ui_.prompts.fileNameQuestions, 1);
    if (written) {
        QVERIFY(ui_.prompts.warnedPrinters.isEmpty());
        QCOMPARE(pdfPageCount(*ui_.prompts.pdfFileAnswer), 2);
        return;
    }
    QCOMPARE(ui_.prompts.warnedPrinters, QStringList{SystemPrinterAccess::pdfFileEntryName()});
    QVERIFY(ui_.dialogOpen());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QFile plain(folder.filePath("plain"));
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), QByteArray("written before"));
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
