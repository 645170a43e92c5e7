// The print dialog over a fake print system: what it shows when it opens, how choosing a printer
// and the properties button act, and how each kind of print run ends.

#include "print_dialog_harness.h"

#include <QtTest>

using namespace flange;
using namespace flange::testing;

class PrintDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingShowsTheCurrentPrinterAndDisablesTheMainWindow();
    void cancelClosesAndEnablesTheMainWindow();
    void choosingSelectsAtOnceEvenWhenCancelled();
    void reopeningShowsThePrinterLastChosen();
    void propertiesGoToTheNameInTheList();
    void printRun_data();
    void printRun();
    void answerThatComesLaterIsToldWhenItComes();
    void aTextTooWideForTheReportIsRefusedNamingItsField();

private:
    PrintDialogHarness ui_;
    std::unique_ptr<FakePrinterAccess> printers_;
};

void PrintDialogTest::init()
{
    ui_.start();
    printers_ = std::make_unique<FakePrinterAccess>();
}

void PrintDialogTest::cleanup() { ui_.finish(); }

void PrintDialogTest::openingShowsTheCurrentPrinterAndDisablesTheMainWindow()
{
    ui_.open(*printers_);
    QCOMPARE(ui_.dialog->objectName(), QString("Form4"));
    QCOMPARE(ui_.dialog->windowTitle(), QString("印刷"));
    QStringList items;
    for (int i = 0; i < ui_.combo()->count(); ++i)
        items << ui_.combo()->itemText(i);
    QCOMPARE(items, QStringList({"Alpha", "Beta", "PDFファイル"}));
    QCOMPARE(ui_.combo()->currentText(), QString("Beta"));
    QCOMPARE(ui_.label("Label1"), QString("種類：　Beta"));
    QCOMPARE(ui_.label("Label2"), QString("場所：　USB001"));
    QVERIFY(!ui_.mainWindow->isEnabled());
    QVERIFY(ui_.dialog->isEnabled());
    for (const char* name : {"Frame1", "Label3", "Command1", "Command6", "Command7"})
        QVERIFY2(ui_.dialog->findChild<QWidget*>(name), name);
    // Opening again brings the same dialog forward.
    PrintDialog* first = ui_.dialog;
    QCOMPARE(ui_.open(*printers_), first);
}

void PrintDialogTest::cancelClosesAndEnablesTheMainWindow()
{
    ui_.open(*printers_);
    ui_.press("Command6");
    QVERIFY(!ui_.dialogOpen());
    QVERIFY(ui_.mainWindow->isEnabled());
}

void PrintDialogTest::choosingSelectsAtOnceEvenWhenCancelled()
{
    ui_.open(*printers_);
    QVERIFY(ui_.choose("Alpha"));
    QCOMPARE(printers_->current, QString("Alpha"));
    QCOMPARE(ui_.label("Label1"), QString("種類：　Alpha"));
    QCOMPARE(ui_.label("Label2"), QString("場所：　LPT1:"));
    ui_.press("Command6");
    QCOMPARE(printers_->current, QString("Alpha"));
}

void PrintDialogTest::reopeningShowsThePrinterLastChosen()
{
    ui_.open(*printers_);
    QVERIFY(ui_.choose("PDFファイル"));
    ui_.dialog->close();
    QTRY_VERIFY(!ui_.dialog);
    ui_.open(*printers_);
    QCOMPARE(ui_.combo()->currentText(), QString("PDFファイル"));
    QCOMPARE(ui_.label("Label1"), QString("種類：　PDFファイル"));
    QCOMPARE(ui_.label("Label2"), QString("場所：　"));
}

void PrintDialogTest::propertiesGoToTheNameInTheList()
{
    ui_.open(*printers_);
    ui_.combo()->setEditText("Gamma"); // typing selects nothing
    QCOMPARE(printers_->current, QString("Beta"));
    ui_.press("Command7");
    QVERIFY(ui_.choose("Alpha"));
    ui_.press("Command7");
    QCOMPARE(printers_->propertiesShownFor, QStringList({"Gamma", "Alpha"}));
    QVERIFY(ui_.dialogOpen());
}

void PrintDialogTest::printRun_data()
{
    QTest::addColumn<QString>("printerText");
    QTest::addColumn<int>("failFrom");
    QTest::addColumn<QString>("fileAnswer");    // empty: the user cancels the file dialog
    QTest::addColumn<bool>("printed");          // a job was opened and the whole report drawn
    QTest::addColumn<bool>("answerNeverComes"); // the spooler takes the job without answering
    QTest::addColumn<QString>("warning");       // "failed", "unknown" or none
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("printer") << "Alpha" << -1 << "" << true << false << "" << false;
    QTest::newRow("failure in the middle")
        << "Alpha" << 40 << "" << false << false << "failed" << true;
    QTest::newRow("failure at the start")
        << "Alpha" << 0 << "" << false << false << "failed" << true;
    QTest::newRow("no answer from the queue")
        << "Alpha" << -1 << "" << true << true << "unknown" << true;
    QTest::newRow("name of no printer") << "Nobody" << -1 << "" << false << false << "" << false;
    QTest::newRow("pdf file") << "PDFファイル" << -1 << "out.pdf" << true << false << "" << false;
    QTest::newRow("pdf file cancelled")
        << "PDFファイル" << -1 << "" << false << false << "" << true;
}

