#include "ui/print/print_dialog.h"

#include "report/calculation_report.h"
#include "report/report_fit.h"
#include "ui/common/gothic_font.h"
#include "ui/common/outer_size.h"
#include "ui/common/twips.h"
#include "ui/common/window_keys.h"
#include "ui/print/print_prompts.h"
#include "ui/print/printer_access.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace flange {

namespace {

const QString kindPrefix = QStringLiteral("種類：　");
const QString portPrefix = QStringLiteral("場所：　");

} // namespace

PrintDialog::PrintDialog(PrinterAccess& printers, RecordSource record, PrintPrompts& prompts,
                         QWidget* mainWindow)
    : ModalDialog(mainWindow), printers_(printers), record_(std::move(record)), prompts_(prompts),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("印刷"));
    setFont(gothicFont());
    closeOnEscape(this);
    buildControls();
    load();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::buildControls()
{
    auto* printerFrame = new QGroupBox(QStringLiteral("プリンタ"), this);
    printerFrame->setObjectName(QStringLiteral("Frame1"));
    printerFrame->setGeometry(twipsRect(120, 90, 5775, 1485));

    auto* printerNameCaption = new QLabel(QStringLiteral("プリンタ名："), printerFrame);
    printerNameCaption->setObjectName(QStringLiteral("Label3"));
    printerNameCaption->setGeometry(twipsRect(150, 390, 1080, 180));

    printerList_ = new QComboBox(printerFrame);
    printerList_->setObjectName(QStringLiteral("Combo1"));
    printerList_->setEditable(true);
    printerList_->setInsertPolicy(QComboBox::NoInsert); // typing never adds to the list
    printerList_->setGeometry(twipsRect(1260, 330, 2865, 300));

    propertiesButton_ = new QPushButton(QStringLiteral("プロパティ"), printerFrame);
    propertiesButton_->setObjectName(QStringLiteral("Command7"));
    propertiesButton_->setGeometry(twipsRect(4200, 330, 1425, 300));

    deviceNameLabel_ = new QLabel(printerFrame);
    deviceNameLabel_->setObjectName(QStringLiteral("Label1"));
    deviceNameLabel_->move(twipsPoint(180, 810));

    portLabel_ = new QLabel(printerFrame);
    portLabel_->setObjectName(QStringLiteral("Label2"));
    portLabel_->move(twipsPoint(180, 1170));

    printButton_ = new QPushButton(QStringLiteral("印刷"), this);
    printButton_->setObjectName(QStringLiteral("Command1"));
    printButton_->setGeometry(twipsRect(2820, 1680, 1500, 300));

    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command6"));
    cancelButton_->setGeometry(twipsRect(4380, 1680, 1500, 300));

    for (QPushButton* button : {printButton_, cancelButton_, propertiesButton_}) {
        button->setAutoDefault(false); // Enter presses the focused button only, not a default one
        pressOnEnter(button);
    }
    connect(printerList_, &QComboBox::activated, this, &PrintDialog::choosePrinter);
    connect(propertiesButton_, &QPushButton::clicked, this, &PrintDialog::showProperties);
    connect(cancelButton_, &QPushButton::clicked, this, &PrintDialog::close);
    connect(printButton_, &QPushButton::clicked, this, &PrintDialog::print);
}

