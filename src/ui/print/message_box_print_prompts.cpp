#include "ui/print/message_box_print_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace flange {

void MessageBoxPrintPrompts::warnPrintFailed(QWidget* owner, const QString& printerName)
{
    QMessageBox::warning(owner, QStringLiteral("印刷"),
                         QStringLiteral("プリンタ「%1」で印刷できませんでした。").arg(printerName));
}

std::optional<QString> MessageBoxPrintPrompts::askPdfFileName(QWidget* owner)
{
    QString name = QFileDialog::getSaveFileName(owner, QStringLiteral("PDFファイル"), lastFileName_,
                                                QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty())
        return std::nullopt;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    lastFileName_ = name;
    return name;
}

} // namespace flange
