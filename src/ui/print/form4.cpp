#include "ui/print/form4.h"

#include "report/calculation_report.h"
#include "report/printer_access.h"
#include "report/report_fit.h"
#include "ui/common/gothic_font.h"
#include "ui/common/outer_size.h"
#include "ui/common/owner_lock.h"
#include "ui/common/twips.h"
#include "ui/common/window_keys.h"
#include "ui/print/print_prompts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace flange {

namespace {

const QString kindPrefix = QStringLiteral("種類：　");
const QString portPrefix = QStringLiteral("場所：　");

} // namespace

Form4::Form4(PrinterAccess& printers, RecordSource record, PrintPrompts& prompts,
             QWidget* mainWindow)
    : QWidget(nullptr, Qt::Dialog), printers_(printers), record_(std::move(record)),
      prompts_(prompts), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("印刷"));
    setFont(gothicFont());
    closeOnEscape(this);
    buildControls();
    load();
}

Form4::~Form4() = default;

void Form4::buildControls()
{
    auto* frame1 = new QGroupBox(QStringLiteral("プリンタ"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipsRect(120, 90, 5775, 1485));

    auto* label3 = new QLabel(QStringLiteral("プリンタ名："), frame1);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(twipsRect(150, 390, 1080, 180));

    combo1_ = new QComboBox(frame1);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert); // typing never adds to the list
    combo1_->setGeometry(twipsRect(1260, 330, 2865, 300));

    command7_ = new QPushButton(QStringLiteral("プロパティ"), frame1);
    command7_->setObjectName(QStringLiteral("Command7"));
    command7_->setGeometry(twipsRect(4200, 330, 1425, 300));

    label1_ = new QLabel(frame1);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->move(twipsPoint(180, 810));

    label2_ = new QLabel(frame1);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->move(twipsPoint(180, 1170));

    command1_ = new QPushButton(QStringLiteral("印刷"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(2820, 1680, 1500, 300));

    command6_ = new QPushButton(QStringLiteral("キャンセル"), this);
    command6_->setObjectName(QStringLiteral("Command6"));
    command6_->setGeometry(twipsRect(4380, 1680, 1500, 300));

    for (QPushButton* button : {command1_, command6_, command7_})
        pressOnEnter(button);
    connect(combo1_, &QComboBox::activated, this, &Form4::choosePrinter);
    connect(command7_, &QPushButton::clicked, this, &Form4::showProperties);
    connect(command6_, &QPushButton::clicked, this, &Form4::close);
    connect(command1_, &QPushButton::clicked, this, &Form4::print);
}

void Form4::load()
{
    // Its frame is expected to be the main window's, so that it opens at its outer size at once.
    const QMargins expectedFrame =
        mainWindow_ && mainWindow_->isVisible() ? OuterSize::windowFrame(*mainWindow_) : QMargins();
    new OuterSize(this, {6120, 2415}, true, expectedFrame);
    new OwnerLock(this, mainWindow_);
    for (const PrinterEntry& entry : printers_.listPrinters())
        combo1_->addItem(entry.deviceName);
    const QString current = printers_.currentPrinter().deviceName;
    combo1_->setCurrentIndex(combo1_->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo1_->setEditText(current);
    showCurrentPrinter();
}

void Form4::showCurrentPrinter()
{
    const PrinterEntry current = printers_.currentPrinter();
    label1_->setText(kindPrefix + current.deviceName);
    label1_->adjustSize();
    label2_->setText(portPrefix + current.port);
    label2_->adjustSize();
}

void Form4::choosePrinter()
{
    const QString chosen = combo1_->currentText();
    for (const PrinterEntry& entry : printers_.listPrinters()) {
        if (entry.deviceName == chosen)
            printers_.selectPrinter(entry.deviceName);
    }
    showCurrentPrinter();
}

void Form4::showProperties() { printers_.showPrinterProperties(combo1_->currentText(), this); }

void Form4::print()
{
    const QString chosen = combo1_->currentText();
    for (const PrinterEntry& entry : printers_.listPrinters()) {
        if (entry.deviceName == chosen && !printOn(entry.deviceName, entry.toFile))
            return; // the dialog stays open: the user may print again or cancel
    }
    close();
}

bool Form4::printOn(const QString& deviceName, bool toFile)
{
    if (const auto tooWide = fieldTooWideForReport(record_())) {
        prompts_.warnReportRefused(this, tooWideForReportReason(*tooWide));
        return false;
    }
    // Printing on another printer than the one named would be worse than not printing.
    if (!printers_.selectPrinter(deviceName)) {
        prompts_.warnPrintFailed(this, deviceName);
        return false;
    }
    showCurrentPrinter();
    QString fileName;
    if (toFile) {
        const auto answer = prompts_.askPdfFileName(this);
        if (!answer)
            return false;
        fileName = *answer;
    }
    const auto job = printers_.openJob(fileName);
    bool printed = false;
    if (job) {
        // A printer that cannot switch to A4 portrait still prints, on the paper it has.
        (void)job->setPaper(PaperSize::A4, PageOrientation::Portrait);
        const bool drawn = printCalculationReport(*job, record_());
        const bool ended = job->endDocument(); // also after a failure: what was drawn is printed
        printed = drawn && ended;
    }
    if (!printed && job && job->outcomeUnknown())
        prompts_.warnPrintStateUnknown(this, deviceName);
    else if (!printed)
        prompts_.warnPrintFailed(this, deviceName);
    return printed;
}

Form4* openPrintDialog(QPointer<Form4>& dialog, PrinterAccess& printers, Form4::RecordSource record,
                       PrintPrompts& prompts, QWidget* mainWindow)
{
    if (!dialog) {
        dialog = new Form4(printers, std::move(record), prompts, mainWindow);
        dialog->show();
    } else {
        dialog->raise();
        dialog->activateWindow();
    }
    return dialog;
}

} // namespace flange
