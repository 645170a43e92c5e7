#pragma once

// The print run's prompts as the user sees them: a warning message box and a save-file dialog
// that remembers the last file name for the rest of the run.

#include "ui/print/print_prompts.h"

namespace flange {

class MessageBoxPrintPrompts final : public PrintPrompts {
public:
    void warnPrintFailed(QWidget* owner, const QString& printerName) override;
    void warnReportRefused(QWidget* owner, const QString& reason) override;
    void warnPrintStateUnknown(QWidget* owner, const QString& printerName) override;
    std::optional<QString> askPdfFileName(QWidget* owner) override;

private:
    QString lastFileName_;
};

} // namespace flange