void PrintDialogTest::printRun()
{
    QFETCH(QString, printerText);
    QFETCH(int, failFrom);
    QFETCH(QString, fileAnswer);
    QFETCH(bool, printed);
    QFETCH(bool, answerNeverComes);
    QFETCH(QString, warning);
    QFETCH(bool, staysOpen);

    printers_->failFrom = failFrom;
    printers_->answerNeverComes = answerNeverComes;
    if (!fileAnswer.isEmpty())
        ui_.prompts.pdfFileAnswer = fileAnswer;
    ui_.open(*printers_);
    ui_.combo()->setEditText(printerText);
    ui_.press("Command1");

    const bool toFile = printerText == "PDFファイル";
    QCOMPARE(ui_.prompts.fileNameQuestions, toFile ? 1 : 0);
    if (printed) {
        QVERIFY(printers_->lastJob);
        QCOMPARE(printers_->lastJobPrinter, printerText);
        QCOMPARE(printers_->lastJobFile, toFile ? fileAnswer : QString());
        auto expected = expectedReportOperations(workedExampleRecord());
        expected.insert(expected.begin(), "paper A4 portrait");
        QVERIFY(printers_->lastJob->operations() == expected);
    }
    if (failFrom >= 0) {
        QVERIFY(printers_->lastJob);
        QCOMPARE(int(printers_->lastJob->operations().size()), failFrom);
    }
    if (printers_->lastJob)
        QVERIFY2(printers_->lastJob->ended(), "every started job is ended, failed or not");
    QCOMPARE(ui_.prompts.warnedPrinters,
             warning == "failed" ? QStringList{printerText} : QStringList{});
    QCOMPARE(ui_.prompts.unknownStatePrinters,
             warning == "unknown" ? QStringList{printerText} : QStringList{});
    QCOMPARE(ui_.dialogOpen(), staysOpen);
    QCOMPARE(ui_.mainWindow->isEnabled(), !staysOpen);
}

void PrintDialogTest::answerThatComesLaterIsToldWhenItComes()
{
    printers_->answerLater = true;
    ui_.open(*printers_);
    const auto printButton = [this] { return ui_.dialog->findChild<QPushButton*>("Command1"); };
    ui_.press("Command1");
    // Waiting for the spooler: the dialog stays open and can only be cancelled.
    QVERIFY(ui_.dialogOpen());
    QVERIFY(!printButton()->isEnabled());
    QVERIFY(ui_.dialog->findChild<QPushButton*>("Command6")->isEnabled());
    QVERIFY(ui_.prompts.warnedPrinters.isEmpty());
    printers_->lastJob->pendingAnswer(PrintOutcome::Failed);
    QCOMPARE(ui_.prompts.warnedPrinters, QStringList{"Beta"});
    QVERIFY(ui_.dialogOpen());
    QVERIFY(printButton()->isEnabled());

    // Cancelled while waiting: the answer is still told, and a success is silent.
    ui_.press("Command1");
    ui_.press("Command6");
    QTRY_VERIFY(!ui_.dialog);
    QVERIFY(ui_.mainWindow->isEnabled());
    printers_->lastJob->pendingAnswer(PrintOutcome::Unknown);
    QCOMPARE(ui_.prompts.unknownStatePrinters, QStringList{"Beta"});

    ui_.open(*printers_);
    ui_.press("Command1");
    printers_->lastJob->pendingAnswer(PrintOutcome::Printed);
    QTRY_VERIFY(!ui_.dialogOpen());
    QCOMPARE(ui_.prompts.warnedPrinters, QStringList{"Beta"});
}

void PrintDialogTest::aTextTooWideForTheReportIsRefusedNamingItsField()
{
    ui_.record.requiredThickness = std::string(39, '9') + ".000";
    ui_.prompts.pdfFileAnswer = QStringLiteral("/nowhere/never.pdf");
    ui_.open(*printers_);
    for (const char* printer : {"Beta", "PDFファイル"}) {
        ui_.combo()->setEditText(printer);
        ui_.press("Command1");
    }
    QCOMPARE(ui_.prompts.refusals.size(), 2);
    QVERIFY(ui_.prompts.refusals.front().contains("「プレート厚さ」"));
    QVERIFY2(!printers_->lastJob, "no printer was given a job");
    QCOMPARE(ui_.prompts.fileNameQuestions, 0);
    QVERIFY(ui_.dialogOpen());
}

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_test.moc"