void PrintDialog::load()
{
    // Its frame is expected to be the main window's, so that it opens at its outer size at once.
    const QMargins expectedFrame =
        mainWindow_ && mainWindow_->isVisible() ? OuterSize::windowFrame(*mainWindow_) : QMargins();
    new OuterSize(this, {6120, 2415}, true, expectedFrame);
    for (const PrinterEntry& entry : printers_.listPrinters())
        printerList_->addItem(entry.deviceName);
    const QString current = printers_.currentPrinter().deviceName;
    printerList_->setCurrentIndex(
        printerList_->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
    printerList_->setEditText(current);
    showCurrentPrinter();
}

void PrintDialog::showCurrentPrinter()
{
    const PrinterEntry current = printers_.currentPrinter();
    deviceNameLabel_->setText(kindPrefix + current.deviceName);
    deviceNameLabel_->adjustSize();
    portLabel_->setText(portPrefix + current.port);
    portLabel_->adjustSize();
}

void PrintDialog::choosePrinter()
{
    const QString chosen = printerList_->currentText();
    for (const PrinterEntry& entry : printers_.listPrinters()) {
        if (entry.deviceName == chosen)
            printers_.selectPrinter(entry.deviceName);
    }
    showCurrentPrinter();
}

void PrintDialog::showProperties()
{
    printers_.showPrinterProperties(printerList_->currentText(), this);
}

void PrintDialog::print()
{
    const QString chosen = printerList_->currentText();
    for (const PrinterEntry& entry : printers_.listPrinters()) {
        if (entry.deviceName == chosen) {
            printOn(entry.deviceName, entry.toFile);
            return;
        }
    }
    close();
}

void PrintDialog::printOn(const QString& deviceName, bool toFile)
{
    if (const auto tooWide = fieldTooWideForReport(record_())) {
        prompts_.warnReportRefused(this, tooWideForReportReason(*tooWide));
        return;
    }
    // Printing on another printer than the one named would be worse than not printing.
    if (!printers_.selectPrinter(deviceName)) {
        prompts_.warnPrintFailed(this, deviceName);
        return;
    }
    showCurrentPrinter();
    QString fileName;
    if (toFile) {
        const auto answer = prompts_.askPdfFileName(this);
        if (!answer)
            return;
        fileName = *answer;
    }
    const auto job = printers_.openJob(fileName);
    if (!job) {
        prompts_.warnPrintFailed(this, deviceName);
        return;
    }
    // A printer that cannot switch to A4 portrait still prints, on the paper it has.
    (void)job->setPaper(PaperSize::A4, PageOrientation::Portrait);
    const bool drawn = printCalculationReport(*job, record_());
    if (!job->endDocument()) { // also after a failure: what was drawn is printed
        prompts_.warnPrintFailed(this, deviceName);
        return;
    }
    showWaiting(true);
    // The answer may come after the dialog has been closed: it is then told over the main window.
    job->handOver([dialog = QPointer<PrintDialog>(this), &prompts = prompts_,
                   mainWindow = mainWindow_, deviceName, drawn](PrintOutcome outcome) {
        if (!drawn && outcome == PrintOutcome::Printed)
            outcome = PrintOutcome::Failed; // a part of the report was printed
        if (dialog)
            dialog->showOutcome(deviceName, outcome);
        else
            tellOutcome(prompts, mainWindow, deviceName, outcome);
    });
}

void PrintDialog::showWaiting(bool waiting)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{printerList_, printButton_, propertiesButton_})
        control->setEnabled(!waiting);
}

void PrintDialog::showOutcome(const QString& deviceName, PrintOutcome outcome)
{
    showWaiting(false);
    if (outcome == PrintOutcome::Printed)
        close();
    else // the dialog stays open: the user may print again or cancel
        tellOutcome(prompts_, this, deviceName, outcome);
}

void PrintDialog::tellOutcome(PrintPrompts& prompts, QWidget* owner, const QString& deviceName,
                              PrintOutcome outcome)
{
    if (outcome == PrintOutcome::Unknown)
        prompts.warnPrintStateUnknown(owner, deviceName);
    else if (outcome == PrintOutcome::Failed)
        prompts.warnPrintFailed(owner, deviceName);
}

PrintDialog* openPrintDialog(QPointer<PrintDialog>& dialog, PrinterAccess& printers,
                             PrintDialog::RecordSource record, PrintPrompts& prompts,
                             QWidget* mainWindow)
{
    if (!dialog) {
        dialog = new PrintDialog(printers, std::move(record), prompts, mainWindow);
        dialog->show();
    } else {
        dialog->raise();
        dialog->activateWindow();
    }
    return dialog;
}

} // namespace flange
