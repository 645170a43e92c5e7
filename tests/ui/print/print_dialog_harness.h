#pragma once

// Drives the print dialog in the window tests: a stand-in main window, prompts that answer
// without a modal window, and the clicks a user would make.

#include "print_fakes.h"
#include "report_expectations.h"
#include "ui/print/print_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace flange::testing {

struct PrintDialogHarness {
    std::unique_ptr<QWidget> mainWindow;
    FakePrintPrompts prompts;
    QPointer<PrintDialog> dialog;
    DesignRecord record; // the design printed: the worked example unless a test changes it

    void start()
    {
        mainWindow = std::make_unique<QWidget>();
        mainWindow->show();
        prompts = {};
        record = workedExampleRecord();
    }

    void finish()
    {
        delete dialog.data();
        mainWindow.reset();
    }

    // The print command of the main window, with `record` as the design.
    PrintDialog* open(PrinterAccess& printers)
    {
        return dialog = openPrintDialog(
                   dialog, printers, [this] { return record; }, prompts, mainWindow.get());
    }

    QComboBox* combo() const { return dialog->findChild<QComboBox*>("Combo1"); }
    QString label(const char* name) const { return dialog->findChild<QLabel*>(name)->text(); }
    bool dialogOpen() const { return dialog && dialog->isVisible(); }

    void press(const char* button)
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    // A click on an item of the printer list: the item becomes the text, then activated fires.
    bool choose(const QString& name)
    {
        const int index = combo()->findText(name);
        if (index < 0)
            return false;
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
        return true;
    }
};

} // namespace flange::testing
