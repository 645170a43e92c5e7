#pragma once

// The print dialog (Form4): the user picks one of the printers, may open its properties dialog, and
// prints the calculation report of the current design on it. It is modal over the main window,
// which is greyed until it closes, by any means; opening it returns at once. Printer access, the
// design record and the prompts come in through the constructor.
//
// A printer's spooler answers later: meanwhile the dialog stays open and responsive, with only
// "キャンセル" usable. A print run that fails (a stopped or rejecting printer, a file that cannot
// be written) ends the document with what was drawn, warns the user that printing failed on that
// printer and leaves the dialog open, so that the user may print again or cancel. When the
// printer's queue took the job without answering, the warning says instead that the job's state
// is unknown, so that the user looks at the queue before printing again. An answer that comes
// after the dialog was cancelled is told over the main window.
// Esc closes it as "キャンセル" does.

#include "calc/design_record.h"
#include "report/print_job.h"
#include "ui/common/modal_dialog.h"

#include <QPointer>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace flange {

class PrinterAccess;
class PrintPrompts;

class PrintDialog : public ModalDialog {
    Q_OBJECT

public:
    // Gives the design record as it stands when the report is drawn.
    using RecordSource = std::function<DesignRecord()>;

    // Modal over `mainWindow` (when given), which it greys until it closes. The dialog deletes itself when
    // it is closed.
    PrintDialog(PrinterAccess& printers, RecordSource record, PrintPrompts& prompts,
                QWidget* mainWindow);
    ~PrintDialog() override;

private:
    void buildControls();
    void load();
    void showCurrentPrinter();
    void choosePrinter();
    void showProperties();
    void print();
    void printOn(const QString& deviceName, bool toFile);
    void showWaiting(bool waiting);
    void showOutcome(const QString& deviceName, PrintOutcome outcome);
    static void tellOutcome(PrintPrompts& prompts, QWidget* owner, const QString& deviceName,
                            PrintOutcome outcome);

    PrinterAccess& printers_;
    RecordSource record_;
    PrintPrompts& prompts_;
    QPointer<QWidget> mainWindow_;

    QComboBox* printerList_ = nullptr;    // the installed printers, and the one typed
    QLabel* deviceNameLabel_ = nullptr;   // "種類：　" and the current printer's device name
    QLabel* portLabel_ = nullptr;         // "場所：　" and the current printer's port
    QPushButton* printButton_ = nullptr;  // "印刷"
    QPushButton* cancelButton_ = nullptr; // "キャンセル"
    QPushButton* propertiesButton_ = nullptr; // "プロパティ"
};

} // namespace flange

namespace flange {

// The File menu's print command: opens the print dialog over `mainWindow`, or brings forward the
// one that `dialog` still holds (the dialog exists at most once). Returns the dialog shown.
PrintDialog* openPrintDialog(QPointer<PrintDialog>& dialog, PrinterAccess& printers,
                             PrintDialog::RecordSource record, PrintPrompts& prompts,
                             QWidget* mainWindow);

} // namespace flange
